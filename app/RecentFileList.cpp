#include "RecentFileList.h"

#include <QSettings>

namespace kelra {
namespace {

const QString kSection = QStringLiteral("Recent File List");
// A path longer than this is no path this program wrote; it is not taken.
constexpr qsizetype kMaxPathLength = 32768;

}  // namespace

int RecentFileList::IndexOf(const QString& path) const {
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].compare(path, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty()) return;
    const int i = IndexOf(path);
    if (i >= 0) entries_.removeAt(i);
    entries_.prepend(path);
    while (entries_.size() > kMaxEntries) entries_.removeLast();
}

void RecentFileList::Remove(int index) {
    if (index >= 0 && index < entries_.size()) entries_.removeAt(index);
}

void RecentFileList::Load(QSettings& settings) {
    entries_.clear();
    settings.beginGroup(kSection);
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QVariant v = settings.value(QStringLiteral("File%1").arg(i));
        QString path;
        if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray) path = v.toString();
        // An entry written without quotes comes back cut at its commas.
        else if (v.typeId() == QMetaType::QStringList) path = v.toStringList().join(QStringLiteral(", "));
        else continue;
        if (path.isEmpty() || path.size() > kMaxPathLength || IndexOf(path) >= 0) continue;
        entries_.append(path);
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const {
    settings.remove(kSection);
    settings.beginGroup(kSection);
    for (int i = 0; i < entries_.size(); ++i) settings.setValue(QStringLiteral("File%1").arg(i + 1), entries_[i]);
    settings.endGroup();
}

QString RecentFileList::MenuText(int index, const QString& path) {
    // The person's text is what tells entries apart; the folder is the same.
    const qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString shown = path.mid(sep + 1);
    if (shown.size() > 60) shown = QStringLiteral("...") + shown.right(57);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QString::number(index + 1);
    return number + QLatin1Char(' ') + shown;
}

}  // namespace kelra
