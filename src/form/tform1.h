#pragma once

#include "form/form.h"
#include "form/tastaturfeld.h"

namespace form {

// The main window: every screen is a group box or panel of this one window.
// Members are declared parents first; each carries its design geometry on
// the 800-pixel-wide design and its design caption.
// What a file dialog keeps between uses: the name it last ended with.
struct FileDialogState {
    std::string fileName;
};

class Tform1 : public Form {
public:
    Tform1();

    FileDialogState OpenDialog1;
    FileDialogState SaveDialog1;

    Control Label5{*this,   "Label5",          Kind::Label,
                   nullptr, {16, 12, 280, 16}, "Please enter your user name/ identification:"};
    Control ComboBox1{*this, "ComboBox1", Kind::ComboBox, nullptr, {300, 8, 220, 24}};
    Control GroupBox3{*this, "GroupBox3", Kind::GroupBox, nullptr, {8, 36, 600, 72}, "Main-screen"};
    Control BitBtn2{*this, "BitBtn2", Kind::Button, &GroupBox3, {16, 24, 104, 33}, "&Start"};
    Control Button2{*this, "Button2", Kind::Button, &GroupBox3, {128, 24, 112, 33}, "The Keyboard"};
    Control Button3{*this, "Button3", Kind::Button, &GroupBox3, {248, 24, 104, 33}, "Settings"};
    Control Button10{*this, "Button10", Kind::Button, &GroupBox3, {360, 24, 104, 33}, "User data"};
    Control Button22{*this, "Button22", Kind::Button, &GroupBox3, {472, 24, 104, 33}, "E&xtras"};
    Control Panel5{*this, "Panel5", Kind::Panel, nullptr, {616, 8, 176, 104}};
    Control Image1{*this, "Image1", Kind::Image, &Panel5, {2, 2, 172, 100}};
    Control Memo1{*this, "Memo1", Kind::Memo, nullptr, {8, 389, 784, 142}};
    Control GroupBox5{*this,   "GroupBox5",         Kind::GroupBox,
                      nullptr, {15, 120, 770, 270}, "The keyboard"};
    Tastaturfeld tastatur{*this, GroupBox5};
    Control Panel4{*this, "Panel4", Kind::Panel, nullptr, {8, 4, 784, 26}};
    Control Label24{*this, "Label24", Kind::Label, &Panel4, {8, 5, 150, 16}, "Keystrokes: 0"};
    Control Label25{*this,   "Label25",         Kind::Label,
                    &Panel4, {170, 5, 220, 16}, "Keystrokes per minute: 0  "};
    Control Label26{*this, "Label26", Kind::Label, &Panel4, {400, 5, 120, 16}, "Faults: 0"};
    Control Label27{*this,   "Label27",         Kind::Label,
                    &Panel4, {530, 5, 200, 16}, "Fault rate:  0.00 %"};
    Control Label61{*this, "Label61", Kind::Label, &Panel4, {300, 4, 200, 18}, "- P A U S E -"};
    Control SpeedButton1{*this, "SpeedButton1", Kind::Button, &Panel4, {758, 2, 22, 22}, "x"};
    Control BoxBuchstabenuebung{*this,   "BoxBuchstabenuebung", Kind::GroupBox,
                                nullptr, {8, 32, 784, 178},     "Letter-exercise"};
    Control Label34{*this,
                    "Label34",
                    Kind::Label,
                    &BoxBuchstabenuebung,
                    {16, 28, 240, 18},
                    "Study achievement 0.0 %"};
    Control ProgressBar1{
        *this, "ProgressBar1", Kind::ProgressBar, &BoxBuchstabenuebung, {16, 52, 220, 18}};
    Control Panel1{*this,  "Panel1", Kind::Panel, &BoxBuchstabenuebung, {280, 12, 220, 162},
                   "START"};
    Control Label35{*this, "Label35", Kind::Label, &Panel1, {196, 4, 20, 20}};
    Control Label28{
        *this, "Label28", Kind::Label, &BoxBuchstabenuebung, {16, 100, 240, 16}, "with any <key>."};
    Control Button5{
        *this, "Button5", Kind::Button, &BoxBuchstabenuebung, {600, 14, 170, 25}, "The keyboard"};
    Control Button7{*this,     "Button7", Kind::Button, &BoxBuchstabenuebung, {600, 42, 170, 25},
                    "Settings"};
    Control Button14{*this,
                     "Button14",
                     Kind::Button,
                     &BoxBuchstabenuebung,
                     {600, 70, 170, 25},
                     "Fault statistics"};
    Control Button15{*this,  "Button15", Kind::Button, &BoxBuchstabenuebung, {600, 98, 170, 25},
                     "Pause"};
    Control Button6{*this,
                    "Button6",
                    Kind::Button,
                    &BoxBuchstabenuebung,
                    {600, 148, 170, 25},
                    "Back to main-screen"};
    Control GroupBox12{*this,   "GroupBox12",      Kind::GroupBox,
                       nullptr, {8, 32, 784, 178}, "Words-exercise"};
    Control Label12{*this, "Label12", Kind::Label, &GroupBox12, {16, 20, 500, 16}};
    Control Edit2{*this, "Edit2", Kind::Edit, &GroupBox12, {16, 44, 760, 32}};
    Control Label60{*this, "Label60", Kind::Label, &GroupBox12, {16, 86, 300, 16}};
    Control ProgressBar11{
        *this, "ProgressBar11", Kind::ProgressBar, &GroupBox12, {16, 110, 220, 18}};
    Control Label97{*this, "Label97", Kind::Label, &GroupBox12, {260, 110, 100, 16}, "10 min"};
    Control Button8{*this, "Button8", Kind::Button, &GroupBox12, {16, 146, 140, 25}, "Settings"};
    Control Button18{*this,       "Button18",          Kind::Button,
                     &GroupBox12, {164, 146, 140, 25}, "The keyboard"};
    Control Button19{*this,       "Button19",          Kind::Button,
                     &GroupBox12, {312, 146, 140, 25}, "Fault statistics"};
    Control Button20{*this, "Button20", Kind::Button, &GroupBox12, {460, 146, 140, 25}, "Pause"};
    Control Button21{*this,       "Button21",          Kind::Button,
                     &GroupBox12, {608, 146, 160, 25}, "Main-screen"};
    Control GroupBox14{*this,   "GroupBox14",        Kind::GroupBox,
                       nullptr, {15, 222, 770, 270}, "Fault statistics"};
    Control Label49{*this, "Label49", Kind::Label, &GroupBox14, {20, 18, 200, 18}, "left hand:"};
    Control Label50{*this, "Label50", Kind::Label, &GroupBox14, {400, 18, 200, 18}, "right hand:"};
    Control Label51{*this, "Label51", Kind::Label, &GroupBox14, {20, 40, 340, 16}};
    Control Label69{*this, "Label69", Kind::Label, &GroupBox14, {20, 58, 34, 16}, "0 %"};
    Control ProgressBar2{*this, "ProgressBar2", Kind::ProgressBar, &GroupBox14, {56, 58, 260, 16}};
    Control Label78{*this, "Label78", Kind::Label, &GroupBox14, {320, 58, 40, 16}, "25 %"};
    Control Label52{*this, "Label52", Kind::Label, &GroupBox14, {20, 84, 340, 16}};
    Control Label70{*this, "Label70", Kind::Label, &GroupBox14, {20, 102, 34, 16}, "0 %"};
    Control ProgressBar3{*this, "ProgressBar3", Kind::ProgressBar, &GroupBox14, {56, 102, 260, 16}};
    Control Label79{*this, "Label79", Kind::Label, &GroupBox14, {320, 102, 40, 16}, "25 %"};
    Control Label53{*this, "Label53", Kind::Label, &GroupBox14, {20, 128, 340, 16}};
    Control Label71{*this, "Label71", Kind::Label, &GroupBox14, {20, 146, 34, 16}, "0 %"};
    Control ProgressBar4{*this, "ProgressBar4", Kind::ProgressBar, &GroupBox14, {56, 146, 260, 16}};
    Control Label80{*this, "Label80", Kind::Label, &GroupBox14, {320, 146, 40, 16}, "25 %"};
    Control Label54{*this, "Label54", Kind::Label, &GroupBox14, {20, 172, 340, 16}};
    Control Label72{*this, "Label72", Kind::Label, &GroupBox14, {20, 190, 34, 16}, "0 %"};
    Control ProgressBar5{*this, "ProgressBar5", Kind::ProgressBar, &GroupBox14, {56, 190, 260, 16}};
    Control Label81{*this, "Label81", Kind::Label, &GroupBox14, {320, 190, 40, 16}, "25 %"};
    Control Label55{*this, "Label55", Kind::Label, &GroupBox14, {400, 40, 340, 16}};
    Control Label73{*this, "Label73", Kind::Label, &GroupBox14, {400, 58, 34, 16}, "0 %"};
    Control ProgressBar7{*this, "ProgressBar7", Kind::ProgressBar, &GroupBox14, {436, 58, 260, 16}};
    Control Label82{*this, "Label82", Kind::Label, &GroupBox14, {700, 58, 40, 16}, "25 %"};
    Control Label56{*this, "Label56", Kind::Label, &GroupBox14, {400, 84, 340, 16}};
    Control Label74{*this, "Label74", Kind::Label, &GroupBox14, {400, 102, 34, 16}, "0 %"};
    Control ProgressBar8{
        *this, "ProgressBar8", Kind::ProgressBar, &GroupBox14, {436, 102, 260, 16}};
    Control Label83{*this, "Label83", Kind::Label, &GroupBox14, {700, 102, 40, 16}, "25 %"};
    Control Label57{*this, "Label57", Kind::Label, &GroupBox14, {400, 128, 340, 16}};
    Control Label75{*this, "Label75", Kind::Label, &GroupBox14, {400, 146, 34, 16}, "0 %"};
    Control ProgressBar9{
        *this, "ProgressBar9", Kind::ProgressBar, &GroupBox14, {436, 146, 260, 16}};
    Control Label84{*this, "Label84", Kind::Label, &GroupBox14, {700, 146, 40, 16}, "25 %"};
    Control Label58{*this, "Label58", Kind::Label, &GroupBox14, {400, 172, 340, 16}};
    Control Label76{*this, "Label76", Kind::Label, &GroupBox14, {400, 190, 34, 16}, "0 %"};
    Control ProgressBar10{
        *this, "ProgressBar10", Kind::ProgressBar, &GroupBox14, {436, 190, 260, 16}};
    Control Label85{*this, "Label85", Kind::Label, &GroupBox14, {700, 190, 40, 16}, "25 %"};
    Control Label59{*this, "Label59", Kind::Label, &GroupBox14, {210, 216, 340, 16}};
    Control Label87{*this, "Label87", Kind::Label, &GroupBox14, {210, 234, 34, 16}, "0%"};
    Control ProgressBar6{
        *this, "ProgressBar6", Kind::ProgressBar, &GroupBox14, {246, 234, 260, 16}};
    Control Label86{*this, "Label86", Kind::Label, &GroupBox14, {510, 234, 40, 16}, "25 %"};
    Control GroupBox1{*this, "GroupBox1", Kind::GroupBox, nullptr, {8, 240, 784, 330}, "Settings"};
    Control GroupBox2{*this,      "GroupBox2",        Kind::GroupBox,
                      &GroupBox1, {8, 196, 508, 128}, "Studying aims"};
    Control Label1{*this,      "Label1",          Kind::Label,
                   &GroupBox2, {12, 20, 240, 16}, "Keystrokes per minute: 40"};
    Control TrackBar1{*this, "TrackBar1", Kind::TrackBar, &GroupBox2, {12, 38, 240, 26}};
    Control Label2{*this,      "Label2",           Kind::Label,
                   &GroupBox2, {260, 20, 240, 16}, "Highest fault rate: 3.5 %"};
    Control TrackBar2{*this, "TrackBar2", Kind::TrackBar, &GroupBox2, {260, 38, 240, 26}};
    Control Label16{*this,      "Label16",         Kind::Label,
                    &GroupBox2, {12, 72, 120, 16}, "Letter-exercise:"};
    Control Label4{*this,      "Label4",          Kind::Label,
                   &GroupBox2, {12, 90, 160, 16}, "Repetition of already"};
    Control Label15{*this,      "Label15",          Kind::Label,
                    &GroupBox2, {12, 106, 160, 16}, "known letters to 30 %"};
    Control TrackBar3{*this, "TrackBar3", Kind::TrackBar, &GroupBox2, {180, 90, 320, 26}};
    Control GroupBox20{*this,      "GroupBox20",     Kind::GroupBox,
                       &GroupBox1, {8, 20, 250, 80}, "Typing fault"};
    Control Label90{*this, "Label90", Kind::Label, &GroupBox20, {12, 22, 80, 16}, "correction"};
    Control RadioButton19{*this,       "RadioButton19",    Kind::RadioButton,
                          &GroupBox20, {100, 20, 140, 20}, "force"};
    Control RadioButton20{*this,       "RadioButton20",    Kind::RadioButton,
                          &GroupBox20, {100, 46, 140, 20}, "count only"};
    Control GroupBox27{*this, "GroupBox27", Kind::GroupBox, &GroupBox1, {8, 108, 250, 80}, "Sound"};
    Control Label98{*this, "Label98", Kind::Label, &GroupBox27, {12, 22, 60, 16}, "typing-"};
    Control Label99{*this, "Label99", Kind::Label, &GroupBox27, {12, 40, 60, 16}, "fault"};
    Control CheckBox1{*this, "CheckBox1", Kind::CheckBox, &GroupBox27, {80, 20, 140, 20}, "By"};
    Control CheckBox2{*this, "CheckBox2", Kind::CheckBox, &GroupBox27, {80, 46, 140, 20}, "Voice"};
    Control GroupBox6{*this,      "GroupBox6",        Kind::GroupBox,
                      &GroupBox1, {266, 20, 250, 80}, "Scripts"};
    Control RadioButton1{*this,      "RadioButton1",    Kind::RadioButton,
                         &GroupBox6, {12, 22, 200, 20}, "Letter-exercise"};
    Control RadioButton2{*this,      "RadioButton2",    Kind::RadioButton,
                         &GroupBox6, {12, 46, 200, 20}, "Words-exercise"};
    Control Farben{*this, "Farben", Kind::GroupBox, &GroupBox1, {524, 20, 252, 170}, "Colors"};
    Control Label29{*this, "Label29", Kind::Label, &Farben, {12, 24, 200, 16}, "small finger"};
    Control Label30{*this, "Label30", Kind::Label, &Farben, {12, 48, 200, 16}, "ring finger"};
    Control Label31{*this, "Label31", Kind::Label, &Farben, {12, 72, 200, 16}, "middle finger"};
    Control Label32{*this, "Label32", Kind::Label, &Farben, {12, 96, 200, 16}, "forefinger"};
    Control Label33{*this, "Label33", Kind::Label, &Farben, {12, 120, 200, 16}, "thumbs"};
    Control GroupBox23{*this,      "GroupBox23",         Kind::GroupBox,
                       &GroupBox1, {524, 196, 252, 128}, "Keyboard layout"};
    Control RadioButton3{*this, "RadioButton3", Kind::RadioButton, &GroupBox23, {12, 30, 20, 20}};
    Control Image11{*this, "Image11", Kind::Image, &GroupBox23, {34, 30, 42, 21}};
    Control Label103{*this, "Label103", Kind::Label, &GroupBox23, {82, 32, 44, 16}, "German"};
    Control RadioButton4{*this, "RadioButton4", Kind::RadioButton, &GroupBox23, {132, 30, 20, 20}};
    Control Image10{*this, "Image10", Kind::Image, &GroupBox23, {154, 30, 42, 21}};
    Control Label105{*this, "Label105", Kind::Label, &GroupBox23, {202, 32, 44, 16}, "Swiss"};
    Control RadioButton6{*this, "RadioButton6", Kind::RadioButton, &GroupBox23, {12, 78, 20, 20}};
    Control Image12{*this, "Image12", Kind::Image, &GroupBox23, {34, 78, 42, 21}};
    Control Label104{*this, "Label104", Kind::Label, &GroupBox23, {82, 80, 44, 16}, "USA"};
    Control RadioButton7{*this, "RadioButton7", Kind::RadioButton, &GroupBox23, {132, 78, 20, 20}};
    Control Image3{*this, "Image3", Kind::Image, &GroupBox23, {154, 78, 42, 21}};
    Control Label102{*this, "Label102", Kind::Label, &GroupBox23, {202, 80, 44, 16}, "UK"};
    Control GroupBox16{*this, "GroupBox16", Kind::GroupBox, nullptr, {8, 120, 784, 260}, "Extras"};
    Control GroupBox17{*this,       "GroupBox17",      Kind::GroupBox,
                       &GroupBox16, {8, 20, 380, 112}, "Repeat lesson"};
    Control BitBtn1{*this,       "BitBtn1",         Kind::Button,
                    &GroupBox17, {12, 22, 160, 30}, "Start &repetition"};
    Control Edit5{*this, "Edit5", Kind::Edit, &GroupBox17, {184, 26, 60, 22}, "1 L"};
    Control ScrollBar2{*this, "ScrollBar2", Kind::ScrollBar, &GroupBox17, {12, 62, 356, 18}};
    Control Label21{*this, "Label21", Kind::Label, &GroupBox17, {12, 88, 356, 16}};
    Control GroupBox21{*this,       "GroupBox21",        Kind::GroupBox,
                       &GroupBox16, {396, 20, 380, 112}, "Choose lesson directly"};
    Control Label17{*this,       "Label17",         Kind::Label,
                    &GroupBox21, {12, 22, 160, 16}, "L: Letter-exercise"};
    Control Label18{*this,       "Label18",         Kind::Label,
                    &GroupBox21, {12, 40, 160, 16}, "W: Word-exercise"};
    Control Label8{*this,       "Label8",           Kind::Label,
                   &GroupBox21, {184, 22, 110, 16}, "Current lesson:"};
    Control Edit4{*this, "Edit4", Kind::Edit, &GroupBox21, {300, 20, 60, 22}};
    Control ScrollBar1{*this, "ScrollBar1", Kind::ScrollBar, &GroupBox21, {12, 70, 356, 18}};
    Control GroupBox13{*this,       "GroupBox13",         Kind::GroupBox,
                       &GroupBox16, {396, 140, 380, 112}, "Examination"};
    Control BitBtn9{*this,       "BitBtn9",         Kind::Button,
                    &GroupBox13, {12, 22, 180, 30}, "Start e&xamination"};
    Control ScrollBar3{*this, "ScrollBar3", Kind::ScrollBar, &GroupBox13, {12, 62, 280, 18}};
    Control Edit6{*this, "Edit6", Kind::Edit, &GroupBox13, {300, 60, 68, 22}, "10 min"};
    Control GroupBox18{*this,       "GroupBox18",       Kind::GroupBox,
                       &GroupBox16, {8, 140, 380, 112}, "Other"};
    Control Button25{*this,       "Button25",        Kind::Button,
                     &GroupBox18, {12, 22, 170, 25}, "Writing rules"};
    Control Button26{*this,       "Button26",        Kind::Button,
                     &GroupBox18, {12, 52, 170, 25}, "Fault statistics"};
    Control Button27{*this,       "Button27",        Kind::Button,
                     &GroupBox18, {12, 82, 170, 25}, "Finger gymnastics"};
    Control Button28{*this,       "Button28",         Kind::Button,
                     &GroupBox18, {196, 82, 170, 25}, "Practise own texts"};
    Control GroupBox9{*this,       "GroupBox9",        Kind::GroupBox,
                      &GroupBox18, {196, 16, 170, 60}, "User file"};
    Control Button11{*this, "Button11", Kind::Button, &GroupBox9, {12, 24, 146, 25}, "browse"};
    Control GroupBox10{*this,   "GroupBox10",       Kind::GroupBox,
                       nullptr, {8, 120, 784, 260}, "Browse user file"};
    Control Edit3{*this, "Edit3", Kind::Edit, &GroupBox10, {12, 228, 120, 22}};
    Control button24{*this,       "button24",          Kind::Button,
                     &GroupBox10, {140, 226, 120, 25}, "Delete User"};
    Control Panel3{*this, "Panel3", Kind::Panel, &GroupBox10, {240, 80, 300, 100}};
    Control GroupBox7{*this,   "GroupBox7",        Kind::GroupBox,
                      nullptr, {8, 120, 784, 260}, "User- and system data"};
    Control GroupBox15{*this,   "GroupBox15",       Kind::GroupBox,
                       nullptr, {8, 120, 784, 300}, "Fault statistics for lesson 1 - 16  [ %] "};
    Control StringGrid1{*this, "StringGrid1", Kind::StringGrid, &GroupBox15, {8, 20, 768, 230}};
    Control BitBtn7{*this,       "BitBtn7",         Kind::Button,
                    &GroupBox15, {8, 262, 200, 30}, "Print fault statistics"};
    Control BitBtn8{*this,       "BitBtn8",           Kind::Button,
                    &GroupBox15, {216, 262, 160, 30}, "Printer setup"};
    Control GroupBox19{*this,   "GroupBox19",       Kind::GroupBox,
                       nullptr, {8, 110, 784, 425}, "The most essential writing rules"};
    Control RichEdit2{*this, "RichEdit2", Kind::RichEdit, &GroupBox19, {12, 20, 760, 395}};
    Control GroupBox22{*this,   "GroupBox22",       Kind::GroupBox,
                       nullptr, {8, 110, 784, 430}, " \"Finger gymnastics\" "};
    Control Image21{*this, "Image21", Kind::Image, &GroupBox22, {16, 22, 76, 76}};
    Control Label111{*this,       "Label111",         Kind::Label,
                     &GroupBox22, {110, 50, 600, 20}, "Picture 1: Spread your fingers apart."};
    Control Image22{*this, "Image22", Kind::Image, &GroupBox22, {16, 102, 76, 76}};
    Control Label112{*this,       "Label112",          Kind::Label,
                     &GroupBox22, {110, 130, 600, 20}, "Picture 2: Let your wrist cycle."};
    Control Image23{*this, "Image23", Kind::Image, &GroupBox22, {16, 182, 76, 76}};
    Control Label113{*this,
                     "Label113",
                     Kind::Label,
                     &GroupBox22,
                     {110, 210, 600, 20},
                     "Picture 3: Press the fingertips of both hands together."};
    Control Image24{*this, "Image24", Kind::Image, &GroupBox22, {16, 262, 76, 76}};
    Control Label114{*this,       "Label114",          Kind::Label,
                     &GroupBox22, {110, 290, 600, 20}, "Picture 4: Make a fist."};
    Control Image25{*this, "Image25", Kind::Image, &GroupBox22, {16, 342, 76, 76}};
    Control Label115{*this,       "Label115",          Kind::Label,
                     &GroupBox22, {110, 370, 600, 20}, "Picture 5: Fold your hands together."};
    Control GroupBox24{*this,   "GroupBox24",     Kind::GroupBox,
                       nullptr, {8, 36, 600, 72}, "Practise own texts"};
    Control BitBtn4{*this,       "BitBtn4",         Kind::Button,
                    &GroupBox24, {16, 24, 136, 33}, "Practise text"};
    Control Button30{*this, "Button30", Kind::Button, &GroupBox24, {160, 24, 136, 33}, "New text"};
    Control Button33{*this,       "Button33",         Kind::Button,
                     &GroupBox24, {304, 24, 136, 33}, "Change text"};
    Control Button31{*this,       "Button31",         Kind::Button,
                     &GroupBox24, {448, 24, 136, 33}, "Main-screen"};
    Control GroupBox25{*this,   "GroupBox25",       Kind::GroupBox,
                       nullptr, {8, 112, 784, 420}, "Practise own texts:"};
    Control BitBtn6{*this, "BitBtn6", Kind::Button, &GroupBox25, {12, 378, 140, 30}, "Save text"};
    Control Label22{*this, "Label22", Kind::Label, &GroupBox25, {12, 22, 400, 18}};
    Control SpeedButton3{*this, "SpeedButton3", Kind::Button, &GroupBox25, {736, 18, 32, 26}, "A"};
    Control BitBtn5{*this, "BitBtn5", Kind::Button, &GroupBox25, {160, 378, 140, 30}, "Start"};
    Control Memo3{*this, "Memo3", Kind::Memo, &GroupBox25, {12, 48, 756, 320}};
    Control GroupBox26{*this,   "GroupBox26",      Kind::GroupBox,
                       nullptr, {8, 32, 784, 190}, "Practise own texts:"};
    Control Memo4{*this, "Memo4", Kind::Memo, &GroupBox26, {16, 20, 752, 100}};
    Control Button41{*this, "Button41", Kind::Button, &GroupBox26, {16, 152, 130, 25}, "Pause"};
    Control button34{*this, "button34", Kind::Button, &GroupBox26, {154, 152, 130, 25}, "Restart"};
    Control button40{*this, "button40", Kind::Button, &GroupBox26, {292, 152, 130, 25}, "Settings"};
    Control Button35{*this,       "Button35",          Kind::Button,
                     &GroupBox26, {608, 152, 160, 25}, "Main-screen"};
    Control Panel66{*this, "Panel66", Kind::Panel, nullptr, {104, 56, 593, 457}};
    Control Panel67{*this,    "Panel67",       Kind::Panel,
                    &Panel66, {2, 2, 589, 24}, "Note text to lesson 1"};
    Control Label36{*this,    "Label36",         Kind::Label,
                    &Panel66, {25, 32, 500, 26}, "a s d f  j k l \xF6 + space"};
    Control Label37{
        *this,    "Label37",         Kind::Label,
        &Panel66, {25, 80, 500, 20}, "Please put your hands on the keyboard as follows:"};
    Control Label38{*this,    "Label38",          Kind::Label,
                    &Panel66, {25, 111, 300, 20}, "a: left small finger"};
    Control Label39{*this,    "Label39",          Kind::Label,
                    &Panel66, {25, 143, 300, 20}, "s: left ring finger"};
    Control Label40{*this,    "Label40",          Kind::Label,
                    &Panel66, {25, 175, 300, 20}, "d: left middle finger"};
    Control Label41{*this,    "Label41",          Kind::Label,
                    &Panel66, {25, 207, 300, 20}, "f: left forefinger"};
    Control Label42{*this,    "Label42",          Kind::Label,
                    &Panel66, {25, 247, 300, 20}, "j: right forefinger"};
    Control Label43{*this,    "Label43",          Kind::Label,
                    &Panel66, {25, 280, 300, 20}, "k: right middle finger"};
    Control Label44{*this,    "Label44",          Kind::Label,
                    &Panel66, {25, 312, 300, 20}, "l: right ringfinger"};
    Control Label45{*this,    "Label45",          Kind::Label,
                    &Panel66, {24, 344, 300, 20}, "\xF6: right small finger"};
    Control Label46{*this,    "Label46",          Kind::Label,
                    &Panel66, {25, 375, 300, 20}, "Space: right thumb"};
    Control Label88{*this, "Label88", Kind::Label, &Panel66, {300, 111, 280, 20}};
    Control Label89{*this, "Label89", Kind::Label, &Panel66, {300, 143, 280, 20}};
    Control Label96{*this, "Label96", Kind::Label, &Panel66, {300, 175, 280, 20}};
    Control Label101{*this, "Label101", Kind::Label, &Panel66, {300, 207, 280, 20}};
    Control Bevel1{*this, "Bevel1", Kind::Bevel, &Panel66, {191, 200, 360, 72}};
    Control Label47{*this,    "Label47",           Kind::Label,
                    &Panel66, {207, 215, 330, 20}, "Advice:Try not to look at the keyboard"};
    Control Label48{*this, "Label48", Kind::Label, &Panel66, {264, 240, 280, 20}, "while typing."};
    Control BitBtn3{*this,    "BitBtn3",           Kind::Button,
                    &Panel66, {200, 412, 200, 33}, "&Start with lesson 1"};
    Control SpeedButton2{*this, "SpeedButton2", Kind::Button, &Panel66, {567, 3, 22, 22}, "x"};
    Control MainMenu1{*this, "MainMenu1", Kind::MainMenu, nullptr, {0, 0, 0, 0}};
    Control File1{*this, "File1", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "File"};
    Control Exit1{*this, "Exit1", Kind::MenuItem, &File1, {0, 0, 0, 0}, "Exit"};
    Control Start1{*this, "Start1", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "Start"};
    Control StartLektion{*this,   "StartLektion", Kind::MenuItem,
                         &Start1, {0, 0, 0, 0},   "&Start lesson 1 (letter-exercise)"};
    Control MenueTast{*this, "MenueTast", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "The keyboard"};
    Control MenueEinst{*this, "MenueEinst", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "Settings"};
    Control MenueBenu{*this, "MenueBenu", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "User data"};
    Control MenueExtra{*this, "MenueExtra", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "Extras"};
    Control Info1{*this, "Info1", Kind::MenuItem, &MainMenu1, {0, 0, 0, 0}, "Help"};
    Control Hilfe1{*this, "Hilfe1", Kind::MenuItem, &Info1, {0, 0, 0, 0}, "Help"};
    Control Info2{*this, "Info2", Kind::MenuItem, &Info1, {0, 0, 0, 0}, "Info"};
    Control PopupMenu1{*this, "PopupMenu1", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control Kopieren1{*this,       "Kopieren1",  Kind::MenuItem,
                      &PopupMenu1, {0, 0, 0, 0}, "Copy to clipboard"};
    Control Markieren1{*this,       "Markieren1", Kind::MenuItem,
                       &PopupMenu1, {0, 0, 0, 0}, "Emphasise all"};
    Control memo1verk{*this,       "memo1verk",  Kind::MenuItem,
                      &PopupMenu1, {0, 0, 0, 0}, "Reduce window size"};
    Control memo1verg{*this,       "memo1verg",  Kind::MenuItem,
                      &PopupMenu1, {0, 0, 0, 0}, "Extend window size"};
    Control Programmabbrechen1{*this,       "Programmabbrechen1", Kind::MenuItem,
                               &PopupMenu1, {0, 0, 0, 0},         "Abort program"};
    Control PopupMenu9{*this, "PopupMenu9", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control Start9{*this, "Start9", Kind::MenuItem, &PopupMenu9, {0, 0, 0, 0}, "Start"};
    Control Tastatur9{*this,       "Tastatur9",  Kind::MenuItem,
                      &PopupMenu9, {0, 0, 0, 0}, "The keyboard"};
    Control Einstellungen9{*this,       "Einstellungen9", Kind::MenuItem,
                           &PopupMenu9, {0, 0, 0, 0},     "Settings"};
    Control Benutzerdaten9{*this,       "Benutzerdaten9", Kind::MenuItem,
                           &PopupMenu9, {0, 0, 0, 0},     "User data"};
    Control Extras9{*this, "Extras9", Kind::MenuItem, &PopupMenu9, {0, 0, 0, 0}, "Extras"};
    Control EigeneTexteUeben9{*this,       "EigeneTexteUeben9", Kind::MenuItem,
                              &PopupMenu9, {0, 0, 0, 0},        "Practise own texts"};
    Control MenueTextladen{*this,        "MenueTextladen", Kind::MenuItem, &EigeneTexteUeben9,
                           {0, 0, 0, 0}, "Load text"};
    Control MenueTextErstellen{*this,          "MenueTextErstellen",
                               Kind::MenuItem, &EigeneTexteUeben9,
                               {0, 0, 0, 0},   "Create text"};
    Control MenueTextaendern{*this,        "MenueTextaendern", Kind::MenuItem, &EigeneTexteUeben9,
                             {0, 0, 0, 0}, "Change text"};
    Control Programmbeenden9{*this,       "Programmbeenden9", Kind::MenuItem,
                             &PopupMenu9, {0, 0, 0, 0},       "Abort program"};
    Control PopupMenu10{*this, "PopupMenu10", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control start2{*this, "start2", Kind::MenuItem, &PopupMenu10, {0, 0, 0, 0}, "start"};
    Control PopupMenu3{*this, "PopupMenu3", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control hf{*this, "hf", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "Backgroundcolor"};
    Control Sound1{*this, "Sound1", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "Sound"};
    Control BeiTippfehler1{*this,   "BeiTippfehler1", Kind::MenuItem,
                           &Sound1, {0, 0, 0, 0},     "By typing-fault"};
    Control grau1{*this, "grau1", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "Pause"};
    Control silber1{*this, "silber1", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "Settings"};
    Control schwarz1{*this, "schwarz1", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "The keyboard"};
    Control wei1{*this, "wei1", Kind::MenuItem, &PopupMenu3, {0, 0, 0, 0}, "Fault statistics"};
    Control ZurckzumHauptmen1{*this,       "ZurckzumHauptmen1", Kind::MenuItem,
                              &PopupMenu3, {0, 0, 0, 0},        "Back to main-screen"};
    Control PopupMenu7{*this, "PopupMenu7", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control Einstellungen1{*this,       "Einstellungen1", Kind::MenuItem,
                           &PopupMenu7, {0, 0, 0, 0},     "Settings"};
    Control Tastatur1{*this,       "Tastatur1",  Kind::MenuItem,
                      &PopupMenu7, {0, 0, 0, 0}, "The keyboard"};
    Control Fehlerstatistik1{*this,       "Fehlerstatistik1", Kind::MenuItem,
                             &PopupMenu7, {0, 0, 0, 0},       "Fault statistics"};
    Control Pause2{*this, "Pause2", Kind::MenuItem, &PopupMenu7, {0, 0, 0, 0}, "Pause"};
    Control ZurckzumHauptmen2{*this,       "ZurckzumHauptmen2", Kind::MenuItem,
                              &PopupMenu7, {0, 0, 0, 0},        "Back to main-screen"};
    Control PopupMenu6{*this, "PopupMenu6", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control Skalierung1{*this, "Skalierung1", Kind::MenuItem, &PopupMenu6, {0, 0, 0, 0}, "Scale"};
    Control Skal100P{*this, "Skal100P", Kind::MenuItem, &Skalierung1, {0, 0, 0, 0}, "100 %"};
    Control Skal50P{*this, "Skal50P", Kind::MenuItem, &Skalierung1, {0, 0, 0, 0}, "  50 %"};
    Control Skal25P{*this, "Skal25P", Kind::MenuItem, &Skalierung1, {0, 0, 0, 0}, "  25 %"};
    Control Skal10P{*this, "Skal10P", Kind::MenuItem, &Skalierung1, {0, 0, 0, 0}, "  10 %"};
    Control PopupMenu5{*this, "PopupMenu5", Kind::PopupMenu, nullptr, {0, 0, 0, 0}};
    Control Pause1{*this, "Pause1", Kind::MenuItem, &PopupMenu5, {0, 0, 0, 0}, "Pause!"};
    Control Timer1{*this, "Timer1", Kind::Timer, nullptr, {0, 0, 0, 0}};
    Control Timer2{*this, "Timer2", Kind::Timer, nullptr, {0, 0, 0, 0}};
    Control Timer3{*this, "Timer3", Kind::Timer, nullptr, {0, 0, 0, 0}};
};

} // namespace form
