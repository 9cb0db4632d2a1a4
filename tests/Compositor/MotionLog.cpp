// An ordinary Wayland client for the compositor test: one full-screen window that writes down every pointer
// motion it receives, one a line on stdout:
//   enter MS X Y           the pointer came onto the window (MS: this process's CLOCK_MONOTONIC, milliseconds)
//   motion T MS X Y        a motion: T the compositor's event time, MS when it arrived, X Y surface coordinates
//   button T MS BUTTON STATE
// It runs until the compositor goes away.
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

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
    wl_pointer* pointer = nullptr;
    wl_surface* surface = nullptr;
    wl_buffer* buffer = nullptr;
    int width = 0;
    int height = 0;
};

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    auto* client = static_cast<Client*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        client->compositor = static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        client->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        client->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 5));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        client->shell = static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
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
    if (client->buffer == nullptr && client->width > 0 && client->height > 0) {
        client->buffer = makeBuffer(*client);
        wl_surface_attach(client->surface, client->buffer, 0, 0);
        wl_surface_damage(client->surface, 0, 0, client->width, client->height);
    }
    wl_surface_commit(client->surface);
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

void pointerAxis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t)
{
}
void pointerFrame(void*, wl_pointer*)
{
}
void pointerAxisSource(void*, wl_pointer*, uint32_t)
{
}
void pointerAxisStop(void*, wl_pointer*, uint32_t, uint32_t)
{
}
void pointerAxisDiscrete(void*, wl_pointer*, uint32_t, int32_t)
{
}
void pointerAxisValue120(void*, wl_pointer*, uint32_t, int32_t)
{
}

const wl_pointer_listener pointerListener{pointerEnter,        pointerLeave,       pointerMotion,     pointerButton,
                                          pointerAxis,         pointerFrame,       pointerAxisSource, pointerAxisStop,
                                          pointerAxisDiscrete, pointerAxisValue120};

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
    xdg_wm_base_add_listener(client.shell, &shellListener, nullptr);
    client.pointer = wl_seat_get_pointer(client.seat);
    wl_pointer_add_listener(client.pointer, &pointerListener, nullptr);

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
