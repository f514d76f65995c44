// Test and presentation hooks behind MessageBoxA.
// Tests install a recorder that sees every box (owner, text bytes, caption bytes, flags) and
// answers it; the window layer installs the presenter that shows a real box on screen.
#pragma once

#include <functional>
#include <string>

#include "types.h"

namespace layer {

struct MessageBoxCall {
  HWND owner;
  std::string text;     // code page 932 bytes, as the program passed them
  std::string caption;  // code page 932 bytes
  UINT flags;
};

using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;

// While a recorder is installed, MessageBoxA shows nothing and returns the recorder's answer.
void SetMessageBoxRecorder(MessageBoxHandler recorder);
void ClearMessageBoxRecorder();

// The window layer's on-screen box. Without a presenter (no window layer in the process),
// the box is written to standard error and answered with IDOK.
void SetMessageBoxPresenter(MessageBoxHandler presenter);

}  // namespace layer
