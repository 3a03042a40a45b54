#include "app/programmende.h"

#include "session/uhr.h"

bool formclose(Context& c) {
    if (c.s.buchstabenuebungaktiv || c.s.wortuebungaktiv) {
        BPause(c);
    }
    const auto antwort = c.svc.messages.show("Clavora", "Abort \"Clavora\"?",
                                             platform::Icon::Question, platform::Buttons::YesNo);
    return antwort == platform::Answer::Yes;
}
