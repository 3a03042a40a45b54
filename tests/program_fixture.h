#pragma once

#include "app/program.h"
#include "platform/fakes/fakes.h"
#include "temporary_directory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// A whole program on fake services in a fresh program directory.
class ProgramTest : public ::testing::Test {
public:
    explicit ProgramTest(platform::fakes::FakeScreen screen = {1024, 768, 96})
        : platform_(7, screen), program_(platform_.services, directory_.path()) {
        program_.init();
        signIn("tester");
    }

    Sitzungszustand& s() { return program_.state(); }
    form::Tform1& f() { return program_.window(); }
    Context& c() { return program_.context(); }

    void click(form::Control& control) { control.onClick(); }
    // Types a name into the name box and presses Enter, as a learner signs in.
    void signIn(const std::string& name) {
        f().setFocused(&f().ComboBox1);
        f().ComboBox1.setText(name);
        key(13);
    }
    void key(std::uint8_t byte) { f().dispatchKey(byte); }
    std::uint8_t expected() { return s().zeichenfolge[s().zeichenindex]; }
    // Any byte that is not the expected character.
    std::uint8_t wrong() { return expected() == 'x' ? 'y' : 'x'; }
    void typeRight(int count) {
        for (int i = 0; i < count; ++i) {
            key(expected());
        }
    }
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            platform_.clock.advanceMs(250);
            f().Timer1.onTimer();
        }
    }
    // Lesson start, note closed: the next key is the first keystroke.
    void startLetterExercise() {
        click(f().BitBtn2);
        click(f().BitBtn3);
    }
    // The results window's OK once its timer has made it available.
    void closeResults() {
        auto& results = program_.results();
        for (int i = 0; i < 5; ++i) {
            results.Timer1.onTimer();
        }
        results.Button1.onClick();
    }
    void installSounds() {
        for (const char* name : {"Error.wav", "Approval1.wav", "Approval2.wav"}) {
            std::filesystem::copy_file(std::filesystem::path(CLAVORA_ASSETS) / name,
                                       directory_ / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }

    platform::fakes::FakePlatform platform_;
    TemporaryDirectory directory_;
    Program program_;
};
