#include "platform/qt/chart_widget.h"

#include "platform/qt/convert.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

namespace platform::qt {
namespace {

constexpr int kRand = 6;
constexpr int kLegendenstrich = 16;
// Up to this many points a series also marks each exercise with a dot.
constexpr std::size_t kPunkteBis = 60;
const QColor kGitter(225, 225, 225);
const QColor kRahmen(160, 160, 160);

// A series as drawn: with more points than pixel columns, each column keeps
// its first, lowest, highest and last point in their order, which draws the
// same line as all of them at a fraction of the cost.
QPolygonF linieFuer(const std::vector<form::ChartPoint>& punkte,
                    const std::function<QPointF(const form::ChartPoint&)>& ort) {
    QPolygonF linie;
    linie.reserve(static_cast<qsizetype>(std::min<std::size_t>(punkte.size(), 4096)));
    std::size_t i = 0;
    while (i < punkte.size()) {
        const QPointF erster = ort(punkte[i]);
        const int spalte = static_cast<int>(erster.x());
        QPointF tiefster = erster;
        QPointF hoechster = erster;
        std::size_t tief = i;
        std::size_t hoch = i;
        std::size_t j = i + 1;
        QPointF letzter = erster;
        for (; j < punkte.size(); ++j) {
            const QPointF p = ort(punkte[j]);
            if (static_cast<int>(p.x()) != spalte) {
                break;
            }
            letzter = p;
            if (p.y() > tiefster.y()) {
                tiefster = p;
                tief = j;
            }
            if (p.y() < hoechster.y()) {
                hoechster = p;
                hoch = j;
            }
        }
        linie << erster;
        if (tief != i && hoch != i) {
            linie << (tief < hoch ? tiefster : hoechster) << (tief < hoch ? hoechster : tiefster);
        } else if (tief != i || hoch != i) {
            linie << (tief != i ? tiefster : hoechster);
        }
        if (j - 1 != i && j - 1 != tief && j - 1 != hoch) {
            linie << letzter;
        }
        i = j;
    }
    return linie;
}

QString zahl(double wert) {
    return QString::number(wert, 'g', 6);
}

// The legend's entries left to right from `links`, on the line at `y`.
void legende(QPainter& p, const form::Chart& chart, int links, int y) {
    const QFontMetrics fm = p.fontMetrics();
    int x = links;
    const auto eintrag = [&](const std::string& name, form::Colour farbe, Qt::PenStyle stil) {
        p.setPen(QPen(toQColor(farbe), 2, stil));
        p.drawLine(x, y - fm.ascent() / 3, x + kLegendenstrich, y - fm.ascent() / 3);
        x += kLegendenstrich + 4;
        p.setPen(Qt::black);
        const QString text = toQString(name);
        p.drawText(x, y, text);
        x += fm.horizontalAdvance(text) + 2 * kRand;
    };
    for (const auto& reihe : chart.series) {
        eintrag(reihe.name, reihe.colour, Qt::SolidLine);
    }
    for (const auto& level : chart.levels) {
        eintrag(level.name, level.colour, Qt::DashLine);
    }
}

} // namespace

void ChartWidget::setChart(const form::Chart& chart, const QString& title) {
    chart_ = chart;
    title_ = title;
    update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(kRahmen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm = p.fontMetrics();
    const int zeile = fm.height();

    QFont fett = p.font();
    fett.setBold(true);
    p.setFont(fett);
    p.setPen(Qt::black);
    p.drawText(kRand, kRand + fm.ascent(), title_);
    p.setFont(font());

    if (!chart_.empty.empty() || chart_.yMax <= 0 || chart_.yStep <= 0 || chart_.xMax <= 0) {
        p.drawText(rect(), Qt::AlignCenter, toQString(chart_.empty));
        return;
    }
    legende(p, chart_, kRand, kRand + zeile + fm.ascent());

    // Grid lines by count, so a step of 0.1 does not drift past the top.
    const int linien = static_cast<int>(chart_.yMax / chart_.yStep + 0.5);
    const auto gitterwert = [&](int i) { return chart_.yStep * i; };
    int beschriftung = 0;
    for (int i = 0; i <= linien; ++i) {
        beschriftung = std::max(beschriftung, fm.horizontalAdvance(zahl(gitterwert(i))));
    }
    const QRectF flaeche(kRand + beschriftung + 4, kRand + 2 * zeile + kRand,
                         width() - 2 * kRand - beschriftung - 4, height() - 3 * kRand - 3 * zeile);
    if (flaeche.width() <= 0 || flaeche.height() <= 0) {
        return;
    }
    const auto px = [&](double x) { return flaeche.left() + x / chart_.xMax * flaeche.width(); };
    const auto py = [&](double y) {
        return flaeche.bottom() - std::min(y, chart_.yMax) / chart_.yMax * flaeche.height();
    };

    for (int i = 0; i <= linien; ++i) {
        const double y = gitterwert(i);
        p.setPen(kGitter);
        p.drawLine(QPointF(flaeche.left(), py(y)), QPointF(flaeche.right(), py(y)));
        p.setPen(Qt::black);
        const QString text = zahl(y);
        p.drawText(
            QPointF(flaeche.left() - 4 - fm.horizontalAdvance(text), py(y) + fm.ascent() / 2.0 - 1),
            text);
    }
    p.setPen(kRahmen);
    p.drawRect(flaeche);
    p.setPen(Qt::black);
    p.drawText(QPointF(flaeche.left(), flaeche.bottom() + zeile), toQString(chart_.xFrom));
    const QString bis = toQString(chart_.xTo);
    p.drawText(QPointF(flaeche.right() - fm.horizontalAdvance(bis), flaeche.bottom() + zeile), bis);

    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& level : chart_.levels) {
        p.setPen(QPen(toQColor(level.colour), 1.5, Qt::DashLine));
        p.drawLine(QPointF(flaeche.left(), py(level.value)),
                   QPointF(flaeche.right(), py(level.value)));
    }
    for (const auto& reihe : chart_.series) {
        const QColor farbe = toQColor(reihe.colour);
        const QPolygonF linie = linieFuer(
            reihe.points, [&](const form::ChartPoint& p) { return QPointF(px(p.x), py(p.y)); });
        // A long series as a thin cosmetic line: the rasterizer's fast path;
        // a thick one would be stroked as one huge self-crossing outline.
        p.setPen(reihe.points.size() <= kPunkteBis ? QPen(farbe, 1.5) : QPen(farbe, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(linie);
        if (reihe.points.size() <= kPunkteBis) {
            p.setBrush(farbe);
            for (const QPointF& punkt : linie) { // every point: few share a column
                p.drawEllipse(punkt, 2.5, 2.5);
            }
        }
    }
}

} // namespace platform::qt
