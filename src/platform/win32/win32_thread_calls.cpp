#include "platform/win32/win32_thread_calls.h"

#include <deque>
#include <utility>

namespace lumivex {

namespace {

// One call and the event its caller waits on; shared, because the caller
// may stop waiting before the call has run.
struct Job {
    std::function<void()> call;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Job() {
        if (done) CloseHandle(done);
    }
};

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

struct TargetThreadCalls::Helper {
    CRITICAL_SECTION lock;
    CONDITION_VARIABLE ready;
    std::deque<std::shared_ptr<Job>> jobs;
    bool stopping = false;

    Helper() {
        InitializeCriticalSection(&lock);
        InitializeConditionVariable(&ready);
    }
    ~Helper() { DeleteCriticalSection(&lock); }

    // The jobs in order, until stopped with none left.
    void Serve() {
        for (;;) {
            std::shared_ptr<Job> job;
            {
                Lock held(lock);
                while (jobs.empty() && !stopping) SleepConditionVariableCS(&ready, &lock, INFINITE);
                if (jobs.empty()) return;
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            job->call();
            SetEvent(job->done);
        }
    }

    static DWORD WINAPI Main(LPVOID parameter) {
        // The thread's own share: the helper outlives the object that made it.
        const std::unique_ptr<std::shared_ptr<Helper>> self(static_cast<std::shared_ptr<Helper>*>(parameter));
        (*self)->Serve();
        return 0;
    }
};

TargetThreadCalls::TargetThreadCalls() { InitializeCriticalSection(&lock_); }

TargetThreadCalls::~TargetThreadCalls() {
    for (auto& [thread, helper] : helpers_) {
        Lock held(helper->lock);
        helper->stopping = true;
        WakeConditionVariable(&helper->ready);
    }
    DeleteCriticalSection(&lock_);
}

std::shared_ptr<TargetThreadCalls::Helper> TargetThreadCalls::HelperFor(DWORD targetThread) {
    Lock held(lock_);
    auto found = helpers_.find(targetThread);
    if (found != helpers_.end()) return found->second;
    auto helper = std::make_shared<Helper>();
    auto share = std::make_unique<std::shared_ptr<Helper>>(helper);
    const HANDLE thread = CreateThread(nullptr, 0, Helper::Main, share.get(), 0, nullptr);
    if (!thread) return nullptr;
    share.release();  // the thread owns its share now
    CloseHandle(thread);
    helpers_.emplace(targetThread, helper);
    return helper;
}

bool TargetThreadCalls::Run(DWORD targetThread, std::function<void()> call, DWORD waitMs) {
    const std::shared_ptr<Helper> helper = HelperFor(targetThread);
    auto job = std::make_shared<Job>();
    if (!helper || !job->done) return false;
    job->call = std::move(call);
    {
        Lock held(helper->lock);
        helper->jobs.push_back(job);
        WakeConditionVariable(&helper->ready);
    }
    return WaitForSingleObject(job->done, waitMs) == WAIT_OBJECT_0;
}

}  // namespace lumivex
