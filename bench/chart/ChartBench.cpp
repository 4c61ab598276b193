#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>

#include "CycleChart.h"
#include "QtSurface.h"
#include "RecordingSurface.h"

namespace {

using namespace kelra;

class Host : public ChartHost {
public:
    Rect FrameClientRect() const override { return Rect{0, 0, 1000, 700}; }
};

// A chart filled like a person's window: a date label and cycle values per day.
void Fill(CycleChart& chart, int rows, int columns) {
    static const int periods[] = {23, 28, 33, 38, 43, 53, 23, 28};
    chart.SetTitle("BENCH");
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    for (int c = 1; c < columns; ++c)
        chart.AddSeries(3, "Cycle " + std::to_string(c), Pen{c >= 7 ? 3 : 1, Rgb{static_cast<std::uint8_t>(30 * c), 0, 0}},
                        c == columns - 1 ? std::optional<std::vector<std::string>>({"Physical: 10.00 High"})
                                         : std::nullopt);
    chart.SetColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> cells;
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%02d", r % 12 + 1, r % 28 + 1, r % 100);
        cells.emplace_back(date);
        for (int c = 1; c < columns; ++c) {
            char value[32];
            std::snprintf(value, sizeof value, "%.2f", 100.0 * std::sin(2 * M_PI * r / periods[(c - 1) % 8]));
            cells.emplace_back(value);
        }
        chart.AddRow(std::move(cells));
    }
}

void DrawOnImage(benchmark::State& state) {
    Host host;
    CycleChart chart(&host);
    Fill(chart, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage image(1000, 700, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtSurface surface(painter);
        chart.Draw(surface);
    }
}

void DrawRecorded(benchmark::State& state) {
    Host host;
    CycleChart chart(&host);
    Fill(chart, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    RecordingSurface surface;
    for (auto _ : state) {
        surface.Clear();
        chart.Draw(surface);
        benchmark::DoNotOptimize(surface.Ops().data());
    }
}

BENCHMARK(DrawOnImage)->Args({31, 5})->Args({36525, 9})->Unit(benchmark::kMillisecond);
BENCHMARK(DrawRecorded)->Args({31, 5})->Args({36525, 9})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
