#include "browser/bstr_holder.h"

#include <memory>
#include <new>

#include "browser/com_error.h"

struct BstrRecord {
  BSTR wide = NULL;
  std::unique_ptr<char[]> ansi;
  LONG refCount = 1;

  ~BstrRecord() { SysFreeString(wide); }
};

namespace {

// The record is shared by its holders and freed by the last one (LetGo).
BstrRecord* NewRecord(BSTR wide) {
  std::unique_ptr<BstrRecord> record(new (std::nothrow) BstrRecord);
  if (!record) {
    SysFreeString(wide);
    RaiseComError(E_OUTOFMEMORY);
  }
  record->wide = wide;
  return record.release();
}

[[noreturn]] void RaiseConversionError() { RaiseComError(LastErrorResult()); }

BSTR WideFromAnsi(const char* text) {
  if (text == NULL) return NULL;
  int units = lstrlenA(text) + 1;
  std::unique_ptr<WCHAR[]> wide(new (std::nothrow) WCHAR[units]);
  if (!wide) RaiseComError(E_OUTOFMEMORY);
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.get(), units) == 0) RaiseConversionError();
  BSTR result = SysAllocString(wide.get());
  if (result == NULL) RaiseComError(E_OUTOFMEMORY);
  return result;
}

}  // namespace

BstrHolder::BstrHolder() : record(NULL) {}

BstrHolder::BstrHolder(const char* text) : record(NewRecord(WideFromAnsi(text))) {}

BstrHolder::BstrHolder(BstrRecord* shared) : record(shared) {}

BstrHolder BstrHolder::Take(BSTR wide) { return BstrHolder(NewRecord(wide)); }

BstrHolder::BstrHolder(const BstrHolder& other) : record(other.record) {
  if (record) InterlockedIncrement(&record->refCount);
}

BstrHolder& BstrHolder::operator=(const BstrHolder& other) {
  // Take the new reference before letting go of the old one: the two may be the same record.
  BstrRecord* shared = other.record;
  if (shared) InterlockedIncrement(&shared->refCount);
  LetGo();
  record = shared;
  return *this;
}

BstrHolder::~BstrHolder() { LetGo(); }

void BstrHolder::LetGo() {
  if (record && InterlockedDecrement(&record->refCount) == 0) std::unique_ptr<BstrRecord> last(record);
  record = NULL;
}

BSTR BstrHolder::Wide() const { return record ? record->wide : NULL; }

const char* BstrHolder::AnsiText() const {
  if (record == NULL) return NULL;
  if (record->ansi) return record->ansi.get();
  if (record->wide == NULL) return NULL;
  int units = 0;
  while (record->wide[units] != 0) ++units;
  int bytes = 2 * units + 2;
  std::unique_ptr<char[]> ansi(new (std::nothrow) char[bytes]);
  if (!ansi) RaiseComError(E_OUTOFMEMORY);
  if (WideCharToMultiByte(CP_ACP, 0, record->wide, -1, ansi.get(), bytes, NULL, NULL) == 0) RaiseConversionError();
  record->ansi = std::move(ansi);
  return record->ansi.get();
}

int BstrHolder::Compare(const BstrHolder& other) const {
  if (record == other.record) return 0;
  if (record == NULL) return -1;
  if (other.record == NULL) return 1;
  if (record->wide == NULL) return other.record->wide == NULL ? 0 : -1;
  if (other.record->wide == NULL) return 1;
  UINT la = SysStringLen(record->wide);
  UINT lb = SysStringLen(other.record->wide);
  UINT common = la < lb ? la : lb;
  for (UINT i = 0; i < common; ++i) {
    unsigned a = static_cast<unsigned short>(record->wide[i]);
    unsigned b = static_cast<unsigned short>(other.record->wide[i]);
    if (a != b) return static_cast<int>(a) - static_cast<int>(b);
  }
  if (la < lb) return -1;
  return la > lb ? 1 : 0;
}
