// Styles that show on the widget, and WM_SIZE from Qt's resize and state changes.
#include <QWidget>

#include "user/window.h"

namespace layer::user {
namespace {

Qt::WindowFlags FrameFlags(DWORD style) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if ((style & WS_CAPTION) == WS_CAPTION) {
    flags |= Qt::WindowTitleHint;
  } else if (!(style & (WS_THICKFRAME | WS_BORDER | WS_DLGFRAME))) {
    flags |= Qt::FramelessWindowHint;
  }
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  // For top-level windows these bits are the boxes; for children they mean WS_GROUP/WS_TABSTOP.
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

void ApplyFrame(Window& window) {
  QWidget* widget = window.widget;
  Qt::WindowFlags flags = FrameFlags(window.style);
  if (widget->windowFlags() != flags) {
    // Qt hides a window whose flags change; Windows keeps it where and as it was.
    QPoint position = widget->pos();
    bool visible = widget->isVisible();
    widget->setWindowFlags(flags);
    widget->move(position);
    if (visible) widget->show();
  }
  // Without WS_THICKFRAME the user cannot resize the window; the program still can.
  if (window.style & WS_THICKFRAME) {
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    widget->setFixedSize(widget->size());
  }
}

}  // namespace

void ApplyStyles(Window& window) {
  QWidget* widget = window.widget;
  if (!widget) return;
  if (!(window.style & WS_CHILD)) ApplyFrame(window);
  widget->setEnabled(!(window.style & WS_DISABLED));
  // WS_EX_APPWINDOW needs nothing: every top-level Qt window has its own taskbar entry.
  widget->setAcceptDrops((window.exStyle & WS_EX_ACCEPTFILES) != 0);
}

void ReportSize(HWND handle) {
  Window* window = LookUpWindow(handle);
  if (!window || !window->widget || !window->reportsSize) return;
  QWidget* widget = window->widget;
  WPARAM kind = SIZE_RESTORED;
  QSize size = widget->size();
  if (widget->isMinimized()) {
    kind = SIZE_MINIMIZED;
    size = QSize(0, 0);  // Windows reports a minimised window's client area as 0 x 0
  } else if (widget->isMaximized()) {
    kind = SIZE_MAXIMIZED;
  }
  if (kind == window->lastSizeKind && size == window->lastSize) return;
  window->lastSizeKind = kind;
  window->lastSize = size;
  SendMessageA(handle, WM_SIZE, kind, MAKELPARAM(size.width(), size.height()));
}

}  // namespace layer::user
