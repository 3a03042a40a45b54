#pragma once

#include "state/context.h"

// The learning targets and preferences of the settings panel.
void einstellungenaktiviert(Context& c);
void wunschanpm(Context& c);
void wunschfehlerrate(Context& c);
void TrackBar3Change(Context& c);
// The presets of the "Studying aims" pop-up menu.
void anpm1Click(Context& c);
void N801Click(Context& c);
void N1001Click(Context& c);
void N1201Click(Context& c);
void N1401Click(Context& c);
void N01Click(Context& c);
void N101Click(Context& c);
void N201Click(Context& c);
void N31Click(Context& c);
void ber_erzwingen(Context& c);
void Radiobutton20Click(Context& c);
void CheckBox1Click(Context& c);
void CheckBox2Click(Context& c);
void soundtippfehler(Context& c);

// The texts of the target labels.
std::string zieltempoText(std::int32_t wunschanschlaege);
std::string zielquoteText(float wunschfehlerquote);
