#pragma once

#include "form/tform1.h"
#include "history/store.h"
#include "platform/services.h"
#include "state/context.h"
#include "state/sitzungszustand.h"

#include <filesystem>

// The whole program without a window: the session, the main window's model
// with every event wired to its handler, and the platform it runs on. The Qt
// binder and the headless driver both drive this one object.
class Program {
public:
    // The shipped files (sounds, help, pictures) are looked for in the program
    // directory first, then in `shippedDirectory`.
    Program(platform::Services& services, std::filesystem::path programDirectory,
            std::filesystem::path shippedDirectory = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The window's creation handler: runs once, before the first event.
    void init();

    form::Tform1& window() { return window_; }
    form::TForm2& results() { return results_; }
    history::Store& history() { return history_; }
    Sitzungszustand& state() { return state_; }
    Context& context() { return context_; }
    const std::filesystem::path& programDirectory() const { return directory_; }

private:
    void wire();

    platform::Services& services_;
    std::filesystem::path directory_;
    std::filesystem::path shipped_;
    Sitzungszustand state_;
    form::Tform1 window_;
    form::TForm2 results_;
    Context context_{state_, window_, results_, services_};
    // Beside user30.dat; opened at the first exercise that ends.
    history::Store history_{directory_ / "history.sqlite"};
};
