#include "platform/qt/desktop_services.h"

#include "platform/qt/convert.h"
#include "platform/qt/help_window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <system_error>

namespace platform::qt {
namespace {

// What a screen is taken to be when there is none to ask.
constexpr QSize kFallbackScreen(800, 600);
constexpr int kFallbackPixelsPerInch = 96;
// The window manager draws the frame only once the window is mapped, so room
// is kept for a generous one: a title bar and thin borders.
constexpr QSize kFrameAllowance(8, 40);
constexpr QPoint kFrameTopLeft(4, 32);
// Time for the window manager to frame a newly shown window.
constexpr int kFramingMs = 300;

QRect freeArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(QPoint(), kFallbackScreen);
}

int menuBarHeight() {
    QMenuBar bar;
    bar.addMenu(QStringLiteral("File"));
    return bar.sizeHint().height();
}

QSize clientRoom() {
    static const int menuBar = menuBarHeight();
    const QSize room = freeArea().size() - kFrameAllowance - QSize(0, menuBar);
    return room.expandedTo(QSize(1, 1));
}

} // namespace

int QtScreen::width() {
    return clientRoom().width();
}

int QtScreen::height() {
    return clientRoom().height();
}

ScreenSize QtScreen::resolution() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : kFallbackScreen;
    return {size.width(), size.height()};
}

void centreOnScreen(QWidget& window) {
    // Until it is mapped a window has no frame, and the position given is the
    // client area's: room is left for the frame above and to the left.
    const QRect area = freeArea();
    const QSize outer = window.sizeHint() + kFrameAllowance;
    window.move(area.topLeft() + kFrameTopLeft +
                QPoint(std::max(0, (area.width() - outer.width()) / 2),
                       std::max(0, (area.height() - outer.height()) / 2)));
    // Once the real frame is known, it is kept inside the free area.
    QTimer::singleShot(kFramingMs, &window, [&window] {
        const QRect area = freeArea();
        const QRect frame = window.frameGeometry();
        const int dx =
            std::max(area.left() - frame.left(), 0) + std::min(area.right() - frame.right(), 0);
        const int dy =
            std::max(area.top() - frame.top(), 0) + std::min(area.bottom() - frame.bottom(), 0);
        if (dx != 0 || dy != 0) {
            window.move(window.pos() + QPoint(dx, dy));
        }
    });
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

QtDocumentOpener::QtDocumentOpener() = default;
QtDocumentOpener::~QtDocumentOpener() = default;

bool QtDocumentOpener::open(const std::filesystem::path& document) {
    std::error_code ignored;
    const auto extension = document.extension();
    const bool page = extension == ".html" || extension == ".htm";
    if (page && std::filesystem::is_regular_file(document, ignored)) {
        if (!help_) {
            help_ = std::make_unique<HelpWindow>();
        }
        help_->showPage(document);
        return true;
    }
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

} // namespace platform::qt
