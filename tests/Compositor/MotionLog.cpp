// An ordinary Wayland client for the compositor test: one full-screen window that writes down every pointer
// event it receives, one a line on stdout:
//   enter MS X Y           the pointer came onto the window (MS: this process's CLOCK_MONOTONIC, milliseconds)
//   motion T MS X Y        a motion: T the compositor's event time, MS when it arrived, X Y surface coordinates
//   button T MS BUTTON STATE
//   axis T MS AXIS VALUE   scrolling (AXIS 0 vertical, 1 horizontal), and what the compositor says of it:
//   axis_source MS SOURCE  (0 wheel, 1 finger, 2 continuous, 3 wheel tilt), axis_stop T MS AXIS,
//   axis_discrete MS AXIS STEPS, axis_value120 MS AXIS VALUE
//   frame MS               the end of one group of the events above
//   swipe_begin T MS FINGERS, swipe_update T MS DX DY, swipe_end T MS CANCELLED
//   pinch_begin T MS FINGERS, pinch_update T MS DX DY SCALE ROTATION, pinch_end T MS CANCELLED
//                          gestures, when the compositor offers them; its first line says whether it does:
//   gestures offered|absent
// It runs until the compositor goes away.
#include "pointer-gestures-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double nowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Client {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    xdg_wm_base* shell = nullptr;
    zwp_pointer_gestures_v1* gestures = nullptr;
    wl_pointer* pointer = nullptr;
    wl_surface* surface = nullptr;
    wl_buffer* buffer = nullptr;
    // The size the compositor asked for; until it asks, one of our own (a compositor may wait to see the first
    // buffer before it makes the window full-screen).
    int width = 640;
    int height = 480;
    int bufferWidth = 0;
    int bufferHeight = 0;
};

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    auto* client = static_cast<Client*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        client->compositor = static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        client->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        // Version 8 tells of high-resolution wheels in 120ths of a step; 5 of whole steps.
        client->seat
            = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, std::clamp(version, 5u, 8u)));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        client->shell = static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    } else if (std::strcmp(interface, zwp_pointer_gestures_v1_interface.name) == 0) {
        client->gestures = static_cast<zwp_pointer_gestures_v1*>(
            wl_registry_bind(registry, name, &zwp_pointer_gestures_v1_interface, 1));
    }
}

void registryGlobalRemove(void*, wl_registry*, uint32_t)
{
}

const wl_registry_listener registryListener{registryGlobal, registryGlobalRemove};

void shellPing(void*, xdg_wm_base* shell, uint32_t serial)
{
    xdg_wm_base_pong(shell, serial);
}

const xdg_wm_base_listener shellListener{shellPing};

// A grey buffer the size the compositor asked for.
wl_buffer* makeBuffer(Client& client)
{
    const int stride = client.width * 4;
    const int size = stride * client.height;
    int fd = memfd_create("motion-log", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) {
        std::perror("motion-log: buffer");
        return nullptr;
    }
    void* pixels = mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    std::memset(pixels, 0x60, size_t(size));
    munmap(pixels, size_t(size));
    wl_shm_pool* pool = wl_shm_create_pool(client.shm, fd, size);
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, client.width, client.height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

void surfaceConfigure(void* data, xdg_surface* surface, uint32_t serial)
{
    auto* client = static_cast<Client*>(data);
    xdg_surface_ack_configure(surface, serial);
    wl_buffer* old = nullptr;
    if (client->bufferWidth != client->width || client->bufferHeight != client->height) {
        old = client->buffer;
        client->buffer = makeBuffer(*client);
        client->bufferWidth = client->width;
        client->bufferHeight = client->height;
        wl_surface_attach(client->surface, client->buffer, 0, 0);
        wl_surface_damage(client->surface, 0, 0, client->width, client->height);
    }
    wl_surface_commit(client->surface);
    if (old != nullptr) {
        wl_buffer_destroy(old);
    }
}

const xdg_surface_listener surfaceListener{surfaceConfigure};

void toplevelConfigure(void* data, xdg_toplevel*, int32_t width, int32_t height, wl_array*)
{
    auto* client = static_cast<Client*>(data);
    if (width > 0 && height > 0) {
        client->width = width;
        client->height = height;
    }
}

void toplevelClose(void*, xdg_toplevel*)
{
}
void toplevelBounds(void*, xdg_toplevel*, int32_t, int32_t)
{
}
void toplevelCapabilities(void*, xdg_toplevel*, wl_array*)
{
}

const xdg_toplevel_listener toplevelListener{toplevelConfigure, toplevelClose, toplevelBounds, toplevelCapabilities};

void pointerEnter(void*, wl_pointer*, uint32_t, wl_surface*, wl_fixed_t x, wl_fixed_t y)
{
    std::printf("enter %.3f %.2f %.2f\n", nowMilliseconds(), wl_fixed_to_double(x), wl_fixed_to_double(y));
}

void pointerLeave(void*, wl_pointer*, uint32_t, wl_surface*)
{
    std::printf("leave %.3f\n", nowMilliseconds());
}

void pointerMotion(void*, wl_pointer*, uint32_t time, wl_fixed_t x, wl_fixed_t y)
{
    std::printf("motion %u %.3f %.2f %.2f\n", time, nowMilliseconds(), wl_fixed_to_double(x), wl_fixed_to_double(y));
}

void pointerButton(void*, wl_pointer*, uint32_t, uint32_t time, uint32_t button, uint32_t state)
{
    std::printf("button %u %.3f %u %u\n", time, nowMilliseconds(), button, state);
}

void pointerAxis(void*, wl_pointer*, uint32_t time, uint32_t axis, wl_fixed_t value)
{
    std::printf("axis %u %.3f %u %.4f\n", time, nowMilliseconds(), axis, wl_fixed_to_double(value));
}

void pointerFrame(void*, wl_pointer*)
{
    std::printf("frame %.3f\n", nowMilliseconds());
}

void pointerAxisSource(void*, wl_pointer*, uint32_t source)
{
    std::printf("axis_source %.3f %u\n", nowMilliseconds(), source);
}

void pointerAxisStop(void*, wl_pointer*, uint32_t time, uint32_t axis)
{
    std::printf("axis_stop %u %.3f %u\n", time, nowMilliseconds(), axis);
}

void pointerAxisDiscrete(void*, wl_pointer*, uint32_t axis, int32_t steps)
{
    std::printf("axis_discrete %.3f %u %d\n", nowMilliseconds(), axis, steps);
}

void pointerAxisValue120(void*, wl_pointer*, uint32_t axis, int32_t value)
{
    std::printf("axis_value120 %.3f %u %d\n", nowMilliseconds(), axis, value);
}

const wl_pointer_listener pointerListener{pointerEnter,        pointerLeave,       pointerMotion,     pointerButton,
                                          pointerAxis,         pointerFrame,       pointerAxisSource, pointerAxisStop,
                                          pointerAxisDiscrete, pointerAxisValue120};

void swipeBegin(void*, zwp_pointer_gesture_swipe_v1*, uint32_t, uint32_t time, wl_surface*, uint32_t fingers)
{
    std::printf("swipe_begin %u %.3f %u\n", time, nowMilliseconds(), fingers);
}

void swipeUpdate(void*, zwp_pointer_gesture_swipe_v1*, uint32_t time, wl_fixed_t dx, wl_fixed_t dy)
{
    std::printf("swipe_update %u %.3f %.2f %.2f\n", time, nowMilliseconds(), wl_fixed_to_double(dx),
                wl_fixed_to_double(dy));
}

void swipeEnd(void*, zwp_pointer_gesture_swipe_v1*, uint32_t, uint32_t time, int32_t cancelled)
{
    std::printf("swipe_end %u %.3f %d\n", time, nowMilliseconds(), cancelled);
}

const zwp_pointer_gesture_swipe_v1_listener swipeListener{swipeBegin, swipeUpdate, swipeEnd};

void pinchBegin(void*, zwp_pointer_gesture_pinch_v1*, uint32_t, uint32_t time, wl_surface*, uint32_t fingers)
{
    std::printf("pinch_begin %u %.3f %u\n", time, nowMilliseconds(), fingers);
}

void pinchUpdate(void*, zwp_pointer_gesture_pinch_v1*, uint32_t time, wl_fixed_t dx, wl_fixed_t dy, wl_fixed_t scale,
                 wl_fixed_t rotation)
{
    std::printf("pinch_update %u %.3f %.2f %.2f %.4f %.2f\n", time, nowMilliseconds(), wl_fixed_to_double(dx),
                wl_fixed_to_double(dy), wl_fixed_to_double(scale), wl_fixed_to_double(rotation));
}

void pinchEnd(void*, zwp_pointer_gesture_pinch_v1*, uint32_t, uint32_t time, int32_t cancelled)
{
    std::printf("pinch_end %u %.3f %d\n", time, nowMilliseconds(), cancelled);
}

const zwp_pointer_gesture_pinch_v1_listener pinchListener{pinchBegin, pinchUpdate, pinchEnd};

} // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "motion-log: no Wayland display\n");
        return 2;
    }
    Client client;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &client);
    wl_display_roundtrip(display);
    if (client.compositor == nullptr || client.shm == nullptr || client.seat == nullptr || client.shell == nullptr) {
        std::fprintf(stderr, "motion-log: the compositor lacks a global this client needs\n");
        return 2;
    }
    std::printf("gestures %s\n", client.gestures != nullptr ? "offered" : "absent");
    xdg_wm_base_add_listener(client.shell, &shellListener, nullptr);
    client.pointer = wl_seat_get_pointer(client.seat);
    wl_pointer_add_listener(client.pointer, &pointerListener, nullptr);
    if (client.gestures != nullptr) {
        zwp_pointer_gesture_swipe_v1_add_listener(
            zwp_pointer_gestures_v1_get_swipe_gesture(client.gestures, client.pointer), &swipeListener, nullptr);
        zwp_pointer_gesture_pinch_v1_add_listener(
            zwp_pointer_gestures_v1_get_pinch_gesture(client.gestures, client.pointer), &pinchListener, nullptr);
    }

    client.surface = wl_compositor_create_surface(client.compositor);
    xdg_surface* shellSurface = xdg_wm_base_get_xdg_surface(client.shell, client.surface);
    xdg_surface_add_listener(shellSurface, &surfaceListener, &client);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(shellSurface);
    xdg_toplevel_add_listener(toplevel, &toplevelListener, &client);
    xdg_toplevel_set_title(toplevel, "motion log");
    xdg_toplevel_set_fullscreen(toplevel, nullptr);
    wl_surface_commit(client.surface);

    while (wl_display_dispatch(display) != -1) {}
    return 0;
}
