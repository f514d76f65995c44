#include "com/apartment.h"

#include <mutex>
#include <utility>
#include <vector>

#include "com/class_table.h"

namespace layer::com {
namespace {

thread_local int tApartmentCount = 0;

struct ClassTable {
  std::mutex lock;
  std::vector<std::pair<CLSID, ClassFactoryFunction>> entries;
};

// Function-local, so classes can register from static initialisers of other files.
ClassTable& Table() {
  static ClassTable table;
  return table;
}

}  // namespace

void RegisterClass(REFCLSID clsid, ClassFactoryFunction factory) {
  ClassTable& table = Table();
  std::lock_guard<std::mutex> guard(table.lock);
  for (auto& entry : table.entries) {
    if (entry.first == clsid) {
      entry.second = factory;
      return;
    }
  }
  table.entries.emplace_back(clsid, factory);
}

void UnregisterClass(REFCLSID clsid) {
  ClassTable& table = Table();
  std::lock_guard<std::mutex> guard(table.lock);
  for (auto it = table.entries.begin(); it != table.entries.end(); ++it) {
    if (it->first == clsid) {
      table.entries.erase(it);
      return;
    }
  }
}

ClassFactoryFunction FindClass(REFCLSID clsid) {
  ClassTable& table = Table();
  std::lock_guard<std::mutex> guard(table.lock);
  for (const auto& entry : table.entries) {
    if (entry.first == clsid) return entry.second;
  }
  return nullptr;
}

int ApartmentCount() { return tApartmentCount; }

}  // namespace layer::com

HRESULT WINAPI CoInitialize(LPVOID reserved) {
  return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

// Every thread gets one apartment; the first call answers S_OK, nested calls S_FALSE.
HRESULT WINAPI CoInitializeEx(LPVOID, DWORD) {
  return layer::com::tApartmentCount++ == 0 ? S_OK : S_FALSE;
}

void WINAPI CoUninitialize(void) {
  if (layer::com::tApartmentCount > 0) --layer::com::tApartmentCount;
}

HRESULT WINAPI CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                                LPVOID* object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (layer::com::tApartmentCount == 0) return CO_E_NOTINITIALIZED;
  // Only in-process servers exist here; none of them can be aggregated.
  if ((context & CLSCTX_INPROC_SERVER) == 0) return REGDB_E_CLASSNOTREG;
  layer::com::ClassFactoryFunction factory = layer::com::FindClass(clsid);
  if (factory == nullptr) return REGDB_E_CLASSNOTREG;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  HRESULT hr = factory(iid, object);
  if (FAILED(hr)) *object = nullptr;
  return hr;
}
