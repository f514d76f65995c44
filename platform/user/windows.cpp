// Creating and destroying windows, visibility, focus and placement.
#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "user/ansi_text.h"
#include "user/icons.h"
#include "user/window.h"

namespace layer::user {

static QRect ScreenRect() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

static QWidget* WidgetOfHandle(HWND handle) {
  Window* window = LookUpWindow(handle);
  return window ? window->widget.data() : nullptr;
}

static void DestroyTree(HWND handle) {
  if (Window* window = LookUpWindow(handle)) window->destroying = true;
  // WM_DESTROY goes to the parent before its children, WM_NCDESTROY after them.
  SendMessageA(handle, WM_DESTROY, 0, 0);
  Window* window = LookUpWindow(handle);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) {
    if (LookUpWindow(child)) DestroyTree(child);
  }
  SendMessageA(handle, WM_NCDESTROY, 0, 0);
  std::unique_ptr<Window> record = RemoveWindow(handle);
  if (!record) return;
  if (record->dialog && record->dialog->modalLoop) {
    record->dialog->ended = true;
    record->dialog->modalLoop->quit();
  }
  if (Window* parent = LookUpWindow(record->parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  }
  if (record->widget) {
    // The widget may be inside one of its own event handlers (a click that destroys its
    // dialog): hide it now and let Qt delete it once that handler has returned.
    record->widget->hide();
    record->widget->deleteLater();
  }
}

HWND CreateWindowRecord(WindowCreation creation) {
  if (!creation.windowClass || !creation.windowClass->makeWidget) return nullptr;
  bool child = (creation.style & WS_CHILD) != 0;
  Window* parent = LookUpWindow(creation.parent);
  if (child && (!parent || !parent->widget)) return nullptr;

  auto window = std::make_unique<Window>();
  window->windowClass = creation.windowClass;
  window->style = creation.style;
  window->exStyle = creation.exStyle;
  window->id = child ? creation.id : 0;
  window->instance = creation.instance;
  window->proc = creation.windowClass->proc;
  window->dialog = std::move(creation.dialog);
  if (child) {
    window->parent = creation.parent;
  } else if (parent) {
    window->owner = creation.parent;
  }

  // A top-level window with an owner is an owned Qt window: it stays above its owner.
  QWidget* parentWidget = parent ? parent->widget.data() : nullptr;
  QWidget* widget = creation.windowClass->makeWidget(*window, parentWidget);
  if (!widget) return nullptr;
  window->widget = widget;
  if (creation.hasFont) widget->setFont(creation.font);
  if (child) {
    widget->setGeometry(creation.geometry);
    // Only WS_TABSTOP controls are in the Tab order; Qt's chain follows creation order.
    if (widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocusPolicy((creation.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    widget->setVisible((creation.style & WS_VISIBLE) != 0);
  } else {
    widget->move(creation.geometry.topLeft());
    widget->resize(creation.geometry.size().expandedTo(QSize(0, 0)));
    if (HICON icon = creation.windowClass->icon) widget->setWindowIcon(IconOf(icon));
  }
  if (window->setText) window->setText(creation.text);

  Window* record = window.get();
  HWND handle = AddWindow(std::move(window));
  if (parent) {
    if (child) parent->children.push_back(handle);
  }
  ApplyStyles(*record);
  InstallDropTarget(widget);
  return handle;
}

}  // namespace layer::user

using layer::user::DestroyTree;
using layer::user::LookUpWindow;
using layer::user::ScreenRect;
using layer::user::WidgetOfHandle;
using layer::user::Window;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID) {
  if (!className || IS_INTRESOURCE(className)) return nullptr;
  layer::user::WindowCreation creation;
  creation.windowClass = layer::user::FindWindowClass(className);
  creation.exStyle = exStyle;
  creation.style = style;
  creation.text = layer::user::FromAnsi(windowName ? windowName : "");
  creation.geometry = QRect(x, y, std::max(width, 0), std::max(height, 0));
  creation.parent = parent;
  creation.id = reinterpret_cast<LONG_PTR>(menu);
  creation.instance = instance;
  HWND handle = layer::user::CreateWindowRecord(std::move(creation));
  if (handle && !(style & WS_CHILD) && (style & WS_VISIBLE)) ShowWindow(handle, SW_SHOW);
  return handle;
}

BOOL WINAPI DestroyWindow(HWND handle) {
  Window* record = LookUpWindow(handle);
  if (!record || record->destroying) return FALSE;
  record->destroying = true;
  // Owned windows go first, as on Windows.
  std::vector<HWND> owned;
  layer::user::ForEachWindow([&](Window& window) {
    if (window.owner == handle) owned.push_back(window.handle);
  });
  for (HWND window : owned) DestroyWindow(window);
  if (!LookUpWindow(handle)) return TRUE;
  DestroyTree(handle);
  return TRUE;
}

BOOL WINAPI IsWindow(HWND handle) {
  return handle == layer::user::DesktopWindow() || LookUpWindow(handle) ? TRUE : FALSE;
}

HWND WINAPI GetDesktopWindow(void) { return layer::user::DesktopWindow(); }

HWND WINAPI GetParent(HWND handle) {
  Window* window = LookUpWindow(handle);
  if (!window) return nullptr;
  return window->parent ? window->parent : window->owner;
}

BOOL WINAPI IsWindowVisible(HWND handle) {
  if (handle == layer::user::DesktopWindow()) return TRUE;
  QWidget* widget = WidgetOfHandle(handle);
  return widget && widget->isVisible() ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
  QWidget* widget = WidgetOfHandle(handle);
  return widget && widget->isEnabled() ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
  Window* window = LookUpWindow(handle);
  if (!window) return FALSE;
  BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
  if (enable) {
    window->style &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    window->style |= WS_DISABLED;
  }
  if (window->widget) window->widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
  Window* window = LookUpWindow(handle);
  if (!window || !window->widget) return FALSE;
  QWidget* widget = window->widget;
  BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
  bool child = (window->style & WS_CHILD) != 0;
  if (command == SW_HIDE) {
    window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    widget->hide();
    return wasVisible;
  }
  window->style |= WS_VISIBLE;
  if (child) {
    widget->show();
    return wasVisible;
  }
  switch (command) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      widget->showMinimized();
      break;
    case SW_SHOWMAXIMIZED:
      widget->showMaximized();
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      widget->showNormal();
      break;
    default:
      widget->show();
      break;
  }
  if (command != SW_SHOWNOACTIVATE && command != SW_SHOWNA && command != SW_SHOWMINNOACTIVE) {
    widget->raise();
    widget->activateWindow();
  }
  return wasVisible;
}

HWND WINAPI SetFocus(HWND handle) {
  HWND previous = GetFocus();
  QWidget* widget = WidgetOfHandle(handle);
  if (!widget) return nullptr;
  widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

HWND WINAPI GetFocus(void) { return layer::user::WindowOfWidget(QApplication::focusWidget()); }

BOOL WINAPI SetWindowPos(HWND handle, HWND, int x, int y, int width, int height, UINT flags) {
  Window* window = LookUpWindow(handle);
  if (!window || !window->widget) return FALSE;
  QWidget* widget = window->widget;
  // Qt knows no negative sizes; Windows clamps them to 0 as well.
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (flags & SWP_HIDEWINDOW) ShowWindow(handle, SW_HIDE);
  if (window->style & WS_CHILD) {
    QRect geometry = widget->geometry();
    if (!(flags & SWP_NOMOVE)) geometry.moveTo(x, y);
    if (!(flags & SWP_NOSIZE)) geometry.setSize(QSize(width, height));
    widget->setGeometry(geometry);
  } else {
    // Top-level windows are placed by their frame, as Windows places them.
    if (!(flags & SWP_NOMOVE)) widget->move(x, y);
    if (!(flags & SWP_NOSIZE)) {
      QSize frame = widget->frameGeometry().size() - widget->geometry().size();
      QSize client = QSize(width - frame.width(), height - frame.height()).expandedTo(QSize(0, 0));
      if (window->style & WS_THICKFRAME) {
        widget->resize(client);
      } else {
        widget->setFixedSize(client);
      }
    }
  }
  if (flags & SWP_SHOWWINDOW) ShowWindow(handle, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  // Windows sends WM_SIZE from inside SetWindowPos; Qt's own resize event would come later.
  layer::user::ReportSize(handle);
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL) {
  return SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
  if (!rect) return FALSE;
  QSize size;
  if (handle == layer::user::DesktopWindow()) {
    size = ScreenRect().size();
  } else if (QWidget* widget = WidgetOfHandle(handle)) {
    size = widget->size();
  } else {
    return FALSE;
  }
  *rect = RECT{0, 0, size.width(), size.height()};
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
  if (!rect) return FALSE;
  QRect area;
  if (handle == layer::user::DesktopWindow()) {
    area = ScreenRect();
  } else if (Window* window = LookUpWindow(handle); window && window->widget) {
    QWidget* widget = window->widget;
    area = (window->style & WS_CHILD) ? QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size())
                                      : widget->frameGeometry();
  } else {
    return FALSE;
  }
  *rect = RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  return TRUE;
}
