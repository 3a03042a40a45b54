#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where the program keeps its learners' files and finds the files it ships.
struct ProgramPaths {
    std::filesystem::path programDirectory; // the user file and own texts
    std::filesystem::path shippedDirectory; // sounds, help, pictures
};

using Environment = std::function<std::optional<std::string>(const char* name)>;

// CLAVORA_HOME if set, else the XDG data home (XDG_DATA_HOME, or ~/.local/share)
// with "clavora"; the shipped files lie in the installed data folder beside the
// executable's (`installedData`, relative to the executable's folder), or, in a
// build tree, beside the executable itself.
ProgramPaths programPaths(const Environment& environment,
                          const std::filesystem::path& executable,
                          const std::filesystem::path& installedData);

// Makes the program directory and its "Texts" folder; an error text, or empty.
std::string prepareProgramDirectory(const std::filesystem::path& directory);
