// Tables with more rows than the plot has pixels stack every row on one x;
// the QPainter surface draws such a stack as its outline. It must cover
// exactly the pixels the full polyline covers.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>
#include <vector>

#include "QtSurface.h"

namespace kelra {
namespace {


// A dense polyline: runs on one x (zig-zags, monotone runs, single steps)
// joined by diagonal and horizontal moves, well over the batching limit.
std::vector<QPoint> Stacks(std::mt19937& rng, int height) {
    std::uniform_int_distribution<int> y(4, height - 5), len(1, 900), dx(-3, 3), kind(0, 3);
    std::vector<QPoint> pts{QPoint(20, y(rng))};
    while (pts.size() < 6000) {
        const int x = std::max(5, std::min(35, pts.back().x() + dx(rng)));
        const int k = kind(rng);
        const int count = len(rng);
        int cur = y(rng);
        for (int i = 0; i < count; ++i) {
            if (k == 1) cur = std::min(height - 5, cur + 1);        // monotone down
            else if (k == 2 && i % 2) cur = height / 2 + i % 7;      // small zig-zag
            else cur = y(rng);
            if (QPoint(x, cur) != pts.back()) pts.emplace_back(x, cur);
        }
    }
    return pts;
}

QImage Draw(const std::vector<QPoint>& pts, const Pen& pen, const QTransform& transform, bool throughSurface) {
    QImage image(80, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setTransform(transform);
    if (throughSurface) {
        QtSurface s(p);
        s.SelectPen(pen);
        s.MoveTo(pts[0].x(), pts[0].y());
        for (std::size_t i = 1; i < pts.size(); ++i) s.LineTo(pts[i].x(), pts[i].y());
    } else {
        // What the surface drew before it collapsed stacks: a dense line
        // with bevel joins.
        QPen q = QtSurface::ToQPen(pen);
        q.setJoinStyle(Qt::BevelJoin);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(q);
        p.drawPolyline(QPolygon(QList<QPoint>(pts.begin(), pts.end())));
    }
    p.end();
    return image;
}

TEST(QtSurfaceStacks, CoverTheSamePixelsAsTheFullPolyline) {
    std::mt19937 rng(6);
    const Pen pens[] = {{0, {0, 0, 0}}, {1, {255, 0, 0}}, {2, {0, 0, 255}}, {3, {0, 0, 0}}, {7, {0, 200, 0}}};
    const QTransform transforms[] = {QTransform(), QTransform::fromTranslate(3, -2), QTransform::fromScale(1.5, 0.8)};
    for (int trial = 0; trial < 6; ++trial) {
        const std::vector<QPoint> pts = Stacks(rng, 300);
        for (const Pen& pen : pens) {
            for (const QTransform& t : transforms) {
                const QImage expected = Draw(pts, pen, t, false);
                const QImage actual = Draw(pts, pen, t, true);
                EXPECT_TRUE(actual == expected) << "trial " << trial << ", pen width " << pen.width << ", transform "
                                                << t.m11() << "," << t.m22() << "," << t.dx();
            }
        }
    }
}

TEST(QtSurfaceStacks, KeepTheEndsOfAStackJoinedToTheirNeighbours) {
    // One long stack between two diagonal legs, for each way in and out.
    for (int in = -1; in <= 1; in += 2) {
        for (int out = -1; out <= 1; out += 2) {
            std::vector<QPoint> pts{QPoint(5, 200)};
            int y = 200;
            pts.emplace_back(30, y += 40 * in);
            for (int i = 0; i < 5000; ++i) pts.emplace_back(30, y = 150 + (i * 37) % 101);
            pts.emplace_back(30, y += 11 * out);
            pts.emplace_back(60, 380);
            for (const Pen& pen : {Pen{1, {0, 0, 0}}, Pen{3, {0, 0, 0}}}) {
                EXPECT_TRUE(Draw(pts, pen, QTransform(), true) == Draw(pts, pen, QTransform(), false))
                    << in << " " << out << " width " << pen.width;
            }
        }
    }
}

}  // namespace
}  // namespace kelra
