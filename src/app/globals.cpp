// All process-wide objects live in this one file: C++ constructs them in the order written here
// before WinMain runs, and destroys them in the reverse order after it returns.
#include "app/globals.h"

#include "browser/system_helper.h"
#include "text/file_helper.h"
#include "text/vemi_string.h"

SystemHelper gSystemHelper;
FileHelper gFileHelper;
VemiString gWorkPath(260);

HINSTANCE gInstance = NULL;
DialogWindow* gDialog = NULL;
BrowserHost* gBrowser = NULL;
WNDPROC gOldTargetEditProc = NULL;
