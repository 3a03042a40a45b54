#pragma once

#include "form/chart.h"

#include <QWidget>

namespace platform::qt {

// A line chart drawn from the model's layout: grid lines at the model's
// steps, each series as a line, each level as a dashed line, a legend and
// the x axis's end captions. The title is the widget's window title.
class ChartWidget : public QWidget {
public:
    explicit ChartWidget(QWidget* parent) : QWidget(parent) {}
    void setChart(const form::Chart& chart, const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    form::Chart chart_;
    QString title_;
};

} // namespace platform::qt
