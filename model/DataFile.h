#pragma once
#include <string>

#include "DateTime.h"
#include "DayRecord.h"

namespace kelra {

// One day of the table as comma-separated text with its "\r\n" line end.
std::string FormatDataLine(const DayRecord& day);

// The whole content of the data file for a day table: the header lines and
// one line per day, every line ending in "\r\n".
std::string DataFileText(const DayRecordArray& days);

// "%02d_%02d_%04d_%s.txt" from now's month, day and year and the lower-cased
// name; path separators and control characters of the name become "_" so the
// file always stays in its folder.
std::string DataFileName(const std::string& name, const DateTime& now);

struct ExportResult {
    enum Outcome { written, openFailed, writeFailed };
    Outcome outcome = written;
    std::string fileName;  // name only, no folder
    std::string path;      // where it was (or would have been) written
    int error = 0;         // errno of the failure
    bool keptEarlier = false;  // a failed write left an earlier file of that name as it was
    bool ok() const { return outcome == written; }
};

// Writes the day table for the person into "Biorythms" below workDir (made
// when missing; workDir itself when the folder can neither be used nor made).
// The table goes to a new file beside the final one and takes its name only
// once it is complete, so a failure leaves an earlier file as it was, and a
// special file, a link or a second name of some other file at that name is
// never written through. Never changes the process's working directory.
ExportResult WriteDataFile(const std::string& name, const DayRecordArray& days, const DateTime& now,
                           const std::string& workDir);

}  // namespace kelra
