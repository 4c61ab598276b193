#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include "CycleChart.h"
#include "QtSurface.h"

namespace kelra {
namespace {


constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey{128, 128, 128}, kRed{255, 0, 0}, kBlue{0, 0, 255};

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(kGrey.r, kGrey.g, kGrey.b));
    return image;
}

Rgb At(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

TEST(QtSurface, LinesAndRectanglesCoverPixelsLikeTheClassicDeviceContext) {
    QImage image = Blank(20, 20);
    {
        QPainter p(&image);
        QtSurface s(p);
        s.MoveTo(2, 2);
        s.LineTo(8, 2);
        s.LineTo(8, 6);
        s.Rectangle(10, 4, 15, 9);
        s.SelectPen(Pen{0, kRed});
        s.MoveTo(2, 12);
        s.LineTo(6, 12);
    }
    for (int x = 2; x <= 7; ++x) EXPECT_EQ(At(image, x, 2), kBlack) << x;
    EXPECT_EQ(At(image, 8, 2), kBlack);  // the start of the second line
    EXPECT_EQ(At(image, 8, 5), kBlack);
    EXPECT_EQ(At(image, 8, 6), kGrey);   // the end point is left out
    EXPECT_EQ(At(image, 9, 2), kGrey);
    EXPECT_EQ(At(image, 2, 3), kGrey);   // crisp: no antialiased neighbours
    // Outline on l..r-1, t..b-1, white inside, nothing beyond.
    EXPECT_EQ(At(image, 10, 4), kBlack);
    EXPECT_EQ(At(image, 14, 8), kBlack);
    EXPECT_EQ(At(image, 12, 6), kWhite);
    EXPECT_EQ(At(image, 15, 6), kGrey);
    EXPECT_EQ(At(image, 12, 9), kGrey);
    // Width 0 is the thinnest line.
    EXPECT_EQ(At(image, 3, 12), kRed);
    EXPECT_EQ(At(image, 3, 13), kGrey);
}

TEST(QtSurface, FontsAreSizedByCellHeightAndArialHasAFallback) {
    for (int height : {14, 16, 30}) {
        const QFont f = QtSurface::ToQFont(Font{"Arial", height});
        const QFontMetrics fm(f);
        EXPECT_LE(fm.ascent() + fm.descent(), height);
        EXPECT_GE(fm.ascent() + fm.descent(), height - 1);
        const QString family = QFontInfo(f).family();
        EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
    }
    EXPECT_FALSE(QFontInfo(QtSurface::ToQFont(Font{"", 14})).family().isEmpty());
}

TEST(QtSurface, TextTopIsAtYOnAnOpaqueBackground) {
    QImage image = Blank(60, 40);
    int width = 0;
    {
        QPainter p(&image);
        QtSurface s(p);
        s.SelectFont(Font{"Arial", 14});
        s.SetBkColor(Rgb{0, 255, 0});
        s.SetTextAlign(TextAlign::Center);
        width = s.TextWidth("MMM");
        s.TextOut(30, 10, "MMM");
    }
    const int left = 30 - width / 2;
    EXPECT_EQ(At(image, left, 10), (Rgb{0, 255, 0}));
    EXPECT_EQ(At(image, left, 9), kGrey);
    EXPECT_EQ(At(image, left - 1, 12), kGrey);
    EXPECT_EQ(At(image, left + width - 1, 23), (Rgb{0, 255, 0}));
    EXPECT_EQ(At(image, left, 24), kGrey);
    // The glyphs themselves are dark somewhere inside the cell.
    bool dark = false;
    for (int x = left; x < left + width; ++x)
        for (int y = 10; y < 24; ++y) dark = dark || At(image, x, y).g < 100;
    EXPECT_TRUE(dark);
}

TEST(QtSurface, KeepsTheCallersTransformAndRestoresThePainter) {
    QImage image = Blank(40, 40);
    QPainter p(&image);
    p.scale(2, 2);
    const QPen callerPen(Qt::green);
    p.setPen(callerPen);
    {
        QtSurface s(p);
        s.FillSolidRect(5, 5, 5, 5, kRed);
    }
    EXPECT_EQ(p.pen(), callerPen);
    EXPECT_EQ(p.transform(), QTransform::fromScale(2, 2));
    p.end();
    EXPECT_EQ(At(image, 10, 10), kRed);
    EXPECT_EQ(At(image, 19, 19), kRed);
    EXPECT_EQ(At(image, 20, 20), kGrey);
}

TEST(QtSurface, BatchedLinesKeepTheDrawingOrder) {
    QImage image = Blank(20, 20);
    QPainter p(&image);
    {
        QtSurface s(p);
        s.MoveTo(0, 5);
        s.LineTo(10, 5);
        s.FillSolidRect(0, 4, 5, 3, kBlue);  // over the line
        s.MoveTo(0, 5);
        s.LineTo(10, 5);                      // the same line again, over the fill
        s.MoveTo(0, 10);
        s.LineTo(10, 10);
        s.painter().fillRect(QRect(0, 9, 5, 3), Qt::green);  // the caller paints after the line
    }
    p.end();
    EXPECT_EQ(At(image, 2, 5), kBlack);
    EXPECT_EQ(At(image, 2, 4), kBlue);
    EXPECT_EQ(At(image, 2, 10), (Rgb{0, 255, 0}));
    EXPECT_EQ(At(image, 7, 10), kBlack);
}

class Host : public ChartHost {
public:
    Rect FrameClientRect() const override { return Rect{0, 0, 820, 520}; }
};

TEST(QtSurface, DrawsAFilledChart) {
    Host host;
    CycleChart chart(&host);
    chart.SetTitle("JANE DOE");
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    chart.AddSeries(3, "Physical", Pen{1, kRed}, std::nullopt);
    chart.AddSeries(3, "Sum Total", Pen{3, kBlue},
                    std::vector<std::string>{"Physical: 12.34 High", "Emotional is<BR>critical today", " "});
    chart.SetColumnCount(3);
    chart.yAutoscale = false;  // -300..500, half a pixel per unit
    chart.showMarks = true;
    for (int r = 0; r < 31; ++r) chart.AddRow({std::string("12/").append(std::to_string(r + 1)).append("/26"), "110", "-110"});

    QImage image = Blank(820, 520);
    {
        QPainter p(&image);
        QtSurface s(p);
        chart.Draw(s);
    }
    // The picture is kept only for the test's own life.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(image.save(dir.filePath(QStringLiteral("chart.png"))));

    // Frames: outer (10, 10, 810, 510), plot (60, 60, 660, 460).
    EXPECT_EQ(At(image, 10, 300), kBlack);
    EXPECT_EQ(At(image, 809, 300), kBlack);
    EXPECT_EQ(At(image, 810, 300), kGrey);
    EXPECT_EQ(At(image, 400, 509), kBlack);
    EXPECT_EQ(At(image, 60, 300), kBlack);
    EXPECT_EQ(At(image, 659, 300), kBlack);
    EXPECT_EQ(At(image, 400, 459), kBlack);
    // Value 110 at y 255, one pixel; -110 at y 365, three pixels.
    EXPECT_EQ(At(image, 250, 255), kRed);
    EXPECT_EQ(At(image, 250, 254), kWhite);
    EXPECT_EQ(At(image, 250, 256), kWhite);
    for (int y = 364; y <= 366; ++y) EXPECT_EQ(At(image, 250, y), kBlue) << y;
    // Grid line colour between the series.
    EXPECT_EQ(At(image, 250, 310), (Rgb{220, 220, 220}));
    // A mark: 3 x 3 black at row 1 (x 80).
    EXPECT_EQ(At(image, 79, 254), kBlack);
    EXPECT_EQ(At(image, 81, 256), kBlack);
    // The legend bullet.
    EXPECT_EQ(At(image, 668, 114), (Rgb{0, 150, 100}));
}

}  // namespace
}  // namespace kelra

namespace kelra {
namespace {

TEST(QtSurface, WritesAChartToAnSvgFile) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(820, 520));
    generator.setViewBox(QRect(0, 0, 820, 520));
    Host host;
    CycleChart chart(&host);
    chart.SetTitle("SVG PERSON");
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    chart.AddSeries(3, "Physical", Pen{1, kRed}, std::nullopt);
    chart.SetColumnCount(2);
    for (int r = 0; r < 10; ++r) chart.AddRow({std::to_string(r), std::to_string(r * 10 - 50)});
    {
        QPainter painter(&generator);
        QtSurface surface(painter);
        chart.Draw(surface);
    }
    const QString text = QString::fromUtf8(svg.data());
    EXPECT_TRUE(text.contains(QStringLiteral("SVG PERSON")));
    EXPECT_TRUE(text.contains(QStringLiteral("#ff0000"), Qt::CaseInsensitive));  // the Physical line
    EXPECT_TRUE(text.contains(QStringLiteral("polyline")));
}

}  // namespace
}  // namespace kelra
