#pragma once

#include <string>
#include <string_view>

namespace merrith {

// Path as an absolute path, from the folder the program runs in; Path itself when it is
// empty or the system cannot say.
std::u16string AbsolutePath(std::u16string_view Path);

// The file Name in the user's temporary folder.
std::u16string TemporaryPath(std::u16string_view Name);

// The last part of Path, the file's own name.
std::u16string FileNameOf(std::u16string_view Path);

}  // namespace merrith
