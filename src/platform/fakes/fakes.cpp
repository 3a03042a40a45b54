#include "platform/fakes/fakes.h"

#include <algorithm>
#include <system_error>

namespace platform::fakes {
namespace {

using namespace std::chrono;

sys_time<milliseconds> momentOf(Date date, TimeOfDay time) {
    const year_month_day day{year{date.year}, month{static_cast<unsigned>(date.month)},
                             std::chrono::day{static_cast<unsigned>(date.day)}};
    return sys_days{day} + hours{time.hour} + minutes{time.minute} + seconds{time.second} +
           milliseconds{time.millisecond};
}

template <class T> std::optional<T> popOr(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    auto value = queue.front();
    queue.pop_front();
    return value;
}

} // namespace

FakeClock::FakeClock(Date date, TimeOfDay time) : start_(momentOf(date, time)) {}

void FakeClock::setWallClock(Date date, TimeOfDay time) {
    start_ = momentOf(date, time) - milliseconds(elapsedMs_);
}

TimeOfDay FakeClock::timeOfDay() {
    const auto moment = now();
    const hh_mm_ss sinceMidnight{moment - floor<days>(moment)};
    return {static_cast<int>(sinceMidnight.hours().count()),
            static_cast<int>(sinceMidnight.minutes().count()),
            static_cast<int>(sinceMidnight.seconds().count()),
            static_cast<int>(sinceMidnight.subseconds().count())};
}

Date FakeClock::today() {
    return dateOf(year_month_day{floor<days>(now())});
}

int FakeRandom::next(int bound) {
    if (bound <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

bool FakeSound::play(const std::filesystem::path& file, bool synchronous) {
    std::error_code error;
    const bool playable = std::filesystem::is_regular_file(file, error) &&
                          std::filesystem::file_size(file, error) > 44;
    events_.push_back({"play", file.filename().string(), synchronous, playable});
    return playable;
}

void FakeSound::beep() {
    events_.push_back({"beep", {}, false, true});
}

std::vector<SoundEvent> FakeSound::take() {
    std::vector<SoundEvent> result;
    result.swap(events_);
    return result;
}

Answer FakeMessageBoxes::show(const std::string& caption, const std::string& text, Icon icon,
                              Buttons buttons) {
    Answer answer = buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    events_.push_back({caption, text, icon, buttons, answer});
    return answer;
}

std::vector<MessageEvent> FakeMessageBoxes::take() {
    std::vector<MessageEvent> result;
    result.swap(events_);
    return result;
}

bool FakeOpener::open(const std::filesystem::path& document) {
    opened.push_back(document);
    std::error_code error;
    return std::filesystem::exists(document, error);
}

std::optional<std::filesystem::path> FakeFileDialogs::open(const std::filesystem::path&,
                                                           const std::string&) {
    return popOr(openAnswers);
}

std::optional<std::filesystem::path> FakeFileDialogs::save(const std::filesystem::path&,
                                                           const std::string&) {
    return popOr(saveAnswers);
}

std::optional<form::FontSpec> FakeFontDialog::choose(const form::FontSpec& current,
                                                     const FontLimits& limits) {
    asked.emplace_back(current, limits);
    auto chosen = popOr(answers);
    if (!chosen) {
        return chosen;
    }
    chosen->size = std::clamp(chosen->size, limits.minSize, limits.maxSize);
    if (std::find(installed.begin(), installed.end(), chosen->name) == installed.end()) {
        installed.push_back(chosen->name);
    }
    return chosen;
}

std::string FakeFontDialog::familyUsedFor(const std::string& name) {
    const bool da = std::find(installed.begin(), installed.end(), name) != installed.end();
    return da ? name : standIn;
}

void FakeAboutBox::show(const AboutInfo& info) {
    shown.push_back(info);
    if (whileOpen) {
        whileOpen();
    }
}

std::optional<form::Colour> FakeColourDialog::choose(form::Colour current) {
    presets.push_back(current);
    return popOr(answers);
}

bool FakePrinter::setup() {
    if (setupAnswers.empty()) {
        return false;
    }
    const auto answer = setupAnswers.front();
    setupAnswers.pop_front();
    if (!answer) {
        return false;
    }
    orientation_ = *answer;
    return true;
}

PrintOutcome FakePrinter::outcome() const {
    if (!failWith.empty()) {
        return {PrintOutcome::Kind::Failed, {}, failWith};
    }
    return {};
}

PrintOutcome FakePrinter::printText(const std::string& title, const form::FontSpec& font,
                                    const std::vector<std::string>& lines) {
    const PrintOutcome result = outcome();
    if (result.kind == PrintOutcome::Kind::Printed) {
        jobs_.push_back({title, orientation_, font, lines, 0, 0});
    }
    return result;
}

PrintOutcome FakePrinter::printWindow(const std::string& title) {
    const PrintOutcome result = outcome();
    if (result.kind == PrintOutcome::Kind::Printed) {
        const auto [width, height] = windowSize_ ? windowSize_() : std::pair(0, 0);
        jobs_.push_back({title, orientation_, {}, {}, width, height});
    }
    return result;
}

std::vector<FakePrinter::Job> FakePrinter::take() {
    std::vector<Job> jobs;
    jobs.swap(jobs_);
    return jobs;
}

void FakeModalForms::showModal(form::Form& window, std::function<void()> closed) {
    open_ = &window;
    closed_ = std::move(closed);
    window.onCloseRequest = [this] { close(); };
    if (window.onShow) {
        window.onShow();
    }
}

void FakeModalForms::close() {
    if (open_ == nullptr) {
        return;
    }
    open_->onCloseRequest = nullptr;
    open_ = nullptr;
    const auto closed = std::move(closed_);
    closed_ = nullptr;
    if (closed) {
        closed();
    }
}

} // namespace platform::fakes
