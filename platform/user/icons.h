// Icons from the module's resources: an icon group (GRPICONDIR) and its images, each a DIB
// with its colour and mask bitmaps (or a PNG).
#pragma once

#include <QIcon>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "types.h"

namespace layer::user {

// One RT_ICON image; a null image when the data is malformed.
QImage DecodeIconImage(const uint8_t* data, size_t size);

// The images of a loaded icon, in the group's order; empty for an unknown handle.
const std::vector<QImage>& IconImages(HICON icon);
QIcon IconOf(HICON icon);

}  // namespace layer::user
