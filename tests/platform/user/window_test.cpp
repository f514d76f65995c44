// Window text, subclassing, window data and styles, placement, destruction, posted messages,
// stock objects.
#include <QLineEdit>
#include <QPointer>
#include <cstring>
#include <string>

#include "dialog_fixture.h"

namespace layer::user::testing {
namespace {

// The subclass procedure's record and the procedure it replaced.
struct SubclassState {
  WNDPROC previous = nullptr;
  std::vector<Message> seen;
  std::string lastSetText;
  bool swallowSetText = false;
};

SubclassState& Sub() {
  static SubclassState sub;
  return sub;
}

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Sub().seen.push_back({window, message, wParam, lParam});
  if (message == WM_SETTEXT) {
    Sub().lastSetText = reinterpret_cast<const char*>(lParam);
    if (Sub().swallowSetText) return TRUE;
  }
  return CallWindowProcA(Sub().previous, window, message, wParam, lParam);
}

class WindowTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    Sub() = SubclassState{};
    ASSERT_NE(Create(), nullptr);
  }
  void Subclass(int id) {
    Sub().previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Item(id), GWLP_WNDPROC));
    LONG_PTR replaced = SetWindowLongPtrA(Item(id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
    ASSERT_EQ(reinterpret_cast<WNDPROC>(replaced), Sub().previous);
  }
  size_t Seen(UINT message) const {
    size_t count = 0;
    for (const Message& m : Sub().seen) count += m.message == message;
    return count;
  }
};

TEST_F(WindowTest, SubclassSeesTextThroughItsWindowProcedure) {
  ASSERT_NE(GetWindowLongPtrA(Item(1000), GWLP_WNDPROC), 0);
  Subclass(1000);
  EXPECT_EQ(GetWindowLongPtrA(Item(1000), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SubclassProc));
  // The 32-bit form refuses the pointer-sized slot, as on 64-bit Windows.
  EXPECT_EQ(GetWindowLongA(Item(1000), GWLP_WNDPROC), 0);

  ASSERT_TRUE(SetWindowTextA(Item(1000), "Z:\\対象"));
  EXPECT_EQ(Sub().lastSetText, "Z:\\対象");
  EXPECT_EQ(qobject_cast<QLineEdit*>(ItemWidget(1000))->text(), QStringLiteral(u"Z:\\対象")) << "read-only fields take text";

  ASSERT_TRUE(SetDlgItemTextA(dialog(), 1000, "保存"));
  EXPECT_EQ(Seen(WM_SETTEXT), 2u);
  char text[32] = {};
  EXPECT_EQ(GetDlgItemTextA(dialog(), 1000, text, sizeof text), std::strlen("保存"));
  EXPECT_STREQ(text, "保存");
  EXPECT_EQ(Seen(WM_GETTEXT), 1u);
  EXPECT_EQ(GetWindowTextLengthA(Item(1000)), static_cast<int>(std::strlen("保存")));
  EXPECT_EQ(Seen(WM_GETTEXTLENGTH), 1u);
}

TEST_F(WindowTest, SubclassThatKeepsWmSetTextKeepsTheText) {
  SetDlgItemTextA(dialog(), 1007, "before");
  Subclass(1007);
  Sub().swallowSetText = true;
  SetWindowTextA(Item(1007), "after");
  EXPECT_EQ(qobject_cast<QLineEdit*>(ItemWidget(1007))->text(), "before");
}

TEST_F(WindowTest, GetDlgItemTextLimits) {
  struct Case {
    const char* text;
    int size;
    UINT written;
    const char* expected;
  };
  const Case cases[] = {
      {"abc", 10, 3, "abc"},
      {"abc", 4, 3, "abc"},
      {"abc", 3, 2, "ab"},
      {"abc", 1, 0, ""},
      {"", 10, 0, ""},
      {"a対象", 6, 5, "a対象"},
      {"a対象", 5, 3, "a対"},
      {"a対象", 3, 1, "a"},  // a double-byte character is never cut in half
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " into " + std::to_string(c.size));
    SetDlgItemTextA(dialog(), 1007, c.text);
    char buffer[16];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(GetDlgItemTextA(dialog(), 1007, buffer, c.size), c.written);
    EXPECT_STREQ(buffer, c.expected);
    EXPECT_EQ(buffer[c.size], 'X') << "nothing written past the limit";
  }
  char untouched[4] = "XY";
  EXPECT_EQ(GetDlgItemTextA(dialog(), 1007, untouched, 0), 0u);
  EXPECT_STREQ(untouched, "XY");
  char missing[4] = "XY";
  EXPECT_EQ(GetDlgItemTextA(dialog(), 4242, missing, sizeof missing), 0u);
  EXPECT_STREQ(missing, "");
}

TEST_F(WindowTest, LongTextsAreNotCut) {
  std::string text(100000, 'a');
  SetDlgItemTextA(dialog(), 1001, text.c_str());
  EXPECT_EQ(GetWindowTextLengthA(Item(1001)), 100000);
}

TEST_F(WindowTest, WindowDataOfDialogAndControls) {
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog(), GWL_STYLE)), 0x80C40040u);
  EXPECT_EQ(GetWindowLongA(dialog(), GWL_EXSTYLE), WS_EX_ACCEPTFILES);
  EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog(), GWLP_HINSTANCE)), ProgramInstance());
  EXPECT_EQ(GetWindowLongPtrA(Item(1007), GWLP_ID), 1007);
  EXPECT_EQ(GetDlgCtrlID(Item(1007)), 1007);
  EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dialog(), -1)), -1) << "the labels";
  EXPECT_EQ(GetWindowLongA(Item(1000), GWL_EXSTYLE), WS_EX_ACCEPTFILES);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(Item(1000), GWL_STYLE)),
            static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL));
  EXPECT_EQ(GetParent(Item(1000)), dialog());
  SetWindowLongPtrA(dialog(), DWLP_USER, 1234);
  EXPECT_EQ(GetWindowLongPtrA(dialog(), DWLP_USER), 1234);
}

TEST_F(WindowTest, StyleChangesReachTheFrameAndKeepPlaceAndVisibility) {
  Show();
  QWidget* surface = WidgetOf(dialog());
  SetWindowPos(dialog(), nullptr, 30, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  EXPECT_FALSE(surface->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(surface->windowFlags() & Qt::WindowTitleHint);
  LONG style = GetWindowLongA(dialog(), GWL_STYLE);
  LONG previous = SetWindowLongA(dialog(), GWL_STYLE, static_cast<LONG>(static_cast<DWORD>(style) | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(previous, style);
  EXPECT_TRUE(surface->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(surface->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(surface->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(IsWindowVisible(dialog()));
  RECT rect{};
  GetWindowRect(dialog(), &rect);
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  // WS_EX_APPWINDOW is kept in the window's data; Qt gives every top-level window a taskbar entry.
  SetWindowLongA(dialog(), GWL_EXSTYLE, GetWindowLongA(dialog(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindowLongA(dialog(), GWL_EXSTYLE), WS_EX_ACCEPTFILES | WS_EX_APPWINDOW);
}

TEST_F(WindowTest, SetWindowPosMovesAndSizesOneWindow) {
  Show();
  RECT window{};
  GetWindowRect(dialog(), &window);
  const LONG width = window.right - window.left;
  SetWindowPos(dialog(), nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  GetWindowRect(dialog(), &window);
  EXPECT_EQ(window.left, 0);
  EXPECT_EQ(window.top, 0);
  EXPECT_EQ(window.right - window.left, width) << "size kept";
  // The outer size is the frame's: the client area is what is left inside it.
  SetWindowPos(dialog(), nullptr, 0, 0, width + 100, 400, SWP_NOZORDER | SWP_NOMOVE);
  GetWindowRect(dialog(), &window);
  EXPECT_EQ(window.right - window.left, width + 100);
  EXPECT_EQ(window.bottom - window.top, 400);
  RECT client{};
  GetClientRect(dialog(), &client);
  EXPECT_EQ(client.right, 608) << "508 pixels of client area and the frame around them";

  QRect before = ItemWidget(1007)->geometry();
  SetWindowPos(Item(1007), nullptr, 0, 0, 200, 22, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_EQ(ItemWidget(1007)->geometry(), QRect(before.topLeft(), QSize(200, 22)));
  SetWindowPos(Item(1007), nullptr, 10, 20, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  EXPECT_EQ(ItemWidget(1007)->geometry(), QRect(10, 20, 200, 22)) << "parent's client coordinates";
  GetWindowRect(Item(1007), &window);
  QPoint clientOrigin = WidgetOf(dialog())->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(window.left, clientOrigin.x() + 10) << "screen coordinates";
  EXPECT_EQ(window.top, clientOrigin.y() + 20);

  // A negative width, as a very narrow dialog gives the address field, is clamped to 0.
  EXPECT_TRUE(SetWindowPos(Item(1007), nullptr, 0, 0, -30, 22, SWP_NOZORDER | SWP_NOMOVE));
  GetClientRect(Item(1007), &client);
  EXPECT_EQ(client.right, 0);
  EXPECT_EQ(client.bottom, 22);
}

TEST_F(WindowTest, DestroyedWindowsAreGoneForGood) {
  Subclass(1000);
  HWND dialogHandle = dialog();
  HWND field = Item(1000);
  QPointer<QWidget> widget = WidgetOf(dialogHandle);
  ASSERT_TRUE(DestroyWindow(dialogHandle));
  EXPECT_FALSE(IsWindow(dialogHandle));
  EXPECT_FALSE(IsWindow(field));
  EXPECT_EQ(WidgetOf(dialogHandle), nullptr);
  EXPECT_EQ(GetDlgItem(dialogHandle, 1000), nullptr);
  EXPECT_FALSE(DestroyWindow(dialogHandle));
  EXPECT_EQ(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0), 0);
  // WM_DESTROY to the dialog before its children, WM_NCDESTROY after them.
  auto destroys = Messages(WM_DESTROY);
  ASSERT_EQ(destroys.size(), 1u);
  EXPECT_EQ(Seen(WM_DESTROY), 1u);
  EXPECT_EQ(Seen(WM_NCDESTROY), 1u);
  EXPECT_EQ(Recorded().messages.back().message, static_cast<UINT>(WM_NCDESTROY));
  DeletePendingWidgets();
  EXPECT_TRUE(widget.isNull());
}

// A procedure that destroys a window again while it is being destroyed (its own WM_DESTROY, or
// a child's WM_NCDESTROY destroying its parent) starts no second destruction.
TEST_F(WindowTest, DestroyWindowDuringItsOwnDestructionDestroysOnce) {
  struct Case {
    const char* what;
    int destroyingItem;  // the control whose procedure calls DestroyWindow, 0: the dialog's
    UINT during;
  };
  const Case cases[] = {
      {"the dialog in its WM_DESTROY", 0, WM_DESTROY},
      {"the dialog in its WM_NCDESTROY", 0, WM_NCDESTROY},
      {"a field's parent in the field's WM_DESTROY", 1000, WM_DESTROY},
      {"a field's parent in the field's WM_NCDESTROY", 1000, WM_NCDESTROY},
  };
  static UINT during;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorded() = Recording{};
    Sub() = SubclassState{};
    during = c.during;
    ASSERT_NE(Create(), nullptr);
    HWND dialogHandle = dialog();
    if (c.destroyingItem) {
      Subclass(c.destroyingItem);
      SetWindowLongPtrA(Item(c.destroyingItem), GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(+[](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
                          LRESULT result = SubclassProc(window, message, wParam, lParam);
                          if (message == during) DestroyWindow(GetParent(window));
                          return result;
                        }));
    } else {
      Recorded().hook = [dialogHandle](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == during) DestroyWindow(dialogHandle);
        return FALSE;
      };
    }
    ASSERT_TRUE(DestroyWindow(dialogHandle));
    EXPECT_FALSE(IsWindow(dialogHandle));
    for (UINT message : {WM_DESTROY, WM_NCDESTROY}) {
      size_t count = 0;
      for (const Message& m : Messages(message)) count += m.window == dialogHandle;
      EXPECT_EQ(count, 1u) << "message " << message;
    }
    if (c.destroyingItem) {
      EXPECT_EQ(Seen(WM_DESTROY), 1u);
      EXPECT_EQ(Seen(WM_NCDESTROY), 1u);
    }
    DeletePendingWidgets();
  }
}

TEST_F(WindowTest, PostedMessagesArriveThroughTheEventLoop) {
  ASSERT_TRUE(PostMessageA(dialog(), WM_USER + 1, 7, 8));
  EXPECT_TRUE(Messages(WM_USER + 1).empty());
  QCoreApplication::processEvents();
  auto posted = Messages(WM_USER + 1);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].wParam, 7u);
  EXPECT_EQ(posted[0].lParam, 8);
  // A message posted to a window that is destroyed before delivery is dropped.
  HWND field = Item(1007);
  Subclass(1007);
  PostMessageA(field, WM_USER + 2, 0, 0);
  DestroyWindow(field);
  QCoreApplication::processEvents();
  EXPECT_EQ(Seen(WM_USER + 2), 0u);
  EXPECT_FALSE(PostMessageA(field, WM_USER + 3, 0, 0));
}

TEST(StockObjects, WhiteBrushIsSharedAndDeletingItIsHarmless) {
  HGDIOBJ brush = GetStockObject(WHITE_BRUSH);
  ASSERT_NE(brush, nullptr);
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), brush);
  EXPECT_NE(GetStockObject(BLACK_BRUSH), brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), brush);
  EXPECT_EQ(GetStockObject(999), nullptr);
  EXPECT_FALSE(DeleteObject(nullptr));
}

TEST(Desktop, IsAWindowWithoutRecord) {
  HWND desktop = GetDesktopWindow();
  EXPECT_TRUE(IsWindow(desktop));
  RECT rect{};
  EXPECT_TRUE(GetWindowRect(desktop, &rect));
  EXPECT_GT(rect.right, 0);
  EXPECT_EQ(SendMessageA(desktop, WM_GETTEXTLENGTH, 0, 0), 0);
}

}  // namespace
}  // namespace layer::user::testing
