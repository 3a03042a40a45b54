#include "app/programmende.h"

#include "exercises/texteditor.h"
#include "history/recording.h"
#include "session/uhr.h"
#include "users/datenaufdiskschreiben.h"

bool formclose(Context& c) {
    const bool umgeschaltet = c.s.buchstabenuebungaktiv || c.s.wortuebungaktiv;
    if (umgeschaltet) {
        BPause(c);
    }
    // Written from every screen, not only the main one, so closing from an
    // exercise loses nothing. A failed write has been shown; the question
    // still comes, so the learner can stay on and keep the session.
    if (c.s.angemeldet) {
        (void)datenaufdiskschreiben(c);
    }
    // An own text with unsaved changes would be lost with the window.
    speichernAnbieten(c);
    const auto antwort = c.svc.messages.show("Clavora", "Abort \"Clavora\"?",
                                             platform::Icon::Question, platform::Buttons::YesNo);
    if (antwort == platform::Answer::Yes) {
        history::uebungVerlassen(c);
        return true;
    }
    // Staying on: the exercise goes on as it was before the question.
    if (umgeschaltet) {
        BPause(c);
    }
    return false;
}
