// Releasing handles: owned handles close exactly once, and the shell's standard handles survive.
#include <gtest/gtest.h>

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


TEST(Handles, CloseUnlessStdSparesNullAndTheStandardHandles) {
    for (HANDLE spared : {HANDLE(nullptr), ShellStdIn, ShellStdOut, ShellStdErr}) {
        EXPECT_TRUE(IsStdHandleOrNull(spared));
        EXPECT_NO_THROW(CloseUnlessStd(spared));
    }
    EXPECT_TRUE(IsOpen(ShellStdOut));
    EXPECT_TRUE(IsOpen(ShellStdErr));
}

TEST(Handles, CloseUnlessStdClosesAnyOtherHandle) {
    HANDLE handle = NewHandle();
    EXPECT_FALSE(IsStdHandleOrNull(handle));
    CloseUnlessStd(handle);
    EXPECT_FALSE(IsOpen(handle));
}

TEST(Handles, CloseOwnedOfNullDoesNothing) {
    EXPECT_NO_THROW(CloseOwned(nullptr));
}

TEST(Handles, FailedCloseRaisesWithTheSystemCode) {
    HANDLE handle = NewHandle();
    CloseOwned(handle);
    try {
        CloseOwned(handle);
        FAIL() << "closing a closed handle raised nothing";
    } catch (const CWindowsError& error) {
        EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(error.context, "Windows Error : ");
    }
}

TEST(Handles, OwnerClosesItsHandleWhenItEnds) {
    HANDLE handle = NewHandle();
    { OwnedHandle owner(handle); }
    EXPECT_FALSE(IsOpen(handle));
}

TEST(Handles, MovedOwnerClosesNothing) {
    HANDLE handle = NewHandle();
    OwnedHandle target;
    {
        OwnedHandle source(handle);
        target = std::move(source);
        EXPECT_EQ(source.Get(), nullptr);
    }
    EXPECT_TRUE(IsOpen(handle));
    EXPECT_EQ(target.Get(), handle);
}

TEST(Handles, AssigningOverAnOwnerClosesWhatItHeld) {
    HANDLE first = NewHandle();
    HANDLE second = NewHandle();
    OwnedHandle owner(first);
    owner = OwnedHandle(second);
    EXPECT_FALSE(IsOpen(first));
    EXPECT_TRUE(IsOpen(second));
}

TEST(Handles, CloseDetachesBeforeClosing) {
    HANDLE handle = NewHandle();
    OwnedHandle owner(handle);
    owner.Close();
    EXPECT_EQ(owner.Get(), nullptr);
    EXPECT_FALSE(IsOpen(handle));
    EXPECT_NO_THROW(owner.Close());
}


TEST(Handles, OwnerStillClosesWhileAnErrorPasses) {
    HANDLE handle = NewHandle();
    try {
        OwnedHandle owner(handle);
        throw CWindowsError(5, kWindowsErrorContext);
    } catch (const CWindowsError&) {
    }
    EXPECT_FALSE(IsOpen(handle));
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
