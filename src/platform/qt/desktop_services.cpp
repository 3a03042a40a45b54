#include "platform/qt/desktop_services.h"

#include "platform/qt/convert.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <system_error>

namespace platform::qt {
namespace {

// What a screen is taken to be when there is none to ask.
constexpr QSize kFallbackScreen(800, 600);
constexpr int kFallbackPixelsPerInch = 96;

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : kFallbackScreen;
}

} // namespace

int QtScreen::width() {
    return primaryScreenSize().width();
}

int QtScreen::height() {
    return primaryScreenSize().height();
}

int QtScreen::pixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInch()) : kFallbackPixelsPerInch;
}

std::uintmax_t QtDisk::freeBytes(const std::filesystem::path& where) {
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(where, error);
    return error ? 0 : space.available;
}

bool QtDocumentOpener::open(const std::filesystem::path& document) {
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

} // namespace platform::qt
