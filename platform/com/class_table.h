// The in-process class table behind CoCreateInstance. Classes of the layer register here.
#pragma once

#include "com/unknown.h"

namespace layer::com {

// Makes a new object and queries it for iid; on failure *object is null.
using ClassFactoryFunction = HRESULT (*)(REFIID iid, void** object);

// Adds or replaces the factory of clsid. Safe during static initialisation.
void RegisterClass(REFCLSID clsid, ClassFactoryFunction factory);
void UnregisterClass(REFCLSID clsid);
ClassFactoryFunction FindClass(REFCLSID clsid);

// Apartment count of the calling thread (number of unbalanced CoInitialize calls).
int ApartmentCount();

}  // namespace layer::com
