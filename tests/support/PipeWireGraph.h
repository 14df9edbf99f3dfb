#pragma once

#include <QProcess>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// A real PipeWire graph of the test's own: pipewire, wireplumber and pipewire-pulse on a
// private runtime folder and session bus, with a virtual microphone ("mic") and a virtual
// speaker ("speaker") whose monitor is capture too. Everything stops with the object.
class PipeWireGraph
{
public:
    PipeWireGraph(const QString& runtimeDir, const QString& busAddress);
    ~PipeWireGraph();
    PipeWireGraph(const PipeWireGraph&) = delete;
    PipeWireGraph& operator=(const PipeWireGraph&) = delete;

    // False when the packages are missing or the daemons did not come up.
    bool isRunning() const { return running; }
    // Opens a capture stream on the device ("mic", "speaker.monitor") until stopRecording().
    bool record(const QString& device);
    void stopRecording();
    // How many streams play into the graph now (pulse sink inputs); -1 when it cannot be told.
    int playingStreams() const;
    QProcessEnvironment environment() const { return env; }
    // Points this process's PipeWire and PulseAudio clients at the graph until it goes.
    void useInThisProcess();

private:
    bool pactl(const QStringList& args) const;
    QProcess* start(const QString& program, const QStringList& args);

    QProcessEnvironment env;
    std::vector<std::unique_ptr<QProcess>> daemons;
    std::unique_ptr<QProcess> recorder;
    bool running = false;
    std::optional<QByteArray> previousRuntime;
};
