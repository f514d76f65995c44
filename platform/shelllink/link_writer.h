// Serialises a LinkData into the Shell Link binary format.
#pragma once

#include <cstdint>
#include <vector>

#include "com/hresult.h"
#include "shelllink/link_data.h"

namespace layer::shelllink {

// The whole file. E_INVALIDARG when a string other than the arguments, or the expanded
// target, is longer than kMaxStringUnits; nothing is ever written cut short.
HRESULT SerializeLink(const LinkData& link, std::vector<uint8_t>* bytes);

}  // namespace layer::shelllink
