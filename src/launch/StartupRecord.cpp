// Startup information with STARTF_USESTDHANDLES and an explicit list of inherited handles.
#include "launch/StartupRecord.h"

#include <algorithm>
#include <utility>

#include "platform/WindowsError.h"

namespace {

// A handle may be named once only, and the system refuses to hand over one that is not inheritable
// (it could not have reached the child anyway); null stands for no handle.
std::vector<HANDLE> InheritableHandles(const StageHandles& handles) {
    std::vector<HANDLE> inheritable;
    for (HANDLE handle : {handles.Input(), handles.Output(), handles.Error()}) {
        DWORD flags = 0;
        if (handle != nullptr && std::find(inheritable.begin(), inheritable.end(), handle) == inheritable.end() &&
            GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT))
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
    : handles_(std::move(handles)), inherited_(InheritableHandles(handles_)) {
    info_.StartupInfo.cb = sizeof info_;
    info_.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    info_.StartupInfo.hStdInput = handles_.Input();
    info_.StartupInfo.hStdOutput = handles_.Output();
    info_.StartupInfo.hStdError = handles_.Error();
    info_.lpAttributeList = inherited_.Get();
}
