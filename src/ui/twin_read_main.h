// The program started as its own 32-bit twin's reader (twin_command_line.h):
// no window, one read, the outcome written to the standard output.
#pragma once

#include <optional>

namespace lumivex {

// The exit code when the command line asks for a twin's read; nullopt for
// any other command line, which starts the program as usual.
std::optional<int> RunTwinReadIfAsked();

}  // namespace lumivex
