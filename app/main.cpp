#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

#include "KelraApp.h"
#include "KelraConfig.h"

namespace {

// --help and --version answer and end the program before any window exists, and
// without a display. Every other argument is accepted and left alone.
std::optional<int> AnswerInfoOptions(int argc, char* argv[]) {
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelra " KELRA_VERSION ", a biorhythm calculator.\n"
                       "Any other arguments are accepted and ignored."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());  // unknown options are not an error here
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::puts("Kelra " KELRA_VERSION);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = AnswerInfoOptions(argc, argv)) return *answered;
    QApplication qtApp(argc, argv);
    kelra::CKelraApp app;
    if (!app.InitInstance()) return 1;
    const int result = QApplication::exec();
    if (app.ExitInstance() != 0)
        std::fprintf(stderr, "Kelra: the recent persons could not be saved in the settings store.\n");
    return result;
}
