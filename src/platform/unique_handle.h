// One handle and the way to give it back, released on every path. The
// release is a small callable that carries whatever partner giving the
// handle back takes (the platform, the window a device context came from,
// the device context a selection was made in), so one template serves every
// kind of handle, in the logic and in the Win32 code alike. A handle equal
// to T{} is none: nothing is released.
#pragma once

#include <utility>

namespace lumivex {

template <typename T, typename Release>
class UniqueHandle {
public:
    UniqueHandle(T handle, Release release) : handle_(handle), release_(std::move(release)) {}
    // For a release that needs no partner.
    explicit UniqueHandle(T handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != T{}; }
    // Gives back what is held, then lends the slot to a call that fills it.
    T* put() {
        Reset();
        return &handle_;
    }
    void Reset() {
        if (handle_ != T{}) release_(handle_);
        handle_ = T{};
    }
    // For a call that takes the handle over (SetWindowRgn owns the region it is given).
    T Disown() { return std::exchange(handle_, T{}); }

private:
    T handle_;
    Release release_;
};

}  // namespace lumivex
