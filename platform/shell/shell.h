// SHELL32 and SHLWAPI as the program uses them: path steps, the directory test, dropped files.
#pragma once

#include "types.h"

LPSTR WINAPI StrStrA(LPCSTR text, LPCSTR pattern);
BOOL WINAPI PathRemoveFileSpecA(LPSTR path);
void WINAPI PathStripPathA(LPSTR path);
BOOL WINAPI PathIsDirectoryA(LPCSTR path);

// Dropped files. An HDROP is made by the window layer from the paths of a drag.
UINT WINAPI DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size);
void WINAPI DragFinish(HDROP drop);
