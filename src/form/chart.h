#pragma once

#include "form/colour.h"
#include "form/geometry.h"

#include <string>
#include <vector>

namespace form {

// A point of a chart's series: x counts along the axis from 0, y is the value.
struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
    std::string name;
    Colour colour = colours::black;
    std::vector<ChartPoint> points;
    bool operator==(const ChartSeries&) const = default;
};

// A level drawn across the whole chart, such as a target.
struct ChartLevel {
    std::string name;
    Colour colour = colours::black;
    double value = 0;
    bool operator==(const ChartLevel&) const = default;
};

// A line chart as the model lays it out: the axes' ranges and captions are
// decided here, so the window only draws. The chart's title is the
// control's caption.
struct Chart {
    std::vector<ChartSeries> series;
    std::vector<ChartLevel> levels;
    double xMax = 0;   // the x axis runs from 0 to xMax
    double yMax = 0;   // the y axis runs from 0 to yMax ...
    double yStep = 0;  // ... with a grid line every yStep
    std::string xFrom; // captions under the ends of the x axis
    std::string xTo;
    std::string empty; // shown instead of the axes when there is nothing to draw
    bool operator==(const Chart&) const = default;
};

// One key of a drawn keyboard, in the key table's design pixels; the window
// scales the whole keyboard into the control.
struct KeyCell {
    Geometry box;
    std::string caption;
    Colour colour = colours::silver;
    Colour fontColour = colours::black;
    bool operator==(const KeyCell&) const = default;
};

} // namespace form
