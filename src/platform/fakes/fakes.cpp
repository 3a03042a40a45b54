#include "platform/fakes/fakes.h"

#include <system_error>

namespace platform::fakes {
namespace {

constexpr long long kMsPerDay = 24LL * 60 * 60 * 1000;

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

Date previousDay(Date d) {
    d.weekday = (d.weekday + 5) % 7 + 1;
    if (--d.day >= 1) {
        return d;
    }
    if (--d.month < 1) {
        d.month = 12;
        --d.year;
    }
    d.day = daysInMonth(d.year, d.month);
    return d;
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

FakeClock::FakeClock(Date date, TimeOfDay time)
    : startDate_(date), startMsOfDay_(((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 +
                                      time.millisecond) {}

void FakeClock::setWallClock(Date date, TimeOfDay time) {
    const FakeClock moved(date, time);
    startDate_ = moved.startDate_;
    startMsOfDay_ = moved.startMsOfDay_ - elapsedMs_;
    while (startMsOfDay_ < 0) {
        startMsOfDay_ += kMsPerDay;
        startDate_ = previousDay(startDate_);
    }
}

TimeOfDay FakeClock::timeOfDay() {
    const long long ms = (startMsOfDay_ + elapsedMs_) % kMsPerDay;
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

Date FakeClock::today() {
    Date d = startDate_;
    for (long long days = (startMsOfDay_ + elapsedMs_) / kMsPerDay; days > 0; --days) {
        d.weekday = d.weekday % 7 + 1;
        if (++d.day > daysInMonth(d.year, d.month)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    return d;
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

std::optional<form::FontSpec> FakeFontDialog::choose(const form::FontSpec&) {
    return popOr(answers);
}

void FakeAboutBox::show(const AboutInfo& info) {
    shown.push_back(info);
    if (whileOpen) {
        whileOpen();
    }
}

std::optional<form::Colour> FakeColourDialog::choose(form::Colour) {
    return popOr(answers);
}

} // namespace platform::fakes
