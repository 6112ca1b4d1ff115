// Releasing a stage's handles once each, in the order input, output, error.
#include "platform/StageHandles.h"

#include <utility>

#include "platform/Handles.h"

StageHandles::StageHandles(StageHandles&& other) noexcept : handles_(std::exchange(other.handles_, {})) {}

StageHandles& StageHandles::operator=(StageHandles&& other) noexcept {
    if (this != &other) {
        StageHandles old(std::move(*this));
        handles_ = std::exchange(other.handles_, {});
    }
    return *this;
}

StageHandles::~StageHandles() {
    for (HANDLE& handle : handles_) {
        if (!IsStdHandleOrNull(handle))
            CloseHandle(handle);
        handle = nullptr;
    }
}

void StageHandles::Replace(StdStream stream, HANDLE handle) {
    CloseUnlessStd(Detach(stream));
    handles_[static_cast<int>(stream)] = handle;
}

HANDLE StageHandles::Detach(StdStream stream) {
    return std::exchange(handles_[static_cast<int>(stream)], nullptr);
}

void StageHandles::Release() {
    for (StdStream stream : {StdStream::Input, StdStream::Output, StdStream::Error})
        CloseUnlessStd(Detach(stream));
}
