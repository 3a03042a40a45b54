#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QString>
#include <optional>

namespace platform::qt {

// A one-line label whose new caption repaints only from where it differs from
// the old one: the counters change their last figures on every keystroke, and
// each character drawn is blended into the window pixel by pixel.
class LabelWidget : public QLabel {
public:
    explicit LabelWidget(QWidget* parent);
    void setCaption(const QString& caption);

private:
    // The left edge of what may change when `before` becomes `after`, or
    // nothing when the whole label must be repainted.
    std::optional<int> changesFrom(const QString& before, const QString& after);
    double advanceOf(const QString& prefix);

    // A caption's beginning comes back with every keystroke.
    QHash<QString, double> advances_;
    QFont advancesFont_;
};

} // namespace platform::qt
