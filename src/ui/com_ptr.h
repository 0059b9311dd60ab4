// Owning pointer to a COM interface: every reference it holds is released
// exactly once, on every path. Windows build only.
#pragma once

#include <unknwn.h>

#include <utility>

namespace lumivex {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller owns (a fresh object, an out-parameter).
    static ComPtr Adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    // Clears the pointer before releasing, so a Release that calls back into
    // the owner finds it already empty.
    void Reset() {
        T* p = std::exchange(p_, nullptr);
        if (p) p->Release();
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out-parameters: whatever was held is released first.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // The interface iid of the same object, or empty.
    template <class U>
    ComPtr<U> As(REFIID iid) const {
        void* raw = nullptr;
        if (!p_ || FAILED(p_->QueryInterface(iid, &raw)) || !raw) return {};
        return ComPtr<U>::Adopt(static_cast<U*>(raw));
    }

private:
    T* p_ = nullptr;
};

}  // namespace lumivex
