// Owning one interface pointer of the component object system.
#pragma once

#include <unknwn.h>

#include <utility>

// Holds one interface pointer (or none) and releases it once: on Reset, or when the owner ends.
template <typename Interface>
class CComInterface {
public:
    CComInterface() = default;
    CComInterface(CComInterface&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    CComInterface& operator=(CComInterface&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    CComInterface(const CComInterface&) = delete;
    CComInterface& operator=(const CComInterface&) = delete;
    ~CComInterface() { Reset(); }

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }

    // The place a creating call (CoCreateInstance, QueryInterface) stores its new pointer in; what was
    // held before is released first.
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    void Reset() {
        if (pointer_ != nullptr)
            std::exchange(pointer_, nullptr)->Release();
    }

private:
    Interface* pointer_ = nullptr;
};
