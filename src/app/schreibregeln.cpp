#include "app/schreibregeln.h"

#include "state/programmdatei.h"

#include "files/read_file.h"
#include "text/cp1252.h"
#include "text/rtf_reader.h"

namespace {

// A document larger than this is no writing-rules text; reading it would
// only hold the window.
constexpr std::uintmax_t kGroessteDatei = 16U * 1024U * 1024U;

std::vector<form::RichParagraph> absaetze(const text::RtfDocument& dokument) {
    std::vector<form::RichParagraph> result;
    result.reserve(dokument.paragraphs.size());
    for (const auto& absatz : dokument.paragraphs) {
        form::RichParagraph zeile;
        for (const auto& run : absatz.runs) {
            const auto& f = run.format;
            zeile.push_back({run.text, f.bold, f.italic, f.underline, f.pointSize, f.colour});
        }
        result.push_back(std::move(zeile));
    }
    return result;
}

void fehlerMelden(Context& c, const std::filesystem::path& datei, const std::string& grund) {
    c.svc.messages.show("Clavora", grund + "\r\r" + text::fromUtf8(datei.string()),
                        platform::Icon::Error, platform::Buttons::Ok);
}

} // namespace

void schreibregeln(Context& c) {
    auto& f = c.f;
    const auto h = c.s.bildschirmhoehe;
    f.RichEdit2.setRichText({});
    const auto datei = programmdatei(c.s, "Writing_rules.rtf");
    const auto gelesen = files::readFile(datei, kGroessteDatei);
    if (gelesen.failure == files::ReadFailure::TooLarge) {
        fehlerMelden(c, datei, "The file is too large to be shown.");
        return;
    }
    if (!gelesen.ok()) {
        fehlerMelden(c, datei, gelesen.error);
        return;
    }
    f.RichEdit2.setRichText(absaetze(text::readRtf(gelesen.bytes)));
    f.GroupBox19.setTop(static_cast<int>(h / 5.46));
    f.GroupBox19.setHeight(static_cast<int>(h / 1.41));
    f.RichEdit2.setHeight(static_cast<int>(h / 1.55));
    f.RichEdit2.setTop(static_cast<int>(h / 30));
    f.GroupBox19.show();
    f.GroupBox19.bringToFront();
}
