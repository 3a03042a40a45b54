#include "driver/course_json.h"

#include "course/lektionskatalog.h"
#include "course/wortzeilen.h"
#include "text/cp1252.h"

namespace driver {
namespace {

void writeLesson(JsonWriter& json, int lektion) {
    const auto& l = course::lektion(lektion);
    json.beginObject()
        .field("lesson", lektion)
        .field("zeichenvorrat", l.zeichenvorrat)
        .field("neuezeichen", l.neuezeichen)
        .field("firstLine", l.lektionsanfangszeile)
        .field("lowerBound", l.untergrenzezeile)
        .field("lastLine", course::obergrenzezeile(lektion));
    json.key("titles").beginObject();
    constexpr const char* kLayouts[] = {"german", "swiss", "american", "uk"};
    for (int code = 0; code < 4; ++code) {
        json.field(kLayouts[code], text::toUtf8(course::lektionstitel(lektion, code)));
    }
    json.endObject().endObject();
}

} // namespace

void writeCourse(JsonWriter& json) {
    json.beginObject().key("lessons").beginArray();
    for (int lektion = 1; lektion <= course::kLektionen; ++lektion) {
        writeLesson(json, lektion);
    }
    json.endArray().key("lines").beginArray();
    for (std::size_t nummer = 0; nummer < course::wortzeilenAnzahl(); ++nummer) {
        json.beginObject()
            .field("lesson", course::lektionDerZeile(nummer))
            .field("number", nummer)
            .field("text", text::toUtf8(course::wortzeile(nummer)))
            .endObject();
    }
    json.endArray().endObject();
}

} // namespace driver
