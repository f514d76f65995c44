// The process-wide objects and handles.
#pragma once

#include "platform.h"

class SystemHelper;
class FileHelper;
class VemiString;
class DialogWindow;
class BrowserHost;
class BstrHolder;

extern SystemHelper gSystemHelper;
extern FileHelper gFileHelper;
extern VemiString gWorkPath;
extern BstrHolder gLocation;
extern VARIANT gMissingArg;

extern HINSTANCE gInstance;
extern DialogWindow* gDialog;
extern BrowserHost* gBrowser;
extern WNDPROC gOldTargetEditProc;
