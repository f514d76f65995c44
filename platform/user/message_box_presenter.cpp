#include "user/message_box_presenter.h"

#include <QPointer>
#include <QPushButton>

#include "user/ansi_text.h"
#include "user/message_box_hook.h"
#include "user/user.h"
#include "user/window.h"

namespace layer::user {

QMessageBox::Icon MessageBoxIcon(UINT flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

std::vector<std::pair<QMessageBox::StandardButton, int>> MessageBoxButtons(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
      return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
  }
}

int MessageBoxEscapeAnswer(UINT flags) {
  for (const auto& [button, id] : MessageBoxButtons(flags)) {
    if (id == IDCANCEL) return IDCANCEL;
  }
  return (flags & MB_TYPEMASK) == MB_OK ? IDOK : 0;
}

namespace {

// The box, unless its owner's widget has deleted it already.
struct BoxHolder {
  QPointer<QMessageBox> box;
  ~BoxHolder() { delete box.data(); }
};

int Present(const MessageBoxCall& call) {
  Window* owner = LookUpWindow(call.owner);
  // On the heap: the box is a child of its owner's widget, which may be deleted (and the box
  // with it) while the box is open.
  BoxHolder holder{new QMessageBox(MessageBoxIcon(call.flags), FromAnsi(call.caption), FromAnsi(call.text),
                                   QMessageBox::NoButton, owner ? owner->widget.data() : nullptr)};
  QPointer<QMessageBox>& box = holder.box;
  box->setTextFormat(Qt::PlainText);
  int escapeAnswer = MessageBoxEscapeAnswer(call.flags);
  QAbstractButton* escapeButton = nullptr;
  for (const auto& [button, id] : MessageBoxButtons(call.flags)) {
    QAbstractButton* added = box->addButton(button);
    if (id == escapeAnswer) escapeButton = added;
  }
  if (escapeButton) box->setEscapeButton(escapeButton);
  // Application-modal: the owner and every other window take no input while the box is open.
  box->setWindowModality(Qt::ApplicationModal);
  box->exec();
  // Gone with its owner: no button was chosen.
  if (!box) return 0;
  QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
  for (const auto& [button, id] : MessageBoxButtons(call.flags)) {
    if (button == clicked) return id;
  }
  return escapeAnswer ? escapeAnswer : IDOK;
}

}  // namespace

void InstallMessageBoxPresenter() { SetMessageBoxPresenter(Present); }

}  // namespace layer::user
