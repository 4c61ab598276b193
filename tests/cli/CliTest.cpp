#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "BiorhythmCalc.h"
#include "ChartBinding.h"
#include "ChartPicture.h"
#include "CliCommands.h"
#include "Clock.h"
#include "DataFile.h"
#include "RecordingSurface.h"
#include "Text.h"

namespace kelra {
namespace {

const DateTime kNow(2026, 12, 6, 10, 30, 0);

struct Result {
    int status;
    std::string out, err;
};

Result Cli(std::vector<std::string> args) {
    Result r;
    r.status = cli::Run(args, r.out, r.err);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
    }
    // The person's days as the program computes them for a range.
    DayRecordArray Days(const DateTime& from, const DateTime& to) {
        PersonProfile p = MakeDefaultProfile(kNow);
        p.birthDate = DateTime(1990, 5, 17);
        p.startDate = from;
        p.endDate = to;
        DayRecordArray days;
        CBiorhythmCalc().Compute(days, p);
        return days;
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    ScopedFixedClock clock{kNow};
    QTemporaryDir dir;
};

TEST_F(CliTest, TableFormatsCarryTheModelsValuesAndTheDataFilesBytes) {
    // Without a range: the current month of the clock, days at noon.
    const DayRecordArray month = Days(DateTime(2026, 12, 1, 12), DateTime(2026, 12, 31, 12));
    const Result csv = Cli({"table", "Ann", "1990-05-17"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "Date,Physical,Emotional,Intellectual,Intuitional,Aesthetic,Spiritual,SumClassical,SumTotal");
    for (std::size_t i = 0; i < month.size(); ++i) {
        const DayRecord& d = month[i];
        std::string want = d.date.Format("%Y-%m-%d");
        for (double v : {d.physical, d.emotional, d.intellectual, d.intuitional, d.aesthetic, d.spiritual,
                         d.sumClassical, d.sumTotal})
            want += "," + FormatFixed(v, 2);
        EXPECT_EQ(lines[i + 1], want);
    }
    EXPECT_EQ(lines[1].substr(0, 11), "2026-12-01,");

    const DayRecordArray days = Days(DateTime(2026, 3, 1, 8, 15), DateTime(2026, 3, 20));
    const Result json = Cli({"table", "Ann", "1990-05-17", "--from", "2026-03-01T08:15", "--to=2026-03-20",
                             "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    ASSERT_EQ(array.size(), 19);
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject o = array[i].toObject();
        const DayRecord& d = days[static_cast<std::size_t>(i)];
        EXPECT_EQ(o["date"].toString().toStdString(), d.date.Format("%Y-%m-%d"));
        EXPECT_EQ(o["physical"].toDouble(), d.physical);
        EXPECT_EQ(o["spiritual"].toDouble(), d.spiritual);
        EXPECT_EQ(o["sumTotal"].toDouble(), d.sumTotal);
        EXPECT_EQ(o["emotionalState"].toString().toStdString(), d.emotionalState.str());
        EXPECT_EQ(o["sumClassicalState"].toString().toStdString(), d.sumClassicalState.str());
        EXPECT_EQ(o.size(), 14);
    }

    const Result data = Cli({"table", "Ann", "1990-05-17", "--format=datafile", "--from", "2026-03-01T08:15",
                             "--to", "2026-03-20"});
    ASSERT_EQ(data.status, 0) << data.err;
    const ExportResult written = WriteDataFile("Ann", days, kNow, dir.path().toStdString());
    ASSERT_TRUE(written.ok());
    std::ifstream file(written.path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(data.out, bytes);
}

TEST_F(CliTest, TodayPrintsTheValuesStatesAndCommentHeadings) {
    const DayRecord d = Days(DateTime(2026, 12, 6, 12), DateTime(2026, 12, 6, 12)).front();
    const Result r = Cli({"today", "Ann", "1990-05-17"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto heading = [](const char* cycle, const StateText& s) {
        const std::string_view v = s.view();
        return std::string(cycle) + (v == "High" || v == "Pick" ? " High:" : v == "Critical" ? " Critical:" : " Low:");
    };
    EXPECT_EQ(r.out, "Today: 2026-12-06\n"
                     "Day of life: 13353\n"
                     "Physical: " + FormatFixed(d.physical, 2) + " " + d.physicalState.str() + "\n" +
                     "Emotional: " + FormatFixed(d.emotional, 2) + " " + d.emotionalState.str() + "\n" +
                     "Intellectual: " + FormatFixed(d.intellectual, 2) + " " + d.intellectualState.str() + "\n" +
                     "Intuitional: " + FormatFixed(d.intuitional, 2) + "\n" +
                     "Aesthetic: " + FormatFixed(d.aesthetic, 2) + "\n" +
                     "Spiritual: " + FormatFixed(d.spiritual, 2) + "\n" +
                     "Sum Classical: " + FormatFixed(d.sumClassical, 2) + " " + d.sumClassicalState.str() + "\n" +
                     "Sum Total: " + FormatFixed(d.sumTotal, 2) + " " + d.sumTotalState.str() + "\n" +
                     heading("Physical", d.physicalState) + "\n" + heading("Emotional", d.emotionalState) + "\n" +
                     heading("Intellectual", d.intellectualState) + "\n");
}

Rgb At(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

TEST_F(CliTest, ChartPngHasTheSizeAndTheFramesAndSeriesWhereTheEngineDrawsThem) {
    const std::string png = Path("ann.png");
    const Result r = Cli({"chart", "Ann", "1990-05-17", "--size", "500x300", "--show", "Physical,sumtotal",
                          "--no-legend", "--output", png});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(500, 300));

    // The same chart on the recording surface.
    PersonProfile p = MakeDefaultProfile(kNow);
    p.name = "Ann";
    p.birthDate = DateTime(1990, 5, 17);
    p.showEmotional = p.showIntellectual = p.showSumClassical = false;
    p.showSumTotal = true;
    DayRecordArray days;
    CBiorhythmCalc().Compute(days, p);
    FixedSizeHost host(QSize(500, 300));
    CycleChart chart(&host);
    const std::vector<int> shown = BindSeries(chart, p);
    std::string work;
    FillRows(chart, days, p, shown, kNow, work);
    chart.showLegend = false;
    RecordingSurface rec;
    chart.Draw(rec);

    const Rect outer = chart.outerRect, plot = chart.plotRect;
    ASSERT_EQ(outer, (Rect{10, 10, 490, 290}));
    ASSERT_EQ(plot, (Rect{60, 60, 430, 240}));
    for (auto [x, y] : {std::pair{outer.left, 150}, {outer.right - 1, 150}, {250, outer.top}, {250, outer.bottom - 1},
                        {plot.left, 150}, {plot.right - 1, 150}})
        EXPECT_EQ(At(image, x, y), (Rgb{0, 0, 0})) << x << "," << y;
    EXPECT_EQ(At(image, outer.left + 1, 150), (Rgb{255, 255, 255}));

    // Each segment's start pixel; the red ones where the black line does not cross.
    const auto black = rec.LinesWithColor(Rgb{0, 0, 0});
    const auto red = rec.LinesWithColor(Rgb{255, 0, 0});
    ASSERT_EQ(red.size(), 30u);
    ASSERT_EQ(black.size(), 30u);
    for (const auto& l : black) EXPECT_EQ(At(image, l.x1, l.y1), (Rgb{0, 0, 0})) << l.x1 << "," << l.y1;
    int checked = 0;
    for (std::size_t i = 0; i < red.size(); ++i) {
        if (std::abs(red[i].y1 - black[i].y1) < 4) continue;
        EXPECT_EQ(At(image, red[i].x1, red[i].y1), (Rgb{255, 0, 0})) << red[i].x1 << "," << red[i].y1;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST_F(CliTest, BadInputGivesOneLineOnStandardErrorStatusTwoAndNoFile) {
    const std::string out = Path("x.png");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"table", "Ann", "1990-02-30"}, "kelra-cli: impossible birth date \"1990-02-30\""},
        {{"table", "Ann", "1990-05-17", "--from", "2026-13-01"}, "impossible date for --from \"2026-13-01\""},
        {{"table", "Ann", "1990-05-17", "--to", "2026-12-01T25:00"}, "impossible date for --to"},
        {{"table", "Ann", "1990-05-17", "--from", "2026-12-05", "--to", "2026-12-05"},
         "the end 2026-12-05T00:00:00 is not after the start 2026-12-05T00:00:00"},
        {{"table", "Ann", "1990-05-17", "--colour"}, "unknown option \"--colour\" for table"},
        {{"table", "Ann", "1990-05-17", "--output", out}, "unknown option \"--output\" for table"},
        {{"table", "Ann", "1990-05-17", "--format", "xml"}, "unknown format \"xml\" (csv, json or datafile)"},
        {{"plot", "Ann", "1990-05-17"}, "unknown command \"plot\""},
        {{"today", "Ann"}, "today needs NAME and BIRTH"},
        {{"chart", "Ann", "1990-05-17", "--size", "99x300", "--output", out}, "size \"99x300\" is not WxH"},
        {{"chart", "Ann", "1990-05-17", "--size", "300", "--output", out}, "size \"300\" is not WxH"},
        {{"chart", "Ann", "1990-05-17", "--size", "300x100x", "--output", out}, "is not WxH"},
        {{"chart", "Ann", "1990-05-17", "--show", "physical,mood", "--output", out}, "unknown series \"mood\""},
        {{"chart", "Ann", "1990-05-17", "--line-width", "two", "--output", out}, "line width \"two\""},
        {{"chart", "Ann", "1990-05-17"}, "chart needs --output FILE"},
        {{"chart", "Ann", "1990-05-17", "--output", Path("x.bmp")}, "the extension is not .png, .svg or .pdf"},
        {{"chart", "Ann", "1990-05-17", "--output", Path("none/x.png")}, "No such file or directory"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "") << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.rfind("kelra-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// The installed program: its own platform, the settable clock and the exit status.
TEST_F(CliTest, TheProgramRunsWithoutADisplayOnTheClockOfKelraNow) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("KELRA_NOW", "2026-12-06T10:30:00");
    const auto run = [&](const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(KELRA_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return std::tuple{p.exitCode(), p.readAllStandardOutput().toStdString(),
                          p.readAllStandardError().toStdString()};
    };
    const auto [status, out, err] = run({"chart", "Ann", "1990-05-17", "--output", "ann.svg"});
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_TRUE(QFile::exists(dir.filePath("ann.svg")));
    EXPECT_EQ(std::get<1>(run({"today", "Ann", "1990-05-17"})), Cli({"today", "Ann", "1990-05-17"}).out);

    const auto [badStatus, badOut, badErr] = run({"table", "Ann", "1990-05-17", "--format", "xml"});
    EXPECT_EQ(badStatus, 2);
    EXPECT_EQ(badErr, "kelra-cli: unknown format \"xml\" (csv, json or datafile)\n");
    EXPECT_EQ(std::get<0>(run({"--version"})), 0);
    EXPECT_EQ(std::get<1>(run({"--version"})), "kelra-cli 1.0.0.1\n");
}

}  // namespace
}  // namespace kelra
