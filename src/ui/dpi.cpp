#include "ui/dpi.h"

namespace lumivex {

namespace {

// DPI_AWARENESS_CONTEXT values and PROCESS_DPI_AWARENESS, from the Windows 10 headers.
const HANDLE kContextPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kContextPerMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
constexpr int PROCESS_PER_MONITOR_DPI_AWARE = 2;

template <typename Function>
Function LookUp(const wchar_t* module, const char* name) {
    HMODULE loaded = GetModuleHandleW(module);
    if (!loaded) loaded = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

void DeclareDpiAwareness() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    using SetAwarenessFn = HRESULT(WINAPI*)(int);
    using SetAwareFn = BOOL(WINAPI*)();
    if (const auto setContext = LookUp<SetContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        if (setContext(kContextPerMonitorV2) || setContext(kContextPerMonitor)) return;
        // Refused because the manifest already made the process aware.
        if (GetLastError() == ERROR_ACCESS_DENIED) return;
    }
    if (const auto setAwareness = LookUp<SetAwarenessFn>(L"shcore.dll", "SetProcessDpiAwareness")) {
        const HRESULT result = setAwareness(PROCESS_PER_MONITOR_DPI_AWARE);
        if (SUCCEEDED(result) || result == E_ACCESSDENIED) return;
    }
    if (const auto setAware = LookUp<SetAwareFn>(L"user32.dll", "SetProcessDPIAware")) setAware();
}

int DpiOfWindow(HWND window) {
    using GetDpiFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = LookUp<GetDpiFn>(L"user32.dll", "GetDpiForWindow");
    const int dpi = getDpi && window ? static_cast<int>(getDpi(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using MetricFn = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = LookUp<MetricFn>(L"user32.dll", "GetSystemMetricsForDpi");
    if (metricForDpi) return metricForDpi(index, static_cast<UINT>(dpi));
    // The system's metrics are for the screen's DPI: scale them from there.
    return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

Size NonClientSize(DWORD style, DWORD exStyle, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = LookUp<AdjustFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (adjustForDpi) {
        adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
        const int screen = ScreenDpi();
        rect = {MulDiv(rect.left, dpi, screen), MulDiv(rect.top, dpi, screen), MulDiv(rect.right, dpi, screen),
                MulDiv(rect.bottom, dpi, screen)};
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Size OuterSizeAt(HWND window, const FormLayout& layout, int dpi) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    return OuterSizeForDpi(layout.outer, layout.client, NonClientSize(style, exStyle, dpi), dpi);
}

void FitWindowToDpi(HWND window, const FormLayout& layout, int dpi) {
    const Size size = OuterSizeAt(window, layout, dpi);
    SetWindowPos(window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TakeSuggestedRect(HWND window, LPARAM suggested) {
    const RECT* rect = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

UniqueFont MakeFormFont(int dpi) {
    return UniqueFont(CreateFontW(-ScaleToDpi(12, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

HICON SharedProgramIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_LUMIVEX), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace lumivex
