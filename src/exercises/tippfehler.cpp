#include "exercises/tippfehler.h"

namespace exercises {

void fehlertonSpielen(Context& c) {
    if (!c.s.fehlerton) {
        return;
    }
    const auto datei = std::filesystem::path(c.s.programmverzeichnis) / "Error.wav";
    if (!c.svc.sound.play(datei, true)) {
        c.svc.sound.beep();
    }
}

} // namespace exercises
