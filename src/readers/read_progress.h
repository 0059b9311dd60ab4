// What a read running on another thread shares with the window that waits
// for it: how far it got, and whether the user asked it to stop.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace lumivex {

struct ProgressSnapshot {
    std::uint64_t done = 0;   // items (cells, lines) read so far
    std::uint64_t total = 0;  // items the control announced; 0 while not known
};

class ReadProgress {
public:
    void Report(std::uint64_t done, std::uint64_t total) {
        total_.store(total, std::memory_order_relaxed);
        done_.store(done, std::memory_order_release);
    }
    ProgressSnapshot Get() const {
        ProgressSnapshot s;
        s.done = done_.load(std::memory_order_acquire);
        s.total = total_.load(std::memory_order_relaxed);
        return s;
    }
    void RequestCancel() { cancel_.store(true, std::memory_order_release); }
    bool CancelRequested() const { return cancel_.load(std::memory_order_acquire); }

private:
    std::atomic<std::uint64_t> done_{0};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<bool> cancel_{false};
};

// "已读 N / M 项", or "已读 N 项" while the count is not known.
std::string ProgressText(const ProgressSnapshot& progress);
// The last line of a text whose read the user stopped.
std::string CancelledLine(const ProgressSnapshot& progress);

}  // namespace lumivex
