// A read on a thread of its own, so that the program's windows keep
// answering while a long read runs or a slow target keeps it waiting.
#pragma once

#include <atomic>
#include <functional>

#include "platform/platform.h"
#include "readers/read_progress.h"
#include "readers/reader_dispatch.h"

namespace lumivex {

class ReadJob {
public:
    // Runs on the job's thread; what it returns is handed back by Take.
    using Read = std::function<ReaderOutput(ReadProgress& progress)>;

    // A thread that cannot start leaves the read undone: Finished at once,
    // with nothing read.
    ReadJob(Platform& p, Read read);
    // A job that goes before its read ends asks it to stop and waits for it:
    // the read frees its blocks in the target, and no thread is left behind.
    ~ReadJob();
    ReadJob(const ReadJob&) = delete;
    ReadJob& operator=(const ReadJob&) = delete;

    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    ProgressSnapshot Progress() const { return progress_.Get(); }
    void Cancel() { progress_.RequestCancel(); }
    // The read's output, once Finished.
    ReaderOutput Take();

private:
    void Run();
    void Join();

    Platform& p_;
    Read read_;
    ReadProgress progress_;
    ReaderOutput output_;
    std::atomic<bool> finished_{false};
    Handle thread_ = 0;
};

}  // namespace lumivex
