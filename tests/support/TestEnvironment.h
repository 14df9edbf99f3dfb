#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class LogCapture;

// Points XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME and the temporary directory at a fresh folder per
// test, drops the process-wide preferences store and captures every log line.
class TestEnvironment : public ::testing::Test
{
public:
    static void writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray readFile(const QString& path);

protected:
    void SetUp() override;
    void TearDown() override;

    QString configHome() const { return base + QStringLiteral("/config"); }
    QString dataHome() const { return base + QStringLiteral("/data"); }
    QString tempHome() const { return base + QStringLiteral("/tmp"); }
    QString stateHome() const { return base + QStringLiteral("/state"); }
    // $XDG_DATA_HOME/org.mirelo.Mirelo
    QString dataRoot() const { return dataHome() + QStringLiteral("/org.mirelo.Mirelo"); }

    LogCapture& log() { return *capture; }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString base;
    QByteArray savedConfig, savedData, savedState, savedTmp;
    std::unique_ptr<LogCapture> capture;
};
