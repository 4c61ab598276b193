#pragma once
#include <functional>
#include <memory>

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Clock.h"
#include "KelraApp.h"
#include "QtTestEnv.h"

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

    QString Dir() const { return workDir_.path(); }
    QString SettingsPath() const;

    QTemporaryDir settingsDir_;
    QTemporaryDir workDir_;
    QString oldCwd_;
    ScopedFixedClock clock_{DateTime(2026, 12, 6, 10, 30, 0)};
    WarningWatcher watcher_;
    QStringList& warnings_ = watcher_.texts;
    std::unique_ptr<CKelraApp> app_;
};

}  // namespace kelra::test
