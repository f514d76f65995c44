// Links written by the object, read back by the independent lnkinfo (liblnk).
#include <gtest/gtest.h>

#include "com_fixture.h"
#include "test_support.h"

namespace shelllink_test {
namespace {

struct LnkinfoCase {
  const char* what;
  std::string target;  // code page 932, as the program passes it
  std::string arguments;
  std::string icon;
  int iconIndex;
  // lnkinfo's view, UTF-8.
  std::string localPath;
  std::string environment;  // empty: no environment block
};

class Lnkinfo : public ComTest, public ::testing::WithParamInterface<LnkinfoCase> {};

TEST_P(Lnkinfo, ShowsWhatWasSet) {
  const LnkinfoCase& c = GetParam();
  ScratchFolder folder;
  Link link = MakeLink();
  ASSERT_EQ(link.shellLink->SetPath(c.target.c_str()), S_OK);
  if (!c.arguments.empty()) {
    ASSERT_EQ(link.shellLink->SetArguments(c.arguments.c_str()), S_OK);
  }
  if (!c.icon.empty()) {
    ASSERT_EQ(link.shellLink->SetIconLocation(c.icon.c_str(), c.iconIndex), S_OK);
  }
  const std::u16string name = folder.Windows() + u"\\link.lnk";
  ASSERT_EQ(link.persistFile->Save(name.c_str(), TRUE), S_OK);

  auto fields = RunLnkinfo(folder.Posix() + "/link.lnk");
  SCOPED_TRACE(fields["(output)"]);
  EXPECT_EQ(fields["Local path"], c.localPath);
  if (c.environment.empty()) {
    EXPECT_EQ(fields.count("Environment variables location"), 0u);
  } else {
    EXPECT_EQ(fields["Environment variables location"], c.environment);
  }
  if (c.arguments.empty()) {
    EXPECT_EQ(fields.count("Command line arguments"), 0u);
  } else {
    EXPECT_EQ(Ansi(fields["Command line arguments"]), c.arguments);
  }
  if (c.icon.empty()) {
    EXPECT_EQ(fields.count("Icon location"), 0u);
    EXPECT_EQ(fields["Icon index"], "0");
  } else {
    EXPECT_EQ(Ansi(fields["Icon location"]), c.icon);
    EXPECT_EQ(fields["Icon index"], std::to_string(c.iconIndex));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, Lnkinfo,
    ::testing::Values(
        LnkinfoCase{"directory shortcut", "explorer.exe", Ansi("/e,\"Z:\\tmp\\写真\""),
                    "C:\\Windows\\System32\\shell32.dll", 3, "C:\\Windows\\explorer.exe", ""},
        LnkinfoCase{"url shortcut", "%ProgramFiles%\\Internet Explorer\\iexplore.exe",
                    "https://example.com/search?q=%E5%86%99&x=%windir%", "", 0,
                    "C:\\Program Files\\Internet Explorer\\iexplore.exe",
                    "%ProgramFiles%\\Internet Explorer\\iexplore.exe"},
        LnkinfoCase{"variable in any case", "%WINDIR%\\notepad.exe", "", "", 0,
                    "C:\\Windows\\notepad.exe", "%WINDIR%\\notepad.exe"},
        LnkinfoCase{"japanese target path", Ansi("C:\\データ\\写真フォルダ\\表示.exe"), "",
                    Ansi("C:\\データ\\アイコン.ico"), -2, "C:\\データ\\写真フォルダ\\表示.exe", ""},
        LnkinfoCase{"0x5C second byte", Ansi("C:\\ソフト\\表示.exe"), Ansi("能力"), "", 0,
                    "C:\\ソフト\\表示.exe", ""}),
    [](const ::testing::TestParamInfo<LnkinfoCase>& info) {
      std::string name = info.param.what;
      for (char& ch : name) {
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace shelllink_test
