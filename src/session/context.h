#pragma once

#include "form/tform1.h"
#include "platform/services.h"
#include "session/sitzungszustand.h"

// What every handler works on: the session, the window model, the platform.
struct Context {
    Sitzungszustand& s;
    form::Tform1& f;
    platform::Services& svc;
};
