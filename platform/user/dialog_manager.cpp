// The dialog class: its widget and its window procedure, the dialog manager, which calls the
// dialog procedure and does the default handling when that returns FALSE.
#include <QCloseEvent>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QMetaObject>
#include <QWidget>

#include "user/built_in_classes.h"
#include "user/window.h"

namespace layer::user {

const char kDialogClassName[] = "#32770";

namespace {

// The dialog's top-level widget: the close box and Qt's size and state changes become messages.
class DialogSurface : public QWidget {
 public:
  explicit DialogSurface(QWidget* owner) : QWidget(owner, Qt::Window) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The window closes only when the program says so (DestroyWindow after IDCANCEL).
    event->ignore();
    if (HWND handle = WindowOfWidget(this)) SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
  }

  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    ReportSize(WindowOfWidget(this));
  }

  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    // Maximising and restoring from it change the size: the resize event reports them with
    // their final size. Minimising and restoring from it keep the size: report them here,
    // once Qt has settled the state.
    if (event->type() != QEvent::WindowStateChange) return;
    auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() || (change->oldState() & Qt::WindowMinimized)) {
      QMetaObject::invokeMethod(this, [this] { ReportSize(WindowOfWidget(this)); }, Qt::QueuedConnection);
    }
  }
};

QWidget* MakeDialogSurface(Window& window, QWidget* parent) {
  auto* surface = new DialogSurface(parent);
  window.setText = [surface](const QString& text) { surface->setWindowTitle(text); };
  window.getText = [surface] { return surface->windowTitle(); };
  return surface;
}

}  // namespace

void RegisterDialogClass() { RegisterWindowClass(kDialogClassName, DefDlgProcA, MakeDialogSurface); }

}  // namespace layer::user

LRESULT WINAPI DefDlgProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  using layer::user::LookUpWindow;
  layer::user::Window* window = LookUpWindow(handle);
  if (!window || !window->dialog) return DefWindowProcA(handle, message, wParam, lParam);
  DLGPROC proc = window->dialog->proc;
  INT_PTR handled = proc ? proc(handle, message, wParam, lParam) : FALSE;
  window = LookUpWindow(handle);  // the dialog procedure may have destroyed the dialog
  if (!window) return handled;
  if (handled) {
    // WM_INITDIALOG answers with the procedure's result; other messages with DWLP_MSGRESULT.
    return message == WM_INITDIALOG ? handled : window->dialog->msgResult;
  }
  switch (message) {
    case WM_CLOSE:
      // The close box, Alt+F4 and the system menu's Close end as the Cancel command.
      PostMessageA(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(handle, IDCANCEL)));
      return 0;
    case WM_INITDIALOG:
      return 0;
    default:
      return DefWindowProcA(handle, message, wParam, lParam);
  }
}
