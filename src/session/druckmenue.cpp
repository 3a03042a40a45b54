#include "session/druckmenue.h"

#include "session/uhr.h"
#include "statistics/fehlerdruck.h"

void Druckereinrichten1Click(Context& c) {
    BPause(c);
    c.svc.printer.setup();
    BPause(c);
}

void Bildschirmausdrucken1Click(Context& c) {
    BPause(c);
    const auto antwort = c.svc.messages.show("Clavora", "Do you want to print the screen?",
                                             platform::Icon::Question, platform::Buttons::YesNo);
    BPause(c);
    if (antwort != platform::Answer::Yes) {
        return;
    }
    druckergebnisMelden(c, c.svc.printer.printWindow("Clavora"), "The screen");
}
