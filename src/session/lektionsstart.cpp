#include "session/lektionsstart.h"

#include "course/lektionskatalog.h"
#include "exercises/wortuebung.h"
#include "form/radio_group.h"
#include "history/recording.h"
#include "keyboard/tastaturfarben.h"
#include "session/lektionshinweis.h"
#include "users/nullsetzen.h"

#include <string>

namespace {

int teil(int masz, double teiler) {
    return static_cast<int>(masz / teiler);
}

int schriftgroesse(const Context& c, double teiler) {
    return static_cast<int>(c.s.bildschirmbreite / teiler / (c.svc.screen.pixelsPerInch() / 96.0));
}

void tastaturPlatzieren(Context& c) {
    const auto w = c.s.bildschirmbreite;
    const auto h = c.s.bildschirmhoehe;
    const double teiler = w < 1024 ? 2.7 : w == 1024 ? 2.6 : 2.84;
    c.f.GroupBox5.setTop(teil(h, teiler));
    c.f.GroupBox5.show();
}

void bildschirmVorbereiten(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.Label35.setCaption("");
    s.letzterfehler = false;
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    form::checkRadio(f.RadioButton1);
    for (form::Control* m : {&f.Start1, &f.MenueTast, &f.MenueEinst, &f.MenueExtra, &f.MenueBenu}) {
        m->setEnabled(false);
    }
    f.Label36.setCaption("Study achievement 0.0 %");
    f.Label34.setCaption("Study achievement 0.0 %");
    s.farblektion = s.lektion;
    keyboard::legendeFaerben(c);
    c.svc.random.randomize();
    f.Bevel1.setWidth(teil(s.bildschirmbreite, 2.22));
    f.ProgressBar1.setPosition(0);
    tastaturPlatzieren(c);
    for (form::Control* box :
         {&f.GroupBox16, &f.GroupBox10, &f.GroupBox15, &f.GroupBox22, &f.GroupBox19}) {
        box->hide();
    }
    f.Label36.setLeft(teil(s.bildschirmbreite, 7.27));
}

void buchstabenuebungVorbereiten(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    Nullsetzen(c);
    history::uebungBeginnt(s);
    s.pausensekundenbisher = 0;
    s.pausensekunden = 0;
    s.anzeigestatus = Anzeige::Tastatur;
    const auto& lektion = course::lektion(s.lektion);
    s.zeichenvorrat = lektion.zeichenvorrat;
    s.neuezeichen = lektion.neuezeichen;

    for (form::Control* l : {&f.Label88, &f.Label89, &f.Label96, &f.Label101}) {
        l->hide();
    }
    const int titel = schriftgroesse(c, s.lektion == 16 ? 33 : 33.33);
    const int zeile = schriftgroesse(c, 57.1);
    f.Label36.setFontSize(titel);
    for (form::Control* l : {&f.Label37, &f.Label38, &f.Label39, &f.Label40, &f.Label41, &f.Label42,
                             &f.Label43, &f.Label44, &f.Label45, &f.Label46, &f.Label47, &f.Label48,
                             &f.Label88, &f.Label89, &f.Label101}) {
        l->setFontSize(zeile);
    }
    for (form::Control* b : {&f.Button5, &f.Button6, &f.Button7, &f.Button14, &f.Button15, &f.grau1,
                             &f.hf, &f.schwarz1, &f.silber1, &f.wei1}) {
        b->setEnabled(false);
    }
    for (form::Control* box : {&f.Panel5, &f.GroupBox1, &f.GroupBox3, &f.GroupBox10, &f.GroupBox7,
                               &f.Memo1, &f.ComboBox1, &f.Label5}) {
        box->hide();
    }
    for (form::Control* rahmen : {&f.Label47, &f.Label48, &f.Bevel1}) {
        rahmen->show();
    }
}

void zeichenfeldVorbereiten(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    const bool schwarz = f.Panel1.color() == form::colours::black;
    f.Label28.setFontColor(schwarz ? form::colours::white : form::colours::black);
    f.Label28.show();
    f.Panel1.setFontName(s.schriftBuchstabe);
    f.Panel1.setFontSize(schriftgroesse(c, 18));
    f.Panel1.setFontColor(schwarz ? form::colours::white : form::colours::black);
    f.Panel1.setCaption("START");

    const std::string nummer = std::to_string(s.lektion);
    f.BoxBuchstabenuebung.setCaption(
        (s.wiederholungaktiv ? "Repetition letter-exercise lesson " : "Letter-exercise lesson ") +
        nummer + " ");
    f.Panel67.setCaption("Note text to lesson " + nummer);
    f.BoxBuchstabenuebung.show();
    f.BitBtn3.setCaption("&Start with lesson " + nummer);
    f.Label47.setFontColor(form::rgb(255, 0, 0));
    f.Label48.setFontColor(form::rgb(255, 0, 0));
    lektionshinweisFuellen(c);
}

} // namespace

void Startvorbereiten(Context& c) {
    auto& f = c.f;
    bildschirmVorbereiten(c);
    if (c.s.lektionsteil == 1) {
        Wortuebungeinrichten(c);
        for (form::Control* b : {&f.Button8, &f.Button18, &f.Button19, &f.Button20}) {
            b->setEnabled(false);
        }
        return;
    }
    buchstabenuebungVorbereiten(c);
    zeichenfeldVorbereiten(c);
    f.Panel66.show();
    f.Panel66.bringToFront();
    f.Button18.bringToFront();
}

void Start(Context& c) {
    c.f.Panel66.hide();
    c.s.buchstabenuebungaktiv = true;
    c.f.Button6.setEnabled(true);
}
