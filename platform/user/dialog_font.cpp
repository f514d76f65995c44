#include "user/dialog_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QRect>
#include <cstdint>
#include <cstdlib>

namespace layer::user {
namespace {

QString ResolveFace(const QString& face) {
  if (face == QStringLiteral(u"ＭＳ Ｐゴシック") || face == QStringLiteral(u"MS PGothic") ||
      face == QStringLiteral(u"MS UI Gothic")) {
    return QStringLiteral("IPAPGothic");
  }
  if (face == QStringLiteral(u"ＭＳ ゴシック") || face == QStringLiteral(u"MS Gothic")) {
    return QStringLiteral("IPAGothic");
  }
  return face;
}

}  // namespace

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = int64_t{a} * b;
  bool negative = (product < 0) != (c < 0);
  int64_t magnitude = (std::abs(product) + std::abs(int64_t{c}) / 2) / std::abs(int64_t{c});
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogFont DialogFontFor(const DialogTemplate& dialogTemplate) {
  DialogFont result;
  bool standIn = false;
  if (dialogTemplate.style & 0x40 /* DS_SETFONT */) {
    const QString face = QString::fromStdU16String(dialogTemplate.typeface);
    const QString resolved = ResolveFace(face);
    standIn = resolved != face;
    QFont font(resolved);
    // Points to pixels at the 96 dpi of an unscaled Windows desktop; the height is the em height.
    font.setPixelSize(MulDivRounded(dialogTemplate.pointSize, 96, 72));
    if (dialogTemplate.weight >= 100 && dialogTemplate.weight <= 900) {
      font.setWeight(static_cast<QFont::Weight>(dialogTemplate.weight));
    }
    font.setItalic(dialogTemplate.italic != 0);
    result.font = font;
  } else {
    result.font = QApplication::font();
  }
  // Windows' base units: the average width of the 52 Latin letters, rounded, and the height.
  QFontMetrics metrics(result.font);
  int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  result.baseX = (letters / 26 + 1) / 2;
  // The Windows fonts we stand in for have an ascent and descent that add up to their em
  // height; the IPA fonts are a pixel taller. The dialog keeps the geometry of the font it names.
  result.baseY = standIn ? result.font.pixelSize() : metrics.height();
  return result;
}

QRect DialogUnitsToPixels(const DialogFont& font, int x, int y, int cx, int cy) {
  return QRect(MulDivRounded(x, font.baseX, 4), MulDivRounded(y, font.baseY, 8),
               MulDivRounded(cx, font.baseX, 4), MulDivRounded(cy, font.baseY, 8));
}

}  // namespace layer::user
