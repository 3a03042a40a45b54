#include "platform/qt/convert.h"

#include "text/cp1252.h"

#include <QApplication>
#include <QPalette>

namespace platform::qt {
namespace {

enum FontStyleBit { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

// Colours with 0x80 in the top byte name a system colour by index; the few
// a form designer uses map to the matching palette role.
QColor systemColour(form::Colour colour) {
    const QPalette palette = QApplication::palette();
    switch (colour & 0xFF) {
    case 5:
        return palette.color(QPalette::Base);
    case 8:
        return palette.color(QPalette::Text);
    case 18:
        return palette.color(QPalette::ButtonText);
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    default:
        return palette.color(QPalette::Button);
    }
}

} // namespace

QString toQString(std::string_view cp1252) {
    return QString::fromStdString(text::toUtf8(cp1252));
}

std::string toCp1252(const QString& text) {
    return text::fromUtf8(text.toStdString());
}

QColor toQColor(form::Colour colour) {
    if ((colour & 0xFF000000U) == 0x80000000U) {
        return systemColour(colour);
    }
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

form::Colour fromQColor(const QColor& colour) {
    return form::rgb(colour.red(), colour.green(), colour.blue());
}

QFont toQFont(const form::FontSpec& model) {
    QFont font(toQString(model.name));
    if (model.size > 0) {
        font.setPointSize(model.size);
    }
    font.setBold((model.style & Bold) != 0);
    font.setItalic((model.style & Italic) != 0);
    font.setUnderline((model.style & Underline) != 0);
    font.setStrikeOut((model.style & StrikeOut) != 0);
    return font;
}

form::FontSpec fromQFont(const QFont& font) {
    int style = 0;
    style |= font.bold() ? Bold : 0;
    style |= font.italic() ? Italic : 0;
    style |= font.underline() ? Underline : 0;
    style |= font.strikeOut() ? StrikeOut : 0;
    return {toCp1252(font.family()), font.pointSize(), style};
}

QString withoutMnemonics(const QString& caption) {
    if (!caption.contains(u'&')) {
        return caption;
    }
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
    }
    return shown;
}

} // namespace platform::qt
