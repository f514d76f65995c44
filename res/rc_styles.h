// The window styles and language ids that tobrisk.rc uses, with Windows' values.
// The resource script includes no system header, so it builds the same with every windres;
// each name is defined only where nothing has defined it yet.
#pragma once

#ifndef WS_POPUP
#define WS_POPUP 0x80000000L
#endif
#ifndef WS_CHILD
#define WS_CHILD 0x40000000L
#endif
#ifndef WS_VISIBLE
#define WS_VISIBLE 0x10000000L
#endif
#ifndef WS_CAPTION
#define WS_CAPTION 0x00C00000L
#endif
#ifndef WS_BORDER
#define WS_BORDER 0x00800000L
#endif
#ifndef WS_THICKFRAME
#define WS_THICKFRAME 0x00040000L
#endif
#ifndef WS_GROUP
#define WS_GROUP 0x00020000L
#endif
#ifndef WS_TABSTOP
#define WS_TABSTOP 0x00010000L
#endif
#ifndef WS_EX_ACCEPTFILES
#define WS_EX_ACCEPTFILES 0x00000010L
#endif
#ifndef DS_SETFONT
#define DS_SETFONT 0x40L
#endif
#ifndef BS_PUSHBUTTON
#define BS_PUSHBUTTON 0x00000000L
#endif
#ifndef SS_LEFT
#define SS_LEFT 0x00000000L
#endif
#ifndef ES_LEFT
#define ES_LEFT 0x0000L
#endif
#ifndef ES_AUTOHSCROLL
#define ES_AUTOHSCROLL 0x0080L
#endif
#ifndef ES_READONLY
#define ES_READONLY 0x0800L
#endif
#ifndef LANG_JAPANESE
#define LANG_JAPANESE 0x11
#endif
#ifndef SUBLANG_DEFAULT
#define SUBLANG_DEFAULT 0x01
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
