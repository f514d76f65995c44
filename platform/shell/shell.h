// SHELL32 and SHLWAPI as the program uses them: path steps, the directory test, dropped files.
// All texts are code page 932; the path functions walk them by characters (CharNextA), so a
// 0x5C second byte of a double-byte character is never a separator.
#pragma once

#include "types.h"

#ifndef FILE_ATTRIBUTE_DIRECTORY
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#endif

// The first occurrence, case-sensitive, starting on a character boundary; null when either is
// null, the pattern is empty, or there is none.
LPSTR WINAPI StrStrA(LPCSTR text, LPCSTR pattern);
// "C:\Data\Photos" -> "C:\Data", "C:\Data" -> "C:\", "C:\" and "C:" stay (FALSE), "\foo" -> "\",
// "\\server\share\x" -> "\\server\share", "C:\Data\" -> "C:\Data". TRUE when something was removed.
BOOL WINAPI PathRemoveFileSpecA(LPSTR path);
// "C:\Data\Photos" -> "Photos", "C:\Data\" -> "Data\", "C:\" and "C:" stay.
void WINAPI PathStripPathA(LPSTR path);
// FILE_ATTRIBUTE_DIRECTORY for an existing directory on drive Z: (the Linux file system),
// otherwise FALSE.
BOOL WINAPI PathIsDirectoryA(LPCSTR path);

// Dropped files. An HDROP is made by the window layer from the paths of a drag (layer::MakeDrop).
// index 0xFFFFFFFF: the number of entries. A null file: the length of the entry's path without the
// terminator. Otherwise at most size - 1 bytes and a terminator are copied, and the number of
// bytes copied is returned. An entry without a path, an index out of range or an unknown drop: 0.
UINT WINAPI DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size);
void WINAPI DragFinish(HDROP drop);
