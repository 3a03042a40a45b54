#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// Replaces the file's content with `bytes` as one step: the bytes go to a
// new file beside it, reach the disk, and only then take the old name. A
// full disk or a refused folder leaves the old file as it was. The error
// text fit to show the learner, empty on success.
std::string writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace files
