// MessageBoxA on screen: a modal QMessageBox owned by the owner's widget.
#pragma once

#include <QMessageBox>
#include <utility>
#include <vector>

#include "types.h"

namespace layer::user {

// The icon of the MB_ICON* flags.
QMessageBox::Icon MessageBoxIcon(UINT flags);

// The buttons of the MB_OK ... MB_RETRYCANCEL flags, in order, each with the ID* it answers.
std::vector<std::pair<QMessageBox::StandardButton, int>> MessageBoxButtons(UINT flags);

// The answer when the box is closed with Escape or the close box: IDCANCEL where there is a
// Cancel button, IDOK for an OK-only box, 0 where Windows refuses to close.
int MessageBoxEscapeAnswer(UINT flags);

// Makes MessageBoxA show real boxes (a test recorder still takes precedence).
void InstallMessageBoxPresenter();

}  // namespace layer::user
