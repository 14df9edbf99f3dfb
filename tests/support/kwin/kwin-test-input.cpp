// What a test needs of a KWin session that KWin offers only to Wayland clients of its own:
// keys through its fake-input protocol and outputs switched on and off through its output
// management. KWin must run with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 (both are restricted).
//   kwin-test-input key CODE...                  press and release each Linux key code in turn
//   kwin-test-input key-with HELD CODE           CODE while the key HELD is down
//   kwin-test-input output NAME on|off           switch the output NAME on or off
#include <wayland-client.h>

#include "fake-input-client-protocol.h"
#include "kde-output-device-v2-client-protocol.h"
#include "kde-output-management-v2-client-protocol.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
struct Device
{
    kde_output_device_v2* device = nullptr;
    std::string name;
};

struct State
{
    org_kde_kwin_fake_input* input = nullptr;
    kde_output_management_v2* management = nullptr;
    std::vector<Device*> devices;
    int applied = -1;
};

// The device's events are many; only its name matters here, so one dispatcher reads that and
// lets the rest go.
int deviceEvent(const void*, void* target, uint32_t, const wl_message* message, wl_argument* args)
{
    auto* device = static_cast<Device*>(wl_proxy_get_user_data(static_cast<wl_proxy*>(target)));
    if (std::strcmp(message->name, "name") == 0 && args[0].s)
        device->name = args[0].s;
    return 0;
}

void global(void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t version)
{
    auto* state = static_cast<State*>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
        state->input = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, id, &org_kde_kwin_fake_input_interface, 4));
    } else if (std::strcmp(interface, kde_output_management_v2_interface.name) == 0) {
        state->management = static_cast<kde_output_management_v2*>(
            wl_registry_bind(registry, id, &kde_output_management_v2_interface, 1));
    } else if (std::strcmp(interface, kde_output_device_v2_interface.name) == 0 && version >= 2) {
        auto* device = new Device;
        device->device = static_cast<kde_output_device_v2*>(
            wl_registry_bind(registry, id, &kde_output_device_v2_interface, 2));
        wl_proxy_set_user_data(reinterpret_cast<wl_proxy*>(device->device), device);
        wl_proxy_add_dispatcher(reinterpret_cast<wl_proxy*>(device->device), deviceEvent, nullptr, device);
        state->devices.push_back(device);
    }
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemoved};

void applied(void* data, kde_output_configuration_v2*)
{
    static_cast<State*>(data)->applied = 1;
}

void failed(void* data, kde_output_configuration_v2*)
{
    static_cast<State*>(data)->applied = 0;
}

const kde_output_configuration_v2_listener configurationListener = {applied, failed};

void key(State& state, wl_display* display, uint32_t code, uint32_t pressed)
{
    org_kde_kwin_fake_input_keyboard_key(state.input, code, pressed);
    wl_display_roundtrip(display);
    usleep(30000);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    State state;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &state);
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);

    const std::string command = argv[1];
    if (command == "key" || command == "key-with") {
        if (!state.input) {
            std::fprintf(stderr, "no fake input\n");
            return 1;
        }
        org_kde_kwin_fake_input_authenticate(state.input, "tests", "keys typed by a test");
        if (command == "key-with") {
            const auto held = static_cast<uint32_t>(std::atoi(argv[2]));
            key(state, display, held, 1);
            for (int i = 3; i < argc; ++i) {
                key(state, display, static_cast<uint32_t>(std::atoi(argv[i])), 1);
                key(state, display, static_cast<uint32_t>(std::atoi(argv[i])), 0);
            }
            key(state, display, held, 0);
        } else {
            for (int i = 2; i < argc; ++i) {
                key(state, display, static_cast<uint32_t>(std::atoi(argv[i])), 1);
                key(state, display, static_cast<uint32_t>(std::atoi(argv[i])), 0);
            }
        }
        wl_display_roundtrip(display);
        return 0;
    }
    if (command == "output" && argc == 4) {
        if (!state.management) {
            std::fprintf(stderr, "no output management\n");
            return 1;
        }
        for (Device* device : state.devices) {
            if (device->name != argv[2])
                continue;
            kde_output_configuration_v2* configuration =
                kde_output_management_v2_create_configuration(state.management);
            kde_output_configuration_v2_add_listener(configuration, &configurationListener, &state);
            kde_output_configuration_v2_enable(configuration, device->device,
                                               std::strcmp(argv[3], "on") == 0 ? 1 : 0);
            kde_output_configuration_v2_apply(configuration);
            while (state.applied < 0 && wl_display_dispatch(display) >= 0) {
            }
            return state.applied == 1 ? 0 : 1;
        }
        std::fprintf(stderr, "no output %s\n", argv[2]);
        return 1;
    }
    return 2;
}
