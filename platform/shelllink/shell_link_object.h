// The Shell Link object: one object behind IShellLinkA and IPersistFile, one reference count.
#pragma once

#include "com/unknown.h"

namespace layer::shelllink {

// The class factory behind CoCreateInstance(CLSID_ShellLink, ...).
HRESULT CreateShellLink(REFIID iid, void** object);

// Shell Link objects alive in the process, for tests of reference counting.
long LiveObjectCount();

// Registers CLSID_ShellLink in the class table; repeated calls are harmless. Runs by itself
// before main in any program that names CLSID_ShellLink.
void RegisterShellLinkClass();

}  // namespace layer::shelllink
