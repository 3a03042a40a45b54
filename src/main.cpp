// Clavora: the touch-typing tutor in its one real window.
#include "app/program.h"
#include "platform/qt/binder.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QMainWindow>
#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brassleaf"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brassleaf"));
    QApplication::setApplicationName(QStringLiteral("Clavora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Clavora"));

    platform::qt::QtPlatform platform;
    // The program directory is where it was started, as its files lie beside it.
    Program program(platform.services, std::filesystem::current_path());
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
