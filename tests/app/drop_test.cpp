// Folder drops on the real dialog: where a drop lands and what the fields then hold.
#include <QLabel>
#include <QString>
#include <QWidget>

#include "dialog_fixture.h"
#include "resource.h"
#include "user/test_support.h"

namespace app_test {
namespace {

QStringList Paths(std::initializer_list<std::string> utf8) {
  QStringList list;
  for (const std::string& path : utf8) list << QString::fromUtf8(path.c_str());
  return list;
}

class DropTest : public MainDialogTest {};

TEST_F(DropTest, AFolderOnTheTargetFieldFillsItAndOnlyIt) {
  std::string photos = MakeFolder(u8"写真");
  DropOn(IDC_TARGET_DIRECTORY, Paths({photos}));
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), ZPath(photos));
  EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), "");
}

TEST_F(DropTest, AFileStandsForItsFolder) {
  std::string folder = MakeFolder("Data");
  std::string file = MakeFile("Data/a.txt");
  DropOn(IDC_TARGET_DIRECTORY, Paths({file}));
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), ZPath(folder));
  DropOn(IDC_SAVE_DIRECTORY, Paths({file}));
  EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), ZPath(folder));
}

TEST_F(DropTest, OnlyTheFirstOfSeveralItemsCounts) {
  std::string first = MakeFolder("First");
  std::string second = MakeFolder("Second");
  DropOn(IDC_TARGET_DIRECTORY, Paths({first, second}));
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), ZPath(first));
  DropOn(0, Paths({MakeFile("x.txt"), second}));
  EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), ZPath(scratch.Posix()));
}

TEST_F(DropTest, EveryOtherPlaceOnTheDialogFillsTheSaveField) {
  struct Place {
    const char* name;
    int id;
  };
  const Place places[] = {
      {"save field", IDC_SAVE_DIRECTORY}, {"address field", IDC_ADDRESS},
      {"directory button", IDOK},          {"URL button", IDC_URL_SHORTCUT},
      {"HOME button", IDC_HOME},        {"dialog surface", 0},
  };
  int n = 0;
  for (const Place& place : places) {
    SCOPED_TRACE(place.name);
    std::string folder = MakeFolder("place" + std::to_string(n++));
    DropOn(place.id, Paths({folder}));
    EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), ZPath(folder));
    EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), "");
    EXPECT_EQ(ItemText(IDC_ADDRESS), "");
  }
}

TEST_F(DropTest, OnALabelItLandsInTheSaveField) {
  // The labels have no identifier of their own: drop at the centre of "保存ディレクトリ".
  std::string folder = MakeFolder("Label");
  HWND label = NULL;
  for (QLabel* widget : layer::user::WidgetOf(dialog)->findChildren<QLabel*>()) {
    if (widget->text() == QString::fromUtf8(u8"保存ディレクトリ")) label = layer::user::WindowOf(widget);
  }
  ASSERT_NE(label, nullptr);
  layer::user::DropFiles(dialog, layer::user::CentreOf(label), Paths({folder}));
  EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), ZPath(folder));
}

TEST_F(DropTest, ADropThatYieldsNoPathLeavesBothFieldsAsTheyWere) {
  std::string kept = MakeFolder("Kept");
  DropOn(IDC_TARGET_DIRECTORY, Paths({kept}));
  DropOn(IDC_SAVE_DIRECTORY, Paths({kept}));
  // Code page 932 cannot represent this name, so the program is offered no path.
  std::string unrepresentable = MakeFolder(u8"ḁ😀");
  DropOn(IDC_TARGET_DIRECTORY, Paths({unrepresentable}));
  DropOn(0, Paths({unrepresentable}));
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), ZPath(kept));
  EXPECT_EQ(ItemText(IDC_SAVE_DIRECTORY), ZPath(kept));
}

TEST_F(DropTest, AnItemThatNoLongerExistsGivesItsFolder) {
  std::string gone = scratch.Posix() + "/Gone";
  DropOn(IDC_TARGET_DIRECTORY, Paths({gone}));
  EXPECT_EQ(ItemText(IDC_TARGET_DIRECTORY), ZPath(scratch.Posix()));
}

}  // namespace
}  // namespace app_test
