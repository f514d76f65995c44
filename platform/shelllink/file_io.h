// Whole-file reads and all-or-nothing writes of link files, with Win32 error results.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "com/hresult.h"

namespace layer::shelllink {

// Writes bytes to a new temporary file beside path and renames it over path. On any failure
// the temporary is removed and path is untouched. An existing file that nobody may write to is
// read-only and is not replaced (ERROR_ACCESS_DENIED). Returns HRESULT_FROM_WIN32 of the error.
HRESULT WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

// Reads a file of at most maxBytes.
HRESULT ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>* bytes);

// The Win32 error code for an errno value.
unsigned long Win32ErrorFromErrno(int error, bool forWrite);

}  // namespace layer::shelllink
