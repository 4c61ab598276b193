#include "DataFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Text.h"

namespace kelra {
namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kHeader =
    "\r\nDate, Physical, Emotional, Intellectual, Intuitional, Aesthetic, Spiritual, SumClassical, SumTotal\r\n\r\n";
constexpr const char* kFolder = "Biorythms";

void AppendValue(std::string& out, double v) {
    out += ", ";
    out += FormatFixed(v, 0, 2, true);
}

bool IsUsableDir(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Writes all of data to fd; false with errno set on a failure.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string FormatDataLine(const DayRecord& d) {
    std::string line = d.date.Format("%x");
    AppendValue(line, d.physical);
    AppendValue(line, d.emotional);
    AppendValue(line, d.intellectual);
    AppendValue(line, d.intuitional);
    AppendValue(line, d.aesthetic);
    AppendValue(line, d.spiritual);
    AppendValue(line, d.sumClassical);
    AppendValue(line, d.sumTotal);
    line += kEol;
    return line;
}

std::string DataFileName(const std::string& name, const DateTime& now) {
    std::string safe = ToLower(name);
    for (char& c : safe) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) c = '_';
    }
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%02d_%02d_%04d_", now.Month(), now.Day(), now.Year());
    return prefix + safe + ".txt";
}

ExportResult WriteDataFile(const std::string& name, const DayRecordArray& days, const DateTime& now,
                           const std::string& workDir) {
    ExportResult result;
    std::string dir = workDir.empty() ? std::string(".") : workDir;
    const std::string folder = dir + "/" + kFolder;
    if (IsUsableDir(folder) || (::mkdir(folder.c_str(), 0777) == 0 && IsUsableDir(folder))) dir = folder;

    result.fileName = DataFileName(name, now);
    result.path = dir + "/" + result.fileName;

    // Not through a link someone planted: the file lands in its folder or nowhere.
    const int fd = ::open(result.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        result.outcome = ExportResult::openFailed;
        result.error = errno;
        return result;
    }

    // Buffered: the text goes out in large blocks, not a call per value.
    std::string buffer;
    constexpr std::size_t kBlock = 1 << 16;
    buffer.reserve(kBlock + 256);
    bool ok = true;
    auto flush = [&] {
        if (ok && !buffer.empty()) ok = WriteAll(fd, buffer.data(), buffer.size());
        buffer.clear();
    };
    buffer += kHeader;
    for (const auto& d : days) {
        buffer += FormatDataLine(d);
        if (buffer.size() >= kBlock) flush();
        if (!ok) break;
    }
    flush();
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        result.outcome = ExportResult::writeFailed;
        result.error = err;
    }
    return result;
}

std::string DataFileText(const DayRecordArray& days) {
    std::string text = kHeader;
    for (const auto& d : days) text += FormatDataLine(d);
    return text;
}

}  // namespace kelra
