#pragma once
#include <optional>

#include <QString>

#include "DateTime.h"

namespace kelra {

struct PersonEntry {
    QString name;
    DateTime birthDate;
};

// Turns a recent-person path ("<dir>/<name>, <date>") back into a name and a
// birth date. The text after the last "/" or "\" is split at a comma; the
// commas are tried from the first on and the first split whose remainder reads
// as a date wins, so names that hold commas come back whole.
std::optional<PersonEntry> ParsePersonEntry(const QString& path);

// A date in United States English notation: "06 Dec 2026", "Dec 6, 2026",
// "12/6/2026", ..., optionally followed by a time of day.
std::optional<DateTime> ParseUsDate(const QString& text);

// The recent-list path for a person's text: current directory, separator, text.
QString PersonEntryPath(const QString& currentDir, const QString& text);

}  // namespace kelra
