#include "app/program_paths.h"
#include "temporary_directory.h"

#include <gtest/gtest.h>
#include <map>

namespace {

Environment from(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> std::optional<std::string> {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    };
}

TEST(ProgramPaths, TheFolderIsClavoraHomeElseTheXdgDataHomeElseHomesLocalShare) {
    const std::filesystem::path exe = "/usr/bin/clavora";
    EXPECT_EQ(programPaths(from({{"CLAVORA_HOME", "/srv/typing"}, {"HOME", "/home/a"}}), exe,
                           "../share/clavora")
                  .programDirectory,
              "/srv/typing");
    EXPECT_EQ(programPaths(from({{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/a"}}), exe,
                           "../share/clavora")
                  .programDirectory,
              "/data/clavora");
    // A relative XDG_DATA_HOME is to be ignored, as is an empty variable.
    EXPECT_EQ(programPaths(from({{"XDG_DATA_HOME", "rel"}, {"CLAVORA_HOME", ""}, {"HOME", "/h"}}),
                           exe, "../share/clavora")
                  .programDirectory,
              "/h/.local/share/clavora");
}

TEST(ProgramPaths, ShippedFilesComeFromTheInstalledDataFolderElseBesideTheExecutable) {
    const TemporaryDirectory prefix;
    prefix.write("bin/clavora", "");
    EXPECT_EQ(programPaths(from({}), prefix / "bin/clavora", "../share/clavora").shippedDirectory,
              prefix / "bin") << "a build tree";
    prefix.write("share/clavora/Clavora.html", "<html/>");
    EXPECT_EQ(programPaths(from({}), prefix / "bin/clavora", "../share/clavora").shippedDirectory,
              prefix / "share/clavora");
}

TEST(ProgramPaths, PreparingMakesTheFolderWithItsTextsAndSaysWhyItCannot) {
    const TemporaryDirectory home;
    EXPECT_EQ(prepareProgramDirectory(home / "a/b/clavora"), "");
    EXPECT_TRUE(std::filesystem::is_directory(home / "a/b/clavora/Texts"));
    home.write("file", "x");
    EXPECT_NE(prepareProgramDirectory(home / "file/clavora"), "");
}

} // namespace
