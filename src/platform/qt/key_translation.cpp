#include "platform/qt/key_translation.h"

#include "text/cp1252.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <array>
#include <utility>

namespace platform::qt {
namespace {

constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kEscape = 27;
constexpr std::uint8_t kDelete = 127;

constexpr std::array<std::pair<int, int>, 17> kNamedKeys = {{
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
}};

// Line edits ignore Enter and Escape and hand them to their parents, so the
// key preview keeps those rather than see them twice.
bool isLineEnding(std::uint8_t byte) {
    return byte == kEnter || byte == kEscape;
}

} // namespace

std::optional<std::uint8_t> typedByte(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Escape:
        return kEscape;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const auto byte = text::fromUnicode(text.front().unicode());
    if (!byte || *byte < 0x20 || *byte == kDelete) {
        return std::nullopt;
    }
    return byte;
}

std::optional<int> virtualKeyCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return 112 + (qtKey - Qt::Key_F1);
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // letters and digits share their codes with ASCII
    }
    if (qtKey == Qt::Key_Insert) {
        return 45;
    }
    if (qtKey == Qt::Key_Delete) {
        return 46;
    }
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) {
            return code;
        }
    }
    return std::nullopt;
}

bool takesTyping(const QWidget& widget, std::uint8_t byte) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return !edit->isReadOnly() && !isLineEnding(byte);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        return combo->isEditable() && !isLineEnding(byte);
    }
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return !memo->isReadOnly() && byte != kEscape;
    }
    if (const auto* rich = qobject_cast<const QTextEdit*>(&widget)) {
        return !rich->isReadOnly() && byte != kEscape;
    }
    return false;
}

} // namespace platform::qt
