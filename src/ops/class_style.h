#pragma once

namespace lumivex {
class MainForm;
// Fills the class tab: class name, class style value and its names.
void ClassStyle(MainForm& form);
}  // namespace lumivex
