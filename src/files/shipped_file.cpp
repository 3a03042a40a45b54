#include "files/shipped_file.h"

namespace files {

std::filesystem::path shippedFile(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& shippedDirectory,
                                  std::string_view name) {
    std::error_code ignored;
    const auto own = programDirectory / name;
    if (std::filesystem::exists(own, ignored) || shippedDirectory.empty()) {
        return own;
    }
    const auto shipped = shippedDirectory / name;
    return std::filesystem::exists(shipped, ignored) ? shipped : own;
}

} // namespace files
