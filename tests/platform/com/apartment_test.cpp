#include <gtest/gtest.h>

#include <thread>

#include "com/class_table.h"
#include "com/com.h"

namespace {

const CLSID kTestClass = {0x5EB1A001, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID kTestInterface = {0x5EB1A002, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

// A minimal in-process class: answers IUnknown and kTestInterface.
class TestObject final : public IUnknown {
 public:
  static int live;
  TestObject() { ++live; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == kTestInterface) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ~TestObject() { --live; }
  ULONG refs_ = 1;
};
int TestObject::live = 0;

HRESULT CreateTestObject(REFIID iid, void** object) {
  auto* created = new TestObject();
  const HRESULT hr = created->QueryInterface(iid, object);
  created->Release();
  return hr;
}

class Apartment : public ::testing::Test {
 protected:
  void SetUp() override { layer::com::RegisterClass(kTestClass, &CreateTestObject); }
  void TearDown() override {
    layer::com::UnregisterClass(kTestClass);
    while (layer::com::ApartmentCount() > 0) CoUninitialize();
  }
};

void* const kGarbage = reinterpret_cast<void*>(0x1234);

TEST_F(Apartment, CreateWithoutCoInitializeFailsAndClearsTheOutPointer) {
  void* object = kGarbage;
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
            CO_E_NOTINITIALIZED);
  EXPECT_EQ(object, nullptr);
}

TEST_F(Apartment, InitializeCountsPerThread) {
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
  CoUninitialize();
  EXPECT_EQ(layer::com::ApartmentCount(), 1);
  HRESULT otherThread = S_OK;
  std::thread([&] {
    void* object = nullptr;
    otherThread = CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object);
  }).join();
  EXPECT_EQ(otherThread, CO_E_NOTINITIALIZED);
  CoUninitialize();
  EXPECT_EQ(layer::com::ApartmentCount(), 0);
  void* object = kGarbage;
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
            CO_E_NOTINITIALIZED);
}

TEST_F(Apartment, CreatesARegisteredClassAndReleaseDestroysIt) {
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  IUnknown* object = nullptr;
  ASSERT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER, kTestInterface,
                             reinterpret_cast<void**>(&object)),
            S_OK);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(TestObject::live, 1);
  EXPECT_EQ(object->Release(), 0u);
  EXPECT_EQ(TestObject::live, 0);
}

struct CreateFailure {
  const char* what;
  const CLSID* clsid;
  bool withOuter;
  DWORD context;
  const IID* iid;
  HRESULT expected;
};

TEST_F(Apartment, CreateFailuresLeaveNoObjectBehind) {
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  const CLSID unknownClass = {0xDEADBEEF, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
  const IID unknownInterface = {0xDEADBEEF, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
  TestObject* outerHolder = new TestObject();
  const CreateFailure cases[] = {
      {"unknown class", &unknownClass, false, CLSCTX_INPROC_SERVER, &IID_IUnknown, REGDB_E_CLASSNOTREG},
      {"unsupported interface", &kTestClass, false, CLSCTX_INPROC_SERVER, &unknownInterface, E_NOINTERFACE},
      {"aggregation", &kTestClass, true, CLSCTX_INPROC_SERVER, &IID_IUnknown, CLASS_E_NOAGGREGATION},
      {"local server only", &kTestClass, false, CLSCTX_LOCAL_SERVER, &IID_IUnknown, REGDB_E_CLASSNOTREG},
  };
  for (const CreateFailure& c : cases) {
    SCOPED_TRACE(c.what);
    void* object = kGarbage;
    EXPECT_EQ(CoCreateInstance(*c.clsid, c.withOuter ? outerHolder : nullptr, c.context, *c.iid, &object),
              c.expected);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(TestObject::live, 1);  // only the outer object
  }
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr), E_POINTER);
  outerHolder->Release();
  EXPECT_EQ(TestObject::live, 0);
}

}  // namespace
