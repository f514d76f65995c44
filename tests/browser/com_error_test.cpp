// Raising COM failures: the HRESULT always, the error information only when the failing object
// says it applies to the interface of the failed call.
#include <gtest/gtest.h>

#include "browser/com_error.h"
#include "support/counting_error_info.h"

namespace {

// {5E5C3A7B-1F2D-4C6E-9A8B-0C1D2E3F4A5B}: the interface whose call "failed".
const IID kFailedInterface = {0x5e5c3a7b, 0x1f2d, 0x4c6e, {0x9a, 0x8b, 0x0c, 0x1d, 0x2e, 0x3f, 0x4a, 0x5b}};
// {6F6D4B8C-2A3E-4D7F-8B9C-1D2E3F4A5B6C}: some other interface.
const IID kOtherInterface = {0x6f6d4b8c, 0x2a3e, 0x4d7f, {0x8b, 0x9c, 0x1d, 0x2e, 0x3f, 0x4a, 0x5b, 0x6c}};

// A failing object, on the test's stack, that may offer ISupportErrorInfo.
class FailingObject final : public ISupportErrorInfo {
 public:
  explicit FailingObject(bool offersSupport) : offersSupport_(offersSupport) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || (offersSupport_ && iid == IID_ISupportErrorInfo)) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return IsEqualGUID(iid, kFailedInterface) ? S_OK : S_FALSE;
  }

  ULONG refs = 1;

 private:
  bool offersSupport_;
};

TEST(ComErrorTest, RaiseComErrorCarriesTheResultAndNoInformation) {
  try {
    RaiseComError(E_OUTOFMEMORY);
    FAIL() << "nothing raised";
  } catch (const _com_error& error) {
    EXPECT_EQ(error.Error(), E_OUTOFMEMORY);
    EXPECT_EQ(error.ErrorInfo(), nullptr);
  }
}

TEST(ComErrorTest, RaiseComErrorInfoTakesTheInformationOnlyWhenItApplies) {
  struct Case {
    const char* name;
    bool hasObject;
    bool offersSupport;
    const IID* failedInterface;
    bool threadHasInformation;
    bool carried;
  };
  const Case cases[] = {
      {"supported interface with information", true, true, &kFailedInterface, true, true},
      {"no object", false, false, &kFailedInterface, true, false},
      {"object without ISupportErrorInfo", true, false, &kFailedInterface, true, false},
      {"information about another interface", true, true, &kOtherInterface, true, false},
      {"supported interface, no information set", true, true, &kFailedInterface, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CountingErrorInfo info;
    FailingObject object(c.offersSupport);
    SetErrorInfo(0, c.threadHasInformation ? &info : NULL);
    const ULONG infoRefsBefore = info.refs;
    try {
      RaiseComErrorInfo(E_FAIL, c.hasObject ? &object : NULL, *c.failedInterface);
      FAIL() << "nothing raised";
    } catch (const _com_error& error) {
      EXPECT_EQ(error.Error(), E_FAIL);
      IErrorInfo* carried = error.ErrorInfo();
      EXPECT_EQ(carried != NULL, c.carried);
      if (carried) {
        EXPECT_EQ(carried, static_cast<IErrorInfo*>(&info));
        // The error holds the reference the thread handed over, and ErrorInfo() one more.
        EXPECT_EQ(info.refs, infoRefsBefore + 1);
        carried->Release();
      }
    }
    EXPECT_EQ(object.refs, 1u) << "ISupportErrorInfo released";
    SetErrorInfo(0, NULL);
    EXPECT_EQ(info.refs, 1u) << "no reference left behind";
  }
}

TEST(ComErrorTest, LastErrorResultMapsTheSystemErrorCode) {
  SetLastError(ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(LastErrorResult(), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  SetLastError(0);
  EXPECT_EQ(LastErrorResult(), 0);
}

}  // namespace
