#include "form/tform1.h"

#include "form/radio_group.h"

namespace form {
namespace {

constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

void setRange(Control& bar, int min, int max, int position) {
    bar.setMin(min);
    bar.setMax(max);
    bar.setPosition(position);
}

} // namespace

Tform1::Tform1() : Form("Tform1", "Clavora", kDesignWidth, kDesignHeight) {
    for (Control* c : controls()) {
        c->setFont({"Sans Serif", 9, 0});
    }
    setUpMainScreen();
    setUpExercises();
    setUpExtras();
    setUpProgress();
    setUpSettings();
    setUpLessonNote();
    setUpFaultPanel();
    setUpTimers();
}

void Tform1::setUpMainScreen() {
    ComboBox1.setMaxLength(45);
    Memo1.setReadOnly(true);
    Memo1.setHint("Please click in this window to extend the window size.");
    Memo1.popupMenu = &PopupMenu1;
    GroupBox3.popupMenu = &PopupMenu9;
    Panel5.setHint("Clavora");
    Image1.setText("clavora_logo.svg");
    tastatur.einrichten();
}

void Tform1::setUpExercises() {
    BoxBuchstabenuebung.popupMenu = &PopupMenu3;
    Panel1.popupMenu = &PopupMenu3;
    GroupBox12.popupMenu = &PopupMenu7;
    Panel4.popupMenu = &PopupMenu5;
    for (Control* label : {&Label24, &Label25, &Label26, &Label27, &Label61}) {
        label->setFontStyle(1);
    }
    SpeedButton1.setHint("cancel");
    SpeedButton2.setHint("cancel");
    Label61.hide();

    Panel1.setColor(colours::silver);
    Panel1.setFont({"Times New Roman", 72, 0});
    Label35.setHint("Capitial letter");
    Label35.setFontStyle(1);
    Label34.setFontStyle(1);
    setRange(ProgressBar1, 0, 100, 0);
    setRange(ProgressBar11, 0, 100, 0);

    Edit2.setReadOnly(true);
    Edit2.setFont({"Times New Roman", 18, 1});
    Memo4.setReadOnly(true);
}

void Tform1::setUpProgress() {
    GroupBoxProgress.hide();
    MemoPairs.setReadOnly(true);
    ButtonProgress.setHint("Your speed and faults over time, and the keys you miss most");
    ButtonWeakKeys.setHint("Lines made of the keys with your highest fault rates");
    ButtonExport.setHint("Save all your exercises as a table for a spreadsheet");
    KeyMapFaults.setHint("Each key tinted by its fault rate over your last 20 exercises");
}

void Tform1::setUpExtras() {
    GroupBox21.popupMenu = &PopupMenu10;
    Edit4.setReadOnly(true);
    Edit5.setReadOnly(true);
    setRange(ScrollBar1, 1, 32, 1);
    setRange(ScrollBar2, 1, 32, 1);
    setRange(ScrollBar3, 1, 30, 10);
    Edit6.setReadOnly(true);
    Button24.setEnabled(false);
    StringGrid2.setFixedCols(0);
    StringGrid2.setHint("Click on the user you want to delete from the user list.");
    Edit3.setHint("Please enter the password!");
    Edit3.setPasswordChar('*');
    Edit3.setMaxLength(12);
    SpeedButton3.setHint("Change font size");
    Panel2.setHint("Please press <ENTER>.");
    Panel2.setColor(colours::yellow);
    Panel2.hide();
    Image21.setText("finger_gym_1.svg");
    Image22.setText("finger_gym_2.svg");
    Image23.setText("finger_gym_3.svg");
    Image24.setText("finger_gym_4.svg");
    Image25.setText("finger_gym_5.svg");
}

void Tform1::setUpSettings() {
    GroupBox2.popupMenu = &PopupMenu8;
    setRange(TrackBar1, 20, 260, 40);
    setRange(TrackBar2, 0, 60, 35);
    setRange(TrackBar3, 20, 50, 30);
    RadioButton19.setHint("Typing faults must be corrected.");
    RadioButton20.setHint("Typing faults are only counted.");
    RadioButton19.setChecked(true);
    checkRadio(RadioButton1);
    setUpColoursAndScripts();
    Image11.setText("flag_de.svg");
    Image10.setText("flag_ch.svg");
    Image12.setText("flag_us.svg");
    Image3.setText("flag_uk.svg");
}

void Tform1::setUpColoursAndScripts() {
    ComboBox2.setItems(
        {"Standard", "Own colours", "Green", "Mint", "Crazy", "Pastel", "Rose", "Water", "Random"});
    ComboBox2.setReadOnly(true);
    ComboBox2.setItemIndex(7);
    ComboBox2.setText("Water");
    // Circles drawn with a thick outline in the finger colour; the first is hollow.
    constexpr int kOutline = 15;
    bool first = true;
    for (Control* swatch : {&Shape28, &Shape55, &Shape56, &Shape58, &Shape59}) {
        swatch->setColor(colours::black);
        swatch->setShape({true, colours::black, kOutline, !first});
        first = false;
    }
    // A long font name shrinks to the box rather than running out of it.
    for (Control* name : {&Label19, &Label20, &Label3}) {
        name->setAutoSize(false);
    }
    Button9.setHint("Choose the font of the exercise checked above");
    GroupBox5.popupMenu = &PopupMenu4;
    TaSchriftSchwarz.setChecked(true);
    tastaturfarbeweiss.setChecked(false);
    silber2.setFontStyle(1); // the default background
}

void Tform1::setUpLessonNote() {
    Panel66.setBevel(BevelStyle::Lowered);
    Panel67.setColor(rgb(0, 0, 128));
    Panel67.setFontColor(colours::white);
    Panel67.setFontStyle(1);
    Label36.setFontStyle(1);
    Label36.setFontSize(14);
    for (Control* line : {&Label88, &Label89, &Label96, &Label101}) {
        line->hide();
    }
    Label47.setFontColor(rgb(255, 0, 0));
    Label48.setFontColor(rgb(255, 0, 0));
}

void Tform1::setUpFaultPanel() {
    GroupBox14.setHint("How many mistakes did you make with which finger?");
    GroupBox14.popupMenu = &PopupMenu6;
    for (Control* balken :
         {&ProgressBar2, &ProgressBar3, &ProgressBar4, &ProgressBar5, &ProgressBar6, &ProgressBar7,
          &ProgressBar8, &ProgressBar9, &ProgressBar10}) {
        setRange(*balken, 0, 25, 0);
    }
}

void Tform1::setUpTimers() {
    Timer1.setInterval(250);
    Timer1.setEnabled(true);
    Timer2.setInterval(60000);
    Timer2.setEnabled(false);
    Timer3.setInterval(250); // how long a wrong key stays lit
    Timer3.setEnabled(false);
}

} // namespace form
