#pragma once

#include "files/shipped_file.h"
#include "state/sitzungszustand.h"

#include <filesystem>
#include <string_view>

// A shipped file by its name, as this session finds it.
inline std::filesystem::path programmdatei(const Sitzungszustand& s, std::string_view name) {
    return files::shippedFile(s.programmverzeichnis, s.mitgeliefertverzeichnis, name);
}
