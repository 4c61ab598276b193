#pragma once
#include <QString>

namespace kelra {

class RecentFileList;

// What became of reading or writing the per-user settings store.
struct StoreResult {
    bool ok = true;
    QString fileName;  // the store's file
    QString reason;    // why not, when not ok
};

// Reads the recent list and the preview page count. A store that cannot be
// read, or is damaged, leaves the list empty and is not ok.
StoreResult LoadSettings(RecentFileList& recent, int& previewPages);

// Writes both back; ok only when the store's file now holds them. A damaged
// store is replaced whole.
StoreResult SaveSettings(const RecentFileList& recent, int previewPages);

}  // namespace kelra
