// The tools tab's fields.
#include "app/main_form.h"

namespace lumivex {
void MainForm::FillTools() {}
}  // namespace lumivex
