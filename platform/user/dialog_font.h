// The dialog font and the dialog base units derived from it.
#pragma once

#include <QFont>
#include <QRect>

#include "user/dialog_template.h"

namespace layer::user {

struct DialogFont {
  QFont font;
  int baseX = 0;  // the average character width, in pixels
  int baseY = 0;  // the character height, in pixels
};

// The template's font (DS_SETFONT), the Windows Japanese faces resolved to the metric-compatible
// IPA fonts, at 96 dots per inch; the application font for a template without one.
DialogFont DialogFontFor(const DialogTemplate& dialogTemplate);

// MulDiv: a * b / c rounded half away from zero.
int MulDivRounded(int a, int b, int c);

// A template rectangle in dialog units to pixels.
QRect DialogUnitsToPixels(const DialogFont& font, int x, int y, int cx, int cy);

}  // namespace layer::user
