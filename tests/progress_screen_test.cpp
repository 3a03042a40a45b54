#include "file_bytes.h"
#include "history_rows.h"
#include "program_fixture.h"

#include <algorithm>

// The Progress screen on a real history: what it shows after exercises,
// the way back, the CSV export and the weak-key practice.
namespace {

class ProgressScreen : public ProgramTest {
protected:
    std::filesystem::path historyFile() const { return directory_ / "history.sqlite"; }

    // A letter exercise of `count` keys, each `faultOn` expected typed
    // wrongly first, then left: one row in the history.
    void letterExercise(int count, std::uint8_t faultOn = 0) {
        s().wunschanschlaege = 0;
        startLetterExercise();
        for (int i = 0; i < count; ++i) {
            if (expected() == faultOn) {
                key(wrong());
            }
            key(expected());
            if (i % 5 == 0) {
                tick();
            }
        }
        click(f().SpeedButton1);
    }
    void openProgress() {
        click(f().Button22);
        click(f().ButtonProgress);
    }
    const form::ChartSeries* series(const form::Control& chart, const std::string& name) {
        const auto& all = chart.chart().series;
        const auto it =
            std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.name == name; });
        return it == all.end() ? nullptr : &*it;
    }
    std::string text(const std::filesystem::path& file) {
        const Bytes bytes = fileBytes(file);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(ProgressScreen, ShowsTheExercisesAsChartsTheTintedKeysAndTheMostFrequentFaults) {
    letterExercise(120, 'f');
    const auto rows = history_rows::Reader(historyFile()).rows();
    ASSERT_EQ(rows.size(), 1u);
    s().wunschanschlaege = 120;
    openProgress();

    EXPECT_TRUE(f().GroupBoxProgress.showing());
    EXPECT_FALSE(f().GroupBox17.showing());
    const auto* letters = series(f().ChartSpeed, "Letter exercises");
    ASSERT_NE(letters, nullptr);
    ASSERT_EQ(letters->points.size(), 1u);
    EXPECT_DOUBLE_EQ(letters->points[0].y, rows[0].kpm);
    EXPECT_EQ(f().ChartSpeed.chart().levels.at(0).value, 120);
    const auto* faults = series(f().ChartFaults, "Letter exercises");
    ASSERT_NE(faults, nullptr);
    EXPECT_DOUBLE_EQ(faults->points.at(0).y, rows[0].faultRate);

    const auto& lines = f().MemoPairs.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("instead of f"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[0].substr(0, lines[0].find(' ')), std::to_string(rows[0].faults));

    const auto& keys = f().KeyMapFaults.keyCells();
    const auto key = [&](const std::string& caption) {
        return std::find_if(keys.begin(), keys.end(),
                            [&](const auto& k) { return k.caption == caption; });
    };
    ASSERT_NE(key("F"), keys.end());
    ASSERT_NE(key("J"), keys.end());
    EXPECT_NE(key("F")->colour, key("J")->colour) << "f was missed every time, j never";
    EXPECT_EQ(key("J")->colour, f().PanelHeat0.color()) << "the legend shows the tints used";
    EXPECT_EQ(key("F")->colour, f().PanelHeat10.color());
    EXPECT_EQ(key("P")->colour, f().PanelHeatNone.color()) << "p is not in lesson 1";
    EXPECT_TRUE(f().ButtonExport.enabled());
    EXPECT_TRUE(f().ButtonWeakKeys.enabled());
}

TEST_F(ProgressScreen, WithoutExercisesSaysSoAndOffersNothingToExportOrPractise) {
    openProgress();
    EXPECT_FALSE(f().ChartSpeed.chart().empty.empty());
    EXPECT_FALSE(f().ButtonExport.enabled());
    EXPECT_FALSE(f().ButtonWeakKeys.enabled());
    EXPECT_EQ(f().MemoPairs.lines(), std::vector<std::string>{"No faults recorded yet."});
}

TEST_F(ProgressScreen, TheExtrasScreenGetsItsBoxesAndSizeBackAndOtherScreensHideIt) {
    const auto hoehe = f().GroupBox16.geometry().height;
    openProgress();
    EXPECT_GT(f().GroupBox16.geometry().height, hoehe);
    click(f().Button2); // the keyboard
    EXPECT_FALSE(f().GroupBoxProgress.showing());
    click(f().Button22);
    EXPECT_FALSE(f().GroupBoxProgress.visible());
    EXPECT_TRUE(f().GroupBox18.showing());
    EXPECT_EQ(f().GroupBox16.geometry().height, hoehe);
}

TEST_F(ProgressScreen, ExportWritesAHeaderAndOneRowPerExerciseWhereTheLearnerChose) {
    letterExercise(40);
    letterExercise(30);
    openProgress();
    platform_.files.saveAnswers.push_back(std::nullopt); // cancelled: nothing written
    click(f().ButtonExport);
    platform_.files.saveAnswers.push_back(directory_ / "mine");
    click(f().ButtonExport);
    const std::string csv = text(directory_ / "mine.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "id,user,started,lesson,kind,completed,keystrokes,faults,seconds,kpm,fault_rate,"
              "layout");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
    EXPECT_NE(csv.find(",TESTER,"), std::string::npos);
    EXPECT_NE(f().LabelProgressInfo.caption().find("mine.csv"), std::string::npos);
    EXPECT_TRUE(platform_.messages.take().empty());
    EXPECT_FALSE(std::filesystem::exists(directory_ / "mine.csv.writing"));

    platform_.files.saveAnswers.push_back(directory_ / "no folder" / "x.csv");
    click(f().ButtonExport);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, platform::Icon::Error);
    EXPECT_FALSE(std::filesystem::exists(directory_ / "no folder"));
}

TEST_F(ProgressScreen, WeakKeysBecomeAnOwnTextWhosePracticeIsRecordedAsOne) {
    letterExercise(150, 'd');
    openProgress();
    click(f().ButtonWeakKeys);
    EXPECT_TRUE(f().GroupBox25.showing());
    EXPECT_EQ(f().GroupBox25.caption().substr(0, 21), "Practise weak keys: d");
    const auto zeilen = f().Memo3.lines();
    ASSERT_FALSE(zeilen.empty());
    EXPECT_TRUE(std::any_of(zeilen.begin(), zeilen.end(),
                            [](const std::string& z) { return z.find('d') != std::string::npos; }));

    key(13); // "Start"
    ASSERT_TRUE(s().eigenetexteaktiv);
    for (const auto& zeile : zeilen) {
        for (const char z : zeile) {
            key(static_cast<std::uint8_t>(z));
        }
        key(13);
    }
    EXPECT_FALSE(s().eigenetexteaktiv) << "typed to its end";
    const auto rows = history_rows::Reader(historyFile()).rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].kind, "owntext");
    EXPECT_EQ(rows[1].faults, 0);
}

} // namespace
