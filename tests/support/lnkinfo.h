// The independent reader of shortcut files: Debian's lnkinfo (liblnk-utils).
#pragma once

#include <map>
#include <string>

namespace test_support {

// lnkinfo's "Label : value" lines (values in UTF-8; ANSI strings read as code page 932), and
// the whole output under "(output)".
std::map<std::string, std::string> RunLnkinfo(const std::string& path);

}  // namespace test_support
