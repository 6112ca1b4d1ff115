// The component object system, initialised for the shell's thread while the shell runs.
#pragma once

// Initialises the component object system for the calling thread and uninitialises it when it ends.
class CComApartment {
public:
    CComApartment();
    ~CComApartment();
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool initialised_;
};
