#pragma once

#include <filesystem>
#include <string_view>

namespace files {

// A file the program ships (sounds, help, pictures, writing rules): the
// learner's own copy in the program directory wins, else the installed one.
// Where neither exists, the program directory's name, so a message names the
// place a learner would put it.
std::filesystem::path shippedFile(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& shippedDirectory,
                                  std::string_view name);

} // namespace files
