#include "Backends/Devices/DeviceKeyboard.h"

#include "Backends/Common/ReentryGuard.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <libudev.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <string_view>

namespace quellarine::devices {

namespace {

using devicehelper::KeyboardRecord;
using devicehelper::KeyboardRecordKind;
using devicehelper::RequestKind;
using Shortcut = GlobalHotKey::Shortcut;

// The modifier keys' mask as the helper tells it: left and right of Ctrl, Shift, Alt, Super.
constexpr std::uint32_t control = 0x03;
constexpr std::uint32_t shift = 0x0c;
constexpr std::uint32_t alt = 0x30;
constexpr std::uint32_t super = 0xc0;

std::uint32_t chordModifiers(std::uint32_t shortcutMask)
{
    return ((shortcutMask & Shortcut::controlMask) != 0 ? devicehelper::chordControl : 0U)
        | ((shortcutMask & Shortcut::shiftMask) != 0 ? devicehelper::chordShift : 0U)
        | ((shortcutMask & Shortcut::altMask) != 0 ? devicehelper::chordAlt : 0U)
        | ((shortcutMask & Shortcut::superMask) != 0 ? devicehelper::chordSuper : 0U);
}

// Whether the node's access list (the kernel's "system.posix_acl_access": a version, then entries of a tag, the
// permissions and an id) lets the group read it, within the list's mask.
bool accessListLetsGroupRead(const char* node, gid_t group)
{
    std::array<unsigned char, 4 + 8 * 64> list{};
    const ssize_t size = getxattr(node, "system.posix_acl_access", list.data(), list.size());
    if (size < 4 || (size - 4) % 8 != 0) {
        return false;
    }
    constexpr std::uint16_t groupTag = 0x08;
    constexpr std::uint16_t maskTag = 0x10;
    constexpr std::uint16_t read = 4;
    bool granted = false;
    bool masked = false;
    for (ssize_t at = 4; at < size; at += 8) {
        std::uint16_t tag = 0;
        std::uint16_t permissions = 0;
        std::uint32_t id = 0;
        std::memcpy(&tag, list.data() + at, 2);
        std::memcpy(&permissions, list.data() + at + 2, 2);
        std::memcpy(&id, list.data() + at + 4, 4);
        granted = granted || (tag == groupTag && id == group && (permissions & read) != 0);
        masked = masked || (tag == maskTag && (permissions & read) == 0);
    }
    return granted && !masked;
}

} // namespace

DeviceKeyboard::DeviceKeyboard()
    : DeviceKeyboard(Options{})
{
}

DeviceKeyboard::DeviceKeyboard(Options options)
    : layout_(options.layoutConfiguration)
    , hotKeys_(layout_)
{
    hotKeys_.setChordsChanged([this] { registerChords(); });
    if (helper_.start(options.helperPath)) {
        setReading(true);
    }
}

bool DeviceKeyboard::accessGranted(const std::string& helperPath)
{
    struct stat helper {};
    const bool helperHasGroup
        = !helperPath.empty() && stat(helperPath.c_str(), &helper) == 0 && (helper.st_mode & S_ISGID) != 0;
    udev* context = udev_new();
    if (context == nullptr) {
        return false;
    }
    udev_enumerate* enumeration = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumeration, "input");
    udev_enumerate_add_match_property(enumeration, "ID_INPUT_KEYBOARD", "1");
    udev_enumerate_scan_devices(enumeration);
    bool granted = false;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        const char* node = device != nullptr ? udev_device_get_devnode(device) : nullptr;
        struct stat status {};
        if (node != nullptr && std::string_view(udev_device_get_sysname(device)).starts_with("event")
            && lstat(node, &status) == 0 && S_ISCHR(status.st_mode)) {
            granted = granted || access(node, R_OK) == 0
                || (helperHasGroup
                    && ((status.st_gid == helper.st_gid && (status.st_mode & S_IRGRP) != 0)
                        || accessListLetsGroupRead(node, helper.st_gid)));
        }
        if (device != nullptr) {
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumeration);
    udev_unref(context);
    return granted;
}

void DeviceKeyboard::send(RequestKind kind, std::uint16_t code, std::uint32_t value)
{
    const devicehelper::Request request{static_cast<std::uint32_t>(kind), 0, 0, code, static_cast<std::int32_t>(value)};
    if (helper_.socket() >= 0 && ::send(helper_.socket(), &request, sizeof(request), MSG_NOSIGNAL) != sizeof(request)) {
        helper_.end();
    }
}

void DeviceKeyboard::registerChords()
{
    for (const DeviceHotKeys::Chord& chord : told_) {
        send(RequestKind::unregisterChord, chord.code, chordModifiers(chord.modifiers));
    }
    told_ = hotKeys_.chords();
    for (const DeviceHotKeys::Chord& chord : told_) {
        send(RequestKind::registerChord, chord.code, chordModifiers(chord.modifiers));
    }
}

void DeviceKeyboard::setReading(bool reading)
{
    send(RequestKind::readKeyboards, 0, reading ? 1 : 0);
    receive(true);
}

void DeviceKeyboard::processPendingEvents()
{
    const backends::ReentryGuard round(processing_);
    if (!round.entered()) {
        return;
    }
    receive(false);
}

std::optional<KeyboardRecord> DeviceKeyboard::decode(const void* data, std::size_t size)
{
    KeyboardRecord record;
    if (size != sizeof(record)) {
        return std::nullopt;
    }
    std::memcpy(&record, data, sizeof(record));
    switch (static_cast<KeyboardRecordKind>(record.kind)) {
    case KeyboardRecordKind::modifiers:
        return record.value <= 0xff ? std::optional(record) : std::nullopt;
    case KeyboardRecordKind::chordPressed:
    case KeyboardRecordKind::chordReleased:
        return record.value > 0 && record.value <= 0xffff ? std::optional(record) : std::nullopt;
    case KeyboardRecordKind::keyboards:
        return record;
    }
    return std::nullopt;
}

void DeviceKeyboard::receive(bool untilCount)
{
    // The helper answers at once; one that does not within seconds is taken for gone.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (helper_.socket() >= 0) {
        pollfd readable{helper_.socket(), POLLIN, 0};
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (poll(&readable, 1, untilCount ? static_cast<int>(std::max<long>(0, left.count())) : 0) != 1) {
            if (untilCount) {
                helper_.end();
            }
            return;
        }
        std::array<unsigned char, sizeof(KeyboardRecord) + 1> bytes{};
        const ssize_t got = recv(helper_.socket(), bytes.data(), bytes.size(), MSG_DONTWAIT);
        const auto record = got > 0 ? decode(bytes.data(), static_cast<std::size_t>(got)) : std::nullopt;
        if (!record) {
            // The helper ended, or said what it cannot: nothing is held any more.
            helper_.end();
            keyboards_ = 0;
            handle({static_cast<std::uint32_t>(KeyboardRecordKind::modifiers), 0, 0});
            return;
        }
        handle(*record);
        if (untilCount && record->kind == static_cast<std::uint32_t>(KeyboardRecordKind::keyboards)) {
            return;
        }
    }
}

void DeviceKeyboard::handle(const KeyboardRecord& record)
{
    // Seconds as the kernel's own time is read: whole seconds, then the microseconds.
    const double time = double(record.time / 1'000'000) + double(record.time % 1'000'000) / 1e6;
    switch (static_cast<KeyboardRecordKind>(record.kind)) {
    case KeyboardRecordKind::modifiers: {
        system::ModifierState state;
        state.control = (record.value & control) != 0;
        state.shift = (record.value & shift) != 0;
        state.alt = (record.value & alt) != 0;
        state.super = (record.value & super) != 0;
        // Left and right of one modifier are one for the application.
        if (state != held_) {
            held_ = state;
            modifierMonitor_.report(state, time);
        }
        break;
    }
    case KeyboardRecordKind::chordPressed:
        hotKeys_.key(static_cast<std::uint16_t>(record.value), 1, held_);
        break;
    case KeyboardRecordKind::chordReleased:
        hotKeys_.key(static_cast<std::uint16_t>(record.value), 0, held_);
        break;
    case KeyboardRecordKind::keyboards:
        keyboards_ = record.value;
        break;
    }
}

} // namespace quellarine::devices
