// Output that a built-in writes for a pipe whose reader has not started yet.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Handles.h"

// A built-in runs on the shell's thread and writes all its output before the next stage starts,
// and a pipe holds only a few kilobytes: written straight into the pipe, a large output would wait
// for a reader that never comes. The relay gives the built-in a private pipe instead, which a thread
// of its own drains into memory; once the built-in is done and the relay ends, the thread writes the
// whole output, in order, into the destination and then releases it.
class COutputRelay {
public:
    // Takes the destination over, unless it throws CWindowsError (the destination then stays with
    // the caller).
    explicit COutputRelay(HANDLE destination);
    COutputRelay(const COutputRelay&) = delete;
    COutputRelay& operator=(const COutputRelay&) = delete;

    // Closes the private pipe's write end; the thread then delivers what was written.
    ~COutputRelay() = default;

    // Where the built-in writes.
    HANDLE WriteEnd() const { return write_.Get(); }

private:
    OwnedHandle write_;
};

// Waits until every relay has delivered its output or lost its reader: the process ending would
// end the threads and drop what they hold. A reader that stays without reading keeps the shell
// waiting here, as it would keep a program that writes into its pipe, until InterruptOutputRelays
// ends the wait; the result is then the number of bytes the relays still held, otherwise 0.
std::uint64_t FinishOutputRelays();

// Ends a wait in FinishOutputRelays that is under way; safe on any thread (the console control
// handler's).
void InterruptOutputRelays();
