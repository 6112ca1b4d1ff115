// Releasing handles: owned handles close exactly once, and the shell's standard handles survive.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/Handles.h"
#include "platform/StageHandles.h"
#include "platform/WindowsError.h"

namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != 0;
}

// A handle of our own to close: a fresh event object.
HANDLE NewHandle() {
    return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

// Each row gets a fresh handle of its own, acts on it and says whether it must still be open after.
TEST(Handles, OwnerOperations) {
    struct Case {
        const char* name;
        std::function<void(HANDLE)> act;
        bool stillOpen;
    };
    const Case cases[] = {
        {"CloseUnlessStd spares null and the standard handles",
         [](HANDLE) {
             for (HANDLE spared : {HANDLE(nullptr), ShellStdIn, ShellStdOut, ShellStdErr}) {
                 EXPECT_TRUE(IsStdHandleOrNull(spared));
                 EXPECT_NO_THROW(CloseUnlessStd(spared));
             }
             EXPECT_TRUE(IsOpen(ShellStdOut));
             EXPECT_TRUE(IsOpen(ShellStdErr));
         },
         true},
        {"CloseUnlessStd closes any other handle",
         [](HANDLE handle) {
             EXPECT_FALSE(IsStdHandleOrNull(handle));
             CloseUnlessStd(handle);
         },
         false},
        {"CloseOwned of null does nothing", [](HANDLE) { EXPECT_NO_THROW(CloseOwned(nullptr)); }, true},
        // A closed handle's value may soon name another object: the row closes one of its own.
        {"a failed close raises with the system code",
         [](HANDLE) {
             HANDLE handle = NewHandle();
             CloseOwned(handle);
             try {
                 CloseOwned(handle);
                 ADD_FAILURE() << "closing a closed handle raised nothing";
             } catch (const CWindowsError& error) {
                 EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_INVALID_HANDLE));
                 EXPECT_EQ(error.context, "Windows Error : ");
             }
         },
         true},
        {"an owner closes its handle when it ends", [](HANDLE handle) { OwnedHandle owner(handle); }, false},
        {"a moved owner closes nothing",
         [](HANDLE handle) {
             OwnedHandle target;
             {
                 OwnedHandle source(handle);
                 target = std::move(source);
                 EXPECT_EQ(source.Get(), nullptr);
             }
             EXPECT_TRUE(IsOpen(handle));
             EXPECT_EQ(target.Get(), handle);
         },
         false},
        {"assigning over an owner closes what it held",
         [](HANDLE handle) {
             HANDLE second = NewHandle();
             OwnedHandle owner(handle);
             owner = OwnedHandle(second);
             EXPECT_FALSE(IsOpen(handle));
             EXPECT_TRUE(IsOpen(second));
         },
         false},
        {"Close detaches before closing",
         [](HANDLE handle) {
             OwnedHandle owner(handle);
             owner.Close();
             EXPECT_EQ(owner.Get(), nullptr);
             EXPECT_FALSE(IsOpen(handle));
             EXPECT_NO_THROW(owner.Close());
         },
         false},
        {"an owner still closes while an error passes",
         [](HANDLE handle) {
             try {
                 OwnedHandle owner(handle);
                 throw CWindowsError(5, kWindowsErrorContext);
             } catch (const CWindowsError&) {
             }
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HANDLE handle = NewHandle();
        c.act(handle);
        EXPECT_EQ(IsOpen(handle), c.stillOpen);
        if (c.stillOpen)
            CloseHandle(handle);
    }
}

}  // namespace

namespace {

TEST(StageHandles, ReleasesEachOwnHandleOnceAndSparesTheStandardOnes) {
    HANDLE input = NewHandle();
    HANDLE first = NewHandle();
    HANDLE second = NewHandle();
    {
        StageHandles stage(input, first, ShellStdErr);
        stage.Replace(StdStream::Output, second);
        EXPECT_FALSE(IsOpen(first));
        StageHandles moved(std::move(stage));
        EXPECT_EQ(stage.Input(), nullptr);
        EXPECT_EQ(moved.Output(), second);
        moved.Release();
        EXPECT_EQ(moved.Input(), nullptr);
        EXPECT_FALSE(IsOpen(input));
        EXPECT_FALSE(IsOpen(second));
    }
    EXPECT_TRUE(IsOpen(ShellStdErr));
    HANDLE kept = NewHandle();
    { StageHandles stage(kept, nullptr, nullptr); }
    EXPECT_FALSE(IsOpen(kept));
}

}  // namespace
