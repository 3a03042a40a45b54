#include "app/program_paths.h"

#include <system_error>

namespace {

// A file every installation ships; where it lies, the shipped files are.
constexpr const char* kKennzeichen = "Clavora.html";

std::optional<std::filesystem::path> set(const Environment& environment, const char* name) {
    const auto value = environment(name);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(*value);
}

std::filesystem::path dataHome(const Environment& environment) {
    if (const auto xdg = set(environment, "XDG_DATA_HOME"); xdg && xdg->is_absolute()) {
        return *xdg;
    }
    const auto home = set(environment, "HOME");
    return home.value_or(std::filesystem::path("/tmp")) / ".local" / "share";
}

} // namespace

ProgramPaths programPaths(const Environment& environment,
                          const std::filesystem::path& executable,
                          const std::filesystem::path& installedData) {
    ProgramPaths paths;
    paths.programDirectory =
        set(environment, "CLAVORA_HOME").value_or(dataHome(environment) / "clavora");
    const auto folder = executable.parent_path();
    const auto installed = (folder / installedData).lexically_normal();
    std::error_code ignored;
    paths.shippedDirectory =
        std::filesystem::exists(installed / kKennzeichen, ignored) ? installed : folder;
    return paths;
}

std::string prepareProgramDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory / "Texts", error);
    if (error) {
        return "The program folder " + directory.string() + " cannot be made: " + error.message();
    }
    return {};
}
