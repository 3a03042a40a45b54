#pragma once

#include "form/chart.h"

#include <QWidget>
#include <vector>

namespace platform::qt {

// A keyboard drawn from the model's key cells, scaled as a whole to fit the
// widget: each key a rounded rectangle in its colour with its caption.
class KeyMapWidget : public QWidget {
public:
    explicit KeyMapWidget(QWidget* parent) : QWidget(parent) {}
    void setCells(const std::vector<form::KeyCell>& cells);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<form::KeyCell> cells_;
};

} // namespace platform::qt
