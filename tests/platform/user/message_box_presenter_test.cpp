// The on-screen message box: how MB_* flags become its icon, buttons and Escape answer.
#include "user/message_box_presenter.h"

#include <gtest/gtest.h>

#include "user/user.h"

namespace layer::user {
namespace {

TEST(MessageBoxPresenter, IconOfTheFlags) {
  struct Case {
    UINT flags;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {MB_OK, QMessageBox::NoIcon},
      {MB_ICONWARNING, QMessageBox::Warning},
      {MB_ICONERROR, QMessageBox::Critical},
      {MB_ICONQUESTION, QMessageBox::Question},
      {MB_ICONINFORMATION, QMessageBox::Information},
      {MB_ICONWARNING | MB_OKCANCEL, QMessageBox::Warning},
      {0x50, QMessageBox::NoIcon},  // no such icon
  };
  for (const Case& c : cases) EXPECT_EQ(MessageBoxIcon(c.flags), c.icon) << std::hex << c.flags;
}

TEST(MessageBoxPresenter, ButtonsAndTheirAnswers) {
  using Buttons = std::vector<std::pair<QMessageBox::StandardButton, int>>;
  struct Case {
    UINT flags;
    Buttons buttons;
    int escape;
  };
  const Case cases[] = {
      {MB_OK | MB_ICONWARNING, {{QMessageBox::Ok, IDOK}}, IDOK},
      {MB_OKCANCEL, {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}, IDCANCEL},
      {MB_ABORTRETRYIGNORE, {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}}, 0},
      {MB_YESNOCANCEL, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}, IDCANCEL},
      {MB_YESNO, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}, 0},
      {MB_RETRYCANCEL, {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}, IDCANCEL},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessageBoxButtons(c.flags), c.buttons) << c.flags;
    EXPECT_EQ(MessageBoxEscapeAnswer(c.flags), c.escape) << c.flags;
  }
}

}  // namespace
}  // namespace layer::user
