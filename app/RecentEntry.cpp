#include "RecentEntry.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>

namespace kelra {
namespace {

const QStringList& DateFormats() {
    static const QStringList formats = {
        QStringLiteral("dd MMM yyyy"), QStringLiteral("d MMM yyyy"),  QStringLiteral("d MMMM yyyy"),
        QStringLiteral("MMM d yyyy"),  QStringLiteral("MMM d, yyyy"), QStringLiteral("MMMM d yyyy"),
        QStringLiteral("MMMM d, yyyy"), QStringLiteral("M/d/yyyy"),   QStringLiteral("M-d-yyyy"),
        QStringLiteral("yyyy-MM-dd"),
    };
    return formats;
}

const QStringList& TimeFormats() {
    static const QStringList formats = {
        QStringLiteral("H:mm:ss"), QStringLiteral("H:mm"), QStringLiteral("h:mm:ss AP"), QStringLiteral("h:mm AP"),
    };
    return formats;
}

}  // namespace

std::optional<DateTime> ParseUsDate(const QString& input) {
    const QString text = input.simplified();
    if (text.isEmpty() || text.size() > 64) return std::nullopt;
    for (const QString& df : DateFormats()) {
        QDate d = QDate::fromString(text, df);
        if (d.isValid()) {
            DateTime r(d.year(), d.month(), d.day());
            if (r.IsValid()) return r;
        }
        for (const QString& tf : TimeFormats()) {
            const QDateTime dt = QDateTime::fromString(text, df + QLatin1Char(' ') + tf);
            if (!dt.isValid()) continue;
            const QDate dd = dt.date();
            const QTime tt = dt.time();
            DateTime r(dd.year(), dd.month(), dd.day(), tt.hour(), tt.minute(), tt.second());
            if (r.IsValid()) return r;
        }
    }
    return std::nullopt;
}

std::optional<PersonEntry> ParsePersonEntry(const QString& path) {
    const qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (sep < 0) return std::nullopt;
    const QString text = path.mid(sep + 1);
    for (qsizetype comma = text.indexOf(QLatin1Char(',')); comma >= 0;
         comma = text.indexOf(QLatin1Char(','), comma + 1)) {
        // No date is this long; skipping cheaply keeps huge entries linear.
        if (text.size() - comma > 256) continue;
        if (auto date = ParseUsDate(text.mid(comma + 1).trimmed()))
            return PersonEntry{text.left(comma).trimmed(), *date};
    }
    return std::nullopt;
}

QString PersonEntryPath(const QString& currentDir, const QString& text) {
    QString dir = QDir::toNativeSeparators(currentDir);
    if (!dir.endsWith(QDir::separator())) dir += QDir::separator();
    return dir + text;
}

}  // namespace kelra
