// Making one shortcut file per user action, and confirming it.
#pragma once

enum ShortcutKind : int {
  Directory = 1,
  Url = 2,
};

void MakeShortcut(ShortcutKind kind);
