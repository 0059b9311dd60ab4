// The controls of one window with their places at 96 DPI, so that a change
// of DPI can move every one of them and hand it the font made for the new
// DPI.
#pragma once

#include "layout/dpi_scale.h"

#include <windows.h>

#include <vector>

namespace lumivex {

class ScaledControls {
public:
    // control's place on its parent at 96 DPI.
    void Add(HWND control, const Box& box96) { entries_.push_back({control, nullptr, 0, box96}); }
    // A control that may be replaced by another of the same identifier (the
    // banner by its label): found afresh by identifier at every layout.
    void AddById(HWND parent, int id, const Box& box96) { entries_.push_back({nullptr, parent, id, box96}); }

    // Moves every control to its place at dpi and gives it font.
    void LayOut(int dpi, HFONT font) const {
        for (const Entry& entry : entries_) {
            const HWND control = entry.control ? entry.control : GetDlgItem(entry.parent, entry.id);
            if (!control) continue;
            const Box box = ScaleBox(entry.box96, dpi);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            SetWindowPos(control, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

private:
    struct Entry {
        HWND control;
        HWND parent;
        int id;
        Box box96;
    };
    std::vector<Entry> entries_;
};

}  // namespace lumivex
