// The dialog manager's keys, as IsDialogMessage handles them: Enter runs the default command
// (IDOK) or the focused push button, Escape runs IDCANCEL, Alt+F4 closes. Tab and Shift+Tab
// are Qt's: its focus chain follows the template order and holds only WS_TABSTOP controls.
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

#include "user/window.h"

namespace layer::user {
namespace {

void Command(HWND dialog, int id, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool IsPushButton(const Window* window) {
  return window && window->windowClass == FindWindowClass("BUTTON") &&
         qobject_cast<QPushButton*>(window->widget.data()) != nullptr;
}

class DialogKeys : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    HWND target = WindowOfWidget(widget);
    HWND dialog = DialogOf(target);
    if (!dialog) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    int code = key->key();
    Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((code == Qt::Key_Return || code == Qt::Key_Enter) && !(modifiers & Qt::AltModifier)) {
      Window* focused = LookUpWindow(target);
      if (target != dialog && IsPushButton(focused)) {
        Command(dialog, static_cast<int>(focused->id), target);
      } else {
        Command(dialog, IDOK, GetDlgItem(dialog, IDOK));
      }
      return true;
    }
    if (code == Qt::Key_Escape && modifiers == Qt::NoModifier) {
      Command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
      return true;
    }
    // With a window manager Alt+F4 arrives as a close request; without one it is a key.
    if (code == Qt::Key_F4 && modifiers == Qt::AltModifier) {
      SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    }
    return false;
  }
};

}  // namespace

void InstallDialogKeys() {
  static QPointer<DialogKeys> keys;
  if (keys || !qApp) return;
  keys = new DialogKeys(qApp);
  qApp->installEventFilter(keys);
}

}  // namespace layer::user
