#include "app/program.h"

#include "app/info.h"
#include "app/navigation.h"
#include "app/programmende.h"
#include "app/schreibregeln.h"
#include "app/willkommen.h"
#include "course/lektionswahl.h"
#include "exercises/buchstabenuebung.h"
#include "exercises/eigenetexte.h"
#include "exercises/texteditor.h"
#include "exercises/uebungen.h"
#include "exercises/wortuebung.h"
#include "form/radio_group.h"
#include "keyboard/farbwahl.h"
#include "keyboard/fehltaste.h"
#include "keyboard/schriftwahl.h"
#include "keyboard/tastaturaktiviert.h"
#include "keyboard/tastaturlayout.h"
#include "keyboard/zeichenfolge.h"
#include "progress/fortschritt.h"
#include "session/druckmenue.h"
#include "session/lektionsstart.h"
#include "session/pruefungsstart.h"
#include "session/uhr.h"
#include "session/wiederholung.h"
#include "settings/einstellungen.h"
#include "settings/pruefung.h"
#include "state/programmdatei.h"
#include "statistics/ergebnisfenster.h"
#include "statistics/fehlerdruck.h"
#include "statistics/fehlerstatistik.h"
#include "statistics/gesamtstatistik.h"
#include "users/anmeldung.h"
#include "users/benutzerdatenanzeige.h"
#include "users/benutzerliste.h"
#include "users/farbschema.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kEntwurfsbreite = 800;
constexpr int kEntwurfshoehe = 600;

// Every size of the window is a fraction of a 4:3 screen; on a wider or taller
// one the program takes the largest 4:3 part, so nothing falls off an edge.
platform::ScreenSize vierzuDrei(int breite, int hoehe) {
    const long long b = std::max(breite, 1);
    const long long h = std::max(hoehe, 1);
    const long long passendeBreite = std::min(b, h * kEntwurfsbreite / kEntwurfshoehe);
    return {static_cast<int>(passendeBreite),
            static_cast<int>(std::min(h, passendeBreite * kEntwurfshoehe / kEntwurfsbreite))};
}

void on(form::Control& control, Context& c, void (*handler)(Context&)) {
    control.onClick = [&c, handler] { handler(c); };
}

// Several controls that run one handler: buttons, their menu items, pictures.
void on(std::initializer_list<form::Control*> controls, Context& c, void (*handler)(Context&)) {
    for (form::Control* control : controls) {
        on(*control, c, handler);
    }
}

void hidden(std::initializer_list<form::Control*> controls) {
    for (form::Control* control : controls) {
        control->hide();
    }
}

void disabled(std::initializer_list<form::Control*> controls) {
    for (form::Control* control : controls) {
        control->setEnabled(false);
    }
}

void startfarben(Sitzungszustand& s) {
    s.farbeKleinfinger = form::rgb(0, 83, 225);
    s.farbeRingfinger = form::rgb(0, 180, 225);
    s.farbeMittelfinger = form::rgb(112, 208, 255);
    s.farbeZeigefinger = form::rgb(184, 255, 217);
    s.farbeDaumen = form::rgb(82, 255, 246);
}

void speicherplatzPruefen(Context& c, const std::filesystem::path& verzeichnis) {
    if (c.svc.disk.freeBytes(verzeichnis) / 1024 >= 2) {
        return;
    }
    c.svc.messages.show("Error",
                        "Error! Not enought free disk-space!\r\rThe programme cannot be executed "
                        "correctly!",
                        platform::Icon::Error, platform::Buttons::Ok);
}

// Each Image names its picture by file name; the session finds where it lies.
void bilderZeigen(Context& c) {
    auto& f = c.f;
    for (form::Control* bild : {&f.Image1, &f.Image21, &f.Image22, &f.Image23, &f.Image24,
                                &f.Image25, &f.Image11, &f.Image10, &f.Image12, &f.Image3}) {
        bild->setText(programmdatei(c.s, bild->text()).string());
    }
}

} // namespace

Program::Program(platform::Services& services, std::filesystem::path programDirectory,
                 std::filesystem::path shippedDirectory)
    : services_(services), directory_(std::move(programDirectory)),
      shipped_(std::move(shippedDirectory)) {
    context_.verlauf = &history_;
    wire();
}

void Program::init() {
    auto& s = state_;
    auto& f = window_;
    auto& c = context_;
    startfarben(s);
    universaltimer(c);
    f.Timer2.setEnabled(false);
    s.zeittest = false;
    f.BitBtn6.setEnabled(false);
    s.eigenetexteaktiv = false;

    f.Start9.setCaption("Start");
    disabled({&f.Start9, &f.Tastatur9, &f.Einstellungen9, &f.Benutzerdaten9, &f.Extras9,
              &f.EigeneTexteUeben9});
    hidden({&f.GroupBox24, &f.GroupBox25, &f.GroupBox26});
    disabled({&f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueExtra, &f.MenueBenu});

    const auto bildschirm = vierzuDrei(services_.screen.width(), services_.screen.height());
    s.bildschirmbreite = bildschirm.width;
    s.bildschirmhoehe = bildschirm.height;
    s.angemeldet = false;
    f.scaleBy(s.bildschirmbreite, kEntwurfsbreite);

    f.Image1.setHint("Clavora");
    speicherplatzPruefen(c, directory_);

    f.GroupBox5.show();
    s.wiederholungslektion = 1;
    disabled({&f.memo1verg, &f.memo1verk});
    f.Edit5.setText("1 L");
    const auto jetzt = services_.clock.timeOfDay();
    s.programmstartstunde = static_cast<std::uint16_t>(jetzt.hour);
    s.programmstartminute = static_cast<std::uint16_t>(jetzt.minute);
    hidden({&f.GroupBox15, &f.Panel3});
    fehlertabelleEinrichten(c);

    form::checkRadio(f.RadioButton1);
    f.Panel4.hide();
    s.zeichenfolge = keyboard::deutscheZeichenfolge();
    s.farblektion = 17;
    disabled({&f.BitBtn2, &f.Button2, &f.Button3, &f.Button22, &f.Button10});
    f.GroupBox1.hide();
    f.GroupBox5.show();
    keyboard::TastaturUK(c);
    keyboard::farbenZeigen(c);
    f.GroupBox5.bringToFront();
    hidden({&f.GroupBox7, &f.GroupBox14, &f.GroupBox16, &f.GroupBox10, &f.Panel66, &f.GroupBox15,
            &f.GroupBox22, &f.BoxBuchstabenuebung, &f.GroupBox12, &f.GroupBox19});
    s.buchstabenuebungaktiv = false;
    s.wortuebungaktiv = false;
    s.programmverzeichnis = directory_.string();
    s.mitgeliefertverzeichnis = shipped_.string();

    f.Memo1.setLines(willkommenstext());
    bilderZeigen(c);
    benutzernamenLesen(c);
    f.setFocused(&f.ComboBox1);
    ergebnisfenster::FormCreate(c);
}

void Program::wire() {
    auto& f = window_;
    auto& c = context_;
    c.ablauf = {Startvorbereiten, Buchstabenuebung_abbruch};
    f.onKeyPress = [&c](std::uint8_t& key) { uebungen(c, key); };
    f.onDeactivate = [&c] { deaktiviert(c); };
    f.onKeyUp = [&c](int tastencode) { FormKeyUp(c, tastencode); };
    f.onCloseQuery = [&c] { return formclose(c); };
    f.Timer1.onTimer = [&c] { universaltimer(c); };
    f.ComboBox1.onKeyPress = [&c](std::uint8_t& taste) { editfeld(c, taste); };
    f.Timer2.onTimer = [&c] { Timer2Timer(c); };
    f.Timer3.onTimer = [&c] { keyboard::Timer3Timer(c); };

    on({&f.BitBtn2, &f.Start9, &f.start2, &f.StartLektion}, c, Startvorbereiten);
    on(f.BitBtn3, c, Start);
    on({&f.SpeedButton1, &f.SpeedButton2, &f.Button6, &f.Button21, &f.Button35,
        &f.ZurckzumHauptmen1, &f.ZurckzumHauptmen2},
       c, Buchstabenuebung_abbruch);
    on({&f.Button15, &f.Button20, &f.Button41, &f.grau1, &f.Pause1, &f.Pause2}, c, BPause);
    on(f.Button7, c, buchstabenuebungeinstellungen);
    on(f.Button8, c, Wortuebungeinstellungen);
    on(f.Einstellungen1, c, Wortuebungeinstellungen);
    on(f.BitBtn1, c, StartWiederholung);
    on(f.BitBtn9, c, BitBtn9Click);
    on({&f.Button22, &f.MenueExtra, &f.Extras9}, c, Extras);
    on({&f.Button10, &f.MenueBenu, &f.Benutzerdaten9}, c, Benutzerdatenanzeigen);
    on(f.Button11, c, benutzerdatei_einsehen);
    f.StringGrid2.onMouseUp = [&c](int spalte, int zeile) { ben_loeschen(c, spalte, zeile); };
    on(f.Button24, c, killhim);
    on(f.Button23, c, nichtloeschen);
    f.Edit3.onChange = [&c] { Edit3Change(c); };
    f.ScrollBar1.onChange = [&c] { lektiondirekt(c); };
    f.ScrollBar2.onChange = [&c] { WLektioneinstellen(c); };
    f.ScrollBar3.onChange = [&c] { ScrollBar3Change(c); };
    on(f.silber1, c, buchstabenuebungeinstellungen);
    on({&f.Button2, &f.Button5, &f.Button18, &f.MenueTast, &f.Tastatur9, &f.schwarz1, &f.Tastatur1},
       c, keyboard::Tastatur);
    on({&f.Button3, &f.MenueEinst, &f.Einstellungen9}, c, einstellungenaktiviert);
    f.TrackBar1.onChange = [&c] { wunschanpm(c); };
    f.TrackBar2.onChange = [&c] { wunschfehlerrate(c); };
    f.TrackBar3.onChange = [&c] { TrackBar3Change(c); };
    on(f.RadioButton19, c, ber_erzwingen);
    on(f.RadioButton20, c, Radiobutton20Click);
    on(f.CheckBox1, c, CheckBox1Click);
    on(f.CheckBox2, c, CheckBox2Click);
    on(f.BeiTippfehler1, c, soundtippfehler);
    on(f.Edit2, c, Edit2Click);
    on(f.Memo4, c, Memo4Click);
    on({&f.RadioButton3, &f.Image11}, c, keyboard::TastaturDeutsch);
    on({&f.RadioButton4, &f.Image10}, c, keyboard::TastaturSchweiz);
    on({&f.RadioButton6, &f.Image12}, c, keyboard::TastaturUSA);
    on({&f.RadioButton7, &f.Image3}, c, keyboard::TastaturUK);
    on(f.Button4, c, keyboard::Farbe1aendern);
    on(f.Button36, c, keyboard::Farbe2aendern);
    on(f.Button37, c, keyboard::Farbe3aendern);
    on(f.Button38, c, keyboard::Farbe4aendern);
    on(f.Button39, c, keyboard::Farbe5aendern);
    f.ComboBox2.onChange = [&c] { ComboBox2Click(c); };
    on(f.TaSchriftSchwarz, c, keyboard::TaSchriftSchwarzClick);
    on(f.tastaturfarbeweiss, c, keyboard::tastaturfarbeweissClick);
    on(f.blau1, c, keyboard::Panel1blue);
    on(f.gelb2, c, keyboard::gelb2Click);
    on(f.rot2, c, keyboard::rot2Click);
    on(f.grau2, c, keyboard::grau2Click);
    on(f.silber2, c, keyboard::silber2Click);
    on(f.schwarz2, c, keyboard::schwarz2Click);
    on(f.wei2, c, keyboard::wei2Click);
    on(f.Button9, c, keyboard::schriftartaendern);
    on(f.Button27, c, Fingergym);
    on({&f.Button14, &f.Button19, &f.wei1, &f.Fehlerstatistik1}, c, Fehlerstatistikaktivieren);
    on(f.Skal100P, c, Skal100PClick);
    on(f.Skal50P, c, Skal50PClick);
    on(f.Skal25P, c, Skal25PClick);
    on(f.Skal10P, c, Skal10PClick);
    on(f.Druckereinrichten1, c, Druckereinrichten1Click);
    on(f.Bildschirmausdrucken1, c, Bildschirmausdrucken1Click);
    on(f.BitBtn7, c, BitBtn7Click);
    c.f2.onShow = [&c] { ergebnisfenster::FormPaint(c); };
    c.f2.onCloseQuery = [&c] { return c.f2.okGedrueckt; };
    c.f2.Timer1.onTimer = [&c] { ergebnisfenster::Timer1Timer(c); };
    on(c.f2.Button1, c, ergebnisfenster::Button1Click);
    on(f.BitBtn8, c, BitBtn8Click);
    on(f.Anpm2, c, anpm1Click);
    on(f.N801, c, N801Click);
    on(f.N1001, c, N1001Click);
    on(f.N1201, c, N1201Click);
    on(f.N1401, c, N1401Click);
    on(f.N01, c, N01Click);
    on(f.N101, c, N101Click);
    on(f.N201, c, N201Click);
    on(f.N31, c, N31Click);
    on(f.Button25, c, schreibregeln);
    on(f.Button28, c, MenueEigeneTexte);
    on(f.Button26, c, fehlerstatistikextras);
    on(f.ButtonProgress, c, ButtonProgressClick);
    on(f.ButtonWeakKeys, c, ButtonWeakKeysClick);
    on(f.ButtonExport, c, ButtonExportClick);
    on(f.BitBtn4, c, textladen);
    on(f.Button30, c, TextErstellen);
    on(f.Button33, c, Textaendern);
    on(f.Button31, c, hauptmenue);
    on(f.BitBtn6, c, BitBtn6Click);
    on(f.BitBtn5, c, bitbtn5Click);
    on(f.button34, c, button34Click);
    on(f.button40, c, EigeneTexteeinstellungen);
    on(f.SpeedButton3, c, Schriftgr1);
    on(f.MenueTextladen, c, MenueTextladen);
    on(f.MenueTextErstellen, c, MenueTextErstellen);
    on(f.MenueTextaendern, c, MenueTextaendern);
    f.Memo3.onChange = [&c] { Memo3Change(c); };
    on(f.Memo1, c, Memo1vergroessern);
    on(f.memo1verg, c, Memo1vergroessern);
    on(f.memo1verk, c, Memo1verkleinern);
    on(f.Markieren1, c, Memo1markieren);
    on(f.Kopieren1, c, copyclip);
    on(f.Hilfe1, c, Hilfe1Click);
    on(f.Info2, c, Info1Click);
    f.Image1.onDblClick = [&c] { Info1Click(c); };
    for (form::Control* ende : {&f.Exit1, &f.Programmbeenden9, &f.Programmabbrechen1}) {
        ende->onClick = [&f] { f.requestClose(); };
    }
}
