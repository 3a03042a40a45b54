#include "form/tastaturfeld.h"

#include <array>
#include <string>

namespace form {
namespace {

constexpr const char* kLinksKlein = "left small finger";
constexpr const char* kLinksRing = "left ring finger";
constexpr const char* kLinksMittel = "left middle finger";
constexpr const char* kLinksZeige = "left forefinger";
constexpr const char* kRechtsKlein = "right small finger";
constexpr const char* kRechtsRing = "right ring finger";
constexpr const char* kRechtsMittel = "right middle finger";
constexpr const char* kRechtsZeige = "right forefinger";

// Caption heights 15, 11 and 16 pixels in points.
constexpr int kNormal = 11;
constexpr int kKlein = 8;
constexpr int kGross = 12;

// Markers are larger than the rest of their key, so only their rounded
// upper-left corner shows in the lower right of the key.
constexpr Geometry kMarker = {24, 24, 65, 65};
constexpr Geometry kKeinMarker = {0, 0, 0, 0};

// Positions inside GroupBox5 on the 800-pixel design. The captions are the
// German ones; the layout procedures replace those that differ.
// \xB0 ° \xB4 ´ \xDC Ü \xD6 Ö \xC4 Ä
// clang-format off
constexpr std::array<Tastenentwurf, 59> kTasten = {{
//   panel marker design               marker               caption      hint            font  finger abLektion, American
    {6,    1,   {32, 24, 41, 41},    kMarker,             "^ \xB0",    kLinksKlein,    kNormal, 1,  16, 16},
    {7,    2,   {80, 24, 41, 41},    kMarker,             "1",         kLinksKlein,    kNormal, 1,  16, 16},
    {8,    3,   {128, 24, 41, 41},   kMarker,             "2",         kLinksKlein,    kNormal, 1,  16, 16},
    {9,    4,   {176, 24, 41, 41},   kMarker,             "3",         kLinksRing,     kNormal, 2,  16, 16},
    {10,   5,   {224, 24, 41, 41},   kMarker,             "4",         kLinksMittel,   kNormal, 3,  16, 16},
    {11,   6,   {272, 24, 41, 41},   kMarker,             "5",         kLinksZeige,    kNormal, 4,  16, 16},
    {12,   7,   {320, 24, 41, 41},   kMarker,             "6",         kLinksZeige,    kNormal, 4,  16, 16},
    {13,   8,   {368, 24, 41, 41},   kMarker,             "7",         kRechtsZeige,   kNormal, 9,  16, 16},
    {14,   9,   {416, 24, 41, 41},   kMarker,             "8",         kRechtsZeige,   kNormal, 9,  16, 16},
    {15,   10,  {464, 24, 41, 41},   kMarker,             "9",         kRechtsMittel,  kNormal, 8,  16, 16},
    {16,   11,  {512, 24, 41, 41},   kMarker,             "0",         kRechtsRing,    kNormal, 7,  16, 16},
    {17,   12,  {560, 24, 41, 41},   kMarker,             "?",         kRechtsKlein,   kNormal, 6,  16, 16},
    {18,   13,  {608, 24, 41, 41},   kMarker,             "` \xB4",    kRechtsKlein,   kNormal, 6,  16, 16},
    {19,   14,  {656, 24, 97, 41},   {72, 24, 73, 73},    "DEL",       kRechtsKlein,   kNormal, 6,  16, 16},
    {20,   15,  {32, 72, 57, 41},    {40, 24, 73, 73},    "TAB",       kLinksKlein,    kNormal, 1,  16, 16},
    {21,   16,  {96, 72, 41, 41},    kMarker,             "Q",         kLinksKlein,    kNormal, 1,  7,  7},
    {22,   17,  {144, 72, 41, 41},   kMarker,             "W",         kLinksRing,     kNormal, 2,  6,  6},
    {23,   18,  {192, 72, 41, 41},   kMarker,             "E",         kLinksMittel,   kNormal, 3,  3,  3},
    {24,   19,  {240, 72, 41, 41},   kMarker,             "R",         kLinksZeige,    kNormal, 4,  5,  5},
    {25,   20,  {288, 72, 41, 41},   kMarker,             "T",         kLinksZeige,    kNormal, 4,  9,  9},
    {26,   21,  {336, 72, 41, 41},   kMarker,             "Z",         kRechtsZeige,   kNormal, 9,  9,  9},
    {27,   22,  {384, 72, 41, 41},   kMarker,             "U",         kRechtsZeige,   kNormal, 9,  5,  5},
    {28,   23,  {432, 72, 41, 41},   kMarker,             "I",         kRechtsMittel,  kNormal, 8,  3,  3},
    {29,   24,  {480, 72, 41, 41},   kMarker,             "O",         kRechtsRing,    kNormal, 7,  6,  6},
    {30,   25,  {528, 72, 41, 41},   kMarker,             "P",         kRechtsKlein,   kNormal, 6,  7,  7},
    {31,   26,  {576, 72, 41, 41},   kMarker,             "\xDC",      kRechtsKlein,   kNormal, 6,  15, 15},
    {32,   27,  {624, 72, 41, 41},   kMarker,             "* + ~",     kRechtsKlein,   kNormal, 6,  16, 16},
    {33,   41,  {680, 72, 73, 89},   {48, 72, 73, 73},    "Return",    kRechtsKlein,   kNormal, 6,  4,  16},
    {34,   0,   {32, 120, 65, 41},   kKeinMarker,         "Caps lock", kLinksKlein,    kKlein,  1,  16, 16},
    {35,   29,  {104, 120, 41, 41},  kMarker,             "A",         kLinksKlein,    kNormal, 1,  1,  1},
    {36,   30,  {152, 120, 41, 41},  kMarker,             "S",         kLinksRing,     kNormal, 2,  1,  1},
    {37,   31,  {200, 120, 41, 41},  kMarker,             "D",         "left middlefinger", kNormal, 3, 1, 1},
    {38,   32,  {248, 120, 41, 41},  kMarker,             "F",         kLinksZeige,    kNormal, 4,  1,  1},
    {39,   33,  {296, 120, 41, 41},  kMarker,             "G",         kLinksZeige,    kNormal, 4,  2,  2},
    {40,   34,  {344, 120, 41, 41},  kMarker,             "H",         kRechtsZeige,   kNormal, 9,  2,  2},
    {41,   35,  {392, 120, 41, 41},  kMarker,             "J",         kRechtsZeige,   kNormal, 9,  1,  1},
    {42,   36,  {440, 120, 41, 41},  kMarker,             "K",         kRechtsMittel,  kNormal, 8,  1,  1},
    {43,   37,  {488, 120, 41, 41},  kMarker,             "L",         kRechtsRing,    kNormal, 7,  1,  1},
    {44,   38,  {536, 120, 41, 41},  kMarker,             "\xD6",      kRechtsKlein,   kNormal, 6,  1,  1},
    {45,   39,  {584, 120, 41, 41},  kMarker,             "\xC4",      kRechtsKlein,   kNormal, 6,  15, 15},
    {46,   40,  {632, 120, 41, 41},  kMarker,             "' #",       kRechtsKlein,   kNormal, 6,  16, 4},
    {47,   42,  {32, 168, 65, 41},   {48, 24, 73, 73},    "Shift",     kLinksKlein,    kNormal, 1,  8,  8},
    {48,   43,  {104, 168, 41, 41},  kMarker,             "<> |",      kLinksKlein,    kNormal, 1,  16, 16},
    {49,   44,  {152, 168, 41, 41},  kMarker,             "Y",         kLinksKlein,    kNormal, 1,  14, 14},
    {50,   45,  {200, 168, 41, 41},  kMarker,             "X",         kLinksRing,     kNormal, 2,  13, 13},
    {51,   46,  {248, 168, 41, 41},  kMarker,             "C",         kLinksMittel,   kNormal, 3,  12, 12},
    {52,   47,  {296, 168, 41, 41},  kMarker,             "V",         kLinksZeige,    kNormal, 4,  10, 10},
    {53,   48,  {344, 168, 41, 41},  kMarker,             "B",         kLinksZeige,    kNormal, 4,  11, 11},
    {54,   49,  {392, 168, 41, 41},  kMarker,             "N",         kRechtsZeige,   kNormal, 9,  11, 11},
    {55,   50,  {440, 168, 41, 41},  kMarker,             "M",         kRechtsZeige,   kNormal, 9,  10, 10},
    {56,   51,  {488, 168, 41, 41},  kMarker,             ", ;",       kRechtsMittel,  kNormal, 8,  4,  4},
    {57,   52,  {536, 168, 41, 41},  kMarker,             ". :",       kRechtsRing,    kNormal, 7,  6,  6},
    {58,   53,  {584, 168, 41, 41},  kMarker,             "- _",       kRechtsKlein,   kNormal, 6,  14, 14},
    {59,   54,  {632, 168, 121, 41}, {104, 24, 73, 73},   "Shift",     kRechtsKlein,   kNormal, 6,  8,  8},
    {60,   0,   {32, 216, 73, 41},   kKeinMarker,         "Strg",      kLinksKlein,    kGross,  1,  16, 16},
    {61,   0,   {136, 216, 73, 41},  kKeinMarker,         "Alt",       kLinksRing,     kNormal, 2,  16, 16},
    {62,   60,  {216, 216, 345, 41}, {320, 24, 73, 70},   "",          "space: (right) thumb", kNormal, 5, 1, 1},
    {63,   0,   {568, 216, 73, 41},  kKeinMarker,         "Alt Gr",    kRechtsRing,    kNormal, 7,  16, 16},
    {64,   0,   {672, 216, 81, 41},  kKeinMarker,         "Strg",      kRechtsKlein,   kNormal, 6,  16, 16},
}};
// clang-format on

} // namespace

Tastaturfeld::Tastaturfeld(Form& form, Control& gruppe) {
    tasten_.reserve(kTasten.size());
    for (const Tastenentwurf& entwurf : kTasten) {
        Control& panel =
            controls_.emplace_back(form, "Panel" + std::to_string(entwurf.panel), Kind::Panel,
                                   &gruppe, entwurf.design, entwurf.caption);
        Control* marker = nullptr;
        if (entwurf.marker != 0) {
            marker = &controls_.emplace_back(form, "Shape" + std::to_string(entwurf.marker),
                                             Kind::Shape, &panel, entwurf.markerDesign);
        }
        tasten_.push_back({entwurf, panel, marker});
    }
}

void Tastaturfeld::einrichten() {
    for (Taste& taste : tasten_) {
        taste.panel.setFont({"Times New Roman", taste.entwurf.schriftgroesse, 0});
        taste.panel.setHint(taste.entwurf.hint);
        taste.panel.setBevel(BevelStyle::Raised);
        taste.panel.setColor(colours::silver);
        taste.panel.setFontColor(colours::black);
        if (taste.marker != nullptr) {
            taste.marker->setColor(colours::white);
            taste.marker->hide();
        }
    }
}

bool Tastaturfeld::leuchtet(int nummer) const {
    const Taste& t = taste(nummer);
    return t.marker != nullptr && t.marker->visible() && t.panel.bevel() == BevelStyle::Lowered;
}

void Tastaturfeld::leuchten(int nummer, bool an) {
    Taste& t = taste(nummer);
    if (t.marker == nullptr) {
        return;
    }
    t.panel.setBevel(an ? BevelStyle::Lowered : BevelStyle::Raised);
    t.marker->setVisible(an);
}

} // namespace form
