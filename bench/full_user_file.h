#pragma once

#include "users/benutzerdatei.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// One file for all the benchmarks of a run: fullFile() is inline, so there is
// one instance of its static.
namespace bench {

inline constexpr int kBenutzer = 65535;

inline std::string benutzername(int nummer) {
    char name[16];
    std::snprintf(name, sizeof name, "USER%05d", nummer);
    return name;
}

// A full user file of distinct learners, written once and kept in the page
// cache by the runs themselves.
class FullUserFile {
public:
    FullUserFile() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("clavora-users-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        datei_ = users::benutzerdatei(folder_);
        std::ofstream out(datei_, std::ios::binary);
        users::Satz satz{};
        for (int nummer = 0; nummer < kBenutzer; ++nummer) {
            users::encode(users::neuerBenutzer(benutzername(nummer), {2026, 1, 5, 2}, 1920), satz);
            out.write(reinterpret_cast<const char*>(satz.data()), satz.size());
        }
    }
    ~FullUserFile() { std::filesystem::remove_all(folder_); }
    FullUserFile(const FullUserFile&) = delete;
    FullUserFile& operator=(const FullUserFile&) = delete;

    const std::filesystem::path& datei() const { return datei_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path datei_;
};

inline const std::filesystem::path& fullFile() {
    static const FullUserFile file;
    return file.datei();
}

} // namespace bench
