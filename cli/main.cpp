#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QtGlobal>

#include "CliCommands.h"
#include "Clock.h"

namespace {

void Put(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

// Qt's own notices (a missing runtime folder offscreen, font fallbacks) are
// not the program's business: standard error keeps to one line of ours.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) Put(stderr, message.toLocal8Bit().toStdString() + "\n");
}

}  // namespace

int main(int argc, char** argv) {
    // Charts need fonts, which need a Gui application, which needs no display offscreen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt sees only the program's name: a person's name must never be taken for a Qt option.
    qInstallMessageHandler(QuietQt);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    // A fixed "now" for scripts and tests; the desktop program has no such setting.
    if (const char* now = std::getenv("KELRA_NOW"); now != nullptr && *now != '\0') {
        const std::optional<kelra::DateTime> fixed = kelra::cli::ParseIsoDateTime(now);
        if (!fixed) {
            Put(stderr, std::string("kelra-cli: impossible KELRA_NOW \"") + now +
                            "\" (YYYY-MM-DD, optionally THH:MM[:SS])\n");
            return kelra::cli::kBadInput;
        }
        kelra::SetClock([value = *fixed] { return value; });
    }

    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    const int status = kelra::cli::Run(args, out, err);
    Put(stdout, out);
    Put(stderr, err);
    return status;
}
