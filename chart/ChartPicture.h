#pragma once
#include <QSize>
#include <QString>

#include "CycleChart.h"
#include "Surface.h"

namespace kelra {

// A host of a fixed client size, for charts drawn away from any window.
class FixedSizeHost : public ChartHost {
public:
    explicit FixedSizeHost(QSize size) : size_(size) {}
    Rect FrameClientRect() const override { return Rect{0, 0, size_.width(), size_.height()}; }

private:
    QSize size_;
};

// Writes the chart, laid out on a client area of clientSize, to path as PNG,
// SVG or PDF by the file name's extension (any case). A PNG has clientSize
// times devicePixelRatio pixels. The file is replaced whole or not at all.
// The chart's layout and autoscaled range are as before afterwards. Returns
// an empty text on success, else a message naming the file and the reason.
QString SaveChartPicture(CycleChart& chart, const QString& path, QSize clientSize,
                         double devicePixelRatio = 1.0);

}  // namespace kelra
