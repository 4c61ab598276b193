#include "QtSurface.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace kelra {
namespace {

// Anything wider is of no use on any surface and slows the rasteriser down.
constexpr int kMaxPenWidth = 1000;
constexpr int kMaxFontHeight = 2000;
// A polyline with more points than any plot has pixels across is a dense stack
// of rows where joins overlap anyway; round joins would cost most of the draw.
constexpr qsizetype kRoundJoinLimit = 4096;

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString FamilyFor(const std::string& face) {
    if (face.empty()) {
        // The ordinary proportional face: an Arial-metric one where present,
        // narrow enough for the comments page's characters per line.
        if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) return QStringLiteral("Liberation Sans");
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    const QString family = QString::fromStdString(face);
    // Liberation Sans has Arial's metrics.
    if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0 && !QFontDatabase::hasFamily(family))
        return QStringLiteral("Liberation Sans");
    return family;
}

int CellHeight(QFont& font, int pixelSize) {
    font.setPixelSize(pixelSize);
    const QFontMetrics fm(font);
    return fm.ascent() + fm.descent();
}

QFont MakeFont(const Font& f) {
    QFont font(FamilyFor(f.face));
    font.setWeight(f.weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    if (f.height < 0) {
        // A negative height is the character height without internal leading.
        font.setPixelSize(std::clamp(-f.height, 1, kMaxFontHeight));
        return font;
    }
    const int cell = f.height == 0 ? 16 : std::min(f.height, kMaxFontHeight);
    int size = std::max(1, cell * 9 / 10);
    while (size > 1 && CellHeight(font, size) > cell) --size;
    while (size < cell && CellHeight(font, size + 1) <= cell) ++size;
    font.setPixelSize(size);
    return font;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Replaces every run of three or more points on one vertical with at most
// five that start and end where the run does, leave and arrive in the same
// directions and reach the same lowest and highest point. The run's segments
// all lie on that vertical, so with joins that add nothing at a reversal (no
// joins on the one-pixel fast path, bevels) the covered pixels are the same.
// A table with more rows than the plot has pixels puts every row on one x.
void CollapseStacks(QPolygon& points) {
    const qsizetype n = points.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n;) {
        const int x = points[i].x();
        qsizetype j = i;
        int low = points[i].y(), high = low;
        while (j + 1 < n && points[j + 1].x() == x) {
            ++j;
            low = std::min(low, points[j].y());
            high = std::max(high, points[j].y());
        }
        if (j - i < 2) {
            for (qsizetype k = i; k <= j; ++k) points[out++] = points[k];
            i = j + 1;
            continue;
        }
        const int first = points[i].y(), last = points[j].y();
        const int leave = Sign(points[i + 1].y() - first), arrive = Sign(last - points[j - 1].y());
        if (leave == 0 || arrive == 0) {  // a repeated point: keep the run as it is
            for (qsizetype k = i; k <= j; ++k) points[out++] = points[k];
            i = j + 1;
            continue;
        }
        int at = first;
        auto to = [&](int y) {
            if (y != at) points[out++] = QPoint(x, at = y);
        };
        points[out++] = points[i];
        const int far = leave > 0 ? high : low, other = leave > 0 ? low : high;
        to(far);
        if (first != other) to(other);
        // Arrive at the run's end from the side the last segment came from.
        if (at != last && Sign(last - at) != arrive) to(at == high ? low : high);
        to(last);
        i = j + 1;
    }
    points.resize(out);
}

}  // namespace

QFont QtSurface::ToQFont(const Font& font) {
    // Finding the pixel size takes a few metric look-ups; fonts repeat on every paint.
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, int, bool, bool>, QFont> cache;
    const auto key = std::make_tuple(font.face, font.height, font.weight, font.italic, font.underline);
    std::lock_guard lock(mutex);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, MakeFont(font)).first;
    return it->second;
}

QPen QtSurface::ToQPen(const Pen& pen) {
    const int width = std::clamp(pen.width, 0, kMaxPenWidth);
    QPen q(ToQColor(pen.color));
    q.setStyle(Qt::SolidLine);
    if (width <= 1) {
        // A one-pixel line that, like LineTo, leaves out its end point.
        q.setWidth(width);
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
    } else {
        q.setWidth(width);
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    return q;
}

QtSurface::QtSurface(QPainter& painter)
    : painter_(painter), qpen_(ToQPen(pen_)), qfont_(ToQFont(font_)), metrics_(qfont_) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(qpen_);
}

QtSurface::~QtSurface() {
    Flush();
    painter_.restore();
}

void QtSurface::Flush() {
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    if (pending_.size() == 2 && pending_ == lastLine_) {
        // The same opaque, aliased line again (a stack of rows at one X).
        pending_.clear();
        return;
    }
    UsePen(qpen_);
    if (pending_.size() == 2) {
        painter_.drawLine(pending_[0], pending_[1]);
        lastLine_ = pending_;
    } else if (pending_.size() > kRoundJoinLimit) {
        // A stack of millions of rows on one x costs the rasteriser seconds
        // and hundreds of megabytes; its outline is a handful of points.
        // Joins of so dense a line only blur into each other, so they are
        // bevels, which add nothing at a reversal (a mitre would reach past
        // the point); the raster engine's one-pixel path has no joins at all.
        QPen pen = qpen_;
        pen.setJoinStyle(Qt::BevelJoin);
        UsePen(pen);
        CollapseStacks(pending_);
        painter_.drawPolyline(pending_);
        lastLine_.clear();
    } else {
        painter_.drawPolyline(pending_);
        lastLine_.clear();
    }
    pending_.clear();
}

void QtSurface::UsePen(const QPen& pen) {
    if (painter_.pen() != pen) painter_.setPen(pen);
}

void QtSurface::Rectangle(int left, int top, int right, int bottom) {
    Flush();
    lastLine_.clear();
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), Qt::white);
    UsePen(qpen_);
    painter_.setBrush(Qt::NoBrush);
    // A one-pixel outline of QRect(x, y, w, h) covers x..x+w.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

Pen QtSurface::SelectPen(const Pen& pen) {
    const Pen old = pen_;
    if (!(pen == pen_)) {
        Flush();
        lastLine_.clear();
        pen_ = pen;
        qpen_ = ToQPen(pen);
    }
    return old;
}

Font QtSurface::SelectFont(const Font& font) {
    const Font old = font_;
    if (!(font == font_)) {
        font_ = font;
        qfont_ = ToQFont(font);
        metrics_ = QFontMetrics(qfont_);
    }
    return old;
}

void QtSurface::MoveTo(int x, int y) {
    const QPoint to(x, y);
    // Moving to where the last line ended continues it.
    if (to != pos_) Flush();
    pos_ = to;
}

void QtSurface::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (to == pos_) return;
    if (pending_.isEmpty()) pending_ << pos_;
    pending_ << to;
    pos_ = to;
}

void QtSurface::SetTextAlign(TextAlign align) { align_ = align; }
void QtSurface::SetTextColor(Rgb color) { textColor_ = color; }
void QtSurface::SetBkColor(Rgb color) { bkColor_ = color; }

void QtSurface::TextOut(int x, int y, const std::string& text) {
    Flush();
    lastLine_.clear();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int width = metrics_.horizontalAdvance(s);
    const int left = align_ == TextAlign::Center ? x - width / 2 : x;
    painter_.fillRect(QRect(left, y, width, metrics_.ascent() + metrics_.descent()), ToQColor(bkColor_));
    if (s.isEmpty()) return;
    painter_.setFont(qfont_);
    UsePen(QPen(ToQColor(textColor_)));
    painter_.drawText(QPoint(left, y + metrics_.ascent()), s);
}

int QtSurface::TextWidth(const std::string& text) {
    return metrics_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtSurface::FillSolidRect(int x, int y, int width, int height, Rgb color) {
    Flush();
    lastLine_.clear();
    bkColor_ = color;
    if (width <= 0 || height <= 0) return;
    painter_.fillRect(QRect(x, y, width, height), ToQColor(color));
}

}  // namespace kelra
