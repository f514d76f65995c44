// The window registry: every HWND is a small record (class, styles, id, instance, window
// procedure, parent or owner, the Qt widget, window data). A handle stays valid until
// DestroyWindow and is never reused, so IsWindow on a destroyed window is FALSE.
#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "user/user.h"

class QEventLoop;

namespace layer::user {

struct WindowClass;

// What only a dialog has: its dialog procedure, window data and modal state.
struct DialogState {
  DLGPROC proc = nullptr;
  LONG_PTR msgResult = 0;
  LONG_PTR user = 0;
  bool ended = false;
  INT_PTR result = 0;
  QEventLoop* modalLoop = nullptr;
};

struct Window {
  HWND handle = nullptr;
  WindowClass* windowClass = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  HINSTANCE instance = nullptr;
  WNDPROC proc = nullptr;
  HWND parent = nullptr;  // child windows
  HWND owner = nullptr;   // owned top-level windows
  std::vector<HWND> children;  // in creation order, which is also the tab order
  QPointer<QWidget> widget;
  LONG_PTR userData = 0;
  std::unique_ptr<DialogState> dialog;
  // Set once DestroyWindow has begun on the window: a second DestroyWindow from one of its
  // destruction messages does not start over.
  bool destroying = false;

  // The window's text as its widget shows it; DefWindowProcA reads and writes it here.
  std::function<void(const QString&)> setText;
  std::function<QString()> getText;

  // The last WM_SIZE sent, so that Qt's repeated resize events send nothing new.
  bool reportsSize = false;
  WPARAM lastSizeKind = SIZE_RESTORED;
  QSize lastSize;
};

// A window class: its name, class procedure, class icon and how its windows get their widget.
struct WindowClass {
  std::string name;  // upper case
  WNDPROC proc = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  // Makes the widget of a new window of the class; `parent` is the parent's widget (null for a
  // top-level window). The window record is complete but for its widget.
  std::function<QWidget*(Window& window, QWidget* parent)> makeWidget;
};

// Registers a window class (the name is compared case-insensitively); the built-in classes
// (the dialog class "#32770", "BUTTON", "EDIT", "STATIC") are always there.
WindowClass* RegisterWindowClass(const std::string& name, WNDPROC proc,
                                 std::function<QWidget*(Window&, QWidget*)> makeWidget);
WindowClass* FindWindowClass(const std::string& name);
void ForEachWindowOfClass(const WindowClass* windowClass, const std::function<void(Window&)>& visit);
void ForEachWindow(const std::function<void(Window&)>& visit);

// The record behind a handle; null for a destroyed or unknown handle and for the desktop.
Window* LookUpWindow(HWND handle);
HWND AddWindow(std::unique_ptr<Window> window);
// Forgets the record (DestroyWindow's last step) and returns it.
std::unique_ptr<Window> RemoveWindow(HWND handle);

// The desktop window: a valid handle without a record, standing for "no owner".
HWND DesktopWindow();

// The window of a widget, walking up to its parents; null when the widget belongs to no window
// of this layer (a message box, for instance).
HWND WindowOfWidget(const QWidget* widget);

// The dialog that contains a window (the window itself when it is a dialog); null if none.
HWND DialogOf(HWND window);
bool IsDialog(const Window& window);

// Applies the style bits that show on the widget: the frame of a top-level window (caption,
// resizable, system menu, minimise and maximise boxes), WS_DISABLED, and WS_EX_ACCEPTFILES.
void ApplyStyles(Window& window);

// Sends WM_SIZE when the client size or the kind (restored, minimised, maximised) changed
// since the last one.
void ReportSize(HWND handle);

// The registered classes' procedures (controls.cpp, dialog_manager.cpp).
LRESULT CALLBACK ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK StaticProc(HWND, UINT, WPARAM, LPARAM);

extern const char kDialogClassName[];

}  // namespace layer::user

namespace layer::user {

// What CreateWindowExA and the dialog manager know about a new window.
struct WindowCreation {
  WindowClass* windowClass = nullptr;
  DWORD exStyle = 0;
  DWORD style = 0;
  QString text;
  QRect geometry;  // pixels: the parent's client coordinates for a child, the screen otherwise
  HWND parent = nullptr;  // WS_CHILD: the parent; otherwise the owner (null or the desktop: none)
  LONG_PTR id = 0;
  HINSTANCE instance = nullptr;
  std::unique_ptr<DialogState> dialog;
  QFont font;  // applied to a top-level window when set
  bool hasFont = false;
};

// Creates the record and its widget; null when the class makes no widget or the parent is gone.
// A top-level window is not shown here, whatever its style says.
HWND CreateWindowRecord(WindowCreation creation);

// Event filters on every widget of the layer's windows (drops.cpp, dialog_keys.cpp).
void InstallDropTarget(QWidget* widget);
void InstallDialogKeys();

}  // namespace layer::user
