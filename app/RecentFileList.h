#pragma once
#include <QString>
#include <QStringList>

class QSettings;

namespace kelra {

// The recent-persons list: at most 15 paths, most recent first.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 15;

    // Puts path at the top; one already present (ignoring case) moves there.
    void Add(const QString& path);
    void Remove(int index);
    int Size() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.isEmpty(); }
    const QString& At(int index) const { return entries_.at(index); }
    const QStringList& Entries() const { return entries_; }
    // Index of the path, ignoring case, or -1.
    int IndexOf(const QString& path) const;

    // Section "Recent File List", values "File1" ... "File15". Values that
    // are missing or no text are skipped; the rest keep their order.
    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // The menu text of an entry: its number and the path, shortened for show.
    static QString MenuText(int index, const QString& path);

private:
    QStringList entries_;
};

}  // namespace kelra
