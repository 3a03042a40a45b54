#include "course/lektionskatalog.h"

#include <algorithm>
#include <array>

namespace course {
namespace {

constexpr std::array<Lektion, kLektionen> kKatalog = {{
    {8, 9, 0, 0},
    {10, 2, 11, 0},
    {12, 2, 18, 11},
    {14, 2, 41, 18},
    {16, 2, 56, 41},
    {19, 3, 81, 56},
    {21, 2, 118, 81},
    {39, 18, 141, 118},
    {43, 4, 150, 141},
    {47, 4, 205, 150},
    {51, 4, 243, 205},
    {54, 3, 305, 243},
    {57, 4, 361, 305},
    {61, 4, 393, 361},
    {65, 4, 417, 393},
    {86, 60, 451, 417},
}};

// Titles for the German and Swiss family, then the American and UK family.
constexpr std::array<const char*, kLektionen> kTitelDeutsch = {"a s d f  j k l \xF6 + space",
                                                               "g h",
                                                               "e i",
                                                               "Enter comma",
                                                               "r u",
                                                               "w o point (.)",
                                                               "q p",
                                                               "Capital letters",
                                                               "t T z Z",
                                                               "v V m M",
                                                               "b B n N",
                                                               "c C ;",
                                                               "x X :",
                                                               "y Y - _",
                                                               "\xE4 \xC4 \xFC \xDC",
                                                               "The supreme button row"};
constexpr std::array<const char*, kLektionen> kTitelEnglisch = {"a s d f  j k l ; + Leertaste",
                                                                "g h",
                                                                "e i",
                                                                "Enter comma",
                                                                "r u",
                                                                "w o point (.)",
                                                                "q p",
                                                                "Capital letters",
                                                                "t T y Y",
                                                                "v V m M",
                                                                "b B n N",
                                                                "c C <",
                                                                "x X >",
                                                                "z Z / ?",
                                                                "' \" [ {",
                                                                "The supreme button row"};
constexpr const char* kTitel15Schweiz = "\xE4 \xE0 \xFC \xE8";

int index(int nummer) {
    return std::clamp(nummer, 1, kLektionen) - 1;
}

} // namespace

const Lektion& lektion(int nummer) {
    return kKatalog[static_cast<std::size_t>(index(nummer))];
}

std::string lektionstitel(int nummer, int tastaturcode) {
    const auto i = static_cast<std::size_t>(index(nummer));
    if (i == 14 && tastaturcode == 1) {
        return kTitel15Schweiz;
    }
    return tastaturcode > 1 ? kTitelEnglisch[i] : kTitelDeutsch[i];
}

} // namespace course
