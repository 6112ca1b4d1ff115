// The shell's standard handles and the operations that release handles.
#include "platform/Handles.h"

#include "platform/WindowsError.h"

// Fetched in this order during static initialisation, and never replaced.
const HANDLE ShellStdIn = GetStdHandle(STD_INPUT_HANDLE);
const HANDLE ShellStdOut = GetStdHandle(STD_OUTPUT_HANDLE);
const HANDLE ShellStdErr = GetStdHandle(STD_ERROR_HANDLE);

bool IsStdHandleOrNull(HANDLE handle) {
    return handle == nullptr || handle == ShellStdIn || handle == ShellStdOut || handle == ShellStdErr;
}

void CloseUnlessStd(HANDLE handle) {
    if (!IsStdHandleOrNull(handle))
        CloseOwned(handle);
}

HANDLE ShareUnlessStd(HANDLE handle) {
    return IsStdHandleOrNull(handle) ? handle : InheritableDuplicate(handle).Release();
}

OwnedHandle InheritableDuplicate(HANDLE handle) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, TRUE, DUPLICATE_SAME_ACCESS))
        ThrowLastError();
    return OwnedHandle(copy);
}

void CloseOwned(HANDLE handle) {
    if (handle != nullptr && !CloseHandle(handle))
        ThrowLastError();
}

OwnedHandle& OwnedHandle::operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
        OwnedHandle old(Release());
        handle_ = other.Release();
    }
    return *this;
}

OwnedHandle::~OwnedHandle() {
    if (handle_ != nullptr)
        CloseHandle(handle_);
}

HANDLE OwnedHandle::Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
}

void OwnedHandle::Close() {
    CloseOwned(Release());
}
