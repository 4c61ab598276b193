#include "DataFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Text.h"

namespace kelra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kEol = "\r\n";
constexpr const char* kHeader =
    "\r\nDate, Physical, Emotional, Intellectual, Intuitional, Aesthetic, Spiritual, SumClassical, SumTotal\r\n\r\n";
constexpr const char* kFolder = "Biorythms";

void AppendValue(std::string& out, double v) {
    out += ", ";
    out += FormatFixed(v, 0, 2, true);
}

// The only steps the standard library cannot do portably.
#ifdef _WIN32
// There the open or the rename itself refuses.
bool MayUse(const std::string&, bool) { return true; }

std::FILE* CreateNewFile(const std::string& path) {
    const int fd = ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* f = ::_fdopen(fd, "wb");
    if (!f) ::_close(fd);
    return f;
}
#else
// Whether this user may enter the folder, or write the file, at path.
bool MayUse(const std::string& path, bool write) { return ::access(path.c_str(), write ? W_OK : X_OK) == 0; }

// A new plain file at path or nothing (errno set): the open neither waits on
// a special file nor follows a link.
std::FILE* CreateNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) ::close(fd);
    return f;
}
#endif

int ErrnoOf(const std::error_code& ec) { return ec.default_error_condition().value(); }

bool IsUsableDir(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec) && MayUse(path, false);
}

// A name of its own beside the final file; one that is taken is skipped.
std::FILE* CreateTempFile(const std::string& dir, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto tick = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
        char name[64];
        std::snprintf(name, sizeof name, "/.kelra-%llx-%x.tmp", tick, ++counter);
        tempPath = dir + name;
        if (std::FILE* f = CreateNewFile(tempPath)) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
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
    std::error_code ec;
    if (IsUsableDir(folder) || (fs::create_directory(folder, ec) && IsUsableDir(folder))) dir = folder;

    result.fileName = DataFileName(name, now);
    result.path = dir + "/" + result.fileName;

    // Only a plain file may be replaced; a pipe, device, folder or link at the
    // name is refused without opening it.
    const fs::file_status status = fs::symlink_status(result.path, ec);
    const bool earlier = status.type() == fs::file_type::regular;
    if (!earlier && status.type() != fs::file_type::not_found) {
        result.outcome = ExportResult::openFailed;
        result.error = ec                                       ? ErrnoOf(ec)
                       : status.type() == fs::file_type::directory ? EISDIR
                       : status.type() == fs::file_type::symlink   ? ELOOP
                                                                   : ENXIO;
        return result;
    }
    // A file the user made read-only stays, as an open for writing would leave it.
    if (earlier && !MayUse(result.path, true)) {
        result.outcome = ExportResult::openFailed;
        result.error = EACCES;
        return result;
    }

    std::string temp;
    std::FILE* f = CreateTempFile(dir, temp);
    if (!f) {
        result.outcome = ExportResult::openFailed;
        result.error = errno;
        return result;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);

    // Buffered here: the text goes out in large blocks, not a call per value.
    std::string buffer;
    constexpr std::size_t kBlock = 1 << 16;
    buffer.reserve(kBlock + 256);
    bool ok = true;
    int err = 0;
    auto flush = [&] {
        if (ok && !buffer.empty() && std::fwrite(buffer.data(), 1, buffer.size(), f) != buffer.size()) {
            ok = false;
            err = errno;
        }
        buffer.clear();
    };
    buffer += kHeader;
    for (const auto& d : days) {
        buffer += FormatDataLine(d);
        if (buffer.size() >= kBlock) flush();
        if (!ok) break;
    }
    flush();
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        err = errno;
    }
    // The complete table takes the name; a partial one is thrown away and an
    // earlier file stays whole. Replacing the name never writes into the file
    // it named, wherever its other names are.
    if (ok) {
        fs::rename(temp, result.path, ec);
        if (!ec) return result;
        result.outcome = ExportResult::openFailed;
        result.error = ErrnoOf(ec);
        fs::remove(temp, ec);
        return result;
    }
    fs::remove(temp, ec);
    result.outcome = ExportResult::writeFailed;
    result.error = err == 0 ? EIO : err;
    result.keptEarlier = earlier;
    return result;
}

std::string DataFileText(const DayRecordArray& days) {
    std::string text = kHeader;
    for (const auto& d : days) text += FormatDataLine(d);
    return text;
}

}  // namespace kelra
