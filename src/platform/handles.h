// RAII guards for the handles the logic takes through the platform. Each
// guard remembers its partner (the process, the window of a device context,
// the object a selection replaced), so that release happens on every path.
// Declare the owner before what depends on it: destruction runs in reverse.
#pragma once

#include "platform/platform.h"

namespace lumivex {

class ProcessHandle {
public:
    ProcessHandle(Platform& p, Handle h) : p_(p), h_(h) {}
    ~ProcessHandle() { if (h_) p_.CloseHandle(h_); }
    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != 0; }

private:
    Platform& p_;
    Handle h_;
};

// A pipe end or any other kernel handle of our own.
class KernelHandle {
public:
    explicit KernelHandle(Platform& p, Handle h = 0) : p_(p), h_(h) {}
    ~KernelHandle() { Close(); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    Handle get() const { return h_; }
    Handle* put() { Close(); return &h_; }
    explicit operator bool() const { return h_ != 0; }
    void Close() {
        if (h_) p_.CloseHandle(h_);
        h_ = 0;
    }

private:
    Platform& p_;
    Handle h_;
};

class WindowDc {
public:
    WindowDc(Platform& p, Hwnd window, Hdc dc) : p_(p), window_(window), dc_(dc) {}
    ~WindowDc() { if (dc_) p_.ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    Hdc get() const { return dc_; }
    explicit operator bool() const { return dc_ != 0; }

private:
    Platform& p_;
    Hwnd window_;
    Hdc dc_;
};

// A device context of our own making (CreateCompatibleDC): deleted, not released.
class MemoryDc {
public:
    MemoryDc(Platform& p, Hdc dc) : p_(p), dc_(dc) {}
    ~MemoryDc() { if (dc_) p_.DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    Hdc get() const { return dc_; }
    explicit operator bool() const { return dc_ != 0; }

private:
    Platform& p_;
    Hdc dc_;
};

class GdiObject {
public:
    GdiObject(Platform& p, Hgdiobj h) : p_(p), h_(h) {}
    ~GdiObject() { if (h_) p_.DeleteObject(h_); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Hgdiobj get() const { return h_; }
    explicit operator bool() const { return h_ != 0; }

private:
    Platform& p_;
    Hgdiobj h_;
};

// Puts the previously selected object back into the device context.
class SelectGuard {
public:
    SelectGuard(Platform& p, Hdc dc, Hgdiobj object)
        : p_(p), dc_(dc), previous_(dc ? p.SelectObject(dc, object) : 0) {}
    ~SelectGuard() { if (dc_ && previous_) p_.SelectObject(dc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    Platform& p_;
    Hdc dc_;
    Hgdiobj previous_;
};

// The outline shown for as long as the guard lives.
class ShownInvertedFrame {
public:
    ShownInvertedFrame(Platform& p, const Rect& rect, int penWidth) : p_(p) { p.ShowInvertedFrame(rect, penWidth); }
    ~ShownInvertedFrame() { p_.HideInvertedFrame(); }
    ShownInvertedFrame(const ShownInvertedFrame&) = delete;
    ShownInvertedFrame& operator=(const ShownInvertedFrame&) = delete;

private:
    Platform& p_;
};

}  // namespace lumivex
