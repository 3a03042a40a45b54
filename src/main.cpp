// Clavora: the touch-typing tutor in its one real window.
#include "app/program.h"
#include "app/program_paths.h"
#include "app/version.h"
#include "platform/qt/binder.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char* kUsage = "Usage: clavora [--help] [--version] [--paths]\n"
                               "\n"
                               "  --help     this text\n"
                               "  --version  the program's version\n"
                               "  --paths    where the learners' files are kept and the\n"
                               "             shipped files are found\n"
                               "\n"
                               "CLAVORA_HOME names the folder for the learners' files\n"
                               "(default: the XDG data home, ~/.local/share/clavora).\n"
                               "CLAVORA_SEED (a number) makes the exercises draw the same\n"
                               "characters as clavora-driver --seed with that number.\n";

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

ProgramPaths paths(const char* argv0) {
    std::error_code ignored;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (executable.empty()) {
        executable = std::filesystem::absolute(argv0, ignored);
    }
    return programPaths(environment, executable, CLAVORA_DATA_FROM_BIN);
}

// The options that answer on the terminal instead of opening the window;
// -1 when the window is to open.
int answerOption(int argc, char* argv[]) {
    if (argc < 2) {
        return -1;
    }
    const std::string option = argv[1];
    if (option == "--version") {
        std::cout << "Clavora " << CLAVORA_VERSION << '\n';
        return 0;
    }
    if (option == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (option == "--paths") {
        const ProgramPaths found = paths(argv[0]);
        std::cout << "program directory: " << found.programDirectory.string() << '\n'
                  << "shipped files: " << found.shippedDirectory.string() << '\n';
        return 0;
    }
    // Qt's own options (-platform, -style …) are left to Qt.
    if (option.rfind("--", 0) == 0) {
        std::cerr << "clavora: unknown option " << option << "\n\n" << kUsage;
        return 2;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int answered = answerOption(argc, argv); answered >= 0) {
        return answered;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clavora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Clavora"));
    QApplication::setApplicationVersion(QStringLiteral(CLAVORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.clavora.clavora"));

    const ProgramPaths found = paths(argv[0]);
    if (const std::string problem = prepareProgramDirectory(found.programDirectory);
        !problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Clavora"), QString::fromStdString(problem));
        return 1;
    }
    platform::qt::QtPlatform platform;
    if (const auto seed = environment("CLAVORA_SEED")) {
        platform.random.seed(static_cast<unsigned>(std::strtoul(seed->c_str(), nullptr, 10)));
    }
    Program program(platform.services, found.programDirectory, found.shippedDirectory);
    program.init();

    platform::qt::Binder binder(program.window());
    platform.beforeModal.set([&binder] { binder.sync(); });
    platform.printer.setWindowImage(
        [&binder] { return binder.window().centralWidget()->grab().toImage(); });
    platform::qt::centreOnScreen(binder.window());
    binder.window().show();
    binder.sync(); // the name box takes the focus once the window shows
    return QApplication::exec();
}
