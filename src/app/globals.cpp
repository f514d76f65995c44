// All process-wide objects live in this one file: C++ constructs them in the order written here
// before WinMain runs, and destroys them in the reverse order after it returns.
#include "app/globals.h"

#include "browser/bstr_holder.h"
#include "browser/system_helper.h"
#include "text/file_helper.h"
#include "text/vemi_string.h"

SystemHelper gSystemHelper;
FileHelper gFileHelper;
VemiString gWorkPath(260);
BstrHolder gLocation;
VARIANT gMissingArg;

namespace {
// Marks gMissingArg as an omitted argument before WinMain and clears it after.
struct MissingArgLifetime {
  MissingArgLifetime() {
    VariantInit(&gMissingArg);
    gMissingArg.vt = VT_ERROR;
    gMissingArg.scode = DISP_E_PARAMNOTFOUND;
  }
  ~MissingArgLifetime() { VariantClear(&gMissingArg); }
} gMissingArgLifetime;
}  // namespace

HINSTANCE gInstance = NULL;
DialogWindow* gDialog = NULL;
BrowserHost* gBrowser = NULL;
WNDPROC gOldTargetEditProc = NULL;
