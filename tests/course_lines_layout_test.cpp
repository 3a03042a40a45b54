#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "exercises/zeilenziehung.h"
#include "keyboard/leuchttabelle.h"
#include "keyboard/zeichenfolge.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

// The built-in word lines as each keyboard meets them: which lines the draw
// may give, whether a lesson's lines practise the keys that lesson brings on
// that keyboard, and how many lines reach ahead of the keyboard's teaching order.
namespace {

using CharacterSet = std::bitset<256>;

constexpr std::array<const char*, 4> kLayoutNames = {"German", "Swiss", "American", "UK"};
constexpr std::uint8_t kEnter = 13;

bool holds(std::string_view line, std::uint8_t character) {
    return line.find(static_cast<char>(character)) != std::string_view::npos;
}

bool typeable(std::uint8_t layout, std::string_view line) {
    return !exercises::vomLayoutAbgelehnt(layout, line);
}

// The new keys of a lesson in one layout's teaching order (Enter is a key no
// word line holds), and every character taught by then.
struct LessonKeys {
    std::vector<std::uint8_t> fresh;
    CharacterSet known;
};

LessonKeys lessonKeys(std::uint8_t layout, int lesson) {
    auto order = keyboard::deutscheZeichenfolge();
    keyboard::zeichenfolgeSetzen(order, layout);
    const std::size_t top = course::lektion(lesson).zeichenvorrat;
    const std::size_t firstNew = lesson == 1 ? 0 : course::lektion(lesson - 1).zeichenvorrat + 1u;
    LessonKeys keys;
    for (std::size_t i = 0; i <= top; ++i) {
        keys.known.set(order[i]);
        if (i >= firstNew && order[i] != kEnter) {
            keys.fresh.push_back(order[i]);
        }
    }
    return keys;
}

struct LessonFigures {
    int drawable = 0;        // lines the draw may give in the lesson on this layout
    int ownTypeable = 0;     // own lines this layout can type
    int ownWithNewKey = 0;   // of those, lines holding a new key of the lesson
    int weakestKeyLines = 0; // drawable lines holding the least practised new key
    std::uint8_t weakestKey = 0;
    int reachingAhead = 0; // own typeable lines using a key this order has not taught yet
    int longestLine = 0;
};

LessonFigures figures(std::uint8_t layout, int lesson) {
    const auto keys = lessonKeys(layout, lesson);
    const std::size_t first = course::lektion(lesson).lektionsanfangszeile;
    const std::size_t lower = course::lektion(lesson).untergrenzezeile;
    const std::size_t last = course::obergrenzezeile(lesson);
    LessonFigures result;
    std::vector<int> linesPerKey(keys.fresh.size(), 0);
    for (std::size_t z = lower + 1; z < last; ++z) {
        const auto line = course::wortzeile(z);
        if (!typeable(layout, line)) {
            continue;
        }
        ++result.drawable;
        for (std::size_t k = 0; k < keys.fresh.size(); ++k) {
            linesPerKey[k] += holds(line, keys.fresh[k]) ? 1 : 0;
        }
    }
    for (std::size_t z = first; z <= last; ++z) {
        const auto line = course::wortzeile(z);
        result.longestLine = std::max(result.longestLine, static_cast<int>(line.size()));
        if (!typeable(layout, line)) {
            continue;
        }
        ++result.ownTypeable;
        bool fresh = false;
        bool ahead = false;
        for (const char c : line) {
            const auto byte = static_cast<std::uint8_t>(c);
            fresh =
                fresh || std::find(keys.fresh.begin(), keys.fresh.end(), byte) != keys.fresh.end();
            ahead = ahead || !keys.known.test(byte);
        }
        result.ownWithNewKey += fresh ? 1 : 0;
        result.reachingAhead += ahead ? 1 : 0;
    }
    result.weakestKeyLines = 1 << 20;
    for (std::size_t k = 0; k < keys.fresh.size(); ++k) {
        if (linesPerKey[k] < result.weakestKeyLines) {
            result.weakestKeyLines = linesPerKey[k];
            result.weakestKey = keys.fresh[k];
        }
    }
    return result;
}

int percent(int part, int whole) {
    return whole == 0 ? 0 : 100 * part / whole;
}

// Lesson 1 owns exactly the nine lines it draws from, and the English layouts
// need every one of them; a line with ö would starve them, so the German and
// Swiss ö is practised from lesson 2 on.
bool exempt(std::uint8_t layout, int lesson, std::uint8_t key) {
    return lesson == 1 && layout <= keyboard::Schweiz && key == 0xF6;
}

// UTF-8 for the printed table; the keys are Windows-1252 bytes, whose upper
// half is Latin-1 for every key a layout teaches.
std::string keyName(std::uint8_t key) {
    if (key == ' ') {
        return "space";
    }
    if (key < 0x80) {
        return std::string(1, static_cast<char>(key));
    }
    return {static_cast<char>(0xC0 | (key >> 6)), static_cast<char>(0x80 | (key & 0x3F))};
}

} // namespace

TEST(CourseLinesByLayout, EveryLessonKeepsNineDrawableLinesOnEveryLayout) {
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        for (int lesson = 1; lesson <= course::kLektionen; ++lesson) {
            EXPECT_GE(figures(layout, lesson).drawable, 9)
                << kLayoutNames[layout] << ", lesson " << lesson;
        }
    }
}

TEST(CourseLinesByLayout, EveryDrawableLineIsTypedWithKeysOfItsLayout) {
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        for (int lesson = 1; lesson <= course::kLektionen; ++lesson) {
            const auto& l = course::lektion(lesson);
            for (std::size_t z = l.untergrenzezeile + 1u; z < course::obergrenzezeile(lesson);
                 ++z) {
                const auto line = course::wortzeile(z);
                if (!typeable(layout, line)) {
                    continue;
                }
                for (const char c : line) {
                    EXPECT_TRUE(keyboard::erzeugbar(layout, static_cast<std::uint8_t>(c)))
                        << kLayoutNames[layout] << ", line " << z << ": " << line;
                }
            }
        }
    }
}

TEST(CourseLinesByLayout, LessonsTenToSixteenStressTheirNewKeysOnEveryLayout) {
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        for (int lesson = 10; lesson <= course::kLektionen; ++lesson) {
            const auto f = figures(layout, lesson);
            EXPECT_GE(100 * f.ownWithNewKey, 60 * f.ownTypeable)
                << kLayoutNames[layout] << ", lesson " << lesson << ": " << f.ownWithNewKey
                << " of " << f.ownTypeable;
        }
    }
}

TEST(CourseLinesByLayout, EveryNewKeyOfALessonIsInTwoOfItsDrawableLinesOnEveryLayout) {
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        for (int lesson = 1; lesson <= course::kLektionen; ++lesson) {
            const auto keys = lessonKeys(layout, lesson);
            const auto& l = course::lektion(lesson);
            for (const auto key : keys.fresh) {
                int lines = 0;
                for (std::size_t z = l.untergrenzezeile + 1u; z < course::obergrenzezeile(lesson);
                     ++z) {
                    const auto line = course::wortzeile(z);
                    lines += typeable(layout, line) && holds(line, key) ? 1 : 0;
                }
                if (exempt(layout, lesson, key)) {
                    EXPECT_EQ(lines, 0) << "lesson 1 keeps its nine lines for every layout";
                    continue;
                }
                EXPECT_GE(lines, 2)
                    << kLayoutNames[layout] << ", lesson " << lesson << ", key " << keyName(key);
            }
        }
    }
}

TEST(CourseLinesByLayout, ClosingWordsOfTheCourseCanBeDrawnInLessonSixteen) {
    // The last line of the table is never drawn in lesson 16; the line before
    // it closes the course as well, on every layout.
    const auto last = course::wortzeilenAnzahl() - 1;
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        EXPECT_TRUE(typeable(layout, course::wortzeile(last - 1))) << kLayoutNames[layout];
    }
    EXPECT_NE(course::wortzeile(last - 1).find("end of the course"), std::string_view::npos);
}

// Prints the figures; run clavora_tests --gtest_filter=CourseLinesByLayout.* to see them.
TEST(CourseLinesByLayout, FiguresPerLayoutAndLesson) {
    std::string table =
        "layout   lesson drawable own-typeable with-new-key share weakest-key(lines) "
        "reaching-ahead longest\n";
    int ahead[4] = {};
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        for (int lesson = 1; lesson <= course::kLektionen; ++lesson) {
            const auto f = figures(layout, lesson);
            char row[160];
            // Padded by hand: a letter past ASCII is two bytes in UTF-8.
            const std::string key =
                keyName(f.weakestKey) + "(" + std::to_string(f.weakestKeyLines) + ")";
            const int width = 18 + (f.weakestKey >= 0x80 ? 1 : 0);
            std::snprintf(row, sizeof row, "%-8s %6d %8d %12d %12d %4d%% %*s %14d %7d\n",
                          kLayoutNames[layout], lesson, f.drawable, f.ownTypeable, f.ownWithNewKey,
                          percent(f.ownWithNewKey, f.ownTypeable), width, key.c_str(),
                          f.reachingAhead, f.longestLine);
            table += row;
            ahead[layout] += f.reachingAhead;
            EXPECT_LE(f.longestLine, 75);
        }
    }
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        table += std::string(kLayoutNames[layout]) +
                 ": own lines reaching ahead of the order: " + std::to_string(ahead[layout]) + "\n";
    }
    std::fputs(table.c_str(), stdout);
}
