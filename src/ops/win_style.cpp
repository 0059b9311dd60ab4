#include "ops/win_style.h"

#include "app/main_form.h"

namespace lumivex {
void WinStyle(MainForm&) {}
}  // namespace lumivex
