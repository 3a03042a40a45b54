#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>

namespace {

struct Picture {
    std::string_view name;
    std::string_view viewBox;
};

constexpr Picture kPictures[] = {
    {"clavora_logo.svg", "0 0 172 100"}, {"about.svg", "0 0 96 96"},
    {"finger_gym_1.svg", "0 0 140 140"}, {"finger_gym_2.svg", "0 0 140 140"},
    {"finger_gym_3.svg", "0 0 140 140"}, {"finger_gym_4.svg", "0 0 140 140"},
    {"finger_gym_5.svg", "0 0 140 140"},
};

std::string readAsset(std::string_view name) {
    const auto path = std::filesystem::path(CLAVORA_ASSETS) / name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(ShippedPictures, AreSvgDocumentsWithTheirSize) {
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const std::string svg = readAsset(picture.name);

        EXPECT_TRUE(svg.starts_with("<svg ")) << svg.substr(0, 40);
        const auto openTagEnd = svg.find('>');
        ASSERT_NE(openTagEnd, std::string::npos);
        const std::string openTag = svg.substr(0, openTagEnd);
        EXPECT_NE(openTag.find("viewBox=\"" + std::string(picture.viewBox) + "\""),
                  std::string::npos)
            << openTag;
        EXPECT_NE(svg.rfind("</svg>"), std::string::npos);
    }
}

// The program draws them without a network and without scripts; references
// may only point inside the picture.
TEST(ShippedPictures, NeedNothingFromOutside) {
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const std::string svg = readAsset(picture.name);

        EXPECT_EQ(svg.find("<script"), std::string::npos);
        EXPECT_EQ(svg.find("<image"), std::string::npos);
        for (auto pos = svg.find("href=\""); pos != std::string::npos;
             pos = svg.find("href=\"", pos + 1)) {
            EXPECT_EQ(svg.compare(pos + 6, 1, "#"), 0) << svg.substr(pos, 40);
        }
    }
}

} // namespace

#include "files/shipped_file.h"
#include "temporary_directory.h"

namespace {

TEST(ShippedFiles, TheProgramDirectorysOwnCopyWinsOverTheInstalledOne) {
    const TemporaryDirectory own;
    const TemporaryDirectory installed;
    installed.write("Error.wav", "installed");
    EXPECT_EQ(files::shippedFile(own.path(), installed.path(), "Error.wav"),
              installed / "Error.wav");
    own.write("Error.wav", "own");
    EXPECT_EQ(files::shippedFile(own.path(), installed.path(), "Error.wav"), own / "Error.wav");
    // Missing everywhere: the name a learner would look for.
    EXPECT_EQ(files::shippedFile(own.path(), installed.path(), "Clavora.html"),
              own / "Clavora.html");
    EXPECT_EQ(files::shippedFile(own.path(), {}, "Error.wav"), own / "Error.wav");
}

} // namespace
