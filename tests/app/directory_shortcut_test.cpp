// Directory shortcuts made on the real dialog: the warnings, the confirmation, the file, and
// what two independent readers find in it.
#include <unistd.h>

#include <QString>
#include <QTest>
#include <QWidget>

#include "com/class_table.h"
#include "dialog_fixture.h"
#include "kernel/codepage.h"
#include "resource.h"
#include "shelllink/link_reader.h"
#include "support/lnkinfo.h"
#include "user/test_support.h"

namespace app_test {
namespace {

using Entries = std::vector<std::string>;
using test_support::FolderEntries;

const char kTargetMissing[] = "対象ディレクトリが指定されていません　　　";
const char kSaveMissing[] = "保存ディレクトリが指定されていません　　　";

class DirectoryShortcutTest : public MainDialogTest {
 protected:
  void DropTarget(const std::string& posix) { DropOn(IDC_TARGET_DIRECTORY, {QString::fromUtf8(posix.c_str())}); }
  void DropSave(const std::string& posix) { DropOn(0, {QString::fromUtf8(posix.c_str())}); }

  // The one box shown since the last call, checked for the program's style; its text.
  std::string OnlyBoxText() {
    EXPECT_EQ(boxes.size(), 1u);
    if (boxes.empty()) return "";
    layer::MessageBoxCall box = boxes.back();
    boxes.clear();
    EXPECT_EQ(box.owner, dialog);
    EXPECT_EQ(box.caption, "確認");
    EXPECT_EQ(box.flags, static_cast<UINT>(MB_ICONWARNING));
    return box.text;
  }

  // A written directory shortcut as lnkinfo and our own reader see it.
  void ExpectDirectoryLink(const std::string& file, const std::string& folderPosix) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(test_support::Exists(file));
    const std::string arguments = u8"/e,\"" + layer::cp932::ToUtf8(ZPath(folderPosix)).value_or("?") + "\"";
    auto info = test_support::RunLnkinfo(file);
    EXPECT_EQ(info["Local path"], "C:\\Windows\\explorer.exe") << info["(output)"];
    EXPECT_EQ(info["Command line arguments"], arguments) << info["(output)"];
    EXPECT_EQ(info["Icon location"], "C:\\Windows\\System32\\shell32.dll") << info["(output)"];
    EXPECT_EQ(info["Icon index"], "3") << info["(output)"];

    std::vector<uint8_t> bytes = test_support::ReadBytes(file);
    auto link = layer::shelllink::ReadLinkFile(bytes.data(), bytes.size());
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->localBasePathAnsi, std::optional<std::string>("C:\\Windows\\explorer.exe"));
    EXPECT_EQ(link->arguments, layer::cp932::ToUtf16(Ansi(arguments)));
    EXPECT_EQ(link->iconLocation, std::optional<std::u16string>(u"C:\\Windows\\System32\\shell32.dll"));
    EXPECT_EQ(link->iconIndex, 3);
  }
};

TEST_F(DirectoryShortcutTest, MakesTheShortcutAndConfirmsIt) {
  std::string photos = MakeFolder(u8"写真");
  std::string links = MakeFolder("Links");
  DropTarget(photos);
  DropSave(links);
  Click(IDOK);

  EXPECT_EQ(OnlyBoxText(), "写真　　　\n");
  ExpectDirectoryLink(links + u8"/写真.lnk", photos);
  EXPECT_EQ(FolderEntries(links), Entries{u8"写真.lnk"});
}

TEST_F(DirectoryShortcutTest, AFileDroppedAsTargetLinksItsFolderNamedAfterIt) {
  std::string data = MakeFolder("Data");
  std::string links = MakeFolder("Links");
  DropTarget(MakeFile("Data/report.txt"));
  DropSave(links);
  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), "Data　　　\n");
  ExpectDirectoryLink(links + "/Data.lnk", data);
}

TEST_F(DirectoryShortcutTest, EmptyTargetFieldWarnsAndWritesNothing) {
  std::string links = MakeFolder("Links");
  DropSave(links);
  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), kTargetMissing);
  EXPECT_TRUE(FolderEntries(links).empty());
}

TEST_F(DirectoryShortcutTest, EmptySaveFieldWarnsAndWritesNothing) {
  DropTarget(MakeFolder("Photos"));
  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), kSaveMissing);
  EXPECT_EQ(scratch.Entries(), Entries{"Photos"});
}

TEST_F(DirectoryShortcutTest, ATargetThatNoLongerExistsOpensItsParentAndKeepsItsName) {
  std::string data = MakeFolder("Data");
  std::string gone = MakeFolder("Data/Gone");
  std::string links = MakeFolder("Links");
  DropTarget(gone);
  DropSave(links);
  ASSERT_EQ(::rmdir(gone.c_str()), 0);
  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), "Gone　　　\n");
  ExpectDirectoryLink(links + "/Gone.lnk", data);
}

TEST_F(DirectoryShortcutTest, TheSameShortcutTwiceReplacesTheFile) {
  std::string photos = MakeFolder("Photos");
  std::string links = MakeFolder("Links");
  DropTarget(photos);
  DropSave(links);
  for (int round = 0; round < 2; ++round) {
    Click(IDOK);
    EXPECT_EQ(OnlyBoxText(), "Photos　　　\n");
  }
  ExpectDirectoryLink(links + "/Photos.lnk", photos);
  EXPECT_EQ(FolderEntries(links), Entries{"Photos.lnk"});
}

TEST_F(DirectoryShortcutTest, EnterInTheAddressFieldMakesADirectoryShortcut) {
  std::string photos = MakeFolder("Photos");
  std::string links = MakeFolder("Links");
  DropTarget(photos);
  DropSave(links);
  QWidget* address = layer::user::WidgetOf(Item(IDC_ADDRESS));
  ASSERT_NE(address, nullptr);
  address->setFocus();
  QTest::keyClick(address, Qt::Key_Return);
  EXPECT_EQ(OnlyBoxText(), "Photos　　　\n");
  ExpectDirectoryLink(links + "/Photos.lnk", photos);
}

// A drive root has no name of its own: the file name becomes "<save>\Z:\.lnk", which no file
// system takes. The user is told that the file could not be saved, not that it was made.
TEST_F(DirectoryShortcutTest, ADriveRootIsNotConfirmedWhenItsFileCannotBeSaved) {
  std::string links = MakeFolder("Links");
  DropTarget("/");
  DropSave(links);
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), "Z:\\");
  Click(IDOK);
  std::string text = OnlyBoxText();
  EXPECT_EQ(text.rfind(ZPath(links) + "\\Z:\\.lnk\nショートカットを保存できませんでした (0x", 0), 0u) << text;
  EXPECT_EQ(text.substr(text.size() - 6), "　　　");
  EXPECT_TRUE(FolderEntries(links).empty());
}

TEST_F(DirectoryShortcutTest, ASaveFolderRemovedAfterTheDropIsReportedNotConfirmed) {
  std::string links = MakeFolder("Links");
  DropTarget(MakeFolder("Photos"));
  DropSave(links);
  ASSERT_EQ(::rmdir(links.c_str()), 0);
  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), ZPath(links) + "\\Photos.lnk\nショートカットを保存できませんでした (0x80070003)　　　");
  EXPECT_EQ(scratch.Entries(), Entries{"Photos"});
}

// A COM failure ends the command with a warning; the dialog stays and works afterwards.
TEST_F(DirectoryShortcutTest, ACommandEndedByACOMFailureIsReportedAndTheDialogGoesOn) {
  std::string photos = MakeFolder("Photos");
  std::string links = MakeFolder("Links");
  DropTarget(photos);
  DropSave(links);
  {
    auto factory = layer::com::FindClass(CLSID_ShellLink);
    ASSERT_NE(factory, nullptr);
    layer::com::UnregisterClass(CLSID_ShellLink);
    Click(IDOK);
    layer::com::RegisterClass(CLSID_ShellLink, factory);
  }
  EXPECT_EQ(OnlyBoxText(), "COM エラーが発生しました (0x80040154)　　　");
  EXPECT_TRUE(FolderEntries(links).empty());

  Click(IDOK);
  EXPECT_EQ(OnlyBoxText(), "Photos　　　\n");
  ExpectDirectoryLink(links + "/Photos.lnk", photos);
}

}  // namespace
}  // namespace app_test
