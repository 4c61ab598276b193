#include "ChartPicture.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "InvalidArgument.h"
#include "QtSurface.h"

namespace kelra {
namespace {

enum class Format { png, svg, pdf, unknown };

Format FormatOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == u"png") return Format::png;
    if (ext == u"svg") return Format::svg;
    if (ext == u"pdf") return Format::pdf;
    return Format::unknown;
}

QString Failure(const QString& path, const QString& reason) {
    const QString text = QStringLiteral("Can not save the chart to \"%1\": %2").arg(path, reason);
    return text.endsWith(u'.') ? text : text + u'.';
}

// A draw leaves its layout in the chart; a picture of another size must not
// change what the window's hit test and Properties dialog see.
class KeepLayout {
public:
    KeepLayout(CycleChart& chart, ChartHost* host)
        : chart_(chart), host_(chart.host), surface_(chart.surface), outer_(chart.outerRect),
          plot_(chart.plotRect), xStep_(chart.xStepPx), yMin_(chart.yMin), yDelta_(chart.yDelta) {
        chart.host = host;
    }
    ~KeepLayout() {
        chart_.host = host_;
        chart_.surface = surface_;
        chart_.outerRect = outer_;
        chart_.plotRect = plot_;
        chart_.xStepPx = xStep_;
        chart_.yMin = yMin_;
        chart_.yDelta = yDelta_;
    }
    KeepLayout(const KeepLayout&) = delete;
    KeepLayout& operator=(const KeepLayout&) = delete;

private:
    CycleChart& chart_;
    ChartHost* host_;
    Surface* surface_;
    Rect outer_, plot_;
    std::int32_t xStep_;
    double yMin_, yDelta_;
};

// The chart on a white client area; false when the painter cannot start.
bool Paint(CycleChart& chart, QPaintDevice& device, QSize clientSize) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.fillRect(QRect(QPoint(0, 0), clientSize), Qt::white);
    {
        QtSurface surface(painter);
        chart.Draw(surface);
    }
    return painter.end();
}

}  // namespace

QString SaveChartPicture(CycleChart& chart, const QString& path, QSize clientSize, double devicePixelRatio) {
    const Format format = FormatOf(path);
    if (format == Format::unknown)
        return Failure(path, QStringLiteral("the extension is not .png, .svg or .pdf"));
    if (clientSize.width() < 1 || clientSize.height() < 1) return Failure(path, QStringLiteral("the size is empty"));
    const double dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;

    FixedSizeHost host(clientSize);
    KeepLayout keep(chart, &host);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Failure(path, file.errorString());

    bool painted = false;
    try {
        switch (format) {
        case Format::png: {
            QImage image(clientSize * dpr, QImage::Format_ARGB32_Premultiplied);
            if (image.isNull()) {
                file.cancelWriting();
                return Failure(path, QStringLiteral("the picture is too large"));
            }
            image.setDevicePixelRatio(dpr);
            painted = Paint(chart, image, clientSize) && image.save(&file, "PNG");
            break;
        }
        case Format::svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(clientSize);
            svg.setViewBox(QRect(QPoint(0, 0), clientSize));
            // Its width and height are written in millimetres; at 96 dpi a
            // browser shows one pixel per pixel.
            svg.setResolution(96);
            svg.setTitle(QString::fromStdString(chart.title));
            painted = Paint(chart, svg, clientSize);
            break;
        }
        case Format::pdf: {
            // One point per pixel: one page the picture's size, no margins.
            QPdfWriter pdf(&file);
            pdf.setResolution(72);
            pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(clientSize), QPageSize::Point, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
            pdf.setTitle(QString::fromStdString(chart.title));
            pdf.setCreator(QStringLiteral("Kelra"));
            painted = Paint(chart, pdf, clientSize);
            break;
        }
        case Format::unknown:
            break;
        }
    } catch (const InvalidArgumentError& e) {
        file.cancelWriting();
        return Failure(path, QString::fromUtf8(e.what()));
    }
    if (!painted) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                     : QStringLiteral("the picture could not be drawn");
        file.cancelWriting();
        return Failure(path, reason);
    }
    if (!file.commit()) return Failure(path, file.errorString());
    return {};
}

}  // namespace kelra
