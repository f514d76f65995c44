// The LinkTargetIDList of a drive path: My Computer, the drive, its folders, the target.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace layer::shelllink {

// IDList (without the leading IDListSize) for an absolute "X:\..." path. The last item is a
// folder when isDirectory, a file otherwise; the items before it are folders.
std::vector<uint8_t> BuildIdList(const std::u16string& path, bool isDirectory);

// The path an IDList of that shape names ("C:\Windows\explorer.exe"); nullopt if malformed or
// of another shape.
std::optional<std::u16string> PathFromIdList(const uint8_t* data, std::size_t size);

}  // namespace layer::shelllink
