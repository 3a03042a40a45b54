#pragma once

#include "form/form.h"

namespace form {

// The results window of the examination: its own fault panel with fixed
// maxima, the examination's faults and fault rate, and OK. Shown modally.
class TForm2 : public Form {
public:
    TForm2();

    // clang-format off
    Control GroupBox14{*this, "GroupBox14", Kind::GroupBox,    nullptr,     {8, 8, 574, 290}, "Fault statistics"};
    Control Label49{*this,    "Label49",    Kind::Label,       &GroupBox14, {12, 18, 200, 18}, "Left hand:"};
    Control Label50{*this,    "Label50",    Kind::Label,       &GroupBox14, {296, 18, 200, 18}, "Right hand:"};
    Control Label51{*this,    "Label51",    Kind::Label,       &GroupBox14, {12, 40, 270, 16}};
    Control Label69{*this,    "Label69",    Kind::Label,       &GroupBox14, {12, 58, 30, 16}, "0 %"};
    Control ProgressBar2{*this, "ProgressBar2", Kind::ProgressBar, &GroupBox14, {44, 58, 190, 16}};
    Control Label78{*this,    "Label78",    Kind::Label,       &GroupBox14, {238, 58, 40, 16}, "25%"};
    Control Label52{*this,    "Label52",    Kind::Label,       &GroupBox14, {12, 84, 270, 16}};
    Control Label70{*this,    "Label70",    Kind::Label,       &GroupBox14, {12, 102, 30, 16}, "0 %"};
    Control ProgressBar3{*this, "ProgressBar3", Kind::ProgressBar, &GroupBox14, {44, 102, 190, 16}};
    Control Label79{*this,    "Label79",    Kind::Label,       &GroupBox14, {238, 102, 40, 16}, "25%"};
    Control Label53{*this,    "Label53",    Kind::Label,       &GroupBox14, {12, 128, 270, 16}};
    Control Label71{*this,    "Label71",    Kind::Label,       &GroupBox14, {12, 146, 30, 16}, "0 %"};
    Control ProgressBar4{*this, "ProgressBar4", Kind::ProgressBar, &GroupBox14, {44, 146, 190, 16}};
    Control Label80{*this,    "Label80",    Kind::Label,       &GroupBox14, {238, 146, 40, 16}, "25%"};
    Control Label54{*this,    "Label54",    Kind::Label,       &GroupBox14, {12, 172, 270, 16}};
    Control Label72{*this,    "Label72",    Kind::Label,       &GroupBox14, {12, 190, 30, 16}, "0 %"};
    Control ProgressBar5{*this, "ProgressBar5", Kind::ProgressBar, &GroupBox14, {44, 190, 190, 16}};
    Control Label81{*this,    "Label81",    Kind::Label,       &GroupBox14, {238, 190, 40, 16}, "25%"};
    Control Label55{*this,    "Label55",    Kind::Label,       &GroupBox14, {296, 40, 270, 16}};
    Control Label73{*this,    "Label73",    Kind::Label,       &GroupBox14, {296, 58, 30, 16}, "0 %"};
    Control ProgressBar7{*this, "ProgressBar7", Kind::ProgressBar, &GroupBox14, {328, 58, 190, 16}};
    Control Label82{*this,    "Label82",    Kind::Label,       &GroupBox14, {522, 58, 40, 16}, "25%"};
    Control Label56{*this,    "Label56",    Kind::Label,       &GroupBox14, {296, 84, 270, 16}};
    Control Label74{*this,    "Label74",    Kind::Label,       &GroupBox14, {296, 102, 30, 16}, "0 %"};
    Control ProgressBar8{*this, "ProgressBar8", Kind::ProgressBar, &GroupBox14, {328, 102, 190, 16}};
    Control Label83{*this,    "Label83",    Kind::Label,       &GroupBox14, {522, 102, 40, 16}, "25%"};
    Control Label57{*this,    "Label57",    Kind::Label,       &GroupBox14, {296, 128, 270, 16}};
    Control Label75{*this,    "Label75",    Kind::Label,       &GroupBox14, {296, 146, 30, 16}, "0 %"};
    Control ProgressBar9{*this, "ProgressBar9", Kind::ProgressBar, &GroupBox14, {328, 146, 190, 16}};
    Control Label84{*this,    "Label84",    Kind::Label,       &GroupBox14, {522, 146, 40, 16}, "25%"};
    Control Label58{*this,    "Label58",    Kind::Label,       &GroupBox14, {296, 172, 270, 16}};
    Control Label76{*this,    "Label76",    Kind::Label,       &GroupBox14, {296, 190, 30, 16}, "0 %"};
    Control ProgressBar10{*this, "ProgressBar10", Kind::ProgressBar, &GroupBox14, {328, 190, 190, 16}};
    Control Label85{*this,    "Label85",    Kind::Label,       &GroupBox14, {522, 190, 40, 16}, "25%"};
    Control Label59{*this,    "Label59",    Kind::Label,       &GroupBox14, {12, 220, 270, 16}};
    Control Label87{*this,    "Label87",    Kind::Label,       &GroupBox14, {12, 238, 30, 16}, "0%"};
    Control ProgressBar6{*this, "ProgressBar6", Kind::ProgressBar, &GroupBox14, {44, 238, 190, 16}};
    Control Label86{*this,    "Label86",    Kind::Label,       &GroupBox14, {238, 238, 40, 16}, "100%"};
    Control Label3{*this,     "Label3",     Kind::Label,       &GroupBox14, {296, 226, 270, 18}, "Faults: 0"};
    Control Label4{*this,     "Label4",     Kind::Label,       &GroupBox14, {296, 248, 270, 18}, "Fault rate:  0.00 %"};
    Control Button1{*this,    "Button1",    Kind::Button,      nullptr,     {492, 308, 90, 30}, "OK"};
    Control Timer1{*this,     "Timer1",     Kind::Timer,       nullptr,     {0, 0, 0, 0}};
    // clang-format on

    // Counted up by Timer1 from the first showing on; OK waits for five ticks.
    int zaehler = 0;
    // Only OK closes the window; the window manager's close is refused.
    bool okGedrueckt = false;
};

} // namespace form
