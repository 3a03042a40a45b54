#include "exercises/texteditor.h"

#include "text/cp1252.h"
#include "text/textdatei.h"

#include <string>

namespace {

constexpr const char* kFilter = "Text files (*.TXT)";

std::filesystem::path textordner(const Context& c) {
    return std::filesystem::path(c.s.programmverzeichnis) / "Texts";
}

void meldung(Context& c, const std::string& text) {
    c.svc.messages.show("Clavora", text, platform::Icon::Error, platform::Buttons::Ok);
}

void ordnerSicherstellen(Context& c) {
    std::error_code fehler;
    std::filesystem::create_directories(textordner(c), fehler);
}

// Loads a file into the editor and keeps how it was written, so saving
// writes it back the same way; false (and the learner told) when it cannot.
// A text to be changed warns first when it holds characters the editor
// cannot keep, as saving would replace them.
bool laden(Context& c, const std::string& name, bool zumAendern = false) {
    auto gelesen = text::textLesen(name);
    if (!gelesen.inhalt) {
        meldung(c, gelesen.fehler + "\r\r" + name);
        return false;
    }
    c.s.textUtf8 = gelesen.inhalt->kodierung == text::Kodierung::Utf8;
    c.s.textMitBom = gelesen.inhalt->bom;
    if (zumAendern && gelesen.inhalt->ersetzt > 0) {
        c.svc.messages.show("Clavora",
                            "This text holds characters that Clavora cannot show; they appear "
                            "as \"?\".\r\rSaving the text replaces them with \"?\".",
                            platform::Icon::Warning, platform::Buttons::Ok);
    }
    c.f.Memo3.setLines(std::move(gelesen.inhalt->zeilen));
    c.f.BitBtn6.setEnabled(false);
    return true;
}

text::Kodierung kodierung(const Sitzungszustand& s) {
    return s.textUtf8 ? text::Kodierung::Utf8 : text::Kodierung::Windows1252;
}

std::string dialogName(const std::optional<std::filesystem::path>& gewaehlt) {
    return gewaehlt ? text::fromUtf8(gewaehlt->string()) : std::string{};
}

void schreiben(Context& c, const std::string& name) {
    const std::string fehler =
        text::textSchreiben(name, c.f.Memo3.lines(), kodierung(c.s), c.s.textMitBom);
    if (!fehler.empty()) {
        meldung(c, fehler + "\r\r" + name);
        return; // the changes stay marked as unsaved
    }
    c.f.BitBtn6.setEnabled(false);
}

void alsNeuSpeichern(Context& c) {
    auto& f = c.f;
    ordnerSicherstellen(c);
    const auto gewaehlt = c.svc.files.save(textordner(c), kFilter);
    if (!gewaehlt) {
        return; // nothing saved: the changes stay marked
    }
    auto pfad = *gewaehlt;
    if (!pfad.has_extension()) {
        pfad += ".TXT";
    }
    f.SaveDialog1.fileName = text::fromUtf8(pfad.string());
    std::error_code fehler;
    if (std::filesystem::exists(pfad, fehler)) {
        const auto antwort = c.svc.messages.show(
            "Clavora",
            "Warning: A file with this name already exists!\r\rDo you want to rewrite this file "
            "irrevocably?",
            platform::Icon::Warning, platform::Buttons::YesNo);
        if (antwort != platform::Answer::Yes) {
            f.BitBtn6.setEnabled(false);
            return;
        }
    }
    schreiben(c, f.SaveDialog1.fileName);
}

} // namespace

void speichernAnbieten(Context& c, const std::string& anlass) {
    if (!c.f.BitBtn6.enabled()) {
        return;
    }
    const std::string frage = "Do you want to save your changes?";
    const auto antwort =
        c.svc.messages.show("Clavora", anlass.empty() ? frage : anlass + "\r\r" + frage,
                            platform::Icon::Warning, platform::Buttons::YesNo);
    if (antwort == platform::Answer::Yes) {
        BitBtn6Click(c);
    }
}

void MenueEigeneTexte(Context& c) {
    c.f.BitBtn4.setFontStyle(1);
    c.f.GroupBox3.hide();
    c.f.GroupBox24.show();
}

void textladen(Context& c) {
    auto& f = c.f;
    speichernAnbieten(c, "An exercise text will be loaded.");
    f.Label22.show();
    f.BitBtn5.show();
    f.BitBtn6.hide();
    f.BitBtn6.setEnabled(false);
    f.GroupBox25.setCaption("Preview exercise text:");
    ordnerSicherstellen(c);
    const auto gewaehlt = c.svc.files.open(textordner(c), kFilter);
    f.OpenDialog1.fileName = gewaehlt ? dialogName(gewaehlt) : f.SaveDialog1.fileName;
    if (f.OpenDialog1.fileName.empty() || !laden(c, f.OpenDialog1.fileName)) {
        return;
    }
    vorschauZeigen(c);
}

void vorschauZeigen(Context& c) {
    auto& f = c.f;
    auto& s = c.s;
    const auto masse = text::textZaehlen(f.Memo3.lines());
    s.textzeilen = masse.zeilen;
    s.textlaenge = masse.laenge;
    f.Label22.setCaption("Rows: " + std::to_string(s.textzeilen) +
                         "   Length: " + std::to_string(s.textlaenge) +
                         "   Encoding: " + text::kodierungsname(kodierung(s)));
    for (form::Control* box :
         {&f.GroupBox10, &f.GroupBox1, &f.GroupBox16, &f.GroupBox19, &f.GroupBox22, &f.Memo1}) {
        box->hide();
    }
    f.GroupBox25.show();
    f.GroupBox25.bringToFront();
    f.Memo3.setReadOnly(true);
    f.BitBtn5.setFontStyle(1);
    f.BitBtn4.setFontStyle(0);
    f.setDefaultButton(&f.BitBtn5); // Enter starts the practice
    for (form::Control* m : {&f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueBenu, &f.MenueExtra}) {
        m->setEnabled(false);
    }
}

void TextErstellen(Context& c) {
    auto& f = c.f;
    speichernAnbieten(c, " new text will be made.");
    f.OpenDialog1.fileName.clear();
    f.SaveDialog1.fileName.clear();
    f.Label22.hide();
    c.s.vorhandenertext = false;
    c.s.textUtf8 = true; // a new text is written as UTF-8
    c.s.textMitBom = false;
    f.BitBtn6.setCaption("Save text");
    f.BitBtn5.hide();
    f.BitBtn6.show();
    f.GroupBox25.setCaption("Create own text:");
    f.GroupBox25.show();
    for (form::Control* box : {&f.Memo1, &f.GroupBox16, &f.GroupBox10}) {
        box->hide();
    }
    f.Memo3.setReadOnly(false);
    f.Memo3.setLines({});
    f.setFocused(&f.Memo3);
    f.BitBtn6.setEnabled(false);
}

void Textaendern(Context& c) {
    auto& f = c.f;
    speichernAnbieten(c, "An already existing text will be changed.");
    f.BitBtn6.setEnabled(false);
    c.s.vorhandenertext = true;
    f.BitBtn6.setCaption("Save changes");
    f.Label22.hide();
    f.BitBtn5.hide();
    f.BitBtn6.show();
    f.OpenDialog1.fileName.clear();
    ordnerSicherstellen(c);
    f.OpenDialog1.fileName = dialogName(c.svc.files.open(textordner(c), kFilter));
    if (f.OpenDialog1.fileName.empty()) {
        return;
    }
    f.Memo3.setLines({});
    if (!laden(c, f.OpenDialog1.fileName, true)) {
        return;
    }
    f.GroupBox25.setCaption("Change existing text:");
    f.GroupBox25.show();
    for (form::Control* box :
         {&f.Memo1, &f.GroupBox16, &f.GroupBox5, &f.GroupBox7, &f.GroupBox10}) {
        box->hide();
    }
    f.Memo3.setReadOnly(false);
}

void BitBtn6Click(Context& c) {
    if (!c.s.vorhandenertext) {
        alsNeuSpeichern(c);
        return;
    }
    schreiben(c, c.f.OpenDialog1.fileName);
}

void Memo3Change(Context& c) {
    c.f.BitBtn6.setEnabled(true);
}

void Schriftgr1(Context& c) {
    auto& s = c.s;
    const auto w = s.bildschirmbreite;
    if (s.schriftgroesseText < w / 50) {
        s.schriftgroesseText = static_cast<std::uint8_t>(s.schriftgroesseText + w / 266);
    } else {
        s.schriftgroesseText = static_cast<std::uint8_t>(w / 71);
    }
    c.f.Memo4.setFontSize(s.schriftgroesseText);
    c.f.Memo3.setFontSize(s.schriftgroesseText);
}

void MenueTextladen(Context& c) {
    auto& f = c.f;
    f.BitBtn4.setFontStyle(0);
    textladen(c);
    if (f.OpenDialog1.fileName.empty() || !f.GroupBox25.visible()) {
        return;
    }
    for (form::Control* box :
         {&f.GroupBox3, &f.GroupBox1, &f.GroupBox7, &f.GroupBox5, &f.GroupBox16, &f.Memo1}) {
        box->hide();
    }
    f.GroupBox24.show();
}

void MenueTextErstellen(Context& c) {
    auto& f = c.f;
    for (form::Control* box : {&f.GroupBox16, &f.GroupBox7, &f.GroupBox5, &f.GroupBox1, &f.Memo1}) {
        box->hide();
    }
    f.GroupBox24.show();
    TextErstellen(c);
}

void MenueTextaendern(Context& c) {
    auto& f = c.f;
    Textaendern(c);
    if (f.OpenDialog1.fileName.empty()) {
        return;
    }
    MenueEigeneTexte(c);
    for (form::Control* box : {&f.GroupBox1, &f.GroupBox7, &f.GroupBox5, &f.GroupBox16, &f.Memo1}) {
        box->hide();
    }
}

void textVorschauen(Context& c, std::vector<std::string> zeilen, const std::string& titel) {
    auto& f = c.f;
    speichernAnbieten(c, "An exercise text will be made.");
    f.OpenDialog1.fileName.clear();
    f.SaveDialog1.fileName.clear();
    c.s.textUtf8 = true; // saved from the editor, it is a new UTF-8 text
    c.s.textMitBom = false;
    f.Memo3.setLines(std::move(zeilen));
    f.BitBtn6.hide();
    f.BitBtn6.setEnabled(false);
    f.Label22.show();
    f.BitBtn5.show();
    f.GroupBox25.setCaption(titel);
    for (form::Control* box : {&f.GroupBox3, &f.GroupBox5, &f.GroupBox7}) {
        box->hide();
    }
    f.GroupBox24.show();
    f.BitBtn4.setFontStyle(0);
    vorschauZeigen(c);
}
