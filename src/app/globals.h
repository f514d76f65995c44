// The process-wide objects and handles.
#pragma once

#include "platform.h"

class SystemHelper;
class FileHelper;
class VemiString;
class DialogWindow;
class BrowserHost;

extern SystemHelper gSystemHelper;
extern FileHelper gFileHelper;
extern VemiString gWorkPath;

extern HINSTANCE gInstance;
extern DialogWindow* gDialog;
extern BrowserHost* gBrowser;
extern WNDPROC gOldTargetEditProc;
