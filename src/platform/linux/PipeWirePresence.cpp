#include "linux/PipeWirePresence.h"

#include "diagnostics/Log.h"

#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>

#include <pipewire/pipewire.h>

#include <cstring>

namespace {

enum class Kind
{
    source,       // Audio/Source, Audio/Source/Virtual: a microphone
    captureAudio, // Stream/Input/Audio: a recording stream
    video,        // Video/Source: a camera or a screen cast
    other
};

Kind kindOf(const char* mediaClass)
{
    if (!mediaClass)
        return Kind::other;
    if (std::strncmp(mediaClass, "Audio/Source", 12) == 0)
        return Kind::source;
    if (std::strcmp(mediaClass, "Stream/Input/Audio") == 0)
        return Kind::captureAudio;
    if (std::strcmp(mediaClass, "Video/Source") == 0)
        return Kind::video;
    return Kind::other;
}

uint32_t idProperty(const spa_dict* props, const char* key)
{
    const char* value = props ? spa_dict_lookup(props, key) : nullptr;
    return value ? uint32_t(std::strtoul(value, nullptr, 10)) : SPA_ID_INVALID;
}

} // namespace

// Lives on PipeWire's thread (under its loop's lock): the nodes that matter and the links.
struct PipeWirePresence::Graph
{
    struct Node
    {
        PipeWirePresence::Graph* graph = nullptr;
        uint32_t id = 0;
        Kind kind = Kind::other;
        bool running = false;
        bool camera = false;
        pw_proxy* proxy = nullptr; // bound only where the state matters
        spa_hook listener{};
    };
    struct Link
    {
        uint32_t output = 0;
        uint32_t input = 0;
    };

    PipeWirePresence* owner = nullptr; // outlives the loop: it stops the loop before it goes
    pw_thread_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_registry* registry = nullptr;
    spa_hook registryListener{};
    spa_hook coreListener{};
    QHash<uint32_t, Node*> nodes;
    QHash<uint32_t, Link> links;
    Summary told;

    ~Graph()
    {
        if (loop)
            pw_thread_loop_stop(loop);
        for (Node* node : std::as_const(nodes))
            drop(node);
        nodes.clear();
        if (registry) {
            spa_hook_remove(&registryListener);
            pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry));
        }
        if (core) {
            spa_hook_remove(&coreListener);
            pw_core_disconnect(core);
        }
        if (context)
            pw_context_destroy(context);
        if (loop)
            pw_thread_loop_destroy(loop);
    }

    static void drop(Node* node)
    {
        if (node->proxy) {
            spa_hook_remove(&node->listener);
            pw_proxy_destroy(node->proxy);
        }
        delete node;
    }

    Summary summary() const
    {
        Summary now;
        for (const Link& link : links) {
            const Node* from = nodes.value(link.output);
            const Node* to = nodes.value(link.input);
            if (from && to && from->kind == Kind::source && to->kind == Kind::captureAudio && to->running)
                now.microphone = true;
        }
        for (const Node* node : nodes) {
            if (node->kind == Kind::video && node->running)
                (node->camera ? now.camera : now.screen) = true;
        }
        return now;
    }

    // Hands a changed summary to the main thread.
    void changed()
    {
        const Summary now = summary();
        if (now == told)
            return;
        told = now;
        // Queued to the owner: a call still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(
            owner, [owner = owner, now] { owner->take(now); }, Qt::QueuedConnection);
    }

    static void nodeInfo(void* data, const pw_node_info* info)
    {
        auto* node = static_cast<Node*>(data);
        node->running = info->state == PW_NODE_STATE_RUNNING;
        if ((info->change_mask & PW_NODE_CHANGE_MASK_PROPS) && info->props) {
            const char* api = spa_dict_lookup(info->props, "device.api");
            node->camera = api && (std::strcmp(api, "v4l2") == 0 || std::strcmp(api, "libcamera") == 0);
        }
        node->graph->changed();
    }

    static void global(void* data, uint32_t id, uint32_t, const char* type, uint32_t, const spa_dict* props)
    {
        auto* graph = static_cast<Graph*>(data);
        if (std::strcmp(type, PW_TYPE_INTERFACE_Link) == 0) {
            graph->links.insert(id, {idProperty(props, PW_KEY_LINK_OUTPUT_NODE), idProperty(props, PW_KEY_LINK_INPUT_NODE)});
            graph->changed();
            return;
        }
        if (std::strcmp(type, PW_TYPE_INTERFACE_Node) != 0)
            return;
        const Kind kind = kindOf(props ? spa_dict_lookup(props, PW_KEY_MEDIA_CLASS) : nullptr);
        if (kind == Kind::other)
            return;
        auto* node = new Node{graph, id, kind};
        if (kind != Kind::source) {
            static const pw_node_events events = {PW_VERSION_NODE_EVENTS, nodeInfo, nullptr};
            node->proxy = static_cast<pw_proxy*>(pw_registry_bind(graph->registry, id, type, PW_VERSION_NODE, 0));
            if (node->proxy)
                pw_proxy_add_object_listener(node->proxy, &node->listener, &events, node);
        }
        if (Node* previous = graph->nodes.value(id))
            drop(previous);
        graph->nodes.insert(id, node);
        graph->changed();
    }

    static void globalRemove(void* data, uint32_t id)
    {
        auto* graph = static_cast<Graph*>(data);
        if (Node* node = graph->nodes.take(id))
            drop(node);
        graph->links.remove(id);
        graph->changed();
    }

    static void coreError(void* data, uint32_t id, int, int res, const char* message)
    {
        auto* graph = static_cast<Graph*>(data);
        if (id != PW_ID_CORE || res != -EPIPE)
            return;
        // The daemon went away: nothing it knew of is in use any more.
        LOG_WARNING(QStringLiteral("PipeWire went away: %1").arg(QString::fromUtf8(message)));
        for (Node* node : std::as_const(graph->nodes))
            drop(node);
        graph->nodes.clear();
        graph->links.clear();
        graph->changed();
    }
};

std::unique_ptr<PipeWirePresence> PipeWirePresence::create(QObject* parent)
{
    pw_init(nullptr, nullptr);
    std::unique_ptr<PipeWirePresence> presence(new PipeWirePresence(parent));
    auto graph = std::make_unique<Graph>();
    graph->owner = presence.get();
    graph->loop = pw_thread_loop_new("mirelo-presence", nullptr);
    if (!graph->loop)
        return nullptr;
    graph->context = pw_context_new(pw_thread_loop_get_loop(graph->loop), nullptr, 0);
    if (!graph->context || pw_thread_loop_start(graph->loop) != 0)
        return nullptr;
    pw_thread_loop_lock(graph->loop);
    graph->core = pw_context_connect(graph->context, nullptr, 0);
    if (graph->core) {
        static const pw_core_events coreEvents = {PW_VERSION_CORE_EVENTS, nullptr, nullptr, nullptr, Graph::coreError};
        pw_core_add_listener(graph->core, &graph->coreListener, &coreEvents, graph.get());
        graph->registry = pw_core_get_registry(graph->core, PW_VERSION_REGISTRY, 0);
        static const pw_registry_events events = {PW_VERSION_REGISTRY_EVENTS, Graph::global, Graph::globalRemove};
        if (graph->registry)
            pw_registry_add_listener(graph->registry, &graph->registryListener, &events, graph.get());
    }
    const bool connected = graph->core && graph->registry;
    pw_thread_loop_unlock(graph->loop);
    if (!connected)
        return nullptr;
    presence->graph = std::move(graph);
    return presence;
}

PipeWirePresence::PipeWirePresence(QObject* parent) : Presence(parent) {}

PipeWirePresence::~PipeWirePresence() = default;

QStringList PipeWirePresence::describe(const Summary& summary)
{
    QStringList active;
    if (summary.microphone)
        active << QCoreApplication::translate("Localizable", "microphone in use");
    if (summary.camera)
        active << QCoreApplication::translate("Localizable", "camera in use");
    if (summary.screen)
        active << QCoreApplication::translate("Localizable", "screen shared");
    return active;
}

void PipeWirePresence::take(const Summary& summary)
{
    if (summary == current)
        return;
    current = summary;
    Q_EMIT changed();
}

void PipeWirePresence::activeSources(std::function<void(QStringList)> done)
{
    done(describe(current));
}

int PipeWirePresence::followedObjects() const
{
    pw_thread_loop_lock(graph->loop);
    const int count = int(graph->nodes.size() + graph->links.size());
    pw_thread_loop_unlock(graph->loop);
    return count;
}
