// Opens one person the way a chart window does and reports, per stage, the
// wall time and the process's peak resident memory. One span per process, so
// the peaks of different spans never mix:
//
//   scale_probe 100y|full [default|all]
//
// 100y is 36,525 days from 1 Jan 1950; full is 1 Jan 1601 to 31 Dec 9999,
// the whole range the date pickers allow. "all" turns all eight series on.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "CKelraView.h"
#include "Clock.h"
#include "DataFile.h"
#include "QtSurface.h"

namespace {

using namespace kelra;
using Clock = std::chrono::steady_clock;

// Mebibytes of a /proc/self/status field (VmHWM: peak, VmRSS: now).
double StatusMiB(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t len = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, len, field) == 0 && line.size() > len && line[len] == ':')
            return static_cast<double>(std::strtol(line.c_str() + len + 1, nullptr, 10)) / 1024.0;
    return -1;
}

double total = 0;

template <class F>
void Stage(const char* name, F&& f, bool counts = true) {
    const auto t0 = Clock::now();
    f();
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    if (counts) total += s;
    std::printf("%-22s %9.3f s   peak %7.0f MiB   now %7.0f MiB\n", name, s, StatusMiB("VmHWM"), StatusMiB("VmRSS"));
    std::fflush(stdout);
}

int Usage() {
    std::fprintf(stderr, "usage: scale_probe 100y|full [default|all]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string span = argv[1];
    const bool all = argc > 2 && std::strcmp(argv[2], "all") == 0;
    if (span != "100y" && span != "full") return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    PersonProfile person;
    person.name = "Scale";
    person.birthDate = DateTime(1980, 6, 15, 12, 0, 0);
    if (span == "full") {
        person.startDate = DateTime(1601, 1, 1, 12, 0, 0);
        person.endDate = DateTime(9999, 12, 31, 12, 0, 0);
    } else {
        person.startDate = DateTime(1950, 1, 1, 12, 0, 0);
        person.endDate = person.startDate.AddDays(36524);
    }
    person.showSumClassical = person.showPhysical = person.showEmotional = person.showIntellectual = true;
    if (all) {
        person.showSumTotal = person.showIntuitional = person.showAesthetic = person.showSpiritual = true;
    }
    // Today inside the range, so the legend carries today's captions and notes.
    ScopedFixedClock clock(DateTime(2026, 12, 6, 9, 30, 0));

    std::printf("span %s (%s series), Release probe\n", span.c_str(), all ? "all eight" : "default four");
    Stage("start (Qt up)", [] {}, false);

    CKelraView view(0);
    view.resize(1000, 700);
    view.show();
    QApplication::processEvents();
    view.calc.ResetProfile(view.profile);
    view.calc.CopyProfile(view.profile, person);

    Stage("Compute", [&] { view.calc.Compute(view.days, view.profile); });
    std::printf("  %zu days, %zu bytes each\n", view.days.size(), sizeof(DayRecord));
    Stage("BindChart+FillChartRows", [&] {
        view.BindChart();
        view.FillChartRows();
    });
    std::printf("  %d rows, %d columns\n", view.chart->RowCount(), view.chart->columnCount);

    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    Stage("Draw (1000x700)", [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        QtSurface surface(painter);
        view.chart->Draw(surface);
    });
    if (const char* png = std::getenv("SCALE_PROBE_PNG")) image.save(QString::fromLocal8Bit(png));
    std::printf("%-22s %9.3f s\n", "= compute+fill+draw", total);

    // Printing scales the window's picture onto the page; pens widen with it.
    Stage("Draw scaled x4 (print)", [&] {
        QImage page(4000, 2800, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(4, 4);
        QtSurface surface(painter);
        view.chart->Draw(surface);
    }, false);

    QTemporaryDir dir;
    Stage("WriteDataFile", [&] {
        const ExportResult r = WriteDataFile(view.profile.name, view.days, Now(), dir.path().toStdString());
        if (!r.ok()) std::printf("  export failed: %s\n", std::strerror(r.error));
    }, false);
    // The window is closed without a second export.
    view.profile.writeDataFile = false;
    return 0;
}
