#pragma once

namespace lumivex {
class MainForm;
// Lists the names of the inspected window's styles and ticks the state entries.
void WinStyle(MainForm& form);
}  // namespace lumivex
