#include "linux/PipeWirePresence.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {

struct Node
{
    QString mediaClass;
    QString state;
    QJsonObject props;
};

bool isCamera(const Node& node)
{
    const QString api = node.props.value(QStringLiteral("device.api")).toString();
    return api == QLatin1String("v4l2") || api == QLatin1String("libcamera");
}

} // namespace

std::unique_ptr<PipeWirePresence> PipeWirePresence::create(QObject* parent)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pw-dump"));
    if (program.isEmpty())
        return nullptr;
    return std::unique_ptr<PipeWirePresence>(new PipeWirePresence(program, parent));
}

PipeWirePresence::PipeWirePresence(QString program, QObject* parent)
    : Presence(parent), program(std::move(program))
{}

QStringList PipeWirePresence::activeIn(const QJsonArray& graph)
{
    QHash<qint64, Node> nodes;
    QList<QPair<qint64, qint64>> links; // output node, input node
    for (const QJsonValue& value : graph) {
        const QJsonObject object = value.toObject();
        const QString type = object.value(QStringLiteral("type")).toString();
        const QJsonObject info = object.value(QStringLiteral("info")).toObject();
        if (type == QLatin1String("PipeWire:Interface:Node")) {
            const QJsonObject props = info.value(QStringLiteral("props")).toObject();
            nodes.insert(object.value(QStringLiteral("id")).toInteger(),
                         Node{props.value(QStringLiteral("media.class")).toString(),
                              info.value(QStringLiteral("state")).toString(), props});
        } else if (type == QLatin1String("PipeWire:Interface:Link")) {
            links.append({info.value(QStringLiteral("output-node-id")).toInteger(),
                          info.value(QStringLiteral("input-node-id")).toInteger()});
        }
    }
    bool microphone = false, camera = false, screen = false;
    for (const auto& [output, input] : links) {
        const Node from = nodes.value(output);
        const Node to = nodes.value(input);
        // Audio/Source and Audio/Source/Virtual are microphones; a sink's monitor is Audio/Sink.
        if (to.mediaClass == QLatin1String("Stream/Input/Audio") && to.state == QLatin1String("running") &&
            from.mediaClass.startsWith(QLatin1String("Audio/Source")))
            microphone = true;
    }
    for (const Node& node : std::as_const(nodes)) {
        if (node.mediaClass != QLatin1String("Video/Source") || node.state != QLatin1String("running"))
            continue;
        (isCamera(node) ? camera : screen) = true;
    }
    QStringList active;
    if (microphone)
        active << QCoreApplication::translate("Localizable", "microphone in use");
    if (camera)
        active << QCoreApplication::translate("Localizable", "camera in use");
    if (screen)
        active << QCoreApplication::translate("Localizable", "screen shared");
    return active;
}

void PipeWirePresence::activeSources(std::function<void(QStringList)> done)
{
    auto* process = new QProcess(this);
    auto* timeout = new QTimer(process);
    timeout->setSingleShot(true);
    auto finish = std::make_shared<std::function<void(QStringList)>>(std::move(done));
    connect(timeout, &QTimer::timeout, process, [process] {
        LOG_WARNING(QStringLiteral("pw-dump did not answer in time."));
        process->kill();
    });
    connect(process, &QProcess::finished, this, [process, finish](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        QStringList active;
        if (status == QProcess::NormalExit && code == 0)
            active = activeIn(QJsonDocument::fromJson(process->readAllStandardOutput()).array());
        if (auto callback = std::exchange(*finish, nullptr))
            callback(active);
    });
    connect(process, &QProcess::errorOccurred, this, [process, finish](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        if (auto callback = std::exchange(*finish, nullptr))
            callback({});
    });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    timeout->start(timeoutMs);
    process->start(program, {});
}
