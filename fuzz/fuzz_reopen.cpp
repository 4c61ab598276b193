// Reopening a recent entry or an opened file name: the name and birth date
// are read back out of any path text.
#include <cstdint>

#include <QString>

#include "FuzzCheck.h"
#include "RecentEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;  // longer than any path the file dialogs hand over
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (const auto entry = kelra::ParsePersonEntry(path)) {
        FUZZ_CHECK(entry->birthDate.IsValid());
        FUZZ_CHECK(entry->birthDate.Year() >= 1 && entry->birthDate.Year() <= 9999);
        // The name comes from behind the last separator and is trimmed.
        FUZZ_CHECK(!entry->name.contains(QLatin1Char('/')) && !entry->name.contains(QLatin1Char('\\')));
        FUZZ_CHECK(entry->name == entry->name.trimmed());
        FUZZ_CHECK(path.contains(entry->name));

        // What the program writes for this person reads back the same.
        const QString text =
            entry->name + QStringLiteral(", ") + QString::fromStdString(entry->birthDate.Format("%d %b %Y"));
        const auto again = kelra::ParsePersonEntry(kelra::PersonEntryPath(QStringLiteral("/tmp"), text));
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->birthDate.DayNumber() == entry->birthDate.DayNumber());
    }
    if (const auto date = kelra::ParseUsDate(path)) FUZZ_CHECK(date->IsValid());
    return 0;
}
