#include "driver/event_json.h"

#include "text/cp1252.h"

namespace driver {
namespace {

const char* iconName(platform::Icon icon) {
    switch (icon) {
    case platform::Icon::None:
        return "none";
    case platform::Icon::Information:
        return "information";
    case platform::Icon::Warning:
        return "warning";
    case platform::Icon::Error:
        return "error";
    case platform::Icon::Question:
        return "question";
    }
    return "none";
}

const char* buttonsName(platform::Buttons buttons) {
    switch (buttons) {
    case platform::Buttons::Ok:
        return "ok";
    case platform::Buttons::YesNo:
        return "yesno";
    case platform::Buttons::OkCancel:
        return "okcancel";
    }
    return "ok";
}

const char* answerName(platform::Answer answer) {
    switch (answer) {
    case platform::Answer::Ok:
        return "OK";
    case platform::Answer::Yes:
        return "Yes";
    case platform::Answer::No:
        return "No";
    case platform::Answer::Cancel:
        return "Cancel";
    }
    return "OK";
}

} // namespace

void writeMessages(JsonWriter& json, const std::vector<platform::fakes::MessageEvent>& messages) {
    json.beginArray();
    for (const auto& m : messages) {
        json.beginObject()
            .field("caption", text::toUtf8(m.caption))
            .field("text", text::toUtf8(m.text))
            .field("icon", iconName(m.icon))
            .field("buttons", buttonsName(m.buttons))
            .field("answer", answerName(m.answer))
            .endObject();
    }
    json.endArray();
}

void writeSounds(JsonWriter& json, const std::vector<platform::fakes::SoundEvent>& sounds) {
    json.beginArray();
    for (const auto& s : sounds) {
        json.beginObject()
            .field("kind", s.kind)
            .field("file", s.file)
            .field("synchronous", s.synchronous)
            .field("played", s.played)
            .endObject();
    }
    json.endArray();
}

void writePrints(JsonWriter& json, const std::vector<platform::fakes::FakePrinter::Job>& jobs) {
    json.beginArray();
    for (const auto& job : jobs) {
        json.beginObject()
            .field("title", text::toUtf8(job.title))
            .field("orientation",
                   job.orientation == platform::Orientation::Landscape ? "landscape" : "portrait");
        if (job.lines.empty() && job.imageWidth > 0) {
            json.key("image")
                .beginObject()
                .field("width", job.imageWidth)
                .field("height", job.imageHeight)
                .endObject();
        } else {
            json.field("fontName", text::toUtf8(job.font.name))
                .field("fontSize", job.font.size)
                .key("lines")
                .beginArray();
            for (const auto& line : job.lines) {
                json.value(text::toUtf8(line));
            }
            json.endArray();
        }
        json.endObject();
    }
    json.endArray();
}

} // namespace driver
