// Helpers for the Shell Link tests: a scratch folder, file access, lnkinfo, an object maker.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "support/lnkinfo.h"
#include "support/scratch_folder.h"
#include "platform.h"

namespace shelllink_test {

using test_support::Exists;
using test_support::ReadBytes;
using test_support::RunLnkinfo;
using test_support::ScratchFolder;

// A Shell Link object from CoCreateInstance, with its two interfaces.
struct Link {
  layer::com::ComPtr<IShellLinkA> shellLink;
  layer::com::ComPtr<IPersistFile> persistFile;
};
Link MakeLink();

// UTF-8 text in the code page the program speaks (932).
std::string Ansi(const std::string& utf8);

}  // namespace shelllink_test
