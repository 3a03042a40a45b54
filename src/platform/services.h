#pragma once

#include "form/form.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Small interfaces for everything the handlers need from the platform. The
// Qt build implements them for real; tests and the headless driver use fakes.
// Texts crossing these interfaces are Windows-1252, like all program text.
namespace platform {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 1; // 1 = Sunday
};

// A calendar day with the weekday it falls on.
inline Date dateOf(std::chrono::year_month_day day) {
    const std::chrono::weekday weekday{std::chrono::sys_days{day}};
    return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
            static_cast<int>(static_cast<unsigned>(day.day())),
            static_cast<int>(weekday.c_encoding()) + 1};
}

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay timeOfDay() = 0;
    virtual Date today() = 0;
    // Seconds since an arbitrary fixed start; never goes back.
    virtual double monotonicSeconds() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Seeds from the clock, as a lesson start does.
    virtual void randomize() = 0;
    // Uniform integer in [0, bound).
    virtual int next(int bound) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Plays a WAV file; false when it cannot be played.
    virtual bool play(const std::filesystem::path& file, bool synchronous) = 0;
    virtual void beep() = 0;
};

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const std::string& caption, const std::string& text, Icon icon,
                        Buttons buttons) = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenSize&) const = default;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The room for the window's client area: the screen's free area (panels
    // and docks left out) less the window frame and the menu bar.
    virtual int width() = 0;
    virtual int height() = 0;
    // The whole screen, as its resolution is shown to the learner.
    virtual ScreenSize resolution() = 0;
    virtual int pixelsPerInch() = 0;
};

class Disk {
public:
    virtual ~Disk() = default;
    virtual std::uintmax_t freeBytes(const std::filesystem::path& where) = 0;
};

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const std::filesystem::path& document) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Empty when the learner cancels.
    virtual std::optional<std::filesystem::path> open(const std::filesystem::path& folder,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> save(const std::filesystem::path& folder,
                                                      const std::string& filter) = 0;
};

// What the font dialog offers: sizes from minSize to maxSize points and,
// with scalableOnly, only outline fonts, which draw well at any size.
struct FontLimits {
    int minSize = 1;
    int maxSize = 255;
    bool scalableOnly = false;
};

class FontDialog {
public:
    virtual ~FontDialog() = default;
    // Empty when the learner cancels; a chosen size lies within the limits.
    virtual std::optional<form::FontSpec> choose(const form::FontSpec& current,
                                                 const FontLimits& limits = {}) = 0;
    // The family the system really draws for `name`: the name itself where
    // that font is installed, else the one that stands in for it.
    virtual std::string familyUsedFor(const std::string& name) = 0;
};

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    virtual std::optional<form::Colour> choose(form::Colour current) = 0;
};

// The about box: the product's name, a version line and a picture, shown
// modally until the learner closes it. Clicking the picture opens `page`.
struct AboutInfo {
    std::string product;
    std::string version;
    std::filesystem::path picture;
    std::filesystem::path page;
};

class AboutBox {
public:
    virtual ~AboutBox() = default;
    virtual void show(const AboutInfo& info) = 0;
};

enum class Orientation { Portrait, Landscape };

// How a print job ended. A machine without a printer offers a PDF file instead,
// so "printed" may mean "saved as `pdf`".
struct PrintOutcome {
    enum class Kind { Printed, SavedAsPdf, Cancelled, Failed };
    Kind kind = Kind::Printed;
    std::filesystem::path pdf;
    std::string reason; // why it failed
};

class Printer {
public:
    virtual ~Printer() = default;
    // The current printer's orientation, as the next job will use it.
    virtual Orientation orientation() = 0;
    // The printer setup dialog; the printer and orientation chosen apply to
    // the next job. False when the learner cancels.
    virtual bool setup() = 0;
    // One job of monospaced lines in `font`.
    virtual PrintOutcome printText(const std::string& title, const form::FontSpec& font,
                                   const std::vector<std::string>& lines) = 0;
    // One page: the main window's client area at its size on the screen,
    // in the top left corner.
    virtual PrintOutcome printWindow(const std::string& title) = 0;
};

// A window of the program's own beside the main one (the results window),
// shown modally: until it closes the main window takes no input. The window
// asks to close with `requestClose`; `closed` runs once it has.
class ModalForms {
public:
    virtual ~ModalForms() = default;
    virtual void showModal(form::Form& window, std::function<void()> closed) = 0;
};

// Everything a handler may reach outside the program, passed in explicitly.
struct Services {
    Clock& clock;
    Random& random;
    Sound& sound;
    MessageBoxes& messages;
    Screen& screen;
    Disk& disk;
    DocumentOpener& opener;
    Clipboard& clipboard;
    FileDialogs& files;
    FontDialog& fonts;
    ColourDialog& colours;
    AboutBox& about;
    Printer& printer;
    ModalForms& forms;
};

} // namespace platform
