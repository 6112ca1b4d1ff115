// Startup information with STARTF_USESTDHANDLES and an explicit list of inherited handles.
#include "launch/StartupRecord.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "platform/WindowsError.h"

namespace {

// Whether the handle passes to a child; none for null and for a handle whose flags cannot be read.
std::optional<bool> Inheritable(HANDLE handle) {
    DWORD flags = 0;
    if (handle == nullptr || !GetHandleInformation(handle, &flags))
        return std::nullopt;
    return (flags & HANDLE_FLAG_INHERIT) != 0;
}

// A handle may be named once only, and the system refuses to hand over one that is not inheritable.
std::vector<HANDLE> InheritableHandles(const std::array<HANDLE, 3>& handles) {
    std::vector<HANDLE> inheritable;
    for (HANDLE handle : handles) {
        if (std::find(inheritable.begin(), inheritable.end(), handle) == inheritable.end() &&
            Inheritable(handle).value_or(false))
            inheritable.push_back(handle);
    }
    return inheritable;
}

}  // namespace

CHandleInheritList::CHandleInheritList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
    if (handles_.empty())
        return;
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    storage_.resize(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size))
        ThrowLastError();
    if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                   handles_.size() * sizeof(HANDLE), nullptr, nullptr)) {
        // The destructor does not run for a constructor that throws.
        const CWindowsError error(GetLastError(), kWindowsErrorContext);
        DeleteProcThreadAttributeList(list);
        throw error;
    }
    list_ = list;
}

CHandleInheritList::~CHandleInheritList() {
    if (list_ != nullptr)
        DeleteProcThreadAttributeList(list_);
}

StartupRecord::StartupRecord(StageHandles handles)
    : handles_(std::move(handles)), given_(HandlesForChild()), inherited_(InheritableHandles(given_)) {
    info_.StartupInfo.cb = sizeof info_;
    info_.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    info_.StartupInfo.hStdInput = given_[0];
    info_.StartupInfo.hStdOutput = given_[1];
    info_.StartupInfo.hStdError = given_[2];
    info_.lpAttributeList = inherited_.Get();
}

void StartupRecord::Release() {
    handles_.Release();
    for (OwnedHandle& copy : copies_)
        copy.Close();
}

// A handle that is not inheritable would reach the child as a number it does not own: the child gets
// an inheritable duplicate instead, one per distinct handle. A handle whose flags cannot be read is
// handed over as it is.
std::array<HANDLE, 3> StartupRecord::HandlesForChild() {
    std::array<HANDLE, 3> given{};
    for (std::size_t stream = 0; stream < given.size(); ++stream) {
        const HANDLE handle = handles_.Get(static_cast<StdStream>(stream));
        std::size_t first = 0;
        while (handles_.Get(static_cast<StdStream>(first)) != handle)
            ++first;
        if (first < stream) {
            given[stream] = given[first];
        } else if (Inheritable(handle) == false) {
            copies_[stream] = InheritableDuplicate(handle);
            given[stream] = copies_[stream].Get();
        } else {
            given[stream] = handle;
        }
    }
    return given;
}
