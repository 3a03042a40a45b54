#include "platform/qt/dialogs.h"

#include "platform/qt/convert.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace platform::qt {
namespace {

std::optional<std::filesystem::path> chosenPath(const QString& chosen) {
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(chosen.toStdString());
}

QString folderName(const std::filesystem::path& folder) {
    return QString::fromStdString(folder.string());
}

} // namespace

std::optional<std::filesystem::path> QtFileDialogs::open(const std::filesystem::path& folder,
                                                         const std::string& filter) {
    beforeShow_();
    return chosenPath(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                   folderName(folder), toQString(filter)));
}

std::optional<std::filesystem::path> QtFileDialogs::save(const std::filesystem::path& folder,
                                                         const std::string& filter) {
    beforeShow_();
    return chosenPath(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                   folderName(folder), toQString(filter)));
}

std::optional<form::FontSpec> QtFontDialog::choose(const form::FontSpec& current) {
    beforeShow_();
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, toQFont(current), QApplication::activeWindow());
    if (!chosen) {
        return std::nullopt;
    }
    return fromQFont(font);
}

std::optional<form::Colour> QtColourDialog::choose(form::Colour current) {
    beforeShow_();
    const QColor colour = QColorDialog::getColor(toQColor(current), QApplication::activeWindow());
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return fromQColor(colour);
}

} // namespace platform::qt
