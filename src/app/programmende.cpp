#include "app/programmende.h"

#include "exercises/texteditor.h"
#include "session/uhr.h"
#include "users/datenaufdiskschreiben.h"

bool formclose(Context& c) {
    if (c.s.buchstabenuebungaktiv || c.s.wortuebungaktiv) {
        BPause(c);
    }
    // Written from every screen, not only the main one, so closing from an
    // exercise loses nothing.
    if (c.s.angemeldet) {
        datenaufdiskschreiben(c);
    }
    // An own text with unsaved changes would be lost with the window.
    speichernAnbieten(c);
    const auto antwort = c.svc.messages.show("Clavora", "Abort \"Clavora\"?",
                                             platform::Icon::Question, platform::Buttons::YesNo);
    return antwort == platform::Answer::Yes;
}
