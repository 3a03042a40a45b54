#include "session/lektionshinweis.h"

#include "form/contrast.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

enum class Farbe { Schwarz, Klein, Ring, Mittel, Zeige, Daumen, Rot };

// One text per layout: German, Swiss, American, UK.
struct Text {
    const char* deutsch;
    const char* schweiz = nullptr;
    const char* usa = nullptr;
    const char* uk = nullptr;

    const char* fuer(std::uint8_t tastaturcode) const {
        const std::array<const char*, 4> texte = {deutsch, schweiz, usa, uk};
        // Missing entries fall back: UK to American, Swiss and American to German.
        if (tastaturcode == 3 && uk == nullptr) {
            return usa != nullptr ? usa : deutsch;
        }
        const char* text = texte[std::min<std::size_t>(tastaturcode, 3)];
        return text != nullptr ? text : deutsch;
    }
};

struct Zeile {
    Zeile(Text zeilentext, Farbe zeilenfarbe = Farbe::Schwarz,
          std::optional<Farbe> englisch = std::nullopt)
        : text(zeilentext), farbe(zeilenfarbe), farbeEnglisch(englisch) {}

    Text text;
    Farbe farbe;
    // Where the American and UK layouts put the key under another finger.
    std::optional<Farbe> farbeEnglisch;

    Farbe farbeFuer(std::uint8_t tastaturcode) const {
        return tastaturcode > 1 && farbeEnglisch ? *farbeEnglisch : farbe;
    }
};

struct Hinweis {
    Text titel;
    std::vector<Zeile> zeilen; // finger lines first, then explanation lines
    std::vector<const char*> rat;
};

constexpr const char* kZurueck = "After this the fingers immediately sweep into the";
constexpr const char* kStart = "start position.";
constexpr const char* kUebung = "Advice: Old but true: \"Practise";

// Lessons 2 to 15; lesson 1 and 16 have layouts of their own.
const std::array<Hinweis, 14>& hinweise() {
    static const std::array<Hinweis, 14> kHinweise = {{
        {{"The letters g and h"},
         {{{"g: left forefinger"}, Farbe::Zeige},
          {{"h: right forefinger"}, Farbe::Zeige},
          {{"The \"F-finger\" spreads to the right to the g and the"}},
          {{"\"J-finger\" spreads to the left to the h."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Try to write in a regular rhythm."}},
        {{"The letters e and i"},
         {{{"e: left middle finger"}, Farbe::Mittel},
          {{"i: right middle finger"}, Farbe::Mittel},
          {{"The \"D-finger\" reaches up to the e and the"}},
          {{"\"K-finger\" reaches up to the i."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: It is more important to write correctly", "than to write fast."}},
        {{"Enter and the comma"},
         {{{"Enter: right little finger"}, Farbe::Klein},
          {{"Comma: right middle finger"}, Farbe::Mittel},
          {{"The \"Semicolon finger\" spreads to the right to the Enter key"}},
          {{"and the \"K-Finger\" reaches below to the comma."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Try to practise at least", "30 minutes daily!"}},
        {{"The letters r and u"},
         {{{"r: left forefinger"}, Farbe::Zeige},
          {{"u: right forefinger"}, Farbe::Zeige},
          {{"The \"F-Finger\" reaches up to the r"}},
          {{"and the \"J-Finger\" reaches up to the u."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Try to practise at least", "20 minutes daily."}},
        {{"The letters w, o and full stop (.)"},
         {{{"w: left ring finger"}, Farbe::Ring},
          {{"o: right ring finger"}, Farbe::Ring},
          {{".: right ring finger"}, Farbe::Ring},
          {{"The \"S-finger\" reaches up to the w and the \"L-finger\""}},
          {{"reaches up to the o. After this the fingers immediately sweep into the"}},
          {{"start position. The point follows right after the word."}},
          {{"After this comes a space."}}},
         {"Advice: Try always to write", "patiently."}},
        {{"The letters q and p"},
         {{{"q: left small finger"}, Farbe::Klein},
          {{"p: right small finger"}, Farbe::Klein},
          {{"The \"A-finger\" reaches up to the q and the"}},
          {{"\"semicolon-finger\" reaches up on the left to the p."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Do \"finger-gymnastics\"", "between exercises."}},
        {{"Capital letters"},
         {{{"Press the left-shift-button to write the letters which are"}},
          {{"on the right side of the keyboard in capitals."}},
          {{"Press the right-shift-button to write the letters which are"}},
          {{" on the left side of the keyboard in capitals."}},
          {{"Remark: Two keys are designated for creating capital letters."}},
          {{"(<Shift> + <letter>)"}}},
         {}},
        {{"The letters t and z", nullptr, "The letters t and y"},
         {{{"t: left forefinger"}, Farbe::Zeige},
          {{"z: right forefinger", nullptr, "y: right forefinger"}, Farbe::Zeige},
          {{"The \"F-finger\" spreads up to the right to the t and the"}},
          {{"\"J-finger\" spreads up to the left to the z.", nullptr,
            "\"J-finger\" spreads up to the left to the y."}},
          {{kZurueck}},
          {{kStart}}},
         {kUebung, "makes perfect!\""}},
        {{"The letters v and m"},
         {{{"v: left forefinger"}, Farbe::Zeige},
          {{"m: right forefinger"}, Farbe::Zeige},
          {{"The \"F-Finger\" spreads to the v on the right below and the"}},
          {{"\"J-finger\" spreads to the right and below to the m."}},
          {{kZurueck}},
          {{kStart}}},
         {kUebung, "makes perfect!\""}},
        {{"The letters b and n"},
         {{{"b: left forefinger"}, Farbe::Zeige},
          {{"n: right forefinger"}, Farbe::Zeige},
          {{"The \"F-finger\" spreads down to the right to the b and the"}},
          {{"\"J-finger\" reaches down to the n."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Keep your wrists relaxed", "and slightly raised."}},
        {{"The letter c and the semicolon"},
         {{{"c: left middle finger"}, Farbe::Mittel},
          {{";: right middle finger", nullptr, ";: right small finger"},
           Farbe::Mittel,
           Farbe::Klein},
          {{"The \"D-finger\" reaches down to the c."}},
          {{"The semicolon is the comma key pressed with the left shift-button.", nullptr,
            "The semicolon is the key under the \"Semicolon finger\"."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Look at the screen,", "not at your hands."}},
        {{"The letter x and the colon"},
         {{{"x: left ring finger"}, Farbe::Ring},
          {{":: right ring finger", nullptr, ":: right small finger"}, Farbe::Ring, Farbe::Klein},
          {{"The \"S-finger\" reaches down to the x."}},
          {{"The colon is the full-stop key pressed with the left shift-button.", nullptr,
            "The colon is the semicolon key pressed with the left shift-button."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Take a short break", "when your fingers get tired."}},
        {{"The letter y and the hyphen", nullptr, "The letter z and the slash"},
         {{{"y: left small finger", nullptr, "z: left small finger"}, Farbe::Klein},
          {{"-: right small finger", nullptr, "/: right small finger"}, Farbe::Klein},
          {{"The \"A-finger\" reaches down to the y and the", nullptr,
            "The \"A-finger\" reaches down to the z and the"}},
          {{"\"Semicolon finger\" reaches down to the hyphen.", nullptr,
            "\"Semicolon finger\" reaches down to the slash."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Sit upright and keep", "both feet on the floor."}},
        {{"The letters \xFC and \xE4", "The letters \xFC, \xE8, \xE4 and \xE0",
          "Brackets and quotes", "Brackets, quote and @"},
         {{{"\xFC \xDC: right small finger", "\xFC \xE8: right small finger",
            "[ {: right small finger"},
           Farbe::Klein},
          {{"\xE4 \xC4: right small finger", "\xE4 \xE0: right small finger",
            "' \": right small finger", "' @: right small finger"},
           Farbe::Klein},
          {{"The \"Semicolon finger\" reaches up to the right for the first key"}},
          {{"and spreads to the right for the second one."}},
          {{kZurueck}},
          {{kStart}}},
         {"Advice: Keep the other fingers", "on their home keys."}},
    }};
    return kHinweise;
}

form::Colour farbwert(const Sitzungszustand& s, Farbe farbe) {
    switch (farbe) {
    case Farbe::Klein:
        return s.farbeKleinfinger;
    case Farbe::Ring:
        return s.farbeRingfinger;
    case Farbe::Mittel:
        return s.farbeMittelfinger;
    case Farbe::Zeige:
        return s.farbeZeigefinger;
    case Farbe::Daumen:
        return s.farbeDaumen;
    case Farbe::Rot:
        return form::rgb(255, 0, 0);
    case Farbe::Schwarz:
        break;
    }
    return form::colours::black;
}

struct Platz {
    double oben;  // top = H / oben
    double links; // left = W / links
};

void setzen(Context& c, form::Control& label, const char* text, Farbe farbe, Platz platz) {
    label.setCaption(text);
    const bool fingerfarbe = farbe != Farbe::Rot && farbe != Farbe::Schwarz;
    if (fingerfarbe) {
        form::setReadableFontColor(label, farbwert(c.s, farbe));
    } else {
        label.setFontColor(farbwert(c.s, farbe));
    }
    label.setTop(static_cast<int>(c.s.bildschirmhoehe / platz.oben));
    label.setLeft(static_cast<int>(c.s.bildschirmbreite / platz.links));
    label.show();
}

std::array<form::Control*, 13> notizzeilen(form::Tform1& f) {
    return {&f.Label37, &f.Label38, &f.Label39, &f.Label40, &f.Label41, &f.Label42, &f.Label43,
            &f.Label44, &f.Label45, &f.Label46, &f.Label88, &f.Label89, &f.Label96};
}

void alleVerbergen(Context& c) {
    for (form::Control* zeile : notizzeilen(c.f)) {
        zeile->hide();
    }
    c.f.Label101.hide();
}

// The screen's fonts can be wider than the design's: an advice line ends
// inside its frame, its text made smaller where it must be.
void imRahmenHalten(Context& c, form::Control& zeile) {
    const form::Geometry& rahmen = c.f.Bevel1.geometry();
    const int rand = static_cast<int>(c.s.bildschirmbreite / 100);
    zeile.setAutoSize(false);
    zeile.setWidth(std::max(rahmen.left + rahmen.width - rand - zeile.geometry().left, 1));
}

void ratSetzen(Context& c, const std::vector<const char*>& rat, Platz rahmen,
               std::array<Platz, 2> zeilen) {
    auto& f = c.f;
    if (rat.empty()) {
        for (form::Control* teil : {&f.Bevel1, &f.Label47, &f.Label48}) {
            teil->hide();
        }
        return;
    }
    f.Bevel1.setTop(static_cast<int>(c.s.bildschirmhoehe / rahmen.oben));
    f.Bevel1.setLeft(static_cast<int>(c.s.bildschirmbreite / rahmen.links));
    f.Bevel1.show();
    setzen(c, f.Label47, rat[0], Farbe::Rot, zeilen[0]);
    imRahmenHalten(c, f.Label47);
    if (rat.size() > 1) {
        setzen(c, f.Label48, rat[1], Farbe::Rot, zeilen[1]);
        imRahmenHalten(c, f.Label48);
    } else {
        f.Label48.hide();
    }
}

void lektion1(Context& c) {
    auto& f = c.f;
    const bool englisch = c.s.tastaturcode > 1;
    setzen(c, f.Label36, englisch ? "a s d f j k l ; + space" : "a s d f  j k l \xF6 + space",
           Farbe::Schwarz, {18.75, 32});
    setzen(c, f.Label37, "Please put your hands on the keyboard as follows:", Farbe::Schwarz,
           {7.5, 32});
    const std::array<std::pair<const char*, Farbe>, 9> finger = {{
        {"a: left small finger", Farbe::Klein},
        {"s: left ring finger", Farbe::Ring},
        {"d: left middle finger", Farbe::Mittel},
        {"f: left forefinger", Farbe::Zeige},
        {"j: right forefinger", Farbe::Zeige},
        {"k: right middle finger", Farbe::Mittel},
        {"l: right ringfinger", Farbe::Ring},
        {englisch ? ";: right small finger" : "\xF6: right small finger", Farbe::Klein},
        {"Space: right thumb", Farbe::Daumen},
    }};
    constexpr std::array<Platz, 9> kPlaetze = {{{5.36, 32},
                                                {4.17, 32},
                                                {3.41, 32},
                                                {2.89, 32},
                                                {2.42, 32},
                                                {2.14, 32},
                                                {1.92, 32},
                                                {1.74, 33.33},
                                                {1.6, 32}}};
    const auto zeilen = notizzeilen(f);
    for (std::size_t i = 0; i < finger.size(); ++i) {
        setzen(c, *zeilen[i + 1], finger[i].first, finger[i].second, kPlaetze[i]);
    }
    ratSetzen(c, {"Advice:Try not to look at the keyboard", "while typing."}, {3.0, 4.17},
              {{{2.78, 3.85}, {2.5, 3.02}}});
}

void lektion2bis15(Context& c, const Hinweis& h) {
    auto& f = c.f;
    const auto code = c.s.tastaturcode;
    setzen(c, f.Label36, h.titel.fuer(code), Farbe::Schwarz, {18.75, 32});
    constexpr std::array<double, 3> kFingerOben = {5.36, 4.17, 3.41};
    constexpr std::array<double, 4> kErklaerungOben = {2.86, 2.5, 2.22, 2.0};
    constexpr std::array<double, 6> kNurErklaerungOben = {5.0, 4.0, 3.33, 2.86, 2.5, 2.22};
    const auto zeilen = notizzeilen(f);
    std::size_t finger = 0;
    std::size_t erklaerung = 0;
    const bool ohneFinger = h.zeilen.front().farbe == Farbe::Schwarz;
    for (std::size_t i = 0; i < h.zeilen.size(); ++i) {
        const Zeile& z = h.zeilen[i];
        double oben = 0;
        if (ohneFinger) {
            oben = kNurErklaerungOben[erklaerung++];
        } else if (z.farbe != Farbe::Schwarz) {
            oben = kFingerOben[finger++];
        } else {
            oben = kErklaerungOben[erklaerung++];
        }
        setzen(c, *zeilen[i + 1], z.text.fuer(code), z.farbeFuer(code), {oben, 32});
        if (c.s.lektion == 4 && z.farbe != Farbe::Schwarz) {
            const double dpi = c.svc.screen.pixelsPerInch() / 96.0;
            zeilen[i + 1]->setFontSize(static_cast<int>(c.s.bildschirmbreite / 61.0 / dpi));
        }
    }
    ratSetzen(c, h.rat, {6.0, 4.17}, {{{5.17, 3.85}, {4.29, 3.85}}});
}

void lektion16(Context& c) {
    auto& f = c.f;
    const auto code = c.s.tastaturcode;
    setzen(c, f.Label36, "The top button row of keys", Farbe::Schwarz, {18.75, 32});
    struct Reihe {
        form::Control* label;
        Text text;
        Farbe farbe;
    };
    const std::array<Reihe, 12> reihen = {{
        {&f.Label38, {"1 !: left small finger", "1 +: left small finger"}, Farbe::Klein},
        {&f.Label39,
         {"2 \": left small finger", nullptr, "2 @: left small finger", "2 \": left small finger"},
         Farbe::Klein},
        {&f.Label40,
         {"3 \xA7: left ring finger", "3 *: left ring finger", "3 #: left ring finger",
          "3 \xA3: left ring finger"},
         Farbe::Ring},
        {&f.Label41, {"4 $: left middle finger", "4 \xE7: left middle finger"}, Farbe::Mittel},
        {&f.Label42, {"5 %: left forefinger"}, Farbe::Zeige},
        {&f.Label43, {"6 &&: left forefinger", nullptr, "6 ^: left forefinger"}, Farbe::Zeige},
        {&f.Label45, {"7 /: right forefinger", nullptr, "7 &&: right forefinger"}, Farbe::Zeige},
        {&f.Label46, {"8 (: right forefinger", nullptr, "8 *: right forefinger"}, Farbe::Zeige},
        {&f.Label88,
         {"9 ): right middle finger", nullptr, "9 (: right middle finger"},
         Farbe::Mittel},
        {&f.Label89, {"0 =: right ring finger", nullptr, "0 ): right ring finger"}, Farbe::Ring},
        {&f.Label96,
         {"\xDF ?: right small finger", "?: right small finger", "- _: right small finger"},
         Farbe::Klein},
        {&f.Label101, {nullptr, "!: right small finger", "= +: right small finger"}, Farbe::Klein},
    }};
    for (std::size_t i = 0; i < reihen.size(); ++i) {
        const char* text = reihen[i].text.fuer(code);
        if (text == nullptr) {
            continue; // the German layout has one line fewer
        }
        const double oben = 1.0 / (1.0 / 6 + 0.05 * static_cast<double>(i % 6));
        setzen(c, *reihen[i].label, text, reihen[i].farbe, {oben, i < 6 ? 32 : 2.67});
    }
    ratSetzen(c, {}, {}, {});
}

} // namespace

void lektionshinweisFuellen(Context& c) {
    alleVerbergen(c);
    const int lektion = c.s.lektion;
    if (lektion <= 1) {
        lektion1(c);
    } else if (lektion >= 16) {
        lektion16(c);
    } else {
        lektion2bis15(c, hinweise()[static_cast<std::size_t>(lektion - 2)]);
    }
}
