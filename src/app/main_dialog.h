// The main dialog's procedure and the subclass procedure of its target-directory field.
#pragma once

#include "platform.h"

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TargetEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
