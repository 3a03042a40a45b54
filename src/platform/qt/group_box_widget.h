#pragma once

#include <QFont>
#include <QGroupBox>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <vector>

class QStyleOptionGroupBox;

namespace platform::qt {

// A group box that repaints cheaply where its controls change on every
// keystroke: the counters and the lit keys lie on boxes, and each of their
// repaints redraws the box beneath them. The frame drawn under a small area
// (the whole of a small box, a band of rows across a larger one) is kept and
// put back from then on, until the box changes; the title is drawn only when
// it is to be repainted.
class GroupBoxWidget : public QGroupBox {
public:
    explicit GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the frame is drawn from: a change in any of them draws it anew.
    struct Looks {
        QSize size;
        QString title;
        QFont font;
        qint64 palette = 0;
        QStyle::State state;
        QStyleOptionFrame::FrameFeatures features;
        Qt::Alignment titleAlignment;
        int lineWidth = 0;
        const QStyle* style = nullptr;
        qreal pixelRatio = 0;
        bool operator==(const Looks&) const = default;
    };
    struct Piece {
        QRect area;
        QPixmap frame;
    };

    void forgetIfChanged(const QStyleOptionGroupBox& option);
    const Piece& framePiece(const QStyleOptionGroupBox& box, const QRect& area);
    QRect pieceAround(const QRect& area) const;

    Looks looks_;
    QRect title_;
    std::vector<Piece> pieces_;
    qint64 piecePixels_ = 0;
};

} // namespace platform::qt
