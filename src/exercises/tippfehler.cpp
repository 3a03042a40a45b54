#include "exercises/tippfehler.h"

#include "state/programmdatei.h"

namespace exercises {

void fehlertonSpielen(Context& c) {
    if (!c.s.fehlerton) {
        return;
    }
    const auto datei = programmdatei(c.s, "Error.wav");
    if (!c.svc.sound.play(datei, true)) {
        c.svc.sound.beep();
    }
}

} // namespace exercises
