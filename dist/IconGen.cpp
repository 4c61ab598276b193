// Writes the application icon as installed files: kelra_icongen DIR ID
// makes DIR/scalable/apps/ID.svg and DIR/NxN/apps/ID.png, from the same
// drawing as the window icon.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "Icons.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Kelra"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    kelra::DrawAppPicture(p, 256);
    return p.end();
}

bool WritePng(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        kelra::DrawAppPicture(p, size);
    }
    return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    // QImage and QSvgGenerator paint without an application object or a display.
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelra_icongen DIR ID\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const QString scalable = dir + QStringLiteral("/scalable/apps");
    bool ok = QDir().mkpath(scalable) && WriteSvg(scalable + QLatin1Char('/') + id + QStringLiteral(".svg"));
    for (int size : kSizes) {
        const QString sub = dir + QStringLiteral("/%1x%1/apps").arg(size);
        ok = ok && QDir().mkpath(sub) && WritePng(sub + QLatin1Char('/') + id + QStringLiteral(".png"), size);
    }
    if (!ok) std::fprintf(stderr, "kelra_icongen: cannot write the icons below %s\n", argv[1]);
    return ok ? 0 : 1;
}
