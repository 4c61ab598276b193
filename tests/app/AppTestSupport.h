#pragma once
#include <functional>
#include <memory>

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Clock.h"
#include "KelraApp.h"

class QDialog;
class QWidget;

#include <ostream>

// Readable strings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{\"" << l.join(QStringLiteral("\", \"")).toStdString() << "\"}";
}

namespace kelra::test {

// A running Kelra with its own settings store, working directory and clock.
class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Starts (or restarts) the application on the same store.
    void Start();
    // Exits as the user would and writes the store.
    void Exit();

    // Runs action; the first modal dialog it opens is handed to onDialog,
    // which must close it.
    static void WithModal(const std::function<void()>& action, const std::function<void(QDialog*)>& onDialog);

    QString Dir() const { return workDir_.path(); }
    QString SettingsPath() const;

    QTemporaryDir settingsDir_;
    QTemporaryDir workDir_;
    QString oldCwd_;
    ScopedFixedClock clock_{DateTime(2026, 12, 6, 10, 30, 0)};
    std::unique_ptr<CKelraApp> app_;
    QStringList warnings_;
};

}  // namespace kelra::test
