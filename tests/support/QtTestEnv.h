#pragma once
#include <functional>
#include <ostream>

#include <QString>
#include <QStringList>

class QDialog;

// Readable strings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{\"" << l.join(QStringLiteral("\", \"")).toStdString() << "\"}";
}

namespace kelra::test {

// Every Qt test program has one QApplication (offscreen), made before the
// first test. A modal dialog that comes up while no test expects one fails
// that test at once and is closed, so a fault never hangs the run.

// Collects the texts of the program's message boxes while it lives; none
// comes up as a window.
class WarningWatcher {
public:
    WarningWatcher();
    ~WarningWatcher();
    WarningWatcher(const WarningWatcher&) = delete;
    WarningWatcher& operator=(const WarningWatcher&) = delete;
    QStringList texts;
};

// Runs action; the first modal dialog it opens is handed to onDialog, which
// must close it. Fails when none comes up.
void WithModal(const std::function<void()>& action, const std::function<void(QDialog*)>& onDialog);

}  // namespace kelra::test
