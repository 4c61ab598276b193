#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include "RecentFileList.h"

namespace kelra {
namespace {

const QString kPreviewPages = QStringLiteral("Settings/PreviewPages");

// Reads a small whole number whatever the store holds.
int ReadPreviewPages(QSettings& settings) {
    bool ok = false;
    const int pages = settings.value(kPreviewPages, 1).toInt(&ok);
    return ok && (pages == 1 || pages == 2) ? pages : 1;
}

// One attempt. A store found damaged is left alone (FormatError): the status
// would keep that error whatever the write did, so it says nothing of the write.
QSettings::Status WriteOnce(QSettings& settings, const RecentFileList& recent, int previewPages) {
    if (settings.status() == QSettings::FormatError) return QSettings::FormatError;
    recent.Save(settings);
    settings.setValue(kPreviewPages, previewPages);
    settings.sync();
    return settings.status();
}

// The settings class says only that the write failed; the file system says why.
QString WhyNotWritten(const QString& file) {
    const QFileInfo info(file);
    QString dir = info.absolutePath();
    while (!QFileInfo::exists(dir) && QFileInfo(dir).absolutePath() != dir) dir = QFileInfo(dir).absolutePath();
    const QString shown = QDir::toNativeSeparators(dir);
    if (!QFileInfo(dir).isDir()) return QStringLiteral("\"%1\" is a file where a folder belongs").arg(shown);
    if (!QFileInfo(dir).isWritable()) return QStringLiteral("the folder \"%1\" is read-only").arg(shown);
    if (info.exists() && !info.isFile()) return QStringLiteral("it is not a file");
    if (info.exists() && !info.isWritable()) return QStringLiteral("it is read-only");
    // Anything else shows when a file of about the store's size is written
    // beside it (a full disk, a quota); the trial is thrown away.
    QSaveFile trial(file);
    QString reason;
    if (!trial.open(QIODevice::WriteOnly)) reason = trial.errorString();
    else if (trial.write(QByteArray(4096, '\n')) < 0 || !trial.flush()) reason = trial.errorString();
    trial.cancelWriting();
    return reason.isEmpty() ? QStringLiteral("it could not be written") : reason;
}

}  // namespace

StoreResult LoadSettings(RecentFileList& recent, int& previewPages) {
    QSettings settings;
    StoreResult result;
    result.fileName = QDir::toNativeSeparators(settings.fileName());
    recent.Load(settings);
    previewPages = ReadPreviewPages(settings);
    if (settings.status() != QSettings::NoError) {
        // What a damaged store still yields is not trusted.
        result.ok = false;
        result.reason = settings.status() == QSettings::FormatError ? QStringLiteral("it is damaged")
                                                                    : QStringLiteral("it cannot be read");
        recent = RecentFileList();
    }
    return result;
}

StoreResult SaveSettings(const RecentFileList& recent, int previewPages) {
    StoreResult result;
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings;
        result.fileName = settings.fileName();
        status = WriteOnce(settings, recent, previewPages);
    }
    if (status == QSettings::FormatError) {
        // Merging into a damaged file keeps its damage; the list replaces it.
        QFile::remove(result.fileName);
        QSettings settings;
        status = WriteOnce(settings, recent, previewPages);
    }
    result.ok = status == QSettings::NoError && QFileInfo(result.fileName).isFile();
    if (!result.ok)
        result.reason = status == QSettings::FormatError ? QStringLiteral("it is damaged") : WhyNotWritten(result.fileName);
    result.fileName = QDir::toNativeSeparators(result.fileName);
    return result;
}

}  // namespace kelra
