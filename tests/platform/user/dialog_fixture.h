// A dialog from the program's template 129 with a dialog procedure that records what it gets.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform.h"
#include "user/test_support.h"

namespace layer::user::testing {

struct Message {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The recording procedure's state: one dialog at a time, as the tests run one at a time.
struct Recording {
  std::vector<Message> messages;
  INT_PTR initResult = TRUE;
  // Runs for every message after it is recorded; its result is the procedure's.
  std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> hook;
};

inline Recording& Recorded() {
  static Recording recording;
  return recording;
}

inline INT_PTR CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Recorded().messages.push_back({window, message, wParam, lParam});
  if (Recorded().hook) return Recorded().hook(window, message, wParam, lParam);
  return message == WM_INITDIALOG ? Recorded().initResult : FALSE;
}

inline void DeletePendingWidgets() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct WindowDestroyer {
  void operator()(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
    DeletePendingWidgets();
  }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Recorded() = Recording{}; }
  void TearDown() override {
    dialog_.reset();
    Recorded() = Recording{};
  }

  HWND Create(LPARAM param = 42) {
    dialog_.reset(CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(129), GetDesktopWindow(),
                                     RecordingProc, param));
    return dialog_.get();
  }

  void Show() {
    ShowWindow(dialog(), SW_SHOWNORMAL);
    QCoreApplication::processEvents();
  }

  HWND dialog() const { return dialog_.get(); }
  HWND Item(int id) const { return GetDlgItem(dialog(), id); }
  QWidget* ItemWidget(int id) const { return WidgetOf(Item(id)); }

  std::vector<Message> Messages(UINT message) const {
    std::vector<Message> found;
    for (const Message& m : Recorded().messages) {
      if (m.message == message) found.push_back(m);
    }
    return found;
  }

 private:
  UniqueWindow dialog_;
};

}  // namespace layer::user::testing
