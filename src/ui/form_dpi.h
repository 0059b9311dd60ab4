// What each of our windows keeps for its DPI: the DPI itself, the font made
// for it and its controls' places, and the answers to the system's DPI
// messages. A window adds its controls, then lays them out.
#pragma once

#include "layout/form_layouts.h"

#include <windows.h>

#include <functional>

#include "ui/dpi.h"
#include "ui/gdi_handles.h"
#include "ui/scaled_controls.h"

namespace lumivex {

class FormDpi {
public:
    explicit FormDpi(const FormLayout& layout) : layout_(layout) {}

    int dpi() const { return dpi_; }
    HFONT font() const { return font_.get(); }
    int Scale(int value96) const { return ScaleToDpi(value96, dpi_); }
    ScaledControls& controls() { return controls_; }

    // From WM_CREATE: the window's DPI and its font; the window takes its
    // size for that DPI.
    void Start(HWND window) {
        dpi_ = DpiOfWindow(window);
        font_ = MakeFormFont(dpi_);
        FitWindowToDpi(window, layout_, dpi_);
    }

    void LayOut() const { controls_.LayOut(dpi_, font_.get()); }

    // WM_GETDPISCALEDSIZE, WM_DPICHANGED; false for any other message.
    // onRescaled remakes what the window draws with (pictures, cursors)
    // after its controls moved.
    bool Handle(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                const std::function<void()>& onRescaled = {}) {
        switch (msg) {
            case WM_GETDPISCALEDSIZE: {
                const Size size = OuterSizeAt(window, layout_, static_cast<int>(LOWORD(wParam)));
                *reinterpret_cast<SIZE*>(lParam) = SIZE{size.width, size.height};
                result = TRUE;
                return true;
            }
            case WM_DPICHANGED: {
                dpi_ = static_cast<int>(LOWORD(wParam));
                UniqueFont old = std::move(font_);  // kept until no control holds it
                font_ = MakeFormFont(dpi_);
                TakeSuggestedRect(window, lParam);
                LayOut();
                if (onRescaled) onRescaled();
                RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
                result = 0;
                return true;
            }
            default: return false;
        }
    }

private:
    const FormLayout& layout_;
    int dpi_ = kBaseDpi;
    UniqueFont font_;
    ScaledControls controls_;
};

}  // namespace lumivex
