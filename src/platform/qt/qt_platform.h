#pragma once

#include "platform/qt/about_box.h"
#include "platform/qt/clock.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/lazy_printer.h"
#include "platform/qt/lazy_sound.h"
#include "platform/qt/message_boxes.h"
#include "platform/qt/modal_forms.h"
#include "platform/qt/modal_hook.h"
#include "platform/qt/random_source.h"
#include "platform/services.h"

namespace platform::qt {

// All real services together, with the Services bundle the handlers take.
// Needs a QApplication for as long as it lives.
struct QtPlatform {
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // Set it to the binder's sync once the window exists.
    ModalHook beforeModal;

    QtClock clock;
    QtRandom random;
    LazySound sound{LazySound::defaultPaths()};
    QtMessageBoxes messages{beforeModal};
    QtScreen screen;
    QtDisk disk;
    QtDocumentOpener opener;
    QtClipboard clipboard;
    QtFileDialogs files{beforeModal};
    QtFontDialog fonts{beforeModal};
    QtColourDialog colours{beforeModal};
    QtAboutBox about{beforeModal};
    LazyPrinter printer{LazyPrinter::defaultPaths(), beforeModal, messages};
    QtModalForms forms{beforeModal};
    Services services{clock,     random, sound, messages, screen, disk,    opener,
                      clipboard, files,  fonts, colours,  about,  printer, forms};
};

} // namespace platform::qt
