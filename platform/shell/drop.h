// Dropped files as the window layer hands them to the program: an HDROP that DragQueryFileA reads.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "types.h"

namespace layer {

// Makes a drop from the absolute POSIX paths (UTF-8) of a drag, in their order. Each path is
// offered to the program as its Z: path in code page 932; a path that code page 932 cannot
// represent is kept as an entry with no path, so DragQueryFileA yields nothing for it.
// The HDROP stays valid until DragFinish.
HDROP MakeDrop(const std::vector<std::string>& posixPaths);

struct DropDeleter {
  void operator()(HDROP drop) const;
};
using UniqueDrop = std::unique_ptr<std::remove_pointer_t<HDROP>, DropDeleter>;

}  // namespace layer
