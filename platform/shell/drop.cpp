// Dropped files. Windows hands the program an HGLOBAL holding a DROPFILES block; here an HDROP
// points to a Drop that the layer allocates, and a registry of live drops catches a handle that
// is unknown or already finished (DragQueryFileA gives 0, DragFinish does nothing).
#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <memory>
#include <unordered_map>

#include "drive_mapping.h"
#include "drop.h"
#include "kernel/codepage.h"
#include "shell.h"

namespace {

struct Drop : HDROP__ {
  // Each entry: the Z: path in code page 932, or nothing when it cannot be represented.
  std::vector<std::optional<std::string>> paths;
};

// The registry owns every live drop.
struct Drops {
  std::mutex mutex;
  std::unordered_map<HDROP, std::unique_ptr<Drop>> live;
};

Drops& TheDrops() {
  static Drops* drops = new Drops;  // never destroyed: drops may be finished after main
  return *drops;
}

std::optional<std::string> ProgramPath(const std::string& posixPath) {
  const std::optional<std::string> windows = layer::drive::ToWindows(posixPath);
  if (!windows) return std::nullopt;
  return layer::cp932::FromUtf8(*windows);
}

}  // namespace

namespace layer {

HDROP MakeDrop(const std::vector<std::string>& posixPaths) {
  auto drop = std::make_unique<Drop>();
  drop->unused = 0;
  drop->paths.reserve(posixPaths.size());
  for (const std::string& path : posixPaths) drop->paths.push_back(ProgramPath(path));
  HDROP handle = drop.get();
  Drops& drops = TheDrops();
  std::lock_guard<std::mutex> lock(drops.mutex);
  drops.live.emplace(handle, std::move(drop));
  return handle;
}

void DropDeleter::operator()(HDROP drop) const { DragFinish(drop); }

}  // namespace layer

UINT WINAPI DragQueryFileA(HDROP handle, UINT index, LPSTR file, UINT size) {
  Drops& drops = TheDrops();
  std::lock_guard<std::mutex> lock(drops.mutex);
  auto entry = drops.live.find(handle);
  if (entry == drops.live.end()) return 0;
  const Drop& drop = *entry->second;
  if (index == 0xFFFFFFFF) return static_cast<UINT>(drop.paths.size());
  if (index >= drop.paths.size() || !drop.paths[index]) return 0;
  const std::string& path = *drop.paths[index];
  if (!file) return static_cast<UINT>(path.size());
  if (size == 0) return 0;
  // A short buffer gets the first size - 1 bytes, cut without regard to characters, as Windows
  // cuts it, and the terminator.
  const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
  std::memcpy(file, path.data(), copied);
  file[copied] = '\0';
  return static_cast<UINT>(copied);
}

void WINAPI DragFinish(HDROP handle) {
  Drops& drops = TheDrops();
  std::unique_ptr<Drop> finished;
  std::lock_guard<std::mutex> lock(drops.mutex);
  auto entry = drops.live.find(handle);
  if (entry == drops.live.end()) return;
  finished = std::move(entry->second);
  drops.live.erase(entry);
}
