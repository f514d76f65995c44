// GDI stock objects. Nothing of this layer paints with them; they exist so that handles can be
// taken and given back as the program does.
#include "user/user.h"

namespace {

struct StockObject {
  int index;
};

const StockObject kStockObjects[] = {{WHITE_BRUSH}, {LTGRAY_BRUSH}, {GRAY_BRUSH},
                                     {DKGRAY_BRUSH}, {BLACK_BRUSH}, {NULL_BRUSH}};

bool IsStockObject(HGDIOBJ object) {
  for (const StockObject& stock : kStockObjects) {
    if (object == &stock) return true;
  }
  return false;
}

}  // namespace

HGDIOBJ WINAPI GetStockObject(int object) {
  for (const StockObject& stock : kStockObjects) {
    if (stock.index == object) return const_cast<StockObject*>(&stock);
  }
  return nullptr;
}

// Deleting a stock object is allowed and does nothing; it reports success.
BOOL WINAPI DeleteObject(HGDIOBJ object) { return IsStockObject(object) ? TRUE : FALSE; }
