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

// Puts the previous raster operation back.
class Rop2Guard {
public:
    Rop2Guard(Platform& p, Hdc dc, int mode) : p_(p), dc_(dc), previous_(dc ? p.SetROP2(dc, mode) : 0) {}
    ~Rop2Guard() { if (dc_ && previous_) p_.SetROP2(dc_, previous_); }
    Rop2Guard(const Rop2Guard&) = delete;
    Rop2Guard& operator=(const Rop2Guard&) = delete;

private:
    Platform& p_;
    Hdc dc_;
    int previous_;
};

}  // namespace lumivex
