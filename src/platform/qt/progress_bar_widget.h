#pragma once

#include <QProgressBar>
#include <QRect>
#include <optional>

namespace platform::qt {

// A progress bar whose new value repaints only around the ends of the old and
// the new fill, where the style's drawing changes. The style draws the whole
// bar's gradient and rounded outline on every repaint, about as much work as
// the rest of a keystroke, and the learning progress moves with the keys. It
// repaints when QProgressBar would: at either end of its range, or once the
// fill has moved by the style's chunk width.
class ProgressBarWidget : public QProgressBar {
public:
    explicit ProgressBarWidget(QWidget* parent);
    void showValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool repaintsInPart() const;
    bool repaintWanted(int painted) const;
    int fillEnd(int value) const;
    QRect changedArea(int before, int after) const;

    std::optional<int> painted_; // the value whose fill the window shows
};

} // namespace platform::qt
