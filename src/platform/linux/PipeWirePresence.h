#pragma once

#include "presence/Presence.h"

#include <QJsonArray>

// The microphone, the camera and screen casts in use, read from the PipeWire graph
// (`pw-dump`) when asked, never watched. A capture stream counts as the microphone only when it
// is linked to a real source: a recorder of a sink's monitor (a screen recorder's sound, a
// level meter) is not a call. A running camera node is the camera; any other running video
// source is a screen being cast (the screen-cast portal's streams).
class PipeWirePresence final : public Presence
{
    Q_OBJECT
public:
    static constexpr int timeoutMs = 3000;

    // None where pw-dump is not installed.
    static std::unique_ptr<PipeWirePresence> create(QObject* parent = nullptr);

    void activeSources(std::function<void(QStringList)> done) override;
    QString backendName() const override { return QStringLiteral("PipeWire"); }

    // What a pw-dump of the graph shows in use.
    static QStringList activeIn(const QJsonArray& graph);

private:
    PipeWirePresence(QString program, QObject* parent);
    QString program;
};
