#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QString>
#include <bitset>
#include <optional>

namespace platform::qt {

// Characters below the combining marks: laid out one after another.
inline constexpr std::size_t kSimpleCharacters = 0x0300;

// A one-line label whose new caption repaints only from where it differs from
// the old one: the counters change their last figures on every keystroke, and
// each character drawn is blended into the window pixel by pixel. Such a
// repaint lays out and draws only the caption's end, from a character that
// stands clear of the repainted part: laying the whole caption out again cost
// as much as drawing it.
class LabelWidget : public QLabel {
public:
    explicit LabelWidget(QWidget* parent);
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The end of a caption from `start` on, drawn `x` pixels into the label
    // for any repaint that begins at `from` or right of it.
    struct Tail {
        QString caption;
        QFont font;
        int left = 0; // the inside's left edge it was measured from
        qsizetype start = 0;
        double x = 0;
        int from = 0;
    };

    // How many characters of `before` stay as they are in `after`, or
    // nothing when the whole label must be repainted.
    std::optional<qsizetype> keptOf(const QString& before, const QString& after) const;
    std::optional<Tail> tailOf(const QString& caption, qsizetype kept, int from);
    bool drawsPlainly() const;
    bool standsAlone(QChar left, QChar right);
    bool inFont(QChar ch);
    double advanceOf(const QString& prefix);
    void measureIn(const QFont& font);

    // A caption's beginning comes back with every keystroke.
    QHash<QString, double> advances_;
    QHash<quint32, bool> pairsAlone_;
    std::bitset<kSimpleCharacters> looked_;
    std::bitset<kSimpleCharacters> inFont_;
    QFont measuredFont_;
    std::optional<Tail> tail_;
};

} // namespace platform::qt
