// CycleChart::Draw on the recording surface with random tables, options,
// layout and host rectangles. An access outside the tables may throw
// InvalidArgumentError; anything else (crash, other exception, hang) is a fault.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "CycleChart.h"
#include "FuzzCheck.h"
#include "InvalidArgument.h"
#include "RecordingSurface.h"

namespace {

class FuzzHost : public kelra::ChartHost {
public:
    kelra::Rect rect;
    kelra::Rect FrameClientRect() const override { return rect; }
};

// Cells are mostly numbers, with the texts that trip number readers.
std::string Cell(FuzzedDataProvider& in) {
    static const char* const kSpecial[] = {"1e999", "-1e999", "nan", "inf", "-0", "1e-320", "0x10", "",
                                           " 12.5 ", "1,5", "100", "-100", "4.9e-324", "1.7976931348623157e308"};
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return kSpecial[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
        case 1: return std::to_string(in.ConsumeFloatingPoint<double>());
        case 2: return std::to_string(in.ConsumeIntegralInRange<int>(-400, 400));
        default: return in.ConsumeRandomLengthString(300);
    }
}

double AnyDouble(FuzzedDataProvider& in) {
    static const double kSpecial[] = {0.0,
                                      -0.0,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::denorm_min(),
                                      -std::numeric_limits<double>::denorm_min(),
                                      std::numeric_limits<double>::max(),
                                      std::numeric_limits<double>::lowest(),
                                      1e-300,
                                      1e300,
                                      100.0,
                                      -300.0};
    if (in.ConsumeBool()) return kSpecial[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
    return in.ConsumeFloatingPoint<double>();
}

int AnyInt(FuzzedDataProvider& in, int lo, int hi) {
    // Mostly a sensible value, sometimes anything at all (huge plots draw slowly,
    // so they come less often).
    return in.ConsumeIntegralInRange<int>(0, 7) != 0 ? in.ConsumeIntegralInRange<int>(lo, hi)
                                                     : in.ConsumeIntegral<int>();
}

// The recording surface, checked and emptied in batches: a huge plot with
// 1-pixel steps puts out millions of operations, which need not all be kept.
class CheckedSurface : public kelra::RecordingSurface {
public:
    using RecordingSurface::RecordingSurface;
    void MoveTo(int x, int y) override {
        RecordingSurface::MoveTo(x, y);
        Drain();
    }
    void LineTo(int x, int y) override {
        RecordingSurface::LineTo(x, y);
        Drain();
    }
    void TextOut(int x, int y, const std::string& text) override {
        RecordingSurface::TextOut(x, y, text);
        Drain();
    }
    // Whatever the options, the chart hands the surface only coordinates it can use.
    void Check() const {
        constexpr int kMax = 1 << 20;
        for (const auto& op : Ops()) {
            if (op.kind == Kind::MoveTo || op.kind == Kind::LineTo || op.kind == Kind::TextOut) {
                FUZZ_CHECK(op.a >= -kMax && op.a <= kMax);
                FUZZ_CHECK(op.b >= -kMax && op.b <= kMax);
            }
        }
    }
    std::size_t total = 0;

private:
    void Drain() {
        if (Ops().size() < 65536) return;
        total += Ops().size();
        Check();
        Clear();
    }
};

kelra::Rect AnyRect(FuzzedDataProvider& in) {
    return kelra::Rect{AnyInt(in, -50, 2000), AnyInt(in, -50, 2000), AnyInt(in, -50, 3000), AnyInt(in, -50, 3000)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FuzzHost host;
    host.rect = AnyRect(in);
    kelra::CycleChart chart(in.ConsumeBool() ? &host : nullptr);

    chart.fitToHost = in.ConsumeBool();
    chart.outerRect = AnyRect(in);
    chart.margin = AnyInt(in, 0, 50);
    chart.topMargin = AnyInt(in, 0, 50);
    chart.inset = AnyInt(in, 0, 100);
    chart.legendWidth = AnyInt(in, 0, 300);
    chart.xStepPx = AnyInt(in, -5, 200);
    chart.yStepPx = AnyInt(in, -5, 200);
    chart.minorTicks = AnyInt(in, -5, 20);
    chart.yAutoscale = in.ConsumeBool();
    chart.frameVisible = in.ConsumeBool();
    chart.xShowNet = in.ConsumeBool();
    chart.yShowNet = in.ConsumeBool();
    chart.showMarks = in.ConsumeBool();
    chart.showLegend = in.ConsumeBool();
    chart.lineWidth = AnyInt(in, -2, 20);
    chart.xMin = AnyDouble(in);
    chart.yMin = AnyDouble(in);
    chart.xDelta = AnyDouble(in);
    chart.yDelta = AnyDouble(in);
    if (in.ConsumeBool()) chart.SetTitle(in.ConsumeRandomLengthString(200));

    const int seriesCount = in.ConsumeIntegralInRange<int>(0, 10);
    for (int i = 0; i < seriesCount; ++i) {
        std::optional<kelra::Pen> pen;
        if (in.ConsumeIntegralInRange<int>(0, 7) != 0)
            pen = kelra::Pen{AnyInt(in, 0, 5),
                             {in.ConsumeIntegral<std::uint8_t>(), in.ConsumeIntegral<std::uint8_t>(),
                              in.ConsumeIntegral<std::uint8_t>()}};
        std::optional<std::vector<std::string>> notes;
        if (in.ConsumeBool()) {
            notes.emplace();
            const int count = in.ConsumeIntegralInRange<int>(0, 6);
            for (int n = 0; n < count; ++n) notes->push_back(in.ConsumeRandomLengthString(400));
        }
        chart.AddSeries(AnyInt(in, 0, 12), in.ConsumeRandomLengthString(60), pen, std::move(notes));
    }

    const int columns = in.ConsumeIntegralInRange<int>(0, 10);
    const int rows = in.ConsumeIntegralInRange<int>(0, 64);
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> cells;
        // Rows are mostly full; a short row is an access outside the table.
        const int n = in.ConsumeIntegralInRange<int>(0, 15) == 0 ? in.ConsumeIntegralInRange<int>(0, columns) : columns;
        for (int c = 0; c < n; ++c) cells.push_back(Cell(in));
        chart.AddRow(std::move(cells));
    }
    // Within and beyond the series count.
    chart.SetColumnCount(in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, seriesCount + 1) : AnyInt(in, -2, 12));

    CheckedSurface surface(in.ConsumeIntegralInRange<int>(0, 20));
    try {
        chart.Draw(surface);
    } catch (const kelra::InvalidArgumentError&) {
        // An access outside the tables: allowed, what was drawn stays.
    }
    surface.Check();

    if (std::getenv("KELRA_FUZZ_VERBOSE") != nullptr)
        std::fprintf(stderr,
                     "outer %d,%d,%d,%d plot %d,%d,%d,%d xStep %d yStep %d minor %d rows %zu series %zu columns %d "
                     "ops %zu\n",
                     chart.outerRect.left, chart.outerRect.top, chart.outerRect.right, chart.outerRect.bottom,
                     chart.plotRect.left, chart.plotRect.top, chart.plotRect.right, chart.plotRect.bottom, chart.xStepPx,
                     chart.yStepPx, chart.minorTicks, chart.rows.size(), chart.series.size(), chart.columnCount,
                     surface.total + surface.Ops().size());
    return 0;
}
