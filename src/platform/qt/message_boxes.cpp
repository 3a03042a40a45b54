#include "platform/qt/message_boxes.h"

#include "platform/qt/convert.h"
#include "platform/qt/key_grace.h"

#include <QApplication>
#include <QMessageBox>

namespace platform::qt {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Closing the box without a button counts as its way out: No or Cancel.
Answer answerOf(int button, Buttons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

} // namespace

Answer QtMessageBoxes::show(const std::string& caption, const std::string& text, Icon icon,
                            Buttons buttons) {
    beforeShow_();
    QString body = toQString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(u'\r', u'\n');
    QMessageBox box(qtIcon(icon), toQString(caption), body, qtButtons(buttons),
                    QApplication::activeWindow());
    const KeyGrace grace(box);
    return answerOf(box.exec(), buttons);
}

} // namespace platform::qt
