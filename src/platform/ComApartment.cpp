// CoInitialize and CoUninitialize for the shell's lifetime.
#include "platform/ComApartment.h"

#include <objbase.h>

// A failed initialisation is not fatal to the shell (only shortcut resolution needs the component
// object system), but it must then not be balanced by an uninitialisation.
CComApartment::CComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}

CComApartment::~CComApartment() {
    if (initialised_)
        CoUninitialize();
}
