#include "user/icons.h"

#include <QPixmap>
#include <map>
#include <memory>
#include <utility>

#include "user/byte_reader.h"
#include "user/resources.h"
#include "user/window.h"

namespace layer::user {
namespace {

struct IconObject {
  std::vector<QImage> images;
};

// Icons from LoadIconA are shared, as Windows shares them: one per module and name, kept
// for the whole process.
struct IconTable {
  std::vector<std::unique_ptr<IconObject>> icons;
  std::map<std::pair<HINSTANCE, WORD>, HICON> loaded;
};

IconTable& Icons() {
  static IconTable table;
  return table;
}

IconObject* Find(HICON icon) {
  for (auto& object : Icons().icons) {
    if (reinterpret_cast<HICON>(object.get()) == icon) return object.get();
  }
  return nullptr;
}

QRgb PaletteColour(const uint8_t* palette, uint32_t index) {
  const uint8_t* entry = palette + 4 * index;  // RGBQUAD: blue, green, red, reserved
  return qRgb(entry[2], entry[1], entry[0]);
}

}  // namespace

QImage DecodeIconImage(const uint8_t* data, size_t size) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
  if (size >= 4 && std::equal(kPng, kPng + 4, data)) {
    QImage image;
    image.loadFromData(data, static_cast<int>(size), "PNG");
    return image;
  }
  ByteReader reader(data, size);
  uint32_t headerSize = reader.Dword();
  int32_t width = static_cast<int32_t>(reader.Dword());
  int32_t doubleHeight = static_cast<int32_t>(reader.Dword());  // colour and mask rows together
  reader.Word();                                                 // planes
  uint16_t bits = reader.Word();
  uint32_t compression = reader.Dword();
  reader.Skip(12);  // image size, resolution
  uint32_t coloursUsed = reader.Dword();
  if (!reader.ok() || headerSize < 40 || compression != 0 || width <= 0 || width > 256 ||
      doubleHeight <= 0 || doubleHeight > 512 || doubleHeight % 2 != 0) {
    return {};
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return {};
  int height = doubleHeight / 2;
  uint32_t paletteSize = bits <= 8 ? (coloursUsed ? coloursUsed : 1u << bits) : 0;
  if (paletteSize > 256) return {};
  size_t colourStride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  size_t maskStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
  size_t needed = headerSize + paletteSize * 4 + colourStride * height + maskStride * height;
  if (needed > size) return {};
  const uint8_t* palette = data + headerSize;
  const uint8_t* colours = palette + paletteSize * 4;
  const uint8_t* mask = colours + colourStride * height;

  bool hasAlpha = false;
  if (bits == 32) {
    for (int y = 0; y < height && !hasAlpha; ++y) {
      for (int x = 0; x < width; ++x) {
        if (colours[y * colourStride + 4 * x + 3]) {
          hasAlpha = true;
          break;
        }
      }
    }
  }
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = colours + (height - 1 - y) * colourStride;  // bottom-up
    const uint8_t* maskRow = mask + (height - 1 - y) * maskStride;
    for (int x = 0; x < width; ++x) {
      QRgb colour = 0;
      switch (bits) {
        case 1: colour = PaletteColour(palette, std::min<uint32_t>((row[x / 8] >> (7 - x % 8)) & 1, paletteSize - 1)); break;
        case 4: colour = PaletteColour(palette, std::min<uint32_t>((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF, paletteSize - 1)); break;
        case 8: colour = PaletteColour(palette, std::min<uint32_t>(row[x], paletteSize - 1)); break;
        case 24: colour = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
        case 32:
          colour = hasAlpha ? qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3])
                            : qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
          break;
      }
      bool transparent = !hasAlpha && ((maskRow[x / 8] >> (7 - x % 8)) & 1);
      image.setPixel(x, y, transparent ? qRgba(0, 0, 0, 0) : colour);
    }
  }
  return image;
}

const std::vector<QImage>& IconImages(HICON icon) {
  static const std::vector<QImage> none;
  IconObject* object = Find(icon);
  return object ? object->images : none;
}

QIcon IconOf(HICON icon) {
  QIcon result;
  for (const QImage& image : IconImages(icon)) result.addPixmap(QPixmap::fromImage(image));
  return result;
}

}  // namespace layer::user

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  using namespace layer::user;
  const ResourceEntry* group = FindModuleResource(instance, kRtGroupIcon, name);
  if (!group) return nullptr;
  ResourceId id = ResourceId::FromPointer(name);
  auto key = std::make_pair(instance, id.isOrdinal ? id.ordinal : WORD{0});
  if (id.isOrdinal) {
    auto it = Icons().loaded.find(key);
    if (it != Icons().loaded.end()) return it->second;
  }
  // GRPICONDIR: reserved, type 1, count; then 14-byte entries ending in the RT_ICON id.
  ByteReader reader(group->data, group->size);
  reader.Word();
  uint16_t type = reader.Word();
  uint16_t count = reader.Word();
  if (!reader.ok() || type != 1) return nullptr;
  auto object = std::make_unique<IconObject>();
  for (uint16_t i = 0; i < count; ++i) {
    reader.Skip(12);
    uint16_t imageId = reader.Word();
    if (!reader.ok()) return nullptr;
    const ResourceEntry* entry = FindModuleResource(instance, kRtIcon, MAKEINTRESOURCEA(imageId));
    if (!entry) continue;
    QImage image = DecodeIconImage(entry->data, entry->size);
    if (!image.isNull()) object->images.push_back(std::move(image));
  }
  if (object->images.empty()) return nullptr;
  HICON handle = reinterpret_cast<HICON>(object.get());
  Icons().icons.push_back(std::move(object));
  if (id.isOrdinal) Icons().loaded[key] = handle;
  return handle;
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND handle, int index) {
  layer::user::Window* window = layer::user::LookUpWindow(handle);
  if (!window || !window->windowClass) return 0;
  switch (index) {
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(window->windowClass->icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(window->windowClass->smallIcon);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(window->windowClass->proc);
    default: return 0;
  }
}

ULONG_PTR WINAPI SetClassLongPtrA(HWND handle, int index, LONG_PTR value) {
  layer::user::Window* window = layer::user::LookUpWindow(handle);
  if (!window || !window->windowClass) return 0;
  layer::user::WindowClass* windowClass = window->windowClass;
  ULONG_PTR previous = GetClassLongPtrA(handle, index);
  switch (index) {
    case GCLP_HICON: {
      windowClass->icon = reinterpret_cast<HICON>(value);
      // The class icon is the window icon of every top-level window of the class.
      QIcon icon = layer::user::IconOf(windowClass->icon);
      layer::user::ForEachWindowOfClass(windowClass, [&](layer::user::Window& each) {
        if (each.widget && !(each.style & WS_CHILD)) each.widget->setWindowIcon(icon);
      });
      return previous;
    }
    case GCLP_HICONSM:
      windowClass->smallIcon = reinterpret_cast<HICON>(value);
      return previous;
    case GCLP_WNDPROC:
      windowClass->proc = reinterpret_cast<WNDPROC>(value);
      return previous;
    default:
      return 0;
  }
}
