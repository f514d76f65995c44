// The real main dialog, made from the real template with the program's own dialog procedure,
// on Qt's offscreen platform. Message boxes are recorded and answered instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <string>
#include <vector>

#include "platform.h"
#include "support/scratch_folder.h"
#include "user/message_box_hook.h"

namespace app_test {

// Code page 932 bytes of a UTF-8 text (the program's own texts are compiled to these).
std::string Ansi(const std::string& utf8);

// A Windows path (Z:\...) in code page 932 for a POSIX path.
std::string ZPath(const std::string& posix);

class MainDialogTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Item(int id) const { return GetDlgItem(dialog, id); }
  std::string ItemText(int id) const;

  // Drops files the way a drag from a file manager does, at the centre of an item
  // (0: on the dialog's own surface, below the buttons).
  void DropOn(int id, const QStringList& posixPaths);
  void Click(int id);

  // A folder inside the scratch folder, made on disk; its POSIX path.
  std::string MakeFolder(const std::string& relative);
  std::string MakeFile(const std::string& relative);

  test_support::ScratchFolder scratch;
  HWND dialog = NULL;
  std::vector<layer::MessageBoxCall> boxes;
};

}  // namespace app_test
