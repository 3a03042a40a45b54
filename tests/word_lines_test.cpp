#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "exercises/zeilenziehung.h"
#include "keyboard/zeichenfolge.h"

#include <array>
#include <bitset>
#include <gtest/gtest.h>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using CharacterSet = std::bitset<256>;

constexpr std::string_view kAlwaysAllowed = ",.:;? ";

std::array<std::uint8_t, kZeichenAnzahl> teachingOrder(std::uint8_t tastaturcode) {
    auto folge = keyboard::deutscheZeichenfolge();
    keyboard::zeichenfolgeSetzen(folge, tastaturcode);
    return folge;
}

CharacterSet entries(const std::array<std::uint8_t, kZeichenAnzahl>& folge, std::size_t from,
                     std::size_t to) {
    CharacterSet set;
    for (std::size_t i = from; i <= to; ++i) {
        set.set(folge[i]);
    }
    return set;
}

// The characters one teaching order has brought by a lesson, and those the
// lesson itself brings.
struct LessonCharacters {
    CharacterSet known;
    CharacterSet fresh;
};

LessonCharacters lessonCharacters(std::uint8_t tastaturcode, int nummer) {
    const auto folge = teachingOrder(tastaturcode);
    const std::size_t top = course::lektion(nummer).zeichenvorrat;
    const std::size_t firstNew = nummer == 1 ? 0 : course::lektion(nummer - 1).zeichenvorrat + 1u;
    LessonCharacters result{entries(folge, 0, top), entries(folge, firstNew, top)};
    for (const char c : kAlwaysAllowed) {
        result.known.set(static_cast<unsigned char>(c));
    }
    return result;
}

bool fitsOnly(std::string_view line, const CharacterSet& set) {
    for (const char c : line) {
        if (!set.test(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool holdsAny(std::string_view line, const CharacterSet& set) {
    for (const char c : line) {
        if (set.test(static_cast<unsigned char>(c))) {
            return true;
        }
    }
    return false;
}

// The draw's own filter: the English keyboards drop umlaut, section and
// pound lines alike.
bool passesEnglishFilters(std::string_view line) {
    return !exercises::vomLayoutAbgelehnt(keyboard::USA, line) &&
           !exercises::vomLayoutAbgelehnt(keyboard::UK, line);
}

std::size_t firstLine(int nummer) {
    return course::lektion(nummer).lektionsanfangszeile;
}

std::vector<std::size_t> linesOf(int nummer) {
    std::vector<std::size_t> result;
    for (std::size_t z = firstLine(nummer); z <= course::obergrenzezeile(nummer); ++z) {
        result.push_back(z);
    }
    return result;
}

// The Swiss order counts too: its lines may hold the é, è and à it teaches.
constexpr std::array<std::uint8_t, 4> kOrders = {keyboard::Deutsch, keyboard::Schweiz,
                                                 keyboard::USA, keyboard::UK};

} // namespace

TEST(WordLines, TellingRowsStandAtTheirNumbersByteForByte) {
    const std::vector<std::pair<std::size_t, std::string_view>> rows = {
        {0, "asdf jkl; ;lkj fdsa asdf jkl; ;lkj fdsa asdf jkl; ;lkj asdf asdf jkl;"},
        {3, "add add add add add add add add add add add add add add add add add add"},
        {10, "dj dj dj dj dj dj dj dj; ad ad ad ad ad ad ad; dj dj dj dj dj dj dj"},
        {11, "has has has has has has has has has has has has has has has has has has"},
        {17, "gh gh gh gh; hg hg hg hg hg hg hg; gh gh gh gh gh gh gh gh gh"},
        {18, "fish fish fish dish dish dish sea sea sea sea sea sea"},
        {34, "if if if if if if if if if if if if if hi hi hi hi hi hi"},
        {41, "eagle, eagle, eagle, eagle, eagle, eagle, if, if, if, if, if, if, if"},
        {45, "as is, as is, as is, as is, as is, as is, as is, as is, as is"},
        {56, "dress dress dress dress dress; dark dark dark dark dark dark dark"},
        {80, "large large large large"},
        {84, "...well..., show, show, show, show, show, show, show, show"},
        {86, "gold gold gold; go for gold, go for gold, go for gold, go for gold."},
        {119, "pressure pressure pressure pressure equal equal equal equal"},
        {122, "quake quake quake quake quake quake quake quake quake quake quake"},
        {141, "She works hard. He is poor. She is wild. He is proud."},
        {143, "USA USA USA USA USA USA USA USA USA USA USA USA USA USA"},
        {159, "The streets were totally deserted. It is too hot."},
        {183, "How do you feel? What do you like? Do you like the story?"},
    };
    for (const auto& [nummer, text] : rows) {
        EXPECT_EQ(course::wortzeile(nummer), text) << "line " << nummer;
    }
}

TEST(WordLines, EachLessonOwnsItsAgreedNumberOfLinesAndLessonSixteenTheRest) {
    const std::array<std::size_t, 15> counts = {11, 7,  23, 15, 25, 37, 23, 9,
                                                55, 38, 62, 56, 32, 24, 34};
    std::size_t next = 0;
    for (int nummer = 1; nummer <= 15; ++nummer) {
        EXPECT_EQ(firstLine(nummer), next) << "lesson " << nummer;
        EXPECT_EQ(linesOf(nummer).size(), counts[static_cast<std::size_t>(nummer - 1)])
            << "lesson " << nummer;
        next += counts[static_cast<std::size_t>(nummer - 1)];
    }
    EXPECT_EQ(next, 451u);
    EXPECT_EQ(firstLine(16), 451u);
    EXPECT_GE(course::wortzeilenAnzahl() - 451, 60u);
}

TEST(WordLines, LinesAreTwentyFourToSeventyFiveLongAndLineEightyIsTheOnlyShorterOne) {
    for (std::size_t z = 0; z < course::wortzeilenAnzahl(); ++z) {
        const auto line = course::wortzeile(z);
        EXPECT_LE(line.size(), 75u) << "line " << z;
        if (z == 80) {
            EXPECT_EQ(line.size(), 23u);
        } else {
            EXPECT_GE(line.size(), 24u) << "line " << z << ": " << line;
        }
    }
}

TEST(WordLines, WordsAreSeparatedBySingleBlanksWithoutControlCharacters) {
    for (std::size_t z = 0; z < course::wortzeilenAnzahl(); ++z) {
        const auto line = course::wortzeile(z);
        ASSERT_FALSE(line.empty()) << "line " << z;
        EXPECT_NE(line.front(), ' ') << "line " << z;
        EXPECT_NE(line.back(), ' ') << "line " << z;
        EXPECT_EQ(line.find("  "), std::string_view::npos) << "line " << z << ": " << line;
        for (const char c : line) {
            EXPECT_GE(static_cast<unsigned char>(c), 32u) << "line " << z;
        }
    }
}

TEST(WordLines, EveryLineUsesOnlyCharactersItsLessonKnowsInOneLayoutsOrder) {
    for (int nummer = 1; nummer <= course::kLektionen; ++nummer) {
        for (const auto z : linesOf(nummer)) {
            const auto line = course::wortzeile(z);
            bool fits = false;
            for (const auto order : kOrders) {
                fits = fits || fitsOnly(line, lessonCharacters(order, nummer).known);
            }
            EXPECT_TRUE(fits) << "lesson " << nummer << ", line " << z << ": " << line;
        }
    }
}

TEST(WordLines, EveryLineFromLessonTwoOnHoldsANewCharacterOfTheOrderItFits) {
    for (int nummer = 2; nummer <= course::kLektionen; ++nummer) {
        for (const auto z : linesOf(nummer)) {
            const auto line = course::wortzeile(z);
            bool stressed = false;
            for (const auto order : kOrders) {
                const auto characters = lessonCharacters(order, nummer);
                stressed = stressed ||
                           (fitsOnly(line, characters.known) && holdsAny(line, characters.fresh));
            }
            EXPECT_TRUE(stressed) << "lesson " << nummer << ", line " << z << ": " << line;
        }
    }
}

TEST(WordLines, AtLeastHalfOfEveryLessonSurvivesTheAmericanAndUkFilters) {
    for (int nummer = 1; nummer <= course::kLektionen; ++nummer) {
        const auto lines = linesOf(nummer);
        std::size_t kept = 0;
        for (const auto z : lines) {
            kept += passesEnglishFilters(course::wortzeile(z)) ? 1 : 0;
        }
        EXPECT_GE(2 * kept, lines.size()) << "lesson " << nummer;
    }
}

TEST(WordLines, ObergrenzezeileEndsEachLessonBeforeTheNextAndTheLastAtTheTableEnd) {
    const auto last = course::wortzeilenAnzahl() - 1;
    EXPECT_EQ(course::obergrenzezeile(1), 10);
    EXPECT_EQ(course::obergrenzezeile(8), 149);
    EXPECT_EQ(course::obergrenzezeile(15), 450);
    EXPECT_EQ(course::obergrenzezeile(16), last);
    EXPECT_EQ(course::obergrenzezeile(0), 10);
    EXPECT_EQ(course::obergrenzezeile(17), last);
}

TEST(WordLines, LektionDerZeileNamesTheLessonWhoseRangeHoldsTheLine) {
    const auto last = course::wortzeilenAnzahl() - 1;
    const std::vector<std::pair<std::size_t, int>> cases = {
        {0, 1},   {10, 1},   {11, 2},   {40, 3},   {41, 4},
        {204, 9}, {205, 10}, {450, 15}, {451, 16}, {last, 16}};
    for (const auto& [zeile, nummer] : cases) {
        EXPECT_EQ(course::lektionDerZeile(zeile), nummer) << "line " << zeile;
    }
    for (int nummer = 1; nummer <= course::kLektionen; ++nummer) {
        EXPECT_EQ(course::lektionDerZeile(firstLine(nummer)), nummer);
        EXPECT_EQ(course::lektionDerZeile(course::obergrenzezeile(nummer)), nummer);
    }
}

TEST(WordLines, ALineNumberPastTheTableGivesAnEmptyLine) {
    EXPECT_FALSE(course::wortzeile(course::wortzeilenAnzahl() - 1).empty());
    EXPECT_TRUE(course::wortzeile(course::wortzeilenAnzahl()).empty());
}
