#include "TestEnvironment.h"

#include "LogCapture.h"
#include "diagnostics/Log.h"
#include "diagnostics/UsageTracker.h"
#include "settings/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

void TestEnvironment::SetUp()
{
    dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir->isValid());
    base = dir->path();
    savedConfig = qgetenv("XDG_CONFIG_HOME");
    savedData = qgetenv("XDG_DATA_HOME");
    savedState = qgetenv("XDG_STATE_HOME");
    savedTmp = qgetenv("TMPDIR");
    for (const QString& sub : {configHome(), dataHome(), tempHome()})
        QDir().mkpath(sub);
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_STATE_HOME", stateHome().toUtf8());
    qputenv("TMPDIR", tempHome().toUtf8());
    Preferences::resetStandard();
    UsageTracker::setShared(nullptr);
    Log::reset();
    capture = std::make_unique<LogCapture>();
}

void TestEnvironment::TearDown()
{
    capture.reset();
    Log::reset();
    Preferences::resetStandard();
    UsageTracker::setShared(nullptr);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    qputenv("XDG_DATA_HOME", savedData);
    savedState.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", savedState);
    qputenv("TMPDIR", savedTmp);
    // Restore permissions the test may have taken away, so the folder can be removed.
    if (dir) {
        const QString path = dir->path();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        std::function<void(const QString&)> fix = [&](const QString& p) {
            for (const QFileInfo& info : QDir(p).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
                QFile::setPermissions(info.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                if (info.isDir() && !info.isSymLink())
                    fix(info.absoluteFilePath());
            }
        };
        fix(path);
    }
    dir.reset();
}

void TestEnvironment::writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
