// Registration of the classes every process has: the dialog class and the controls.
#pragma once

namespace layer::user {

void RegisterDialogClass();
void RegisterControlClasses();

}  // namespace layer::user
