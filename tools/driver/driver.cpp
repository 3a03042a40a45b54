#include "driver/driver.h"

#include "driver/command_words.h"
#include "driver/control_json.h"
#include "driver/course_json.h"
#include "driver/dialog_arguments.h"
#include "driver/event_json.h"
#include "driver/state_json.h"
#include "driver/strict_cp1252.h"
#include "form/user_input.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <unordered_map>

namespace driver {
namespace {

constexpr long long kTickMs = 250;

// A command that cannot be carried out; its text becomes the error answer.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string errorAnswer(std::string_view message) {
    JsonWriter json;
    json.beginObject().field("error", message).endObject();
    return json.text();
}

std::unique_ptr<platform::fakes::FakePlatform> makeFakes(const Options& options) {
    auto fakes = std::make_unique<platform::fakes::FakePlatform>(
        options.seed, platform::fakes::FakeScreen{options.screenWidth, options.screenHeight,
                                                  options.pixelsPerInch});
    fakes->clock = platform::fakes::FakeClock(options.date, options.time);
    return fakes;
}

void requireNoArguments(std::string_view arguments, std::string_view command) {
    if (!splitWords(arguments).empty()) {
        throw CommandError(std::string(command) + " takes no arguments");
    }
}

std::string cp1252Or(std::string_view utf8, std::string_view what) {
    auto converted = strictCp1252(utf8);
    if (!converted) {
        throw CommandError(std::string(what) + " has a character with no Windows-1252 byte");
    }
    return *std::move(converted);
}

int integerArgument(std::string_view text, std::string_view what) {
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max()) {
        throw CommandError(std::string(what) + " wants a whole number, not " + quoted(text));
    }
    return static_cast<int>(*value);
}

std::string_view onlyWord(std::string_view arguments, std::string_view command) {
    const auto words = splitWords(arguments);
    if (words.size() != 1) {
        throw CommandError(std::string(command) + " wants one name");
    }
    return words.front();
}

bool isFull(const form::Control& field) {
    return field.maxLength() > 0 && static_cast<int>(field.text().size()) >= field.maxLength();
}

// A text field takes the key after the handlers saw it, as a real one does:
// printable characters are added, Backspace removes the last one, and a key
// that changes nothing is no edit.
void typeInto(form::Control& field, std::uint8_t byte) {
    const bool textField =
        (field.kind() == form::Kind::Edit || field.kind() == form::Kind::ComboBox) &&
        field.enabled() && !field.readOnly();
    if (!textField) {
        return;
    }
    std::string text = field.text();
    if (byte == 8 && !text.empty()) {
        text.pop_back();
    } else if (byte >= 32 && byte != 127 && !isFull(field)) {
        text += static_cast<char>(byte);
    } else {
        return;
    }
    const form::Selection caret = form::caretAfter(text);
    form::userTypes(field, std::move(text), caret);
}

std::uint8_t keyByte(std::string_view argument) {
    if (argument.size() >= 2 && argument.front() == '#') {
        const auto code = parseInteger(argument.substr(1));
        if (!code || *code < 0 || *code > 255) {
            throw CommandError("key #N wants a byte code 0..255, not " + quoted(argument));
        }
        return static_cast<std::uint8_t>(*code);
    }
    const auto bytes = strictCp1252(argument);
    if (!bytes || bytes->size() != 1) {
        throw CommandError("key wants one Windows-1252 character or #N, not " + quoted(argument));
    }
    return static_cast<std::uint8_t>(bytes->front());
}

void setChecked(form::Control& box, int checked) {
    if (checked != 0 && checked != 1) {
        throw CommandError("set of a " + std::string(form::kindName(box.kind())) + " wants 0 or 1");
    }
    if (checked == 0 && box.kind() == form::Kind::RadioButton) {
        throw CommandError("a RadioButton is switched off by checking another one");
    }
    form::userChecks(box, checked == 1);
}

std::vector<std::string> memoLines(std::string_view value) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0;;) {
        const std::size_t escape = value.find("\\n", pos);
        if (escape == std::string_view::npos) {
            lines.emplace_back(value.substr(pos));
            return lines;
        }
        lines.emplace_back(value.substr(pos, escape - pos));
        pos = escape + 2;
    }
}

void fire(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
}

bool isCancel(std::string_view arguments) {
    const auto words = splitWords(arguments);
    return words.size() == 1 && words.front() == "cancel";
}

// A relative path is taken from the program directory, where the program's
// own dialogs start.
void queueFile(FileDialogQueue& files, std::string_view kind,
               const std::filesystem::path& directory, std::string_view path) {
    if (path.empty()) {
        throw CommandError("dialog " + std::string(kind) + " wants a path");
    }
    const std::filesystem::path file = directory / std::filesystem::path(path);
    if (kind == "open") {
        files.queueOpen(file);
    } else {
        files.queueSave(file);
    }
}

void queueFont(platform::fakes::FakeFontDialog& fonts, std::string_view arguments) {
    if (isCancel(arguments)) {
        fonts.answers.emplace_back();
        return;
    }
    const auto font = parseFont(cp1252Or(arguments, "dialog font"));
    if (!font) {
        throw CommandError("dialog font wants NAME SIZE STYLE, not " + quoted(arguments));
    }
    fonts.answers.push_back(font);
}

void queueColour(platform::fakes::FakeColourDialog& colours, std::string_view arguments) {
    if (isCancel(arguments)) {
        colours.answers.emplace_back();
        return;
    }
    const auto colour = parseColour(arguments);
    if (!colour) {
        throw CommandError("dialog colour wants #RRGGBB, not " + quoted(arguments));
    }
    colours.answers.push_back(colour);
}

void queuePrinterSetup(platform::fakes::FakePrinter& printer, std::string_view arguments) {
    const auto words = splitWords(arguments);
    const std::string_view answer = words.size() == 1 ? words.front() : std::string_view();
    if (answer == "portrait") {
        printer.setupAnswers.emplace_back(platform::Orientation::Portrait);
    } else if (answer == "landscape") {
        printer.setupAnswers.emplace_back(platform::Orientation::Landscape);
    } else if (answer == "cancel") {
        printer.setupAnswers.emplace_back();
    } else {
        throw CommandError("dialog printer wants portrait, landscape or cancel");
    }
}

} // namespace

Driver::Driver(const Options& options)
    : fakes_(makeFakes(options)), services_{fakes_->clock,    fakes_->random,    fakes_->sound,
                                            fakes_->messages, fakes_->screen,    fakes_->disk,
                                            fakes_->opener,   fakes_->clipboard, files_,
                                            fakes_->fonts,    fakes_->colours,   fakes_->about,
                                            fakes_->printer,  fakes_->forms},
      program_(services_, options.directory), timers_({&program_.window(), &program_.results()}) {
    // The driver shows the window, so a handler's request to close it lands here.
    program_.window().onCloseRequest = [this] { closeWindow(); };
    fakes_->printer.setWindowSize(
        [this] { return std::pair(program_.window().width(), program_.window().height()); });
    program_.init();
    timers_.update(nowMs());
}

void Driver::run(std::istream& in, std::ostream& out) {
    std::string line;
    while (!finished_ && std::getline(in, line)) {
        const std::string answer = execute(line);
        if (!answer.empty()) {
            out << answer << '\n' << std::flush;
        }
    }
}

std::string Driver::execute(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::size_t start = line.find_first_not_of(" \t");
    if (finished_ || start == std::string_view::npos || line[start] == '#') {
        return {};
    }
    const auto [name, arguments] = splitFirstWord(line.substr(start));
    const Command command = commandNamed(name);
    if (command == nullptr) {
        return errorAnswer("unknown command " + quoted(name));
    }
    std::string answer;
    try {
        answer = (this->*command)(arguments);
    } catch (const CommandError& error) {
        answer = errorAnswer(error.what());
    } catch (const std::exception& error) {
        answer = errorAnswer(std::string(name) + " failed: " + error.what());
    }
    timers_.update(nowMs());
    return answer;
}

Driver::Command Driver::commandNamed(std::string_view name) {
    static const std::unordered_map<std::string_view, Command> kCommands = {
        {"key", &Driver::key},           {"type", &Driver::type},
        {"focus", &Driver::focus},       {"click", &Driver::click},
        {"dblclick", &Driver::dblclick}, {"set", &Driver::set},
        {"select", &Driver::select},     {"mouseup", &Driver::mouseup},
        {"tick", &Driver::tick},         {"wait", &Driver::wait},
        {"answer", &Driver::answer},     {"dialog", &Driver::dialog},
        {"get", &Driver::get},           {"state", &Driver::state},
        {"messages", &Driver::messages}, {"sounds", &Driver::sounds},
        {"close", &Driver::close},       {"quit", &Driver::quit},
        {"course", &Driver::course},     {"controls", &Driver::controls},
        {"prints", &Driver::prints},
    };
    const auto it = kCommands.find(name);
    return it == kCommands.end() ? nullptr : it->second;
}

std::string Driver::key(std::string_view arguments) {
    press(keyByte(arguments));
    return {};
}

std::string Driver::type(std::string_view arguments) {
    for (const char c : cp1252Or(arguments, "type")) {
        press(static_cast<std::uint8_t>(c));
    }
    return {};
}

void Driver::press(std::uint8_t byte) {
    // A modal window takes the keys while it is open.
    form::Form& window =
        fakes_->forms.open() != nullptr ? *fakes_->forms.open() : program_.window();
    form::Control* focused = window.focused();
    window.dispatchKey(byte);
    if (focused != nullptr && window.focused() == focused && focused->showing()) {
        typeInto(*focused, byte);
    }
}

std::string Driver::focus(std::string_view arguments) {
    program_.window().setFocused(&usableControl(onlyWord(arguments, "focus")));
    return {};
}

std::string Driver::click(std::string_view arguments) {
    form::userClicks(usableControl(onlyWord(arguments, "click")));
    return {};
}

std::string Driver::dblclick(std::string_view arguments) {
    form::userDoubleClicks(usableControl(onlyWord(arguments, "dblclick")));
    return {};
}

std::string Driver::set(std::string_view arguments) {
    const auto [name, utf8] = splitFirstWord(arguments);
    form::Control& c = usableControl(name);
    const std::string value = cp1252Or(utf8, "set");
    switch (c.kind()) {
    case form::Kind::Edit:
    case form::Kind::ComboBox:
        form::userTypes(c, value, form::caretAfter(value));
        return {};
    case form::Kind::Memo:
    case form::Kind::RichEdit: {
        auto lines = memoLines(value);
        const form::Selection caret = form::caretAfter(lines);
        form::userEditsLines(c, std::move(lines), caret);
        return {};
    }
    case form::Kind::TrackBar:
    case form::Kind::ScrollBar:
        form::userMoves(c, integerArgument(value, "set"));
        return {};
    case form::Kind::CheckBox:
    case form::Kind::RadioButton:
        setChecked(c, integerArgument(value, "set"));
        return {};
    default:
        throw CommandError("cannot set " + c.name() + ", a " + form::kindName(c.kind()));
    }
}

std::string Driver::select(std::string_view arguments) {
    const auto words = splitWords(arguments);
    if (words.size() != 2) {
        throw CommandError("select wants NAME INDEX");
    }
    form::Control& c = usableControl(words[0]);
    if (c.kind() != form::Kind::ComboBox) {
        throw CommandError("cannot select in " + c.name() + ", a " + form::kindName(c.kind()));
    }
    const int index = integerArgument(words[1], "select");
    if (index < -1 || index >= static_cast<int>(c.items().size())) {
        throw CommandError(c.name() + " has no item " + std::to_string(index));
    }
    const std::string& text =
        index < 0 ? std::string() : c.items()[static_cast<std::size_t>(index)];
    form::userPicks(c, index, form::caretAfter(text));
    return {};
}

std::string Driver::mouseup(std::string_view arguments) {
    const auto words = splitWords(arguments);
    if (words.size() != 3) {
        throw CommandError("mouseup wants NAME COL ROW");
    }
    form::Control& c = usableControl(words[0]);
    const int col = integerArgument(words[1], "mouseup");
    const int row = integerArgument(words[2], "mouseup");
    form::userReleasesOn(c, col, row);
    return {};
}

std::string Driver::tick(std::string_view arguments) {
    const auto words = splitWords(arguments);
    const int count = words.empty() ? 1 : integerArgument(words[0], "tick");
    if (words.size() > 1 || count < 0) {
        throw CommandError("tick wants an optional count of ticks");
    }
    form::Control& timer1 = program_.window().Timer1;
    for (int i = 0; i < count; ++i) {
        runTimersUntil(nowMs() + kTickMs, &timer1);
        if (timer1.enabled()) {
            timers_.fired(timer1, nowMs());
            fire(timer1.onTimer);
        }
        timers_.update(nowMs());
    }
    return {};
}

std::string Driver::wait(std::string_view arguments) {
    const auto words = splitWords(arguments);
    const auto seconds = words.size() == 1 ? parseDecimal(words.front()) : std::nullopt;
    if (!seconds || !std::isfinite(*seconds) || *seconds < 0) {
        throw CommandError("wait wants seconds, not " + quoted(arguments));
    }
    runTimersUntil(nowMs() + std::llround(*seconds * 1000), nullptr);
    return {};
}

void Driver::runTimersUntil(long long targetMs, const form::Control* except) {
    timers_.update(nowMs());
    for (auto due = timers_.next(except); due && due->atMs <= targetMs;
         due = timers_.next(except)) {
        advanceTo(due->atMs);
        timers_.fired(*due->timer, nowMs());
        fire(due->timer->onTimer);
        timers_.update(nowMs());
    }
    advanceTo(targetMs);
}

std::string Driver::answer(std::string_view arguments) {
    const auto words = splitWords(arguments);
    if (words.empty()) {
        throw CommandError("answer wants one or more of Yes, No, OK, Cancel");
    }
    std::vector<platform::Answer> answers;
    for (const auto word : words) {
        const auto parsed = parseAnswer(word);
        if (!parsed) {
            throw CommandError("answer: " + quoted(word) + " is not Yes, No, OK or Cancel");
        }
        answers.push_back(*parsed);
    }
    for (const auto a : answers) {
        fakes_->messages.queue(a);
    }
    return {};
}

std::string Driver::dialog(std::string_view arguments) {
    const auto [kind, rest] = splitFirstWord(arguments);
    if (kind == "open" || kind == "save") {
        queueFile(files_, kind, program_.programDirectory(), rest);
    } else if (kind == "cancel") {
        files_.queueCancel();
    } else if (kind == "font") {
        queueFont(fakes_->fonts, rest);
    } else if (kind == "colour" || kind == "color") {
        queueColour(fakes_->colours, rest);
    } else if (kind == "printer") {
        queuePrinterSetup(fakes_->printer, rest);
    } else {
        throw CommandError("dialog wants open, save, cancel, font, colour or printer");
    }
    return {};
}

std::string Driver::get(std::string_view arguments) {
    JsonWriter json;
    const std::string_view name = onlyWord(arguments, "get");
    if (name == program_.window().name()) {
        writeWindow(json, program_.window());
    } else if (name == program_.results().name()) {
        writeWindow(json, openModal(name));
    } else {
        writeControl(json, control(name));
    }
    return json.text();
}

std::string Driver::state(std::string_view arguments) {
    requireNoArguments(arguments, "state");
    JsonWriter json;
    writeState(json, program_.state());
    return json.text();
}

std::string Driver::messages(std::string_view arguments) {
    requireNoArguments(arguments, "messages");
    JsonWriter json;
    writeMessages(json, fakes_->messages.take());
    return json.text();
}

std::string Driver::sounds(std::string_view arguments) {
    requireNoArguments(arguments, "sounds");
    JsonWriter json;
    writeSounds(json, fakes_->sound.take());
    return json.text();
}

std::string Driver::course(std::string_view arguments) {
    requireNoArguments(arguments, "course");
    JsonWriter json;
    writeCourse(json);
    return json.text();
}

std::string Driver::prints(std::string_view arguments) {
    requireNoArguments(arguments, "prints");
    JsonWriter json;
    writePrints(json, fakes_->printer.take());
    return json.text();
}

std::string Driver::controls(std::string_view arguments) {
    requireNoArguments(arguments, "controls");
    JsonWriter json;
    writeControlNames(json, program_.window());
    return json.text();
}

std::string Driver::close(std::string_view arguments) {
    requireNoArguments(arguments, "close");
    JsonWriter json;
    json.beginObject().field("closed", closeWindow()).endObject();
    return json.text();
}

std::string Driver::quit(std::string_view arguments) {
    requireNoArguments(arguments, "quit");
    finished_ = true;
    return {};
}

bool Driver::closeWindow() {
    const auto& query = program_.window().onCloseQuery;
    if (!query || query()) {
        finished_ = true;
    }
    return finished_;
}

form::Form& Driver::openModal(std::string_view name) {
    form::Form* open = fakes_->forms.open();
    if (open == nullptr || open->name() != name) {
        throw CommandError(std::string(name) + " is not open");
    }
    return *open;
}

// "TForm2.Label3" is a control of the results window, a bare name one of the
// main window.
form::Control& Driver::control(std::string_view name) {
    const std::size_t dot = name.find('.');
    form::Control* c = dot == std::string_view::npos
                           ? program_.window().find(name)
                           : openModal(name.substr(0, dot)).find(name.substr(dot + 1));
    if (c == nullptr) {
        throw CommandError("unknown control " + quoted(name));
    }
    return *c;
}

// A person can only reach a control that is enabled, and so is everything it
// sits on: a disabled group box, panel or menu disables what it holds.
form::Control& Driver::usableControl(std::string_view name) {
    form::Control& c = control(name);
    const form::Form* modal = fakes_->forms.open();
    if (modal != nullptr && &c.form() != modal) {
        throw CommandError(modal->name() + " is open: " + c.name() + " takes no input");
    }
    for (const form::Control* p = &c; p != nullptr; p = p->parent()) {
        if (!p->enabled()) {
            throw CommandError(c.name() + " is disabled");
        }
    }
    return c;
}

long long Driver::nowMs() const {
    return std::llround(fakes_->clock.monotonicSeconds() * 1000);
}

void Driver::advanceTo(long long ms) {
    const long long delta = ms - nowMs();
    if (delta > 0) {
        fakes_->clock.advanceMs(delta);
    }
}

} // namespace driver
