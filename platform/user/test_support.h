// What tests of the window layer and of the program need to see and drive: the widget behind a
// window, the program module, the pictures of an icon, and file drops through Qt's own drag
// events.
#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <vector>

#include "types.h"

class QWidget;

namespace layer::user {

// The widget of a window; null for a destroyed window.
QWidget* WidgetOf(HWND window);
// The window of a widget (or of the nearest parent widget that has one); null if none.
HWND WindowOf(const QWidget* widget);

// The instance handle of the program's module (the registered resources).
HINSTANCE ProgramInstance();

// The images of an icon from LoadIconA.
const std::vector<QImage>& IconImages(HICON icon);

// Drops files (absolute POSIX paths) at a point of a top-level window's client area, as a drag
// from another program does: drag enter, move and drop events to the window, which Qt hands
// to the widget under the point that accepts drops. Returns whether the drop was accepted.
// The window must be shown.
bool DropFiles(HWND topLevel, QPoint clientPoint, const QStringList& posixPaths);

// The client point at the centre of a child window, for DropFiles on its top-level window.
QPoint CentreOf(HWND child);

}  // namespace layer::user
