// The whole program from WinMain to its exit code, closed the ways a user closes it.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/globals.h"
#include "browser/browser_host.h"
#include "platform.h"
#include "user/test_support.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

namespace app_test {
namespace {

QWidget* ShownDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == "Tobrisk") return widget;
  }
  return nullptr;
}

// Runs WinMain and, once its dialog is up, closes it with `close`. Returns the exit code.
int RunAndClose(const std::function<void(QWidget*)>& close) {
  bool closed = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (closed) return;
    if (QWidget* dialog = ShownDialog()) {
      closed = true;
      close(dialog);
    }
  });
  poll.start(10);
  char commandLine[] = "";
  int code = WinMain(layer::user::ProgramInstance(), NULL, commandLine, SW_SHOWDEFAULT);
  EXPECT_TRUE(closed);
  EXPECT_EQ(gDialog, nullptr);
  delete gBrowser;
  gBrowser = NULL;
  return code;
}

TEST(LifecycleTest, EveryWayOfClosingEndsTheProgramWithExitCodeZero) {
  struct Way {
    const char* name;
    std::function<void(QWidget*)> close;
  };
  const Way ways[] = {
      {"Escape", [](QWidget* d) { QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape); }},
      {"close box", [](QWidget* d) { d->close(); }},
      {"Alt+F4", [](QWidget* d) { QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_F4, Qt::AltModifier); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    EXPECT_EQ(RunAndClose(way.close), 0);
    EXPECT_EQ(ShownDialog(), nullptr);
  }
}

TEST(LifecycleTest, TheDialogStartsAtTheTopLeftWithItsIconAndFocusOnTheFirstButton) {
  RunAndClose([](QWidget* dialog) {
    EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_FALSE(dialog->windowIcon().isNull());
    QWidget* focus = dialog->focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(GetDlgCtrlID(layer::user::WindowOf(focus)), IDOK);
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    dialog->close();
  });
}

}  // namespace
}  // namespace app_test
