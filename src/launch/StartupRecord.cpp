// Startup information with STARTF_USESTDHANDLES and an explicit list of inherited handles.
#include "launch/StartupRecord.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/WindowsError.h"

namespace {

// A handle may be named once only, and the system refuses to hand over one that is not inheritable;
// null stands for no handle.
std::vector<HANDLE> InheritableHandles(const std::array<HANDLE, 3>& handles) {
    std::vector<HANDLE> inheritable;
    for (HANDLE handle : handles) {
        DWORD flags = 0;
        if (handle != nullptr && std::find(inheritable.begin(), inheritable.end(), handle) == inheritable.end() &&
            GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT))
            inheritable.push_back(handle);
    }
    return inheritable;
}

bool KnownNotInheritable(HANDLE handle) {
    DWORD flags = 0;
    return handle != nullptr && GetHandleInformation(handle, &flags) && !(flags & HANDLE_FLAG_INHERIT);
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
    for (int stream = 0; stream < 3; ++stream) {
        const HANDLE handle = handles_.Get(static_cast<StdStream>(stream));
        given[stream] = handle;
        for (int earlier = 0; earlier < stream; ++earlier) {
            if (handles_.Get(static_cast<StdStream>(earlier)) == handle)
                given[stream] = given[earlier];
        }
        if (given[stream] == handle && KnownNotInheritable(handle)) {
            copies_[stream] = InheritableDuplicate(handle);
            given[stream] = copies_[stream].Get();
        }
    }
    return given;
}
