// Dialogs from the program's template: creation order and focus, geometry from dialog units,
// WM_SIZE, commands from buttons and keys, the modal loop.
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialog_fixture.h"
#include "user/message_box_hook.h"
#include "user/message_box_presenter.h"
#include "user/resources.h"

namespace layer::user::testing {
namespace {

TEST_F(DialogTest, InitDialogComesFirstWithFirstTabStopAndParameter) {
  ASSERT_NE(Create(42), nullptr);
  ASSERT_FALSE(Recorded().messages.empty());
  const Message& first = Recorded().messages.front();
  EXPECT_EQ(first.message, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(reinterpret_cast<HWND>(first.wParam), Item(IDOK));
  EXPECT_EQ(first.lParam, 42);
  EXPECT_EQ(Messages(WM_INITDIALOG).size(), 1u);
  EXPECT_TRUE(Messages(WM_SIZE).empty());
  // The template has no WS_VISIBLE: a modeless dialog stays hidden until shown.
  EXPECT_FALSE(IsWindowVisible(dialog()));
  Show();
  EXPECT_TRUE(IsWindowVisible(dialog()));
  EXPECT_EQ(WidgetOf(dialog())->focusWidget(), ItemWidget(IDOK));
  EXPECT_TRUE(Messages(WM_SIZE).empty()) << "showing does not change the size";
}

TEST_F(DialogTest, InitDialogReturningFalseKeepsTheFocusWhereTheProcedureLeftIt) {
  Recorded().hook = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) SetFocus(GetDlgItem(dialog, 1007));
    return FALSE;
  };
  ASSERT_NE(Create(), nullptr);
  Show();
  EXPECT_EQ(WidgetOf(dialog())->focusWidget(), ItemWidget(1007));
}

TEST_F(DialogTest, GeometryFollowsDialogUnitsOfTheTemplateFont) {
  ASSERT_NE(Create(), nullptr);
  QWidget* surface = WidgetOf(dialog());
  // "ＭＳ Ｐゴシック" 9 pt is IPAPGothic at 12 px; the base units are those of the named font,
  // 7 x 12 pixels (IPAPGothic's own line height, 13, would stretch the dialog).
  EXPECT_EQ(QFontInfo(surface->font()).family(), "IPAPGothic");
  EXPECT_EQ(surface->font().pixelSize(), 12);
  RECT client{};
  ASSERT_TRUE(GetClientRect(dialog(), &client));
  EXPECT_EQ(client.right, 508);   // MulDiv(290, 7, 4)
  EXPECT_EQ(client.bottom, 296);  // MulDiv(197, 12, 8)
  struct Case {
    int id;
    QRect pixels;
  };
  const Case cases[] = {
      {IDOK, QRect(100, 14, 158, 21)},   // 57, 9, 90, 14
      {1000, QRect(5, 42, 497, 21)},     // 3, 28, 284, 14
      {1001, QRect(5, 92, 497, 20)},     // 3, 61, 284, 13
      {1007, QRect(166, 119, 336, 21)},  // 95, 79, 192, 14
      {1009, QRect(219, 144, 282, 21)},  // 125, 96, 161, 14
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ItemWidget(c.id)->geometry(), c.pixels) << "item " << c.id;
  }
}

TEST_F(DialogTest, WmSizeTellsRestoredMaximisedAndMinimised) {
  ASSERT_NE(Create(), nullptr);
  Show();
  RECT outer{}, inner{};
  GetWindowRect(dialog(), &outer);
  GetClientRect(dialog(), &inner);
  const int frameWidth = outer.right - outer.left - inner.right;
  const int frameHeight = outer.bottom - outer.top - inner.bottom;
  ASSERT_TRUE(SetWindowPos(dialog(), nullptr, 0, 0, 600 + frameWidth, 400 + frameHeight, SWP_NOZORDER | SWP_NOMOVE));
  auto sizes = Messages(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u) << "sent from inside SetWindowPos";
  EXPECT_EQ(sizes[0].wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(sizes[0].lParam, MAKELPARAM(600, 400));
  QCoreApplication::processEvents();
  EXPECT_EQ(Messages(WM_SIZE).size(), 1u) << "Qt's own resize event repeats nothing";

  ShowWindow(dialog(), SW_MAXIMIZE);
  QCoreApplication::processEvents();
  ASSERT_EQ(Messages(WM_SIZE).size(), 2u) << "one for the new state and size together";
  Message last = Messages(WM_SIZE).back();
  EXPECT_EQ(last.wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  QSize maximised = WidgetOf(dialog())->size();
  EXPECT_EQ(last.lParam, MAKELPARAM(maximised.width(), maximised.height()));

  ShowWindow(dialog(), SW_MINIMIZE);
  QCoreApplication::processEvents();
  last = Messages(WM_SIZE).back();
  EXPECT_EQ(last.wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
  EXPECT_EQ(last.lParam, 0);

  ShowWindow(dialog(), SW_RESTORE);
  QCoreApplication::processEvents();
  last = Messages(WM_SIZE).back();
  EXPECT_EQ(last.wParam, static_cast<WPARAM>(SIZE_RESTORED));
  QSize restored = WidgetOf(dialog())->size();
  EXPECT_EQ(last.lParam, MAKELPARAM(restored.width(), restored.height()));

  // A resize by the user (the frame) is reported the same way.
  WidgetOf(dialog())->resize(450, 300);
  QCoreApplication::processEvents();
  last = Messages(WM_SIZE).back();
  EXPECT_EQ(last.wParam, static_cast<WPARAM>(SIZE_RESTORED));
  EXPECT_EQ(last.lParam, MAKELPARAM(450, 300));
}

TEST_F(DialogTest, ButtonClickSendsCommandWithItsIdAndWindow) {
  ASSERT_NE(Create(), nullptr);
  Show();
  QTest::mouseClick(ItemWidget(1003), Qt::LeftButton);
  auto commands = Messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(1003, BN_CLICKED));
  EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), Item(1003));
}

TEST_F(DialogTest, DialogManagerKeys) {
  struct Case {
    const char* what;
    int focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command;
    int sender;  // the control whose handle comes in lParam, 0 for none
  };
  const Case cases[] = {
      {"Enter in the address field", 1007, Qt::Key_Return, Qt::NoModifier, IDOK, IDOK},
      {"keypad Enter in a read-only field", 1000, Qt::Key_Enter, Qt::KeypadModifier, IDOK, IDOK},
      {"Enter on a focused push button", 1003, Qt::Key_Return, Qt::NoModifier, 1003, 1003},
      {"Enter on button 1", IDOK, Qt::Key_Return, Qt::NoModifier, IDOK, IDOK},
      {"Escape", 1007, Qt::Key_Escape, Qt::NoModifier, IDCANCEL, 0},
      {"Alt+F4", 1001, Qt::Key_F4, Qt::AltModifier, IDCANCEL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Recorded() = Recording{};
    ASSERT_NE(Create(), nullptr);
    Show();
    SetFocus(Item(c.focus));
    QTest::keyClick(ItemWidget(c.focus), c.key, c.modifiers);
    QCoreApplication::processEvents();  // the close path posts its command
    auto commands = Messages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(c.command, BN_CLICKED));
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), c.sender ? Item(c.sender) : nullptr);
  }
  char text[16] = "x";
  EXPECT_EQ(GetDlgItemTextA(dialog(), 1007, text, sizeof text), 0u) << "Enter typed nothing";
}

TEST_F(DialogTest, TabMovesBetweenTabStopsInTemplateOrder) {
  ASSERT_NE(Create(), nullptr);
  Show();
  QWidget* surface = WidgetOf(dialog());
  SetFocus(Item(IDOK));
  QTest::keyClick(surface->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(surface->focusWidget(), ItemWidget(1000)) << "the label in between is no tab stop";
  QTest::keyClick(surface->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(surface->focusWidget(), ItemWidget(1001));
  QTest::keyClick(surface->focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(surface->focusWidget(), ItemWidget(1000));
  EXPECT_TRUE(Messages(WM_COMMAND).empty());
}

TEST_F(DialogTest, CloseBoxBecomesCancelCommand) {
  ASSERT_NE(Create(), nullptr);
  Show();
  WidgetOf(dialog())->close();
  EXPECT_TRUE(Messages(WM_COMMAND).empty()) << "posted, as the dialog manager posts it";
  QCoreApplication::processEvents();
  auto commands = Messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(IDCANCEL, BN_CLICKED));
  ASSERT_EQ(Messages(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(IsWindow(dialog())) << "only the dialog procedure ends the dialog";
  EXPECT_TRUE(IsWindowVisible(dialog()));
}

// A message box on screen whose owner is destroyed while it is open goes with its owner, as
// owned windows do; no button was chosen, so MessageBoxA answers 0.
TEST_F(DialogTest, MessageBoxWhoseOwnerIsDestroyedEndsWithoutAnAnswer) {
  ASSERT_NE(Create(), nullptr);
  Show();
  InstallMessageBoxPresenter();
  HWND owner = dialog();
  bool boxWasShown = false;
  QTimer::singleShot(0, [owner, &boxWasShown] {
    boxWasShown = QApplication::activeModalWidget() != nullptr;
    DestroyWindow(owner);
    // Should the box outlive its owner, close it, so that the test fails instead of waiting.
    QTimer::singleShot(0, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
  });
  EXPECT_EQ(MessageBoxA(owner, "text", "caption", MB_OKCANCEL), 0);
  SetMessageBoxPresenter(nullptr);
  EXPECT_TRUE(boxWasShown);
  EXPECT_FALSE(IsWindow(owner));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The modal loop.

struct ModalRun {
  HWND dialog = nullptr;
  bool aliveAfterEndDialog = false;
  std::vector<UINT> afterEnd;
};

TEST(DialogBox, EndDialogEndsTheLoopAfterTheCurrentMessageAndDestroysTheDialog) {
  static ModalRun run;
  run = ModalRun{};
  DLGPROC proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (run.dialog && message != WM_COMMAND) run.afterEnd.push_back(message);
    if (message == WM_INITDIALOG) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, 77);
      run.dialog = dialog;
      run.aliveAfterEndDialog = IsWindow(dialog) && !IsWindowVisible(dialog);
      return TRUE;
    }
    return FALSE;
  };
  EXPECT_EQ(DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(129), GetDesktopWindow(), proc, 0), 77);
  ASSERT_NE(run.dialog, nullptr);
  EXPECT_TRUE(run.aliveAfterEndDialog);
  EXPECT_FALSE(IsWindow(run.dialog));
  EXPECT_EQ(run.afterEnd, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST(DialogBox, EndDialogDuringInitDialogReturnsWithoutShowing) {
  DLGPROC proc = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) EndDialog(dialog, 5);
    return FALSE;
  };
  EXPECT_EQ(DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(129), GetDesktopWindow(), proc, 0), 5);
}

TEST(DialogBox, EscapeKeyInTheModalLoopEndsWithCancel) {
  DLGPROC proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      QTimer::singleShot(0, [dialog] { QTest::keyClick(WidgetOf(GetDlgItem(dialog, 1007)), Qt::Key_Escape); });
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  };
  EXPECT_EQ(DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(129), GetDesktopWindow(), proc, 0), IDCANCEL);
}

TEST(DialogBox, MissingTemplateGivesMinusOne) {
  DLGPROC proc = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
  EXPECT_EQ(DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(999), GetDesktopWindow(), proc, 0), -1);
  EXPECT_EQ(CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(999), nullptr, proc, 0), nullptr);
  static const unsigned char kGarbage[] = {1, 2, 3, 4, 5, 6, 7};
  HINSTANCE broken = RegisterModuleResources(kGarbage, sizeof kGarbage);
  EXPECT_EQ(DialogBoxParamA(broken, MAKEINTRESOURCEA(129), GetDesktopWindow(), proc, 0), -1);
}

}  // namespace
}  // namespace layer::user::testing
