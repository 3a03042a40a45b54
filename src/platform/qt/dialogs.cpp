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
#include <QListView>
#include <QStringListModel>
#include <algorithm>
#include <set>

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

// The list of sizes: the dialog's standard sizes within the limits, the
// limits themselves and a few evenly spaced between them, for limits far
// above the standard sizes.
QStringList sizesWithin(const QStringList& offered, const FontLimits& limits) {
    constexpr int kSteps = 8;
    std::set<int> sizes{limits.minSize, limits.maxSize};
    const int step = std::max(1, (limits.maxSize - limits.minSize) / kSteps);
    for (int size = limits.minSize; size < limits.maxSize; size += step) {
        sizes.insert(size);
    }
    for (const QString& size : offered) {
        const int points = size.toInt();
        if (points >= limits.minSize && points <= limits.maxSize) {
            sizes.insert(points);
        }
    }
    QStringList within;
    for (const int size : sizes) {
        within << QString::number(size);
    }
    return within;
}

// The list view whose items are all numbers: the dialog's list of sizes.
QStringListModel* sizeList(QFontDialog& dialog) {
    for (auto* list : dialog.findChildren<QListView*>()) {
        auto* model = qobject_cast<QStringListModel*>(list->model());
        if (model == nullptr || model->stringList().isEmpty()) {
            continue;
        }
        bool numbers = true;
        for (const QString& item : model->stringList()) {
            item.toInt(&numbers);
            if (!numbers) {
                break;
            }
        }
        if (numbers) {
            return model;
        }
    }
    return nullptr;
}

// The dialog has no size limits of its own: its size field takes only sizes
// within them and its list offers only those, again after each change of
// font, which refills it. A size outside is brought within them when the
// dialog closes all the same.
void limitSizes(QFontDialog& dialog, const FontLimits& limits) {
    for (auto* field : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QIntValidator*>(field->validator()) != nullptr) {
            field->setValidator(makeChild<QIntValidator>(field, limits.minSize, limits.maxSize));
        }
    }
    auto* sizes = sizeList(dialog);
    if (sizes == nullptr) {
        return;
    }
    const auto filter = [sizes, limits] {
        const QStringList within = sizesWithin(sizes->stringList(), limits);
        if (within != sizes->stringList()) {
            sizes->setStringList(within);
        }
    };
    filter();
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, sizes, filter);
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
