#include "statistics/fehlerstatistik.h"

#include <string>

void statistikberechnen(Sitzungszustand& s, const FingerPaare& zaehler) {
    for (std::size_t k = 1; k <= 9; ++k) {
        // The counters are handed over as 16-bit unsigned values.
        const auto anschlaege = static_cast<std::uint16_t>(zaehler[k].anschlaege);
        const auto fehler = static_cast<std::uint16_t>(zaehler[k].fehler);
        s.fingerfehlerquoten[k] =
            anschlaege != 0 && fehler != 0
                ? static_cast<double>(100.0L / (static_cast<long double>(anschlaege) / fehler))
                : 0.0;
    }
}

void Fehlerstatistik(Context& c) {
    c.f.GroupBox14.setCaption("Fault statistics lesson " + std::to_string(c.s.lektion));
}
