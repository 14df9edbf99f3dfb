#pragma once

#include "presence/Presence.h"

#include <memory>

// The microphone, the camera and screen casts in use, followed in the PipeWire graph by a
// registry listener on PipeWire's own thread: asking costs nothing, and a change is told at
// once (changed()). A capture stream counts as the microphone only while it runs linked to a
// real source: a recorder of a sink's monitor (a screen recorder's sound, a level meter) is not
// a call. A running camera node is the camera; any other running video source is a screen being
// cast (the screen-cast portal's streams).
class PipeWirePresence final : public Presence
{
    Q_OBJECT
public:
    // What the graph shows in use, as the PipeWire thread sums it up.
    struct Summary
    {
        bool microphone = false;
        bool camera = false;
        bool screen = false;
        bool operator==(const Summary&) const = default;
    };

    // None where no PipeWire daemon answers.
    static std::unique_ptr<PipeWirePresence> create(QObject* parent = nullptr);
    ~PipeWirePresence() override;

    void activeSources(std::function<void(QStringList)> done) override;
    QString backendName() const override { return QStringLiteral("PipeWire"); }

    static QStringList describe(const Summary& summary);
    // How many nodes and links are followed now (bounded by the graph, for the tests).
    int followedObjects() const;

private:
    struct Graph;
    explicit PipeWirePresence(QObject* parent);
    void take(const Summary& summary);

    std::unique_ptr<Graph> graph;
    Summary current;
};
