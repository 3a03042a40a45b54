#include "history/csv.h"

#include <gtest/gtest.h>

// The exercises as a spreadsheet reads them: quoting, numbers, and a name
// that would otherwise be taken for a formula.
namespace {

history::ExerciseRow row(std::string user, double kpm) {
    history::ExerciseRow r;
    r.id = 7;
    r.user = std::move(user);
    r.started = "2026-12-09T08:05:00";
    r.lesson = 3;
    r.kind = "word";
    r.completed = true;
    r.keystrokes = 120;
    r.faults = 2;
    r.seconds = 61.5;
    r.kpm = kpm;
    r.faultRate = 1.0 / 6.0;
    r.layout = "United Kingdom";
    return r;
}

TEST(ExercisesCsv, QuotesWhatNeedsItKeepsNumbersExactAndNeverHandsOverAFormula) {
    const std::string csv = history::exercisesCsv(
        {row("ANNA", 117.07317073170732), row("SMITH, \"J\"", 0), row("=HYPERLINK(\"x\")", 1e-7),
         row("-1+2", 60), row("\xC3\x84RGER", 60)});
    EXPECT_EQ(csv,
              "id,user,started,lesson,kind,completed,keystrokes,faults,seconds,kpm,fault_rate,"
              "layout\r\n"
              "7,ANNA,2026-12-09T08:05:00,3,word,1,120,2,61.5,117.07317073170732,"
              "0.16666666666666666,United Kingdom\r\n"
              "7,\"SMITH, \"\"J\"\"\",2026-12-09T08:05:00,3,word,1,120,2,61.5,0,"
              "0.16666666666666666,United Kingdom\r\n"
              "7,\"'=HYPERLINK(\"\"x\"\")\",2026-12-09T08:05:00,3,word,1,120,2,61.5,1e-07,"
              "0.16666666666666666,United Kingdom\r\n"
              "7,\"'-1+2\",2026-12-09T08:05:00,3,word,1,120,2,61.5,60,"
              "0.16666666666666666,United Kingdom\r\n"
              "7,\xC3\x84RGER,2026-12-09T08:05:00,3,word,1,120,2,61.5,60,"
              "0.16666666666666666,United Kingdom\r\n");
    EXPECT_EQ(history::exercisesCsv({}).find("\r\n") + 2, history::exercisesCsv({}).size())
        << "no exercises: the header alone";
}

} // namespace
