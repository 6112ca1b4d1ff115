// The relay thread: drain the private pipe into memory, then deliver it and release the destination.
#include "platform/OutputRelay.h"

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

// The relay threads that may still be delivering; only the shell's thread touches the list.
std::vector<OwnedHandle>& RelayThreads() {
    static std::vector<OwnedHandle> threads;
    return threads;
}

bool HasEnded(const OwnedHandle& thread) {
    return WaitForSingleObject(thread.Get(), 0) == WAIT_OBJECT_0;
}

struct RelayJob {
    OwnedHandle source;
    OwnedHandle destination;
};

std::string ReadToEnd(HANDLE source) {
    std::string bytes;
    std::string chunk(kRelayPipeSize, '\0');
    DWORD count = 0;
    while (ReadFile(source, chunk.data(), kRelayPipeSize, &count, nullptr) && count > 0)
        bytes.append(chunk.data(), count);
    return bytes;
}

DWORD WINAPI Relay(void* parameter) {
    const std::unique_ptr<RelayJob> job(static_cast<RelayJob*>(parameter));
    // Nothing may escape a thread's function: output that does not fit in memory, or that the
    // destination refuses for a reason other than a reader that has gone, is dropped.
    try {
        WriteOutput(job->destination.Get(), ReadToEnd(job->source.Get()));
    } catch (...) {
    }
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
    std::vector<OwnedHandle>& threads = RelayThreads();
    std::erase_if(threads, HasEnded);
    threads.reserve(threads.size() + 1);
    OwnedHandle thread(CreateThread(nullptr, 0, Relay, job.get(), 0, nullptr));
    if (thread.Get() == nullptr) {
        const DWORD code = GetLastError();
        job->destination.Release();
        throw CWindowsError(code, kWindowsErrorContext);
    }
    job.release();
    threads.push_back(std::move(thread));
}

void FinishOutputRelays() {
    for (const OwnedHandle& thread : RelayThreads())
        WaitForSingleObject(thread.Get(), INFINITE);
    RelayThreads().clear();
}
