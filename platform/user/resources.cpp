#include "user/resources.h"

#include <memory>
#include <vector>

namespace layer::user {
namespace {

struct Module {
  std::vector<ResourceEntry> entries;
};

struct Modules {
  std::vector<std::unique_ptr<Module>> all;
  HINSTANCE program = nullptr;
};

Modules& Registry() {
  static Modules modules;
  return modules;
}

Module* Find(HINSTANCE instance) {
  for (auto& module : Registry().all) {
    if (reinterpret_cast<HINSTANCE>(module.get()) == instance) return module.get();
  }
  return nullptr;
}

}  // namespace

HINSTANCE RegisterModuleResources(const void* data, std::size_t size) {
  auto module = std::make_unique<Module>();
  if (data) {
    auto entries = ParseResourceFile(static_cast<const uint8_t*>(data), size);
    if (entries) module->entries = std::move(*entries);
  }
  // The handle is the module record's address: unique, and never reused while the process lives.
  HINSTANCE handle = reinterpret_cast<HINSTANCE>(module.get());
  Registry().all.push_back(std::move(module));
  return handle;
}

HINSTANCE RegisterProgramResources(const void* data, std::size_t size) {
  HINSTANCE handle = RegisterModuleResources(data, size);
  Registry().program = handle;
  return handle;
}

HINSTANCE ProgramModule() { return Registry().program; }

const ResourceEntry* FindModuleResource(HINSTANCE instance, WORD type, LPCSTR name) {
  // A null instance stands for the program's module, as GetModuleHandle(NULL) would.
  Module* module = Find(instance ? instance : Registry().program);
  if (!module || !name) return nullptr;
  return FindResourceEntry(module->entries, ResourceId::Ordinal(type), ResourceId::FromPointer(name));
}

}  // namespace layer::user
