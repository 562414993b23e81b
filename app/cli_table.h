#pragma once

#include <iosfwd>
#include <span>

namespace merrith {

// merrith-cli table [--blocks D|HD|D+HD] FILE: writes FILE.htm, the table of DDs of the dive
// codes listed in FILE, as the window's batch buttons do, with "." between whole and tenth.
// Args are the words after "table". Returns 0 when written, 1 when FILE could not be read or
// FILE.htm not written, 2 for arguments it does not understand.
int RunTableCommand(std::span<const char* const> Args, std::ostream& Out, std::ostream& Err);

}  // namespace merrith
