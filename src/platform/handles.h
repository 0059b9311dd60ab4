// RAII guards for the handles the logic takes through the platform. Each
// guard remembers its partner (the process, the window of a device context,
// the object a selection replaced), so that release happens on every path.
// Declare the owner before what depends on it: destruction runs in reverse.
#pragma once

#include "platform/platform.h"
#include "platform/unique_handle.h"

namespace lumivex {

namespace release {
struct CloseKernelHandle {
    Platform* p;
    void operator()(Handle h) const { p->CloseHandle(h); }
};
struct ReleaseWindowDc {
    Platform* p;
    Hwnd window;
    void operator()(Hdc dc) const { p->ReleaseDC(window, dc); }
};
struct DeleteMemoryDc {
    Platform* p;
    void operator()(Hdc dc) const { p->DeleteDC(dc); }
};
struct DeleteGdiObject {
    Platform* p;
    void operator()(Hgdiobj h) const { p->DeleteObject(h); }
};
struct SelectBack {
    Platform* p;
    Hdc dc;
    void operator()(Hgdiobj previous) const { p->SelectObject(dc, previous); }
};
}  // namespace release

// A process, a pipe end, a thread: any kernel handle of our own.
class KernelHandle : public UniqueHandle<Handle, release::CloseKernelHandle> {
public:
    explicit KernelHandle(Platform& p, Handle h = 0) : UniqueHandle(h, {&p}) {}
    void Close() { Reset(); }
};
using ProcessHandle = KernelHandle;

class WindowDc : public UniqueHandle<Hdc, release::ReleaseWindowDc> {
public:
    WindowDc(Platform& p, Hwnd window, Hdc dc) : UniqueHandle(dc, {&p, window}) {}
};

// A device context of our own making (CreateCompatibleDC): deleted, not released.
class MemoryDc : public UniqueHandle<Hdc, release::DeleteMemoryDc> {
public:
    MemoryDc(Platform& p, Hdc dc) : UniqueHandle(dc, {&p}) {}
};

class GdiObject : public UniqueHandle<Hgdiobj, release::DeleteGdiObject> {
public:
    GdiObject(Platform& p, Hgdiobj h) : UniqueHandle(h, {&p}) {}
};

// Selects an object into a device context and puts the one it replaced back.
class SelectGuard : public UniqueHandle<Hgdiobj, release::SelectBack> {
public:
    SelectGuard(Platform& p, Hdc dc, Hgdiobj object) : UniqueHandle(dc ? p.SelectObject(dc, object) : 0, {&p, dc}) {}
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
