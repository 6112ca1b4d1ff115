// The relay thread: drain the private pipe into memory, then deliver it and release the destination.
#include "platform/OutputRelay.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Output.h"
#include "platform/WindowsError.h"

namespace {

// The private pipe is larger than the default so that the built-in and the thread take turns
// less often; its size does not bound the output.
constexpr DWORD kRelayPipeSize = 65536;

// Delivered a pipe's worth at a time, so that what a reader never took is known to within a write.
constexpr std::size_t kDeliveryChunk = 4096;

// The bytes a relay holds that its destination has not taken yet; the thread counts, the shell's
// thread reads.
using Undelivered = std::atomic<std::uint64_t>;

struct RelayThread {
    OwnedHandle thread;
    std::shared_ptr<Undelivered> undelivered;
};

// The relay threads that may still be delivering; only the shell's thread touches the list.
std::vector<RelayThread>& RelayThreads() {
    static std::vector<RelayThread> threads;
    return threads;
}

bool HasEnded(const RelayThread& relay) {
    return WaitForSingleObject(relay.thread.Get(), 0) == WAIT_OBJECT_0;
}

// Set by Ctrl+C (on the control handler's thread) to end the wait at exit.
HANDLE InterruptEvent() {
    static const OwnedHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    return event.Get();
}

struct RelayJob {
    OwnedHandle source;
    OwnedHandle destination;
    std::shared_ptr<Undelivered> undelivered;
};

std::string ReadToEnd(HANDLE source, Undelivered& undelivered) {
    std::string bytes;
    std::string chunk(kRelayPipeSize, '\0');
    DWORD count = 0;
    while (ReadFile(source, chunk.data(), kRelayPipeSize, &count, nullptr) && count > 0) {
        bytes.append(chunk.data(), count);
        undelivered += count;
    }
    return bytes;
}

DWORD WINAPI Relay(void* parameter) {
    const std::unique_ptr<RelayJob> job(static_cast<RelayJob*>(parameter));
    // Nothing may escape a thread's function: output that does not fit in memory, or that the
    // destination refuses for a reason other than a reader that has gone, is dropped.
    try {
        const std::string bytes = ReadToEnd(job->source.Get(), *job->undelivered);
        for (std::size_t done = 0; done < bytes.size(); done += kDeliveryChunk) {
            const std::string chunk = bytes.substr(done, kDeliveryChunk);
            WriteOutput(job->destination.Get(), chunk);
            *job->undelivered -= chunk.size();
        }
    } catch (...) {
    }
    *job->undelivered = 0;
    return 0;
}

}  // namespace

COutputRelay::COutputRelay(HANDLE destination) {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, nullptr, kRelayPipeSize))
        ThrowLastError();
    write_ = OwnedHandle(write);
    auto job = std::make_unique<RelayJob>();
    job->source = OwnedHandle(read);
    job->destination = OwnedHandle(destination);
    job->undelivered = std::make_shared<Undelivered>(0);
    std::vector<RelayThread>& threads = RelayThreads();
    std::erase_if(threads, HasEnded);
    threads.reserve(threads.size() + 1);
    OwnedHandle thread(CreateThread(nullptr, 0, Relay, job.get(), 0, nullptr));
    if (thread.Get() == nullptr) {
        const DWORD code = GetLastError();
        job->destination.Release();
        throw CWindowsError(code, kWindowsErrorContext);
    }
    std::shared_ptr<Undelivered> undelivered = job->undelivered;
    job.release();
    threads.push_back({std::move(thread), std::move(undelivered)});
}

void InterruptOutputRelays() {
    SetEvent(InterruptEvent());
}

std::uint64_t FinishOutputRelays() {
    // A Ctrl+C from before the wait began was meant for something else.
    ResetEvent(InterruptEvent());
    std::uint64_t lost = 0;
    bool interrupted = false;
    for (const RelayThread& relay : RelayThreads()) {
        const HANDLE waits[] = {relay.thread.Get(), InterruptEvent()};
        if (!interrupted)
            interrupted = WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
        if (interrupted)
            lost += *relay.undelivered;
    }
    if (!interrupted)
        RelayThreads().clear();
    return lost;
}
