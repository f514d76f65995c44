// Thin wrappers around the program's windows: style changes, the class icon, placement,
// dialog item text and the program's one kind of message box.
#pragma once

#include "platform.h"

class VemiString;

class WindowBase {
 public:
  WindowBase();
  virtual ~WindowBase();

  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  LONG ModifyStyle(DWORD add, DWORD remove);
  LONG ModifyStyleEx(DWORD add, DWORD remove);
  void SetClassIcon(WORD iconId);
  int Move(int x, int y);
  int Resize(int width, int height);
  int ResizeWindow(HWND target, int width, int height);

  // A modal box owned by this window: caption "確認", warning icon, one OK button.
  void ShowWarning(const VemiString& text);

 protected:
  HBRUSH brush;
  HWND window;

  friend void WarnFormat(WindowBase& owner, const char* format, ...);
};

// A window wrapper that may own one further window, destroyed with the wrapper.
class OwnerWindow : public WindowBase {
 public:
  OwnerWindow();
  ~OwnerWindow() override;

 protected:
  HWND ownedWindow;
};

// The main dialog: its items are read and written through this wrapper.
class DialogWindow : public OwnerWindow {
 public:
  explicit DialogWindow(HWND dialogHandle);
  ~DialogWindow() override;

  HWND GetItem(int id);
  // The item's text into `text`, growing it as needed; the length in bytes, or -1 when empty.
  int GetItemText(int id, VemiString& text);
  int SetItemText(int id, const VemiString& text);
  int SetItemText(int id, const char* text);

 private:
  HWND dialog;
};

// Formats a fixed message (printf conversions, no floating point, at most 1024 bytes) and
// shows it as ShowWarning does, owned by `owner`'s window.
void WarnFormat(WindowBase& owner, const char* format, ...);
