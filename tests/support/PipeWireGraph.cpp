#include "PipeWireGraph.h"

#include "PrivateBus.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

PipeWireGraph::PipeWireGraph(const QString& runtimeDir, const QString& busAddress)
    : env(QProcessEnvironment::systemEnvironment())
{
    for (const char* program : {"pipewire", "wireplumber", "pipewire-pulse", "pactl", "parecord"})
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            return;
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    env.remove(QStringLiteral("PIPEWIRE_RUNTIME_DIR"));
    env.remove(QStringLiteral("PULSE_SERVER"));
    start(QStringLiteral("pipewire"), {});
    if (!PrivateBus::waitFor([&] { return QFile::exists(runtimeDir + QStringLiteral("/pipewire-0")); }, 5000))
        return;
    start(QStringLiteral("wireplumber"), {});
    start(QStringLiteral("pipewire-pulse"), {});
    if (!PrivateBus::waitFor([&] { return pactl({QStringLiteral("info")}); }, 10000))
        return;
    running = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                     QStringLiteral("media.class=Audio/Source/Virtual"), QStringLiteral("sink_name=mic"),
                     QStringLiteral("channel_map=mono")}) &&
              pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                     QStringLiteral("sink_name=speaker")});
}

PipeWireGraph::~PipeWireGraph()
{
    stopRecording();
    if (previousRuntime)
        qputenv("XDG_RUNTIME_DIR", *previousRuntime);
    for (auto it = daemons.rbegin(); it != daemons.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000))
            (*it)->kill();
        (*it)->waitForFinished(1000);
    }
}

QProcess* PipeWireGraph::start(const QString& program, const QStringList& args)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, args);
    daemons.push_back(std::move(process));
    return daemons.back().get();
}

bool PipeWireGraph::pactl(const QStringList& args) const
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("pactl"), args);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool PipeWireGraph::record(const QString& device)
{
    stopRecording();
    recorder = std::make_unique<QProcess>();
    recorder->setProcessEnvironment(env);
    recorder->setStandardOutputFile(QProcess::nullDevice());
    recorder->start(
        QStringLiteral("parecord"),
        {QStringLiteral("-d"), device, QStringLiteral("--file-format=wav"), QStringLiteral("/dev/null")});
    return recorder->waitForStarted(5000);
}

void PipeWireGraph::stopRecording()
{
    if (!recorder)
        return;
    recorder->terminate();
    if (!recorder->waitForFinished(3000))
        recorder->kill();
    recorder->waitForFinished(1000);
    recorder.reset();
}

int PipeWireGraph::playingStreams() const
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!process.waitForFinished(5000) || process.exitCode() != 0)
        return -1;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    return int(std::count_if(lines.begin(), lines.end(), [](const QByteArray& line) { return !line.trimmed().isEmpty(); }));
}

void PipeWireGraph::useInThisProcess()
{
    if (!previousRuntime)
        previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", env.value(QStringLiteral("XDG_RUNTIME_DIR")).toUtf8());
}
