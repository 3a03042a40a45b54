#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

// A fresh, empty directory of its own under the system's temporary folder,
// removed with everything in it when the object goes. Tests run the program
// in one, so no test sees what another left behind.
class TemporaryDirectory {
public:
    TemporaryDirectory() : path_(make()) {}
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

    // Writes a file of exactly these bytes, making its folders first.
    std::filesystem::path write(const std::filesystem::path& name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    static std::filesystem::path make() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "clavora-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        }
        return pattern;
    }

    std::filesystem::path path_;
};
