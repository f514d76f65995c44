#include "test_support.h"

#include <gtest/gtest.h>

#include "kernel/codepage.h"
#include "shelllink/text.h"

namespace shelllink_test {

Link MakeLink() {
  Link link;
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             link.shellLink.PutVoid()),
            S_OK);
  if (link.shellLink) {
    EXPECT_EQ(link.shellLink->QueryInterface(IID_IPersistFile, link.persistFile.PutVoid()), S_OK);
  }
  return link;
}

std::string Ansi(const std::string& utf8) { return layer::cp932::FromUtf8(utf8).value_or("<not 932>"); }

}  // namespace shelllink_test
