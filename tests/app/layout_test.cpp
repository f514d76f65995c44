// The main dialog's layout on WM_SIZE, and reading item texts of any length.
#include <string>

#include <QWidget>

#include "app/globals.h"
#include "app/window_base.h"
#include "dialog_fixture.h"
#include "resource.h"
#include "text/vemi_string.h"
#include "user/test_support.h"

namespace app_test {
namespace {

class LayoutTest : public MainDialogTest {
 protected:
  QRect AddressGeometry() { return layer::user::WidgetOf(Item(IDC_ADDRESS))->geometry(); }
};

TEST_F(LayoutTest, TheAddressFieldFollowsTheClientWidthWhenRestoredOrMaximised) {
  const QRect before = AddressGeometry();
  struct Case {
    WPARAM kind;
    int width;
    int height;
  };
  const Case cases[] = {{SIZE_RESTORED, 800, 600}, {SIZE_MAXIMIZED, 1000, 700}, {SIZE_RESTORED, 400, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    SendMessageA(dialog, WM_SIZE, c.kind, MAKELPARAM(c.width, c.height));
    const QRect now = AddressGeometry();
    EXPECT_EQ(now.topLeft(), before.topLeft());
    EXPECT_EQ(now.width(), c.width - 172);
    EXPECT_EQ(now.height(), 22);
  }
}

TEST_F(LayoutTest, AMinimisedDialogChangesNothing) {
  SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(700, 500));
  const QRect before = AddressGeometry();
  SendMessageA(dialog, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
  EXPECT_EQ(AddressGeometry(), before);
}

TEST_F(LayoutTest, ResizingTheWindowLaysTheFieldOutFromTheNewClientSize) {
  SetWindowPos(dialog, NULL, 0, 0, 900, 640, SWP_NOZORDER | SWP_NOMOVE);
  RECT client = {};
  GetClientRect(dialog, &client);
  ASSERT_GT(client.right, 172);
  EXPECT_EQ(AddressGeometry().width(), client.right - 172);
}

TEST_F(LayoutTest, ANarrowClientGivesTheFieldNoWidthAndNothingBreaks) {
  SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 200));
  EXPECT_EQ(AddressGeometry().width(), 0);
  EXPECT_TRUE(IsWindow(Item(IDC_ADDRESS)));
}

// GetItemText reads into gWorkPath (capacity 260): whole texts at once up to 257 bytes, one
// growth of 260 bytes at 258, and no growth past the first capacity above 500000, which from
// 260 in steps of 260 is 500240. The long case starts one step below it to keep the test quick.
TEST_F(LayoutTest, GetItemTextGrowsItsBufferOnlyWhenTheTextMayNotHaveFitted) {
  struct Case {
    DWORD startCapacity;
    size_t length;
    int result;
    DWORD capacity;
  };
  const Case cases[] = {
      {260, 0, -1, 260},           {260, 1, 1, 260},          {260, 257, 257, 260},
      {260, 258, 258, 520},        {260, 600, 600, 780},      {499980, 499977, 499977, 499980},
      {499980, 499978, 499978, 500240}, {499980, 600000, 500239, 500240},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    gWorkPath.Reserve(c.startCapacity);
    const std::string text(c.length, 'a');
    SetDlgItemTextA(dialog, IDC_ADDRESS, text.c_str());
    EXPECT_EQ(gDialog->GetItemText(IDC_ADDRESS, gWorkPath), c.result);
    EXPECT_EQ(gWorkPath.capacity, c.capacity);
    EXPECT_EQ(std::string(gWorkPath.buffer), text.substr(0, c.result < 0 ? 0 : c.result));
  }
}

}  // namespace
}  // namespace app_test
