#include "settings/einstellungen.h"

#include "measurement/messung.h"

std::string zieltempoText(std::int32_t wunschanschlaege) {
    return "Keystrokes per minute: " + std::to_string(wunschanschlaege);
}

std::string zielquoteText(float wunschfehlerquote) {
    return "Highest fault rate: " + messung::festkomma(wunschfehlerquote, 3, 1) + " %";
}

void einstellungenaktiviert(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.GroupBox24.hide();
    f.GroupBox25.hide();
    f.Memo1.show();
    f.RadioButton19.setChecked(s.korrekturerzwingen);
    f.RadioButton20.setChecked(!s.korrekturerzwingen);
    f.memo1verg.setEnabled(true);
    f.memo1verk.setEnabled(false);
    for (form::Control* box : {&f.GroupBox5, &f.GroupBox7, &f.GroupBox10, &f.GroupBox15,
                               &f.GroupBox16, &f.GroupBox19, &f.GroupBox22}) {
        box->hide();
    }
    f.GroupBox1.setTop(static_cast<int>(s.bildschirmhoehe / 5));
    f.GroupBox1.show();
    f.GroupBox1.bringToFront(); // its lowest row would lie under the welcome text
    f.Label1.setCaption(zieltempoText(s.wunschanschlaege));
    f.Label2.setCaption("Highest fault rate:  " + messung::festkomma(s.wunschfehlerquote, 3, 1) +
                        " %");
    f.Memo1.setTop(static_cast<int>(s.bildschirmhoehe / 1.54));
    f.Memo1.setHeight(static_cast<int>(s.bildschirmhoehe / 4.2));
}

void wunschanpm(Context& c) {
    c.s.wunschanschlaege = c.f.TrackBar1.position();
    c.f.Label1.setCaption(zieltempoText(c.s.wunschanschlaege));
}

void wunschfehlerrate(Context& c) {
    c.s.wunschfehlerquote = static_cast<float>(c.f.TrackBar2.position() / 10.0);
    c.f.Label2.setCaption(zielquoteText(c.s.wunschfehlerquote));
}

namespace {

// A preset sets the target, its track bar and its label together.
void zieltempoVorgeben(Context& c, int anschlaege) {
    c.s.wunschanschlaege = anschlaege;
    c.f.TrackBar1.setPosition(anschlaege);
    c.f.Label1.setCaption(zieltempoText(anschlaege));
}

void zielquoteVorgeben(Context& c, int prozent) {
    c.s.wunschfehlerquote = static_cast<float>(prozent);
    c.f.TrackBar2.setPosition(prozent * 10);
    c.f.Label2.setCaption(zielquoteText(c.s.wunschfehlerquote));
}

} // namespace

void anpm1Click(Context& c) {
    zieltempoVorgeben(c, 60);
}
void N801Click(Context& c) {
    zieltempoVorgeben(c, 80);
}
void N1001Click(Context& c) {
    zieltempoVorgeben(c, 100);
}
void N1201Click(Context& c) {
    zieltempoVorgeben(c, 120);
}
void N1401Click(Context& c) {
    zieltempoVorgeben(c, 140);
}
void N01Click(Context& c) {
    zielquoteVorgeben(c, 0);
}
void N101Click(Context& c) {
    zielquoteVorgeben(c, 1);
}
void N201Click(Context& c) {
    zielquoteVorgeben(c, 2);
}
void N31Click(Context& c) {
    zielquoteVorgeben(c, 3);
}

void TrackBar3Change(Context& c) {
    c.s.anteilBekannte = static_cast<std::uint8_t>(c.f.TrackBar3.position());
    c.f.Label15.setCaption("known letters to " + std::to_string(c.s.anteilBekannte) + " %");
}

void ber_erzwingen(Context& c) {
    c.s.korrekturerzwingen = c.f.RadioButton19.checked();
}

void Radiobutton20Click(Context& c) {
    c.s.korrekturerzwingen = !c.f.RadioButton20.checked();
}

void CheckBox1Click(Context& c) {
    c.s.fehlerton = c.f.CheckBox1.checked();
    c.f.BeiTippfehler1.setChecked(c.s.fehlerton);
}

void CheckBox2Click(Context& c) {
    c.s.stimme = c.f.CheckBox2.checked();
}

void soundtippfehler(Context& c) {
    c.s.fehlerton = !c.s.fehlerton;
    c.f.BeiTippfehler1.setChecked(c.s.fehlerton);
    c.f.CheckBox1.setChecked(c.s.fehlerton);
}
