// The predefined control classes: BUTTON (push button), EDIT (single-line edit), STATIC (text).
// Their text goes through WM_SETTEXT/WM_GETTEXT and DefWindowProcA, so a subclass sees it.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "user/built_in_classes.h"
#include "user/window.h"

namespace layer::user {
namespace {

constexpr UINT kEmSetReadOnly = 0x00CF;

// WM_COMMAND with a notification code to the control's parent, as controls notify on Windows.
void Notify(QWidget* control, WORD code) {
  HWND handle = WindowOfWidget(control);
  Window* window = LookUpWindow(handle);
  if (!window || !window->parent) return;
  SendMessageA(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), code),
               reinterpret_cast<LPARAM>(handle));
}

QWidget* MakeButton(Window& window, QWidget* parent) {
  auto* button = new QPushButton(parent);
  QObject::connect(button, &QPushButton::clicked, button, [button] { Notify(button, BN_CLICKED); });
  window.setText = [button](const QString& text) { button->setText(text); };
  window.getText = [button] { return button->text(); };
  return button;
}

QWidget* MakeEdit(Window& window, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  // WM_SETTEXT is not limited on Windows; Qt's default limit of 32767 would cut long texts.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setReadOnly(window.style & ES_READONLY);
  edit->setFrame(window.style & WS_BORDER);
  if (window.style & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
  if (window.style & ES_CENTER) edit->setAlignment(Qt::AlignCenter);
  else if (window.style & ES_RIGHT) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  window.setText = [edit](const QString& text) { edit->setText(text); };
  window.getText = [edit] { return edit->text(); };
  return edit;
}

QWidget* MakeStatic(Window& window, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  // Static text wraps at word breaks, as SS_LEFT, SS_CENTER and SS_RIGHT do.
  label->setWordWrap(true);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if ((window.style & SS_TYPEMASK) == SS_CENTER) horizontal = Qt::AlignHCenter;
  if ((window.style & SS_TYPEMASK) == SS_RIGHT) horizontal = Qt::AlignRight;
  label->setAlignment(horizontal | Qt::AlignTop);
  window.setText = [label](const QString& text) { label->setText(text); };
  window.getText = [label] { return label->text(); };
  return label;
}

template <typename Widget>
Widget* WidgetAs(HWND handle) {
  Window* window = LookUpWindow(handle);
  return window ? qobject_cast<Widget*>(window->widget.data()) : nullptr;
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BM_CLICK) {
    if (auto* button = WidgetAs<QPushButton>(handle)) button->click();
    return 0;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kEmSetReadOnly) {
    auto* edit = WidgetAs<QLineEdit>(handle);
    if (!edit) return FALSE;
    edit->setReadOnly(wParam != 0);
    if (Window* window = LookUpWindow(handle)) {
      window->style = wParam ? (window->style | ES_READONLY) : (window->style & ~static_cast<DWORD>(ES_READONLY));
    }
    return TRUE;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT CALLBACK StaticProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(handle, message, wParam, lParam);
}

void RegisterControlClasses() {
  RegisterWindowClass("BUTTON", ButtonProc, MakeButton);
  RegisterWindowClass("EDIT", EditProc, MakeEdit);
  RegisterWindowClass("STATIC", StaticProc, MakeStatic);
}

}  // namespace layer::user
