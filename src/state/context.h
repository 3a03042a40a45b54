#pragma once

#include "form/tform1.h"
#include "form/tform2.h"
#include "platform/services.h"
#include "state/sitzungszustand.h"

struct Context;

namespace history {
class Store;
}

// The steps of the lesson's road that stand above the exercises: an exercise
// that ends calls them, and the program fills them in.
struct Ablauf {
    void (*lektionVorbereiten)(Context&) = nullptr; // the next lesson's start
    void (*uebungVerlassen)(Context&) = nullptr;    // back to the main screen
};

// What every handler works on: the session, the window model, the platform.
struct Context {
    Sitzungszustand& s;
    form::Tform1& f;
    form::TForm2& f2; // the results window
    platform::Services& svc;
    Ablauf ablauf{};
    // The progress history; none where a program keeps no history.
    history::Store* verlauf = nullptr;
};
