// A global-heap block owned by one object: released with GlobalFree when the owner goes.
#pragma once

#include <memory>
#include <type_traits>

#include "kernel.h"

namespace layer {

struct GlobalDeleter {
  void operator()(HGLOBAL block) const { GlobalFree(block); }
};
using UniqueGlobal = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalDeleter>;

}  // namespace layer
