#include "dialog_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <QWidget>

#include "app/globals.h"
#include "app/main_dialog.h"
#include "app/window_base.h"
#include "browser/browser_host.h"
#include "kernel/codepage.h"
#include "user/test_support.h"

namespace app_test {

std::string Ansi(const std::string& utf8) { return layer::cp932::FromUtf8(utf8).value_or("<not 932>"); }

std::string ZPath(const std::string& posix) {
  std::string windows = "Z:";
  for (char c : Ansi(posix)) windows += c == '/' ? '\\' : c;
  return windows;
}

void MainDialogTest::SetUp() {
  ASSERT_FALSE(scratch.Posix().empty());
  layer::SetMessageBoxRecorder([this](const layer::MessageBoxCall& call) {
    boxes.push_back(call);
    return IDOK;
  });
  CoInitialize(NULL);
  gInstance = layer::user::ProgramInstance();
  dialog = CreateDialogParamA(gInstance, MAKEINTRESOURCEA(129), GetDesktopWindow(), MainDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  ShowWindow(dialog, SW_SHOW);
}

void MainDialogTest::TearDown() {
  if (dialog) DestroyWindow(dialog);
  // The program never deletes the browser host; each test's dialog has its own.
  delete gDialog;
  gDialog = NULL;
  delete gBrowser;
  gBrowser = NULL;
  CoUninitialize();
  layer::ClearMessageBoxRecorder();
}

std::string MainDialogTest::ItemText(int id) const {
  std::vector<char> text(600000);
  UINT length = GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length);
}

void MainDialogTest::DropOn(int id, const QStringList& posixPaths) {
  QPoint point = id == 0 ? QPoint(300, 260) : layer::user::CentreOf(Item(id));
  layer::user::DropFiles(dialog, point, posixPaths);
}

void MainDialogTest::Click(int id) {
  QWidget* button = layer::user::WidgetOf(Item(id));
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
}

std::string MainDialogTest::MakeFolder(const std::string& relative) {
  std::string path = scratch.Posix() + "/" + relative;
  EXPECT_EQ(::mkdir(path.c_str(), 0755), 0) << path;
  return path;
}

std::string MainDialogTest::MakeFile(const std::string& relative) {
  std::string path = scratch.Posix() + "/" + relative;
  int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
  EXPECT_GE(fd, 0) << path;
  if (fd >= 0) ::close(fd);
  return path;
}

}  // namespace app_test
