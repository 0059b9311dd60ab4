#include "ops/class_style.h"

#include "app/main_form.h"

namespace lumivex {
void ClassStyle(MainForm&) {}
}  // namespace lumivex
