// The resources of the program's module. On Windows they are linked into the executable; here
// the compiled .res file is embedded as a byte array that registers itself at start-up.
#pragma once

#include <cstddef>

#include "types.h"
#include "user/resource_file.h"

namespace layer::user {

// Registers a module's compiled resources (a .res image that stays valid for the whole process)
// and returns its instance handle. A malformed image gives a module without resources.
HINSTANCE RegisterModuleResources(const void* data, std::size_t size);
// The same for the program's own module, whose handle WinMain receives.
HINSTANCE RegisterProgramResources(const void* data, std::size_t size);

// The program's module; null when no resources were linked in.
HINSTANCE ProgramModule();

// FindResource and LoadResource in one: the entry of that type and name in the module, or null.
const ResourceEntry* FindModuleResource(HINSTANCE module, WORD type, LPCSTR name);

}  // namespace layer::user
