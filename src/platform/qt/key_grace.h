#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform::qt {

// A box that opens while the learner types must not be closed by the next
// keystroke, unread: for its first moments it ignores the keyboard (the
// mouse still works). Lives for as long as the box is shown.
class KeyGrace : public QObject {
public:
    static constexpr int kGraceMs = 500;

    explicit KeyGrace(QWidget& box);
    ~KeyGrace() override;
    KeyGrace(const KeyGrace&) = delete;
    KeyGrace& operator=(const KeyGrace&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> box_;
    QElapsedTimer shown_;
};

} // namespace platform::qt
