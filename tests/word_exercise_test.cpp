#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "exercises/zeilenziehung.h"
#include "program_fixture.h"

#include <set>

namespace {

class WordExercise : public ProgramTest {
public:
    void startWordExercise(int lektion) {
        s().lektion = static_cast<std::uint8_t>(lektion);
        s().lektionsteil = 1;
        click(f().BitBtn2);
        key('x'); // the starting keystroke is not judged
    }
    std::string_view line() { return course::wortzeile(s().wortzeile); }
    std::uint8_t wordExpected() {
        return static_cast<std::uint8_t>(line()[s().wortzeichenposition - 1]);
    }
    std::uint8_t wordWrong() { return wordExpected() == '#' ? '$' : '#'; }
    // Types the rest of the current line right; returns the next line's number.
    int finishLine() {
        const auto current = s().wortzeile;
        for (int guard = 0; guard < 200 && s().wortzeile == current; ++guard) {
            key(wordExpected());
        }
        return s().wortzeile;
    }
};

} // namespace

TEST_F(WordExercise, StartPromptThenTheFirstLineWithItsFirstCharacterSelected) {
    s().lektion = 2;
    s().lektionsteil = 1;
    click(f().BitBtn2);
    EXPECT_EQ(f().Edit2.text(), " S T A R T the word-exercise lesson 2 with any key!");
    EXPECT_EQ(f().GroupBox12.caption(), "Word-exercise lesson 2");
    key('q');
    EXPECT_EQ(f().Edit2.text(), std::string(line()));
    EXPECT_EQ(f().Edit2.selStart(), 0);
    EXPECT_EQ(f().Edit2.selLength(), 1);
    EXPECT_EQ(s().wortzeichenposition, 1);
    EXPECT_EQ(s().anschlaegeText, 1);
    EXPECT_EQ(s().fehlerText, 0);
    EXPECT_TRUE(f().Button20.enabled());
}

TEST_F(WordExercise, RightKeystrokesMoveTheHighlightAlongTheLine) {
    startWordExercise(3);
    key(wordExpected());
    EXPECT_EQ(s().wortzeichenposition, 2);
    EXPECT_EQ(f().Edit2.selStart(), 1);
    key(wordExpected());
    EXPECT_EQ(f().Edit2.selStart(), 2);
    EXPECT_EQ(s().tastenzeichen, wordExpected());
}

TEST_F(WordExercise, UnderForceAWrongLastCharacterKeepsTheLine) {
    startWordExercise(3);
    const auto first = s().wortzeile;
    while (s().wortzeichenposition < s().zeilenlaenge) {
        key(wordExpected());
    }
    key(wordWrong());
    key(wordWrong());
    EXPECT_EQ(s().wortzeile, first);
    EXPECT_EQ(s().fehlerText, 1);
    EXPECT_EQ(f().Edit2.selStart(), s().zeilenlaenge - 1);
    key(wordExpected());
    EXPECT_NE(s().wortzeile, first);
    EXPECT_EQ(s().wortzeichenposition, 1);
    EXPECT_EQ(f().Edit2.selStart(), 0);
}

TEST_F(WordExercise, CountOnlyEndsTheLineAfterAsManyKeystrokesAsCharacters) {
    s().korrekturerzwingen = false;
    startWordExercise(3);
    const auto first = s().wortzeile;
    const int length = s().zeilenlaenge;
    for (int i = 0; i < length - 1; ++i) {
        key('#');
        ASSERT_EQ(s().wortzeile, first);
    }
    key('#');
    EXPECT_NE(s().wortzeile, first);
    EXPECT_EQ(s().fehlerText, length);
}

TEST_F(WordExercise, UnderForceAWrongSecondKeystrokeNeverLowersTheCountBelowOne) {
    startWordExercise(3);
    key(wordWrong());
    EXPECT_EQ(s().anschlaegeText, 2) << "the count stays at 1 before this keystroke is added";
    key(wordWrong());
    key(wordWrong());
    EXPECT_EQ(s().anschlaegeText, 2) << "later wrong keystrokes add nothing";
    EXPECT_EQ(s().fehlerText, 1);
}

TEST_F(WordExercise, CapitalsCountTwice) {
    startWordExercise(9);
    int checked = 0;
    for (int i = 0; i < 600 && checked < 5; ++i) {
        const auto c = wordExpected();
        const auto before = s().anschlaegeText;
        key(c);
        if (c >= 'A' && c <= 'Z') {
            EXPECT_EQ(s().anschlaegeText, before + 2);
            ++checked;
        } else if (c >= 'a' && c <= 'z') {
            EXPECT_EQ(s().anschlaegeText, before + 1);
        }
    }
    EXPECT_EQ(checked, 5);
}

TEST_F(WordExercise, LinesComeFromTheLessonAndNeverFollowThemselves) {
    struct Range {
        int lektion;
        int lowest;
        int highest;
    };
    for (const Range r : {Range{1, 1, 9}, Range{5, 42, 79},
                          Range{16, 418, static_cast<int>(course::wortzeilenAnzahl()) - 2}}) {
        click(f().Button21);
        startWordExercise(r.lektion);
        EXPECT_GT(s().wortzeile, course::lektion(r.lektion).lektionsanfangszeile);
        std::set<int> seen;
        int previous = s().wortzeile;
        for (int i = 0; i < 300; ++i) {
            const int next = finishLine();
            ASSERT_NE(next, previous);
            ASSERT_GE(next, r.lowest) << "lesson " << r.lektion;
            ASSERT_LE(next, r.highest) << "lesson " << r.lektion;
            seen.insert(next);
            previous = next;
        }
        EXPECT_GT(seen.size(), 5U);
    }
}

TEST_F(WordExercise, RepetitionNoticeNamesTheLessonOfTheLine) {
    startWordExercise(5);
    for (int i = 0; i < 200; ++i) {
        finishLine();
        if (s().wortzeile < 56) {
            EXPECT_EQ(f().Label12.caption(), "Repetition from lesson 4") << s().wortzeile;
        } else {
            EXPECT_EQ(f().Label12.caption(), "");
        }
    }
}

TEST_F(WordExercise, LayoutFilterKeepsUmlautLinesFromEnglishKeyboards) {
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(2, "gr\xFCn"));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(3, "\xC4rger"));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(0, "gro\xDF"));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(1, "gro\xDF"));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(1, "gr\xFCn"));
    startWordExercise(15);
    for (int i = 0; i < 100; ++i) {
        ASSERT_FALSE(exercises::vomLayoutAbgelehnt(3, line())) << line();
        finishLine();
    }
}

// The filter knows every key of the layout, not just the umlauts: the section
// sign, the pound sign, the at sign, the brackets and the accented letters of
// one keyboard are dropped on the others.
TEST(LayoutFilter, DropsALineWithAnyCharacterTheKeyboardHasNoKeyFor) {
    const std::string_view section = "See \xA7 12.";
    const std::string_view pound = "It costs \xA3"
                                   "12.";
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(0, section));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(1, section));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(2, section));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(3, section));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(0, pound));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(1, pound));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(2, pound));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(3, pound));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(0, "mail@home [x"));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(2, "mail@home [x {y"));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(0, "voil\xE0"));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(1, "voil\xE0 Gen\xE8ve caf\xE9"));
    EXPECT_TRUE(exercises::vomLayoutAbgelehnt(1, "\xDC"
                                                 "bung"));
    EXPECT_FALSE(exercises::vomLayoutAbgelehnt(0, "\xDC"
                                                  "bung 1 = 1; (2) / 3 * 4 ? ^ _ ' #"));
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        EXPECT_FALSE(exercises::vomLayoutAbgelehnt(layout, "Abc, xyz. 1234567890! %&()"));
        EXPECT_TRUE(exercises::vomLayoutAbgelehnt(layout, "5 \x80 (euro)"));
    }
}

TEST_F(WordExercise, KeystrokeDuringPauseShowsTheStartPromptAgain) {
    startWordExercise(3);
    key(wordExpected());
    key(wordExpected());
    click(f().Button20);
    key('a');
    EXPECT_EQ(s().wortzeichenposition, 1);
    EXPECT_EQ(f().Edit2.text(), " S T A R T the word-exercise lesson 3 with any key!");
    click(f().Button20);
    key(line()[0]);
    EXPECT_EQ(s().wortzeichenposition, 2);
    EXPECT_EQ(f().Edit2.text(), std::string(line()));
}

TEST_F(WordExercise, SettingsToggleExcludesTheOpenTime) {
    startWordExercise(3);
    tick(8);
    click(f().Button8);
    EXPECT_EQ(s().anzeigestatus, Anzeige::KeineMessung);
    EXPECT_EQ(f().Button8.caption(), "Go on!");
    EXPECT_EQ(f().Einstellungen1.caption(), "Go on!");
    EXPECT_FALSE(f().Button20.enabled());
    tick(20);
    click(f().Button8);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_TRUE(f().Button20.enabled());
    EXPECT_EQ(s().pausensekunden, 5);
}

TEST_F(WordExercise, CompletingALetterExerciseHandsItsKeystrokeToTheWordExercise) {
    s().wunschanschlaege = 0;
    s().wunschfehlerquote = 100;
    startLetterExercise();
    key('a');
    while (s().lektionsteil == 0) {
        key(expected());
    }
    EXPECT_TRUE(s().wortuebungaktiv);
    EXPECT_EQ(s().anschlaegeText, 1);
    EXPECT_EQ(f().Edit2.text(), std::string(line()));
    EXPECT_EQ(f().Edit2.selStart(), 0);
}

TEST_F(WordExercise, CompletionGivesTheVerdictAndPreparesTheNextLesson) {
    installSounds();
    s().wunschanschlaege = 0;
    s().wunschfehlerquote = 100;
    startWordExercise(2);
    for (int i = 0; i < 3000 && s().lektionsteil == 1; ++i) {
        key(wordExpected());
    }
    EXPECT_EQ(s().lektion, 3);
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_TRUE(s().wortuebungbestanden[2]);
    EXPECT_TRUE(f().Panel66.showing());
    EXPECT_EQ(f().BitBtn3.caption(), "&Start with lesson 3");
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].caption, "Congratulations!");
    EXPECT_EQ(boxes[0].text.rfind("Great!\r\rYou haven't made any mistake", 0), 0U);
    EXPECT_EQ(boxes[1].text, "Here you can see what's still to\rimprove.\r\rGo on!");
    EXPECT_EQ(f().StringGrid1.cells()[1][2], "---")
        << "the letter exercise of lesson 2 was not passed";
}

TEST_F(WordExercise, LessonSixteenEndsWithItsOwnMessageAndStartsAgain) {
    s().wunschanschlaege = 0;
    s().wunschfehlerquote = 100;
    s().korrekturerzwingen = false;
    startWordExercise(16);
    for (int i = 0; i < 20000 && s().lektionsteil == 1; ++i) {
        key(wordExpected());
    }
    EXPECT_EQ(s().lektion, 16);
    EXPECT_EQ(s().lektionsteil, 0);
    const auto boxes = platform_.messages.take();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].text.rfind("Great!\r\rYou have completed every 16 lessons", 0), 0U);
}

TEST_F(WordExercise, RepetitionRestoresLessonAndPartWhenItEnds) {
    s().lektion = 9;
    s().lektionsteil = 0;
    s().wiederholungslektion = 3;
    s().wiederholungsteil = 1;
    s().wunschanschlaege = 0;
    s().wunschfehlerquote = 100;
    click(f().BitBtn1);
    EXPECT_TRUE(s().wiederholungaktiv);
    EXPECT_EQ(s().lektion, 3);
    EXPECT_EQ(f().GroupBox12.caption(), "Repetition Word-exercise lesson 3");
    key('x');
    for (int i = 0; i < 3000 && s().wiederholungaktiv; ++i) {
        key(wordExpected());
    }
    EXPECT_FALSE(s().wiederholungaktiv);
    EXPECT_EQ(s().lektion, 9);
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_TRUE(f().GroupBox3.showing());
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "End of the repetition!");
}

TEST_F(WordExercise, ExaminationEarnsNothingCountsDownAndEnds) {
    s().lektion = 4;
    f().ScrollBar3.setPosition(2);
    f().ScrollBar3.onChange();
    click(f().BitBtn9);
    EXPECT_TRUE(s().zeittest);
    EXPECT_EQ(f().GroupBox12.caption(), "Examination lesson 4");
    EXPECT_EQ(f().Edit2.text(), " S T A R T examination (2 min) lesson 4 with any key!");
    EXPECT_FALSE(f().Label60.visible());
    key('x');
    EXPECT_FALSE(f().Timer2.enabled());
    key(wordExpected());
    EXPECT_TRUE(f().Timer2.enabled());
    tick(8);
    for (int i = 0; i < 100; ++i) {
        key(wordExpected());
    }
    EXPECT_EQ(s().lernfortschritt, 0.0);
    f().Timer2.onTimer();
    EXPECT_EQ(f().Label97.caption(), "1 min");
    f().Timer2.onTimer();
    tick();
    EXPECT_FALSE(s().zeittest);
    closeResults();
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_TRUE(f().GroupBox3.showing());
}

TEST_F(WordExercise, ChoosersEncodeLessonAndPart) {
    f().ScrollBar1.setPosition(29);
    f().ScrollBar1.onChange();
    EXPECT_EQ(s().lektion, 15);
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_EQ(f().Edit4.text(), "15 L");
    f().ScrollBar1.setPosition(30);
    f().ScrollBar1.onChange();
    EXPECT_EQ(f().Edit4.text(), "15 W");
    f().ScrollBar2.setPosition(31);
    f().ScrollBar2.onChange();
    EXPECT_EQ(f().ScrollBar2.position(), 30) << "no further than the lesson reached";
    f().ScrollBar1.setPosition(28);
    f().ScrollBar1.onChange();
    f().ScrollBar2.setPosition(27);
    s().tastaturcode = 2;
    f().ScrollBar2.onChange();
    EXPECT_EQ(f().Label21.caption(), "z Z / ?");
    EXPECT_EQ(f().Edit5.text(), "14 L");
    EXPECT_EQ(s().wiederholungslektion, 14);
}
