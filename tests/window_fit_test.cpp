#include "driver/driver.h"
#include "temporary_directory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Bildschirm {
    int breite;
    int hoehe;
};

// The common desktop and laptop screens, 4:3 and wide.
const std::vector<Bildschirm> kBildschirme = {
    {1024, 768}, {1280, 720},  {1366, 768},  {1440, 900},  {1280, 1024},
    {1600, 900}, {1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160},
};

struct Ansicht {
    const char* name;
    std::vector<const char*> befehle;
};

const std::vector<Ansicht> kAnsichten = {
    {"main screen", {}},
    {"lesson note", {"click BitBtn2"}},
    {"letter exercise", {"click BitBtn2", "click BitBtn3", "key a", "key s"}},
    {"letter settings", {"click BitBtn2", "click BitBtn3", "key a", "click Button7"}},
    {"fault panel", {"click BitBtn2", "click BitBtn3", "key a", "key s", "click Button14"}},
    {"word exercise", {"click Button22", "set ScrollBar1 2", "click start2", "key a", "key b"}},
    {"extras", {"click Button22"}},
    {"settings", {"click Button3"}},
    {"progress", {"click Button22", "click ButtonProgress"}},
    {"extras after progress", {"click Button22", "click ButtonProgress", "click Button22"}},
};

bool hatFlaeche(const form::Control& c) {
    switch (c.kind()) {
    case form::Kind::MainMenu:
    case form::Kind::PopupMenu:
    case form::Kind::MenuItem:
    case form::Kind::Timer:
        return false;
    default:
        return true;
    }
}

bool ueberlappen(const form::Geometry& a, const form::Geometry& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

class WindowFit : public ::testing::TestWithParam<Bildschirm> {
protected:
    WindowFit() { neuAnfangen(); }

    // A fresh program with anna signed in.
    void neuAnfangen() {
        driver_ = std::make_unique<driver::Driver>(options());
        for (const char* befehl : {"focus ComboBox1", "type anna", "key #13"}) {
            driver_->execute(befehl);
        }
    }
    form::Tform1& window() { return driver_->program().window(); }

    void pruefen(const std::string& ansicht) {
        const auto& f = window();
        for (const form::Control* c : f.controls()) {
            if (!hatFlaeche(*c) || !c->showing()) {
                continue;
            }
            const form::Geometry g = c->windowGeometry();
            EXPECT_TRUE(g.left >= 0 && g.top >= 0 && g.left + g.width <= f.width() &&
                        g.top + g.height <= f.height())
                << ansicht << ": " << c->name() << " at " << g.left << "," << g.top << " size "
                << g.width << "x" << g.height << " leaves the " << f.width() << "x" << f.height()
                << " window";
        }
        for (const form::Control* box : {&f.GroupBox16, &f.GroupBoxProgress}) {
            for (const form::Control* c : f.childrenOf(box)) {
                if (c->showing() && hatFlaeche(*c)) {
                    const form::Geometry g = c->geometry();
                    EXPECT_TRUE(g.left >= 0 && g.top >= 0 &&
                                g.left + g.width <= box->geometry().width &&
                                g.top + g.height <= box->geometry().height)
                        << ansicht << ": " << c->name() << " leaves " << box->name();
                }
            }
        }
        const form::Control& tastatur = f.GroupBox5;
        for (const form::Control* box : {&f.BoxBuchstabenuebung, &f.GroupBox12}) {
            if (tastatur.showing() && box->showing()) {
                EXPECT_FALSE(ueberlappen(tastatur.windowGeometry(), box->windowGeometry()))
                    << ansicht << ": the keyboard covers " << box->name();
            }
        }
    }

    TemporaryDirectory directory_;
    std::unique_ptr<driver::Driver> driver_;

private:
    driver::Options options() const {
        driver::Options o;
        o.directory = directory_.path();
        o.screenWidth = GetParam().breite;
        o.screenHeight = GetParam().hoehe;
        return o;
    }
};

TEST_P(WindowFit, TheWindowIsTheLargestFourByThreePartOfTheScreenAndFitsIt) {
    const auto& s = driver_->program().state();
    const auto [breite, hoehe] = GetParam();
    EXPECT_LE(window().width(), breite);
    EXPECT_LE(window().height(), hoehe);
    EXPECT_TRUE(s.bildschirmbreite == breite || s.bildschirmhoehe == hoehe);
    EXPECT_EQ(s.bildschirmhoehe, s.bildschirmbreite * 3 / 4);
    EXPECT_EQ(window().width(), s.bildschirmbreite);
}

TEST_P(WindowFit, EveryShownControlLiesInsideTheWindowAndTheKeyboardCoversNoExercise) {
    for (const Ansicht& ansicht : kAnsichten) {
        neuAnfangen();
        for (const char* befehl : ansicht.befehle) {
            const std::string antwort = driver_->execute(befehl);
            ASSERT_EQ(antwort, "") << ansicht.name << ": " << befehl;
        }
        pruefen(ansicht.name);
    }
}

TEST_P(WindowFit, TheLessonNoteAndItsStartButtonStayOnScreen) {
    driver_->execute("click BitBtn2");
    const auto& f = window();
    ASSERT_TRUE(f.BitBtn3.showing());
    const form::Geometry knopf = f.BitBtn3.windowGeometry();
    EXPECT_LE(knopf.top + knopf.height, f.height());
    EXPECT_LE(knopf.left + knopf.width, f.width());
}

INSTANTIATE_TEST_SUITE_P(CommonScreens, WindowFit, ::testing::ValuesIn(kBildschirme),
                         [](const auto& info) {
                             return std::to_string(info.param.breite) + "x" +
                                    std::to_string(info.param.hoehe);
                         });

} // namespace
