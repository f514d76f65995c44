// The program's entry point: one modal dialog between COM's start and end.
#include "app/globals.h"
#include "app/main_dialog.h"
#include "app/window_base.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  CoInitialize(NULL);
  gInstance = instance;
  DialogBoxParamA(gInstance, MAKEINTRESOURCEA(IDD_MAIN), GetDesktopWindow(), MainDialogProc, 0);
  if (gDialog) {
    delete gDialog;
    gDialog = NULL;
  }
  CoUninitialize();
  return 0;
}
