#include "platform/qt/dialogs.h"

#include "platform/qt/convert.h"
#include "platform/qt/make_child.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QIntValidator>
#include <QLineEdit>
#include <algorithm>

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

// The dialog has no size limits of its own: its size field takes only sizes
// within them. Its list still offers the standard sizes; a size outside is
// brought within the limits when the dialog closes.
void limitSizes(QFontDialog& dialog, const FontLimits& limits) {
    for (auto* field : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QIntValidator*>(field->validator()) != nullptr) {
            field->setValidator(makeChild<QIntValidator>(field, limits.minSize, limits.maxSize));
        }
    }
}

// The dialog finds the preset's style by name, and families name their
// upright style differently ("Regular", "Book", "Roman"): name the one with
// the preset's weight and slant, so the dialog does not fall back to the
// family's first style, an italic one perhaps.
QFont withStyleName(QFont font) {
    const QString family = font.family();
    constexpr int kAnySize = 12;
    for (const QString& style : QFontDatabase::styles(family)) {
        // An oblique style slants as an italic one does.
        const QFont candidate = QFontDatabase::font(family, style, kAnySize);
        const bool slanted = candidate.style() != QFont::StyleNormal;
        if (candidate.bold() == font.bold() && slanted == font.italic()) {
            font.setStyleName(style);
            break;
        }
    }
    return font;
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

std::optional<form::FontSpec> QtFontDialog::choose(const form::FontSpec& current,
                                                   const FontLimits& limits) {
    beforeShow_();
    QFontDialog dialog(withStyleName(toQFont(current)), QApplication::activeWindow());
    if (limits.scalableOnly) {
        dialog.setOption(QFontDialog::ScalableFonts);
    }
    limitSizes(dialog, limits);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    auto chosen = fromQFont(dialog.selectedFont());
    chosen.size = std::clamp(chosen.size, limits.minSize, limits.maxSize);
    return chosen;
}

std::string QtFontDialog::familyUsedFor(const std::string& name) {
    return toCp1252(QFontInfo(QFont(toQString(name))).family());
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
