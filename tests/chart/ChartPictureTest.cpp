#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "ChartPicture.h"
#include "RecordingSurface.h"

namespace kelra {
namespace {

class ChartPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        chart.SetTitle("ANN");
        chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
        chart.AddSeries(3, "Physical", Pen{1, {255, 0, 0}}, std::nullopt);
        chart.SetColumnCount(2);
        for (int r = 0; r < 31; ++r) chart.AddRow({"d" + std::to_string(r), std::to_string(r * 7 % 200 - 100)});
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    FixedSizeHost window{QSize(820, 520)};
    CycleChart chart{&window};
};

TEST_F(ChartPictureTest, WritesPngSvgAndPdfByTheExtensionAndKeepsTheWindowsLayout) {
    RecordingSurface rec;
    chart.Draw(rec);
    const Rect plot = chart.plotRect;
    const double yDelta = chart.yDelta;

    // The PNG carries the device pixel ratio in its pixel count.
    ASSERT_EQ(SaveChartPicture(chart, Path("a.png"), QSize(300, 200), 2.0), QString());
    EXPECT_EQ(QImageReader(Path("a.png")).size(), QSize(600, 400));

    ASSERT_EQ(SaveChartPicture(chart, Path("b.SVG"), QSize(300, 200)), QString());
    QSvgRenderer svg(Path("b.SVG"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 300, 200));

    ASSERT_EQ(SaveChartPicture(chart, Path("c.Pdf"), QSize(300, 200)), QString());
    QFile pdf(Path("c.Pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0; at = bytes.indexOf("/Type /Page", at + 1))
        if (bytes.mid(at + 11, 1) != "s") ++pages;
    EXPECT_EQ(pages, 1);

    EXPECT_EQ(chart.host, &window);
    EXPECT_EQ(chart.plotRect, plot);
    EXPECT_EQ(chart.yDelta, yDelta);
    EXPECT_EQ(chart.surface, &rec);
}

TEST_F(ChartPictureTest, AFailureNamesTheFileAndTheReasonAndLeavesNoFile) {
    const QString gif = Path("a.gif");
    const QString error = SaveChartPicture(chart, gif, QSize(300, 200));
    EXPECT_TRUE(error.contains(gif)) << error.toStdString();
    EXPECT_TRUE(error.contains(".png")) << error.toStdString();

    const QString missing = Path("no/such/folder/a.png");
    const QString reason = SaveChartPicture(chart, missing, QSize(300, 200));
    EXPECT_TRUE(reason.contains(missing)) << reason.toStdString();
    EXPECT_TRUE(reason.contains("No such file")) << reason.toStdString();

    // A chart that cannot be drawn leaves an earlier picture as it was.
    ASSERT_EQ(SaveChartPicture(chart, Path("keep.png"), QSize(300, 200)), QString());
    const QByteArray before = [&] { QFile f(Path("keep.png")); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    chart.SetColumnCount(3);
    const QString broken = SaveChartPicture(chart, Path("keep.png"), QSize(300, 200));
    EXPECT_TRUE(broken.contains("An invalid argument was encountered")) << broken.toStdString();
    QFile after(Path("keep.png"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"keep.png"}));
}

}  // namespace
}  // namespace kelra
