#include "driver/control_json.h"

#include "text/cp1252.h"

namespace driver {
namespace {

using form::Kind;

bool isAnyOf(Kind kind, std::initializer_list<Kind> kinds) {
    for (const Kind k : kinds) {
        if (k == kind) {
            return true;
        }
    }
    return false;
}

// A rich-text box's paragraphs as plain lines, formatting left out.
std::vector<std::string> paragraphTexts(const form::Control& c) {
    std::vector<std::string> lines;
    for (const auto& paragraph : c.richText()) {
        std::string line;
        for (const auto& run : paragraph) {
            line += run.text;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void writeTexts(JsonWriter& json, const std::vector<std::string>& lines) {
    json.beginArray();
    for (const auto& line : lines) {
        json.value(text::toUtf8(line));
    }
    json.endArray();
}

void writeCommon(JsonWriter& json, const form::Control& c) {
    json.field("name", c.name())
        .field("kind", form::kindName(c.kind()))
        .field("visible", c.visible())
        .field("showing", c.showing())
        .field("enabled", c.enabled())
        .field("caption", text::toUtf8(c.caption()))
        .field("text", text::toUtf8(c.text()))
        .field("hint", text::toUtf8(c.hint()))
        .field("color", c.color())
        .field("fontColor", c.fontColor())
        .field("fontName", text::toUtf8(c.font().name))
        .field("fontSize", c.font().size)
        .field("fontStyle", c.font().style);
    const form::Geometry& g = c.geometry();
    json.field("left", g.left)
        .field("top", g.top)
        .field("width", g.width)
        .field("height", g.height);
    json.key("parent");
    if (c.parent() != nullptr) {
        json.value(c.parent()->name());
    } else {
        json.null();
    }
    const form::Geometry inWindow = c.windowGeometry();
    json.field("windowLeft", inWindow.left).field("windowTop", inWindow.top);
}

void writeChart(JsonWriter& json, const form::Chart& chart) {
    json.key("chart").beginObject();
    json.key("series").beginArray();
    for (const auto& series : chart.series) {
        json.beginObject().field("name", text::toUtf8(series.name)).field("color", series.colour);
        json.key("points").beginArray();
        for (const auto& p : series.points) {
            json.beginArray().value(p.x).value(p.y).endArray();
        }
        json.endArray().endObject();
    }
    json.endArray();
    json.key("levels").beginArray();
    for (const auto& level : chart.levels) {
        json.beginObject()
            .field("name", text::toUtf8(level.name))
            .field("color", level.colour)
            .field("value", level.value)
            .endObject();
    }
    json.endArray();
    json.field("xMax", chart.xMax).field("yMax", chart.yMax).field("yStep", chart.yStep);
    json.field("xFrom", chart.xFrom).field("xTo", chart.xTo).field("empty", chart.empty);
    json.endObject();
}

void writeKeyCells(JsonWriter& json, const std::vector<form::KeyCell>& cells) {
    json.key("keys").beginArray();
    for (const auto& cell : cells) {
        json.beginObject()
            .field("caption", text::toUtf8(cell.caption))
            .field("color", cell.colour)
            .field("fontColor", cell.fontColour)
            .endObject();
    }
    json.endArray();
}

void writeKindSpecific(JsonWriter& json, const form::Control& c) {
    const Kind kind = c.kind();
    if (isAnyOf(kind, {Kind::TrackBar, Kind::ScrollBar, Kind::ProgressBar})) {
        json.field("position", c.position()).field("min", c.min()).field("max", c.max());
    }
    if (isAnyOf(kind, {Kind::RadioButton, Kind::CheckBox, Kind::MenuItem})) {
        json.field("checked", c.checked());
    }
    if (kind == Kind::ComboBox) {
        json.field("itemIndex", c.itemIndex()).key("items");
        writeTexts(json, c.items());
    }
    if (isAnyOf(kind, {Kind::Memo, Kind::RichEdit})) {
        json.key("lines");
        writeTexts(json, c.richText().empty() ? c.lines() : paragraphTexts(c));
    }
    if (isAnyOf(kind, {Kind::Edit, Kind::Memo})) {
        json.field("selStart", c.selStart()).field("selLength", c.selLength());
    }
    if (kind == Kind::Edit) {
        json.field("doneLength", c.doneLength());
    }
    if (kind == Kind::Label) {
        json.field("autoSize", c.autoSize());
    }
    if (isAnyOf(kind, {Kind::Edit, Kind::Memo, Kind::ComboBox})) {
        json.field("readOnly", c.readOnly()).field("maxLength", c.maxLength());
        json.field("passwordChar", std::string(c.passwordChar() != 0 ? 1 : 0, c.passwordChar()));
    }
    if (kind == Kind::StringGrid) {
        json.key("cells").beginArray();
        for (const auto& row : c.cells()) {
            writeTexts(json, row);
        }
        json.endArray();
        json.field("fixedCols", c.fixedCols());
    }
    if (kind == Kind::Panel) {
        json.field("bevel", c.bevel() == form::BevelStyle::Raised ? "raised" : "lowered");
    }
    if (kind == Kind::Shape) {
        json.field("circle", c.shape().circle)
            .field("penColor", c.shape().pen)
            .field("penWidth", c.shape().penWidth)
            .field("filled", c.shape().filled);
    }
    if (kind == Kind::Timer) {
        json.field("interval", c.interval());
    }
    if (kind == Kind::Chart) {
        writeChart(json, c.chart());
    }
    if (kind == Kind::KeyMap) {
        writeKeyCells(json, c.keyCells());
    }
}

} // namespace

void writeControlNames(JsonWriter& json, const form::Form& window) {
    json.beginArray();
    for (const form::Control* c : window.controls()) {
        json.value(c->name());
    }
    json.endArray();
}

void writeControl(JsonWriter& json, const form::Control& control) {
    json.beginObject();
    writeCommon(json, control);
    writeKindSpecific(json, control);
    json.endObject();
}

void writeWindow(JsonWriter& json, const form::Form& window) {
    json.beginObject()
        .field("name", window.name())
        .field("kind", "Form")
        .field("caption", text::toUtf8(window.caption()))
        .field("width", window.width())
        .field("height", window.height())
        .key("focused");
    if (window.focused() != nullptr) {
        json.value(window.focused()->name());
    } else {
        json.null();
    }
    json.endObject();
}

} // namespace driver
