// The sound module's one entry point, looked up by name when the program
// plays its first sound.
#include "platform/qt/sound_module/qt_sound.h"

#include <QtGlobal>
#include <memory>

// A new sound service, owned by the caller, who deletes it through Sound's
// virtual destructor.
extern "C" Q_DECL_EXPORT platform::Sound* clavora_sound_create() {
    return std::make_unique<platform::qt::QtSound>().release();
}
