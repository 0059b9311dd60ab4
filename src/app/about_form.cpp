#include "app/about_form.h"

namespace lumivex {

std::string AboutVersionText(int major, int minor, int revision) {
    return "Lumivex V" + std::to_string(major) + "." + std::to_string(minor) + ".0." + std::to_string(revision) +
           " (2018-12-4)";
}

void LiftTopmostForAbout(MainForm& main, Hwnd dialog) {
    constexpr std::uint32_t flags = win::SWP_NOMOVE | win::SWP_NOSIZE;
    main.platform().SetWindowPos(main.selfHwnd, win::HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    main.platform().SetWindowPos(dialog, win::HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

void RestoreTopmostAfterAbout(MainForm& main) {
    if (main.alwaysOnTop)
        main.platform().SetWindowPos(main.selfHwnd, win::HWND_TOPMOST, 0, 0, 0, 0, win::SWP_NOMOVE | win::SWP_NOSIZE);
}

}  // namespace lumivex
