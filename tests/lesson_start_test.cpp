#include "course/lektionskatalog.h"
#include "form/contrast.h"
#include "keyboard/zeichenfolge.h"
#include "program_fixture.h"

#include <set>

namespace {

using LessonStart = ProgramTest;

// A finger line of the note: the finger's hue, dark enough to read.
form::Colour notizfarbe(const form::Tform1& f, form::Colour finger) {
    return form::readableOn(finger, f.Panel66.color(), f.Label38.font().size);
}

class NarrowScreen : public ProgramTest {
public:
    NarrowScreen() : ProgramTest({800, 600, 96}) {}
};

class WideScreen : public ProgramTest {
public:
    WideScreen() : ProgramTest({1600, 1200, 120}) {}
};

} // namespace

TEST_F(LessonStart, StartShowsTheNoteAndArmsTheLetterExercise) {
    click(f().BitBtn2);
    EXPECT_TRUE(f().Panel66.showing());
    EXPECT_TRUE(f().BoxBuchstabenuebung.showing());
    EXPECT_FALSE(f().GroupBox3.visible());
    EXPECT_FALSE(f().Memo1.visible());
    EXPECT_FALSE(s().buchstabenuebungaktiv);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(s().farblektion, 1);
    EXPECT_EQ(s().zeichenvorrat, 8);
    EXPECT_EQ(s().neuezeichen, 9);
    EXPECT_EQ(f().Panel1.caption(), "START");
    EXPECT_EQ(f().BitBtn3.caption(), "&Start with lesson 1");
    EXPECT_EQ(f().Panel67.caption(), "Note text to lesson 1");
    EXPECT_EQ(f().BoxBuchstabenuebung.caption(), "Letter-exercise lesson 1 ");
    EXPECT_FALSE(f().Start1.enabled());
    EXPECT_FALSE(f().Button6.enabled());
    EXPECT_EQ(f().Panel1.font().size, 1024 / 18);

    click(f().BitBtn3);
    EXPECT_FALSE(f().Panel66.visible());
    EXPECT_TRUE(s().buchstabenuebungaktiv);
    EXPECT_TRUE(f().Button6.enabled());
}

TEST_F(LessonStart, LessonOneNoteFollowsTheLayoutFamilyAndFingerColours) {
    s().farbeKleinfinger = form::rgb(9, 9, 9);
    click(f().BitBtn2);
    EXPECT_EQ(f().Label36.caption(), "a s d f j k l ; + space");
    EXPECT_EQ(f().Label45.caption(), ";: right small finger");
    EXPECT_EQ(f().Label45.fontColor(), form::rgb(9, 9, 9));
    EXPECT_EQ(f().Label46.fontColor(), notizfarbe(f(), s().farbeDaumen));
    EXPECT_TRUE(f().Label37.visible());
    EXPECT_TRUE(f().Bevel1.visible());
    EXPECT_EQ(f().Label47.fontColor(), form::rgb(255, 0, 0));
    EXPECT_FALSE(f().Label101.visible());

    click(f().SpeedButton2);
    s().tastaturcode = 0;
    click(f().BitBtn2);
    EXPECT_EQ(f().Label36.caption(), "a s d f  j k l \xF6 + space");
    EXPECT_EQ(f().Label45.caption(), "\xF6: right small finger");
}

TEST_F(LessonStart, WordPartShowsNoNoteButTheWordExercise) {
    s().lektionsteil = 1;
    s().lektion = 3;
    click(f().BitBtn2);
    EXPECT_FALSE(f().Panel66.visible());
    EXPECT_TRUE(f().GroupBox12.showing());
    EXPECT_EQ(f().GroupBox12.caption(), "Word-exercise lesson 3");
    EXPECT_EQ(f().Edit2.text(), " S T A R T the word-exercise lesson 3 with any key!");
    EXPECT_FALSE(f().Button20.enabled());
    EXPECT_TRUE(s().wortuebungaktiv);
}

TEST_F(LessonStart, EveryLessonTakesItsPoolFromTheCatalogue) {
    for (int lektion = 1; lektion <= 16; ++lektion) {
        s().lektion = static_cast<std::uint8_t>(lektion);
        click(f().BitBtn2);
        EXPECT_EQ(s().zeichenvorrat, course::lektion(lektion).zeichenvorrat);
        EXPECT_EQ(s().neuezeichen, course::lektion(lektion).neuezeichen);
        EXPECT_EQ(f().BitBtn3.caption(), "&Start with lesson " + std::to_string(lektion));
        click(f().SpeedButton2);
    }
    EXPECT_EQ(course::lektion(16).zeichenvorrat, 86);
    EXPECT_EQ(course::lektion(16).neuezeichen, 60);
    EXPECT_EQ(course::lektionstitel(14, 2), "z Z / ?");
    EXPECT_EQ(course::lektionstitel(14, 0), "y Y - _");
    EXPECT_EQ(course::lektionstitel(15, 1), "\xE4 \xE0 \xFC \xE8");
}

TEST_F(LessonStart, StartResetsTheCountersOfTheLessonBefore) {
    startLetterExercise();
    typeRight(20);
    key(wrong());
    click(f().Button6);
    startLetterExercise();
    EXPECT_EQ(s().anschlaegeBuchstaben, 0);
    EXPECT_EQ(s().fehlerBuchstaben, 0);
    EXPECT_EQ(s().neuzeichenzaehler, 0);
    EXPECT_EQ(s().lernfortschritt, 0.0);
    EXPECT_EQ(s().fingerBuchstaben[1].anschlaege, 0);
    EXPECT_FALSE(s().letzterfehler);
}

TEST_F(LessonStart, KeyboardSitsHigherOnWiderScreens) {
    click(f().BitBtn2);
    EXPECT_EQ(f().GroupBox5.geometry().top, static_cast<int>(768 / 2.6));
}

TEST_F(NarrowScreen, KeyboardSitsLowerOnNarrowScreens) {
    click(f().BitBtn2);
    EXPECT_EQ(f().GroupBox5.geometry().top, static_cast<int>(600 / 2.7));
}

TEST_F(WideScreen, WideScreenScalesTheWindowAndTheFontsByPixelDensity) {
    EXPECT_EQ(f().width(), 1600);
    EXPECT_EQ(f().BitBtn2.geometry().width, 2 * f().BitBtn2.designGeometry().width);
    click(f().BitBtn2);
    EXPECT_EQ(f().GroupBox5.geometry().top, static_cast<int>(1200 / 2.84));
    EXPECT_EQ(f().Panel1.font().size, static_cast<int>(1600 / 18.0 / 1.25));
}

TEST(StartUp, BeforeSignInTheUkLayoutShowsAndOnlyTheNameBoxIsOpen) {
    platform::fakes::FakePlatform platform;
    const TemporaryDirectory directory;
    Program program(platform.services, directory.path());
    program.init();
    const auto& s = program.state();
    auto& f = program.window();
    EXPECT_EQ(s.tastaturcode, 3);
    EXPECT_EQ(s.farblektion, 17);
    EXPECT_EQ(s.zeichenfolge[7], ';');
    EXPECT_EQ(s.zeichenfolge[65], '@');
    EXPECT_EQ(s.zeichenfolge[68], 0xA3);
    EXPECT_EQ(s.zeichenfolge[13], '\r');
    EXPECT_EQ(s.wiederholungslektion, 1);
    EXPECT_FALSE(s.angemeldet);
    EXPECT_EQ(f.GroupBox5.hint(), "United Kingdom keyboard layout");
    EXPECT_EQ(f.caption(), "Clavora");
    for (const form::Control* locked : {&f.BitBtn2, &f.Button2, &f.Button3, &f.Button10,
                                        &f.Button22, &f.Start1, &f.MenueEinst, &f.Start9}) {
        EXPECT_FALSE(locked->enabled()) << locked->name();
    }
    EXPECT_TRUE(f.ComboBox1.showing());
    EXPECT_EQ(f.focused(), &f.ComboBox1);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 250);
    EXPECT_FALSE(f.Timer2.enabled());
    EXPECT_TRUE(platform.messages.shown().empty()) << "a missing user file is no error";
}

TEST(CharacterSequence, EveryLayoutSwitchWritesExactlyItsColumn) {
    auto folge = keyboard::deutscheZeichenfolge();
    const auto deutsch = folge;
    for (const std::uint8_t code : {3, 1, 2, 0, 2, 3}) {
        keyboard::zeichenfolgeSetzen(folge, code);
    }
    keyboard::zeichenfolgeSetzen(folge, 0);
    EXPECT_EQ(folge, deutsch);
    keyboard::zeichenfolgeSetzen(folge, 1);
    EXPECT_EQ(folge[29], 0xE9);
    EXPECT_EQ(folge[63], 0xE8);
    keyboard::zeichenfolgeSetzen(folge, 2);
    EXPECT_EQ(folge[65], '"');
    EXPECT_EQ(folge[67], '@');
    EXPECT_EQ(folge[71], '^');
    EXPECT_EQ(folge[72], '&');
}

TEST(FreeSpace, TooLittleDiskSpaceIsReportedOnceAndStartUpGoesOn) {
    platform::fakes::FakePlatform platform;
    platform.disk.free = 2047;
    const TemporaryDirectory directory;
    Program program(platform.services, directory.path());
    program.init();
    const auto boxes = platform.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text,
              "Error! Not enought free disk-space!\r\rThe programme cannot be executed correctly!");
    EXPECT_EQ(boxes[0].icon, platform::Icon::Error);
    EXPECT_EQ(program.state().tastaturcode, 3);
}

namespace {

void startLesson(ProgramTest& t, int lektion, std::uint8_t tastaturcode) {
    t.click(t.f().SpeedButton2);
    t.s().tastaturcode = tastaturcode;
    t.s().lektion = static_cast<std::uint8_t>(lektion);
    t.click(t.f().BitBtn2);
}

int shownLines(form::Tform1& f) {
    int shown = 0;
    for (const form::Control* l :
         {&f.Label37, &f.Label38, &f.Label39, &f.Label40, &f.Label41, &f.Label42, &f.Label43,
          &f.Label44, &f.Label45, &f.Label46, &f.Label88, &f.Label89, &f.Label96, &f.Label101}) {
        shown += l->visible() ? 1 : 0;
    }
    return shown;
}

} // namespace

TEST_F(LessonStart, LessonTwoAfterLessonOneHidesTheIntroductoryLine) {
    startLesson(*this, 1, 3);
    startLesson(*this, 2, 3);
    EXPECT_FALSE(f().Label37.visible());
    EXPECT_EQ(f().Label36.caption(), "The letters g and h");
    EXPECT_EQ(f().Label38.caption(), "g: left forefinger");
    EXPECT_EQ(f().Label39.caption(), "h: right forefinger");
    EXPECT_EQ(f().Label38.fontColor(), notizfarbe(f(), s().farbeZeigefinger));
    EXPECT_EQ(f().Label47.caption(), "Advice: Try to write in a regular rhythm.");
    EXPECT_FALSE(f().Label48.visible());
    EXPECT_EQ(shownLines(f()), 6);
}

TEST_F(LessonStart, LessonEightHasSixBlackLinesAndNoAdvice) {
    startLesson(*this, 8, 0);
    EXPECT_EQ(f().Label36.caption(), "Capital letters");
    EXPECT_EQ(shownLines(f()), 6);
    EXPECT_FALSE(f().Bevel1.visible());
    EXPECT_FALSE(f().Label47.visible());
    EXPECT_EQ(f().Label41.caption(), " on the left side of the keyboard in capitals.");
    EXPECT_EQ(f().Label38.fontColor(), form::colours::black);
    EXPECT_EQ(f().Label38.geometry().top, static_cast<int>(768 / 5.0));
}

TEST_F(LessonStart, LessonNineNamesZOrYByLayoutFamily) {
    startLesson(*this, 9, 1);
    EXPECT_EQ(f().Label36.caption(), "The letters t and z");
    EXPECT_EQ(f().Label39.caption(), "z: right forefinger");
    startLesson(*this, 9, 2);
    EXPECT_EQ(f().Label36.caption(), "The letters t and y");
    EXPECT_EQ(f().Label39.caption(), "y: right forefinger");
    EXPECT_EQ(f().Label41.caption(), "\"J-finger\" spreads up to the left to the y.");
}

TEST_F(LessonStart, LessonSixteenShowsElevenGermanAndTwelveOtherFingerLines) {
    startLesson(*this, 16, 0);
    EXPECT_EQ(shownLines(f()), 11);
    EXPECT_EQ(f().Label96.caption(), "\xDF ?: right small finger");
    EXPECT_FALSE(f().Label101.visible());
    EXPECT_FALSE(f().Bevel1.visible());
    EXPECT_EQ(f().Label39.caption(), "2 \": left small finger");
    for (const std::uint8_t code : {1, 2, 3}) {
        startLesson(*this, 16, code);
        EXPECT_EQ(shownLines(f()), 12) << int(code);
    }
    EXPECT_EQ(f().Label40.caption(), "3 \xA3: left ring finger");
    EXPECT_EQ(f().Label101.caption(), "= +: right small finger");
    EXPECT_EQ(f().Label45.geometry().left, static_cast<int>(1024 / 2.67));
    startLesson(*this, 16, 2);
    EXPECT_EQ(f().Label39.caption(), "2 @: left small finger");
}

TEST_F(LessonStart, EveryLessonHasANoteOfItsOwn) {
    std::set<std::string> titles;
    for (int lektion = 1; lektion <= 16; ++lektion) {
        for (const std::uint8_t code : {0, 1, 2, 3}) {
            startLesson(*this, lektion, code);
            EXPECT_NE(f().Label36.caption(), "Study achievement 0.0 %") << lektion;
            EXPECT_GE(shownLines(f()), 2) << lektion;
            titles.insert(f().Label36.caption());
        }
    }
    EXPECT_GE(titles.size(), 16U);
}
