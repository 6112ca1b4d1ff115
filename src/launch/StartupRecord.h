// The startup information of a child process: its three standard handles, and only those inherited.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "platform/Handles.h"
#include "platform/StageHandles.h"

// A process-creation attribute list that names the handles a child inherits; without one, a child
// started with inheritance on takes every inheritable handle the shell holds at that moment.
class CHandleInheritList {
public:
    // An empty list of handles makes no attribute list at all. Throws CWindowsError.
    explicit CHandleInheritList(std::vector<HANDLE> handles);
    ~CHandleInheritList();
    CHandleInheritList(const CHandleInheritList&) = delete;
    CHandleInheritList& operator=(const CHandleInheritList&) = delete;

    // Null when no handle is to be inherited.
    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return list_; }

private:
    // The attribute list refers to this array rather than copying it, so neither may move.
    std::vector<HANDLE> handles_;
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

// Owns a stage's input, output and error handle from the moment it is built and releases each once,
// never a shell standard handle. A child started with it gets them as its standard handles (a
// duplicate where one is not inheritable) and inherits nothing else.
class StartupRecord {
public:
    // Throws CWindowsError when a duplicate or the inherit list cannot be made; the handles are then
    // released.
    explicit StartupRecord(StageHandles handles);
    StartupRecord(const StartupRecord&) = delete;
    StartupRecord& operator=(const StartupRecord&) = delete;

    HANDLE Error() const { return handles_.Error(); }

    // The extended startup information for CreateProcessA (with EXTENDED_STARTUPINFO_PRESENT).
    STARTUPINFOA* Info() { return &info_.StartupInfo; }

    // False only when there is no handle to hand over, so that nothing else is inherited either.
    bool InheritsHandles() const { return inherited_.Get() != nullptr; }

    // Releases input, output and error in that order, then the duplicates made for the child; raises
    // CWindowsError at the first failure.
    void Release();

private:
    std::array<HANDLE, 3> HandlesForChild();

    // The members are built in this order, each from those before it: HandlesForChild reads handles_
    // and fills copies_, given_ is its result, and inherited_ lists the inheritable ones of given_.
    // Reordering them would build one from a member not yet made.
    StageHandles handles_;
    // Inheritable duplicates of the stage's handles that were not inheritable, owned until the launch ends.
    std::array<OwnedHandle, 3> copies_;
    // What the child gets as its input, output and error: the stage's handles or their duplicates.
    std::array<HANDLE, 3> given_;
    CHandleInheritList inherited_;
    STARTUPINFOEXA info_{};
};
