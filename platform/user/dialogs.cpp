// Dialogs from templates: creation, the modal loop, EndDialog and the dialog item functions.
#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

#include "user/dialog_font.h"
#include "user/dialog_template.h"
#include "user/resources.h"
#include "user/window.h"

namespace layer::user {
namespace {

// Creates the dialog and its controls, sends WM_INITDIALOG and sets the focus; the caller shows it.
HWND CreateDialogFromTemplate(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param,
                              DWORD* templateStyle) {
  const ResourceEntry* entry = FindModuleResource(instance, kRtDialog, name);
  if (!entry) return nullptr;
  std::optional<DialogTemplate> parsed = ParseDialogTemplate(entry->data, entry->size);
  if (!parsed) return nullptr;
  const DialogTemplate& dialogTemplate = *parsed;
  *templateStyle = dialogTemplate.style;

  WindowCreation creation;
  bool standardClass = dialogTemplate.windowClass.isOrdinal && dialogTemplate.windowClass.ordinal == 0;
  creation.windowClass = FindWindowClass(standardClass ? kDialogClassName : ControlClassName(dialogTemplate.windowClass));
  if (!creation.windowClass) return nullptr;
  DialogFont font = DialogFontFor(dialogTemplate);
  creation.font = font.font;
  creation.hasFont = true;
  creation.style = dialogTemplate.style & ~static_cast<DWORD>(WS_VISIBLE);
  creation.exStyle = dialogTemplate.exStyle;
  creation.text = QString::fromStdU16String(dialogTemplate.title);
  creation.geometry = DialogUnitsToPixels(font, dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
  Window* ownerWindow = LookUpWindow(owner);
  if (ownerWindow && ownerWindow->widget && !(dialogTemplate.style & WS_CHILD)) {
    // A popup dialog's position is relative to its owner's client area.
    creation.geometry.translate(ownerWindow->widget->mapToGlobal(QPoint(0, 0)));
  }
  creation.parent = ownerWindow ? owner : nullptr;
  creation.instance = instance;
  creation.dialog = std::make_unique<DialogState>();
  creation.dialog->proc = proc;
  HWND dialog = CreateWindowRecord(std::move(creation));
  if (!dialog) return nullptr;

  for (const DialogItemTemplate& item : dialogTemplate.items) {
    WindowCreation control;
    control.windowClass = FindWindowClass(ControlClassName(item.windowClass));
    control.style = item.style | WS_CHILD;
    control.exStyle = item.exStyle;
    if (!item.title.isOrdinal) control.text = QString::fromStdU16String(item.title.name);
    control.geometry = DialogUnitsToPixels(font, item.x, item.y, item.cx, item.cy);
    control.parent = dialog;
    control.id = static_cast<LONG>(item.id);  // -1 stays -1
    control.instance = instance;
    // A control that cannot be made fails the whole dialog, as on Windows.
    if (!CreateWindowRecord(std::move(control))) {
      DestroyWindow(dialog);
      return nullptr;
    }
  }
  InstallDialogKeys();

  Window* window = LookUpWindow(dialog);
  window->reportsSize = true;
  window->lastSize = window->widget->size();
  HWND firstTabStop = nullptr;
  for (HWND child : window->children) {
    Window* control = LookUpWindow(child);
    if (control && (control->style & WS_TABSTOP) && (control->style & WS_VISIBLE) && !(control->style & WS_DISABLED)) {
      firstTabStop = child;
      break;
    }
  }
  LRESULT setFocus = SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), param);
  if (!IsWindow(dialog)) return nullptr;
  if (setFocus && firstTabStop && IsWindow(firstTabStop)) SetFocus(firstTabStop);
  return dialog;
}

}  // namespace
}  // namespace layer::user

using layer::user::LookUpWindow;
using layer::user::Window;

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
  DWORD style = 0;
  HWND dialog = layer::user::CreateDialogFromTemplate(instance, name, owner, proc, param, &style);
  // A modeless dialog shows itself only when its template says WS_VISIBLE.
  if (dialog && (style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC proc, LPARAM param) {
  DWORD style = 0;
  HWND dialog = layer::user::CreateDialogFromTemplate(instance, name, owner, proc, param, &style);
  if (!dialog) return -1;
  // The owner takes no input while the dialog runs.
  bool disableOwner = LookUpWindow(owner) && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  Window* window = LookUpWindow(dialog);
  if (window && !window->dialog->ended) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    QEventLoop loop;
    window->dialog->modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    window = LookUpWindow(dialog);
    if (window) window->dialog->modalLoop = nullptr;
  }
  INT_PTR result = window ? window->dialog->result : 0;
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  // The widgets were only scheduled for deletion; nothing of theirs is on the stack any more.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  Window* window = LookUpWindow(dialog);
  if (!window || !window->dialog) return FALSE;
  window->dialog->ended = true;
  window->dialog->result = result;
  if (window->widget) window->widget->hide();
  // The loop returns once the message being handled now is done.
  if (window->dialog->modalLoop) window->dialog->modalLoop->quit();
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  Window* window = LookUpWindow(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children) {
    Window* control = LookUpWindow(child);
    if (control && static_cast<int>(control->id) == id) return child;
  }
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND handle) {
  Window* window = LookUpWindow(handle);
  return window ? static_cast<int>(window->id) : 0;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) {
    if (text && size > 0) text[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, text, size));
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SetWindowTextA(item, text) : FALSE;
}
