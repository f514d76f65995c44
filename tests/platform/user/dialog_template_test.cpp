// The dialog template parser on the program's dialog 129, compared with the template table,
// and on damaged templates.
#include "user/dialog_template.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "user/resource_file.h"

namespace layer::user {
namespace {

std::vector<uint8_t> DialogBytes() {
  std::ifstream file(TOBRISK_RES_FILE, std::ios::binary);
  std::vector<uint8_t> res((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  auto entries = ParseResourceFile(res.data(), res.size());
  if (!entries) return {};
  const ResourceEntry* dialog = FindResourceEntry(*entries, ResourceId::Ordinal(kRtDialog), ResourceId::Ordinal(129));
  if (!dialog) return {};
  return std::vector<uint8_t>(dialog->data, dialog->data + dialog->size);
}

constexpr DWORD kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr DWORD kTabStop = 0x00010000;
constexpr DWORD kGroup = 0x00020000;
constexpr DWORD kBorder = 0x00800000;
constexpr DWORD kReadOnly = 0x0800;
constexpr DWORD kAutoHScroll = 0x0080;

struct ExpectedItem {
  int id;
  const char* className;
  std::u16string text;
  short x, y, cx, cy;
  DWORD style;
  DWORD exStyle;
};

const ExpectedItem kItems[] = {
    {1, "BUTTON", u"ディレクトリショートカット作成", 57, 9, 90, 14, kChildVisible | kTabStop, 0},
    {-1, "STATIC", u"対象ディレクトリ", 4, 15, 47, 8, kChildVisible | kGroup, 0},
    {1000, "EDIT", u"", 3, 28, 284, 14, kChildVisible | kBorder | kTabStop | kReadOnly | kAutoHScroll, 0x10},
    {-1, "STATIC", u"保存ディレクトリ", 4, 48, 117, 8, kChildVisible | kGroup, 0},
    {1001, "EDIT", u"", 3, 61, 284, 13, kChildVisible | kBorder | kTabStop | kReadOnly | kAutoHScroll, 0},
    {1003, "BUTTON", u"URL ショートカット作成", 4, 79, 89, 14, kChildVisible | kTabStop, 0},
    {1007, "EDIT", u"", 95, 79, 192, 14, kChildVisible | kBorder | kTabStop | kAutoHScroll, 0},
    {1004, "BUTTON", u"HOME", 4, 96, 27, 14, kChildVisible | kTabStop, 0},
    {1005, "BUTTON", u"戻る", 35, 96, 27, 14, kChildVisible | kTabStop, 0},
    {1006, "BUTTON", u"進む", 66, 96, 27, 14, kChildVisible | kTabStop, 0},
    {1008, "BUTTON", u"↑移動", 96, 96, 27, 14, kChildVisible | kTabStop, 0},
    {1009, "BUTTON", u"クリップボードの URL に移動", 125, 96, 161, 14, kChildVisible | kTabStop, 0},
};

TEST(DialogTemplate, MainDialogMatchesItsTable) {
  std::vector<uint8_t> bytes = DialogBytes();
  ASSERT_FALSE(bytes.empty());
  auto parsed = ParseDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(parsed.has_value());
  const DialogTemplate& dialog = *parsed;
  EXPECT_TRUE(dialog.extended);
  EXPECT_EQ(dialog.title, u"Tobrisk");
  EXPECT_EQ(dialog.style, 0x80C40040u);  // WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_SETFONT
  EXPECT_EQ(dialog.exStyle, 0x10u);      // WS_EX_ACCEPTFILES
  EXPECT_EQ(dialog.x, 0);
  EXPECT_EQ(dialog.y, 0);
  EXPECT_EQ(dialog.cx, 290);
  EXPECT_EQ(dialog.cy, 197);
  EXPECT_EQ(dialog.menu, ResourceId::Ordinal(0));
  EXPECT_EQ(dialog.windowClass, ResourceId::Ordinal(0));
  EXPECT_EQ(dialog.pointSize, 9);
  EXPECT_EQ(dialog.weight, 0);
  EXPECT_EQ(dialog.italic, 0);
  EXPECT_EQ(dialog.charset, 1);
  EXPECT_EQ(dialog.typeface, u"ＭＳ Ｐゴシック");

  ASSERT_EQ(dialog.items.size(), std::size(kItems));
  for (size_t i = 0; i < std::size(kItems); ++i) {
    const ExpectedItem& expected = kItems[i];
    const DialogItemTemplate& item = dialog.items[i];
    SCOPED_TRACE("item " + std::to_string(i) + ", id " + std::to_string(expected.id));
    EXPECT_EQ(static_cast<int>(item.id), expected.id);
    EXPECT_TRUE(item.windowClass.isOrdinal) << "predefined classes are ordinals";
    EXPECT_EQ(ControlClassName(item.windowClass), expected.className);
    EXPECT_FALSE(item.title.isOrdinal);
    EXPECT_EQ(item.title.name, expected.text);
    EXPECT_EQ(item.x, expected.x);
    EXPECT_EQ(item.y, expected.y);
    EXPECT_EQ(item.cx, expected.cx);
    EXPECT_EQ(item.cy, expected.cy);
    EXPECT_EQ(item.style, expected.style);
    EXPECT_EQ(item.exStyle, expected.exStyle);
    EXPECT_TRUE(item.creationData.empty());
  }
}

TEST(DialogTemplate, EveryTruncationFails) {
  std::vector<uint8_t> bytes = DialogBytes();
  ASSERT_FALSE(bytes.empty());
  // The last item's title ends the template; any shorter block misses part of it.
  for (size_t size = 0; size + 1 < bytes.size(); ++size) {
    EXPECT_FALSE(ParseDialogTemplate(bytes.data(), size).has_value()) << "cut at " << size;
  }
}

TEST(DialogTemplate, MoreItemsThanTheDataHoldFails) {
  std::vector<uint8_t> bytes = DialogBytes();
  ASSERT_GE(bytes.size(), 18u);
  bytes[16] = 13;  // cDlgItems, one more than there are
  EXPECT_FALSE(ParseDialogTemplate(bytes.data(), bytes.size()).has_value());
}

TEST(DialogTemplate, ClassicTemplateWithStringClassAndCreationData) {
  // DLGTEMPLATE: style (DS_SETFONT), exstyle, 1 item, 1,2,3,4, no menu, class "X", title "T",
  // 8 pt "F"; the item: style, exstyle, 5,6,7,8, id 0xFFFF, class "my", ordinal title 7,
  // 4 bytes of creation data (counted with their size word).
  std::vector<uint8_t> bytes = {
      0x40, 0, 0, 0x80, 0, 0, 0, 0, 1, 0, 1, 0, 2, 0, 3, 0, 4, 0,
      0, 0, 'X', 0, 0, 0, 'T', 0, 0, 0, 8, 0, 'F', 0, 0, 0,
      0, 0,  // padding to a DWORD
      0, 0, 0, 0x50, 0, 0, 0, 0, 5, 0, 6, 0, 7, 0, 8, 0, 0xFF, 0xFF,
      'm', 0, 'y', 0, 0, 0, 0xFF, 0xFF, 7, 0, 4, 0, 0xAB, 0xCD};
  auto parsed = ParseDialogTemplate(bytes.data(), bytes.size());
  ASSERT_TRUE(parsed.has_value());
  EXPECT_FALSE(parsed->extended);
  EXPECT_EQ(parsed->style, 0x80000040u);
  EXPECT_EQ(parsed->windowClass.name, u"X");
  EXPECT_EQ(parsed->title, u"T");
  EXPECT_EQ(parsed->pointSize, 8);
  EXPECT_EQ(parsed->typeface, u"F");
  ASSERT_EQ(parsed->items.size(), 1u);
  const DialogItemTemplate& item = parsed->items[0];
  EXPECT_EQ(static_cast<int>(item.id), -1);
  EXPECT_EQ(item.cx, 7);
  EXPECT_EQ(ControlClassName(item.windowClass), "MY");
  EXPECT_EQ(item.title, ResourceId::Ordinal(7));
  EXPECT_EQ(item.creationData, (std::vector<uint8_t>{0xAB, 0xCD}));
}

}  // namespace
}  // namespace layer::user
