#pragma once

#include "platform/services.h"

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Fakes for tests and the headless driver: a clock that only moves when told,
// a seeded random source, and recorders with queued answers for everything
// that would otherwise need a person.
namespace platform::fakes {

class FakeClock : public Clock {
public:
    // Starts at the given wall-clock moment; the weekday follows from the date.
    FakeClock(Date date = {2026, 1, 5, 2}, TimeOfDay time = {9, 0, 0, 0});
    TimeOfDay timeOfDay() override;
    Date today() override;
    double monotonicSeconds() override { return elapsedMs_ / 1000.0; }
    void advanceMs(long long ms) { elapsedMs_ += ms; }
    // Moves the wall clock to a new moment; the monotonic seconds go on.
    void setWallClock(Date date, TimeOfDay time);

private:
    using Moment = std::chrono::sys_time<std::chrono::milliseconds>;
    Moment now() const { return start_ + std::chrono::milliseconds(elapsedMs_); }

    Moment start_;
    long long elapsedMs_ = 0;
};

class FakeRandom : public Random {
public:
    explicit FakeRandom(unsigned seed = 1) : seed_(seed), engine_(seed) {}
    // Reseeds deterministically, so a replayed session draws the same characters.
    void randomize() override { engine_.seed(seed_ + ++reseeds_); }
    int next(int bound) override;

private:
    unsigned seed_;
    unsigned reseeds_ = 0;
    std::mt19937 engine_;
};

struct SoundEvent {
    std::string kind; // "play" or "beep"
    std::string file;
    bool synchronous = false;
    bool played = false;
};

class FakeSound : public Sound {
public:
    // A file plays when it exists and is not empty, as far as the fake can tell.
    bool play(const std::filesystem::path& file, bool synchronous) override;
    void beep() override;
    std::vector<SoundEvent> take();

private:
    std::vector<SoundEvent> events_;
};

struct MessageEvent {
    std::string caption;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer answer = Answer::Ok;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    // Without a queued answer a box gets its default: Yes for a question, OK otherwise.
    Answer show(const std::string& caption, const std::string& text, Icon icon,
                Buttons buttons) override;
    void queue(Answer answer) { answers_.push_back(answer); }
    std::vector<MessageEvent> take();
    const std::vector<MessageEvent>& shown() const { return events_; }

private:
    std::deque<Answer> answers_;
    std::vector<MessageEvent> events_;
};

class FakeScreen : public Screen {
public:
    FakeScreen(int width = 1024, int height = 768, int ppi = 96)
        : width_(width), height_(height), ppi_(ppi) {}
    int width() override { return width_; }
    int height() override { return height_; }
    // A fake screen is all free room.
    ScreenSize resolution() override { return {width_, height_}; }
    int pixelsPerInch() override { return ppi_; }

private:
    int width_;
    int height_;
    int ppi_;
};

class FakeDisk : public Disk {
public:
    std::uintmax_t freeBytes(const std::filesystem::path&) override { return free; }
    std::uintmax_t free = 10ULL * 1024 * 1024 * 1024;
};

class FakeOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& document) override;
    std::vector<std::filesystem::path> opened;
};

class FakeClipboard : public Clipboard {
public:
    void setText(const std::string& value) override { text = value; }
    std::string text;
};

class FakeFileDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> open(const std::filesystem::path& folder,
                                              const std::string& filter) override;
    std::optional<std::filesystem::path> save(const std::filesystem::path& folder,
                                              const std::string& filter) override;
    // An empty optional queues a cancel.
    std::deque<std::optional<std::filesystem::path>> openAnswers;
    std::deque<std::optional<std::filesystem::path>> saveAnswers;
};

class FakeFontDialog : public FontDialog {
public:
    // Takes the next queued answer; a chosen font counts as installed and its
    // size is kept within the limits, as the real dialog offers no other.
    std::optional<form::FontSpec> choose(const form::FontSpec& current,
                                         const FontLimits& limits = {}) override;
    // An installed name stays; any other gives way to `standIn`.
    std::string familyUsedFor(const std::string& name) override;
    std::deque<std::optional<form::FontSpec>> answers;
    std::vector<std::string> installed{"Times New Roman",  "Courier New",     "Arial",
                                       "Liberation Serif", "Liberation Mono", "Liberation Sans",
                                       "DejaVu Sans",      "DejaVu Serif",    "DejaVu Sans Mono"};
    std::string standIn = "DejaVu Sans";
    // What each call was shown: its preset and its limits.
    std::vector<std::pair<form::FontSpec, FontLimits>> asked;
};

class FakeColourDialog : public ColourDialog {
public:
    std::optional<form::Colour> choose(form::Colour current) override;
    std::deque<std::optional<form::Colour>> answers;
    std::vector<form::Colour> presets; // the colour each call started with
};

class FakeAboutBox : public AboutBox {
public:
    void show(const AboutInfo& info) override;
    // Runs while the box is "open", as a learner's actions in the meantime.
    std::function<void()> whileOpen;
    std::vector<AboutInfo> shown;
};

// Records every job; the setup dialog takes its answers from a queue (none:
// cancelled), and `failWith` makes the next jobs fail with that reason.
class FakePrinter : public Printer {
public:
    struct Job {
        std::string title;
        Orientation orientation = Orientation::Portrait;
        form::FontSpec font;            // text jobs
        std::vector<std::string> lines; // text jobs
        int imageWidth = 0;             // window prints
        int imageHeight = 0;
    };
    explicit FakePrinter(std::function<std::pair<int, int>()> windowSize = {})
        : windowSize_(std::move(windowSize)) {}
    Orientation orientation() override { return orientation_; }
    bool setup() override;
    PrintOutcome printText(const std::string& title, const form::FontSpec& font,
                           const std::vector<std::string>& lines) override;
    PrintOutcome printWindow(const std::string& title) override;
    std::vector<Job> take();
    void setWindowSize(std::function<std::pair<int, int>()> size) { windowSize_ = std::move(size); }

    std::deque<std::optional<Orientation>> setupAnswers;
    std::string failWith;

private:
    PrintOutcome outcome() const;

    Orientation orientation_ = Orientation::Portrait;
    std::function<std::pair<int, int>()> windowSize_;
    std::vector<Job> jobs_;
};

// A modal window "opens" and stays open, without blocking, until it asks to
// close; then the caller's continuation runs, as after a modal call returns.
class FakeModalForms : public ModalForms {
public:
    void showModal(form::Form& window, std::function<void()> closed) override;
    // The open window, or nullptr.
    form::Form* open() const { return open_; }
    void close();

private:
    form::Form* open_ = nullptr;
    std::function<void()> closed_;
};

// All fakes together, with the Services bundle that handlers take.
struct FakePlatform {
    explicit FakePlatform(unsigned seed = 1, FakeScreen screenSize = {})
        : random(seed), screen(screenSize) {}
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeMessageBoxes messages;
    FakeScreen screen;
    FakeDisk disk;
    FakeOpener opener;
    FakeClipboard clipboard;
    FakeFileDialogs files;
    FakeFontDialog fonts;
    FakeColourDialog colours;
    FakeAboutBox about;
    FakePrinter printer;
    FakeModalForms forms;
    Services services{clock,     random, sound, messages, screen, disk,    opener,
                      clipboard, files,  fonts, colours,  about,  printer, forms};
};

} // namespace platform::fakes
