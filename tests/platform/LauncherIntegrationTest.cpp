#include "LogCapture.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "linux/FreedesktopWorkspace.h"
#include "linux/XdgAutostartLoginItems.h"
#include "linux/XdgLauncherActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// How a launcher reads an Exec value: string escapes first, then the quoting, then "%%".
QStringList execArguments(QString value)
{
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            unescaped += next == QLatin1Char('s')   ? QChar(' ')
                         : next == QLatin1Char('n') ? QChar('\n')
                                                    : next;
        } else {
            unescaped += value[i];
        }
    }
    QStringList arguments;
    QString current;
    bool quoted = false, started = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < unescaped.size()) {
            current += unescaped[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments << current;
    for (QString& argument : arguments)
        argument.replace(QLatin1String("%%"), QLatin1String("%"));
    return arguments;
}

QString execOf(const QString& entry, const QString& section)
{
    const qsizetype at = entry.indexOf(QLatin1Char('[') + section + QLatin1Char(']'));
    const qsizetype exec = entry.indexOf(QLatin1String("\nExec="), at);
    return entry.mid(exec + 6, entry.indexOf(QLatin1Char('\n'), exec + 1) - exec - 6);
}

bool validates(const QString& path, QString* output)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    validate.waitForFinished(10000);
    *output = QString::fromUtf8(validate.readAll());
    return validate.exitStatus() == QProcess::NormalExit && validate.exitCode() == 0;
}

} // namespace

class LauncherIntegrationTest : public TestEnvironment
{};

TEST_F(LauncherIntegrationTest, EntriesOfAnAwkwardPathValidateAndRunTheirCommands)
{
    // Every character the Exec quoting reserves, and a field-code look-alike.
    const QString folder = tempHome() + QStringLiteral("/My \"Apps\" $HOME `x` back\\slash 100%u");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/mirelo");
    const QString record = tempHome() + QStringLiteral("/ran");
    writeFile(program, "#!/bin/sh\nprintf '%s' \"$*\" > \"$MIRELO_RAN\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    XdgLauncherActions launcher(program);
    ASSERT_EQ(launcher.install(), QString());
    const QString path = dataHome() + QStringLiteral("/applications/org.mirelo.Mirelo.desktop");
    ASSERT_EQ(XdgLauncherActions::entryFilePath(), path);
    QString complaints;
    EXPECT_TRUE(validates(path, &complaints)) << complaints.toStdString();
    const QString entry = QString::fromUtf8(readFile(path));

    EXPECT_EQ(execArguments(execOf(entry, QStringLiteral("Desktop Entry"))), QStringList{program});
    for (const char* action : {"pomodoro", "short-break", "long-break", "stop"}) {
        const QStringList arguments =
            execArguments(execOf(entry, QStringLiteral("Desktop Action ") + action));
        ASSERT_EQ(arguments.size(), 2) << action;
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MIRELO_RAN"), record);
        run.setProcessEnvironment(environment);
        run.start(arguments[0], arguments.mid(1));
        ASSERT_TRUE(run.waitForFinished(5000)) << action;
        EXPECT_EQ(readFile(record), QByteArray(action));
    }
    for (const char* name : {"Start Pomodoro", "Short Break", "Long Break", "Stop Timer"})
        EXPECT_TRUE(entry.contains(QStringLiteral("\nName=") + QLatin1String(name) + QLatin1Char('\n')));

    // The same content is not written again.
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(launcher.install(), QString());
    EXPECT_EQ(QFileInfo(path).lastModified(), old);
    ASSERT_EQ(XdgLauncherActions(QStringLiteral("/usr/bin/mirelo")).install(), QString());
    EXPECT_TRUE(readFile(path).contains("Exec=\"/usr/bin/mirelo\" pomodoro\n"));

    // The autostart entry shares the quoting.
    ASSERT_TRUE(XdgAutostartLoginItems(program).setEnabled(true));
    const QString autostart = XdgAutostartLoginItems::autostartFilePath();
    EXPECT_TRUE(validates(autostart, &complaints)) << complaints.toStdString();
    EXPECT_EQ(execArguments(execOf(QString::fromUtf8(readFile(autostart)), QStringLiteral("Desktop Entry"))),
              QStringList{program});
}

TEST_F(LauncherIntegrationTest, RevealAsksTheFileManagerToSelectTheFile)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "dbus-daemon is not available";
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    const QString object = QStringLiteral("/org/freedesktop/FileManager1");
    ASSERT_TRUE(bus.startTemplate(QStringLiteral(MIRELO_DBUSMOCK_DIR "/filemanager1.py"), service, false));
    FreedesktopWorkspace workspace(bus.connection());
    const QString file = tempHome() + QStringLiteral("/logs dir/2026-03-10.log");
    workspace.revealFile(file);
    ASSERT_TRUE(PrivateBus::waitFor(
        [&] { return bus.calledMethods(service, object).contains(QStringLiteral("ShowItems")); }));
    const QList<QVariantList> calls = bus.callArguments(service, object, QStringLiteral("ShowItems"));
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].value(0).toStringList(),
              QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)});
}
