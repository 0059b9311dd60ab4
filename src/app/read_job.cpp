#include "app/read_job.h"

#include <new>

#include "platform/send.h"

namespace lumivex {

ReadJob::ReadJob(Platform& p, Read read) : p_(p), read_(std::move(read)) {
    thread_ = p_.CreateThread([this] { Run(); });
    if (thread_ == 0) finished_.store(true, std::memory_order_release);
}

ReadJob::~ReadJob() {
    Cancel();
    Join();
}

void ReadJob::Run() {
    {
        // A read is one action, with its own budget for targets that do not answer.
        const ActionScope action;
        try {
            output_ = read_(progress_);
        } catch (const std::bad_alloc&) {
            // The target's answers made the text too big to hold: nothing to show.
            output_ = ReaderOutput{};
        }
    }
    finished_.store(true, std::memory_order_release);
}

void ReadJob::Join() {
    if (thread_ == 0) return;
    p_.WaitForSingleObject(thread_, win::INFINITE);
    p_.CloseHandle(thread_);
    thread_ = 0;
}

ReaderOutput ReadJob::Take() {
    Join();
    return std::move(output_);
}

}  // namespace lumivex
