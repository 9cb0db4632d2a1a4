#include "DeviceHelper/DeviceHelperService.h"

#include <linux/input-event-codes.h>

#include <cstring>

namespace quellarine::devicehelper {

namespace {

Reply failure(FailureReason reason)
{
    Reply reply;
    reply.kind = static_cast<std::uint32_t>(ReplyKind::failed);
    reply.value = static_cast<std::uint32_t>(reason);
    return reply;
}

bool onlyKind(const Request& request)
{
    return request.device == 0 && request.type == 0 && request.code == 0 && request.value == 0;
}

} // namespace

DeviceHelperService::DeviceHelperService(DeviceMaker& maker)
    : maker_(maker)
{
    requests_.reserve(maxRequestsPerMessage);
}

bool DeviceHelperService::decode(const void* data, std::size_t size, bool withDescriptor,
                                 std::vector<Request>& requests)
{
    if (size == 0 || size % sizeof(Request) != 0 || size / sizeof(Request) > maxRequestsPerMessage) {
        return false;
    }
    requests.resize(size / sizeof(Request));
    std::memcpy(requests.data(), data, size);
    bool twin = false;
    for (const Request& request : requests) {
        switch (static_cast<RequestKind>(request.kind)) {
        case RequestKind::createPointer:
            if (!onlyKind(request)) {
                return false;
            }
            break;
        case RequestKind::createTwin:
            if (!onlyKind(request) || requests.size() != 1) {
                return false;
            }
            twin = true;
            break;
        case RequestKind::event:
            break;
        case RequestKind::readKeyboards:
            if (request.device != 0 || request.type != 0 || request.code != 0
                || (request.value != 0 && request.value != 1)) {
                return false;
            }
            break;
        case RequestKind::registerChord:
        case RequestKind::unregisterChord:
            if (request.device != 0 || request.type != 0 || request.code == 0 || HeldModifiers::isModifier(request.code)
                || request.code >= BTN_MISC || request.value < 0
                || (static_cast<std::uint32_t>(request.value) & ~allChordModifiers) != 0) {
                return false;
            }
            break;
        case RequestKind::releaseAll:
        case RequestKind::destroy:
            if (request.type != 0 || request.code != 0 || request.value != 0) {
                return false;
            }
            break;
        default:
            return false;
        }
    }
    return twin == withDescriptor;
}

bool DeviceHelperService::handle(const void* data, std::size_t size, int descriptor, std::vector<Reply>& replies)
{
    if (!decode(data, size, descriptor >= 0, requests_)) {
        return false;
    }
    for (const Request& request : requests_) {
        const auto kind = static_cast<RequestKind>(request.kind);
        if (kind == RequestKind::createPointer || kind == RequestKind::createTwin) {
            replies.push_back(create(request, descriptor));
            continue;
        }
        if (kind == RequestKind::readKeyboards) {
            keyboardsWanted_ = request.value == 1;
            countAsked_ = true;
            readKeyboards();
            continue;
        }
        if (kind == RequestKind::registerChord) {
            if (!filter_.registerChord(request.code, static_cast<std::uint32_t>(request.value))) {
                return false;
            }
            continue;
        }
        if (kind == RequestKind::unregisterChord) {
            filter_.unregisterChord(request.code, static_cast<std::uint32_t>(request.value));
            continue;
        }
        const auto device = devices_.find(request.device);
        if (device == devices_.end()) {
            return false;
        }
        switch (kind) {
        case RequestKind::event:
            if (!served_ || !device->second->add(request.type, request.code, request.value)) {
                ++dropped_;
            }
            break;
        case RequestKind::releaseAll:
            device->second->releaseAll();
            break;
        default: // destroy
            devices_.erase(device);
            break;
        }
    }
    return true;
}

Reply DeviceHelperService::create(const Request& request, int descriptor)
{
    if (!served_) {
        return failure(FailureReason::notInFront);
    }
    if (devices_.size() >= maxDevices) {
        return failure(FailureReason::tooManyDevices);
    }
    std::optional<Capabilities> capabilities;
    if (static_cast<RequestKind>(request.kind) == RequestKind::createTwin) {
        capabilities = maker_.readTwin(descriptor);
        if (!capabilities) {
            return failure(FailureReason::notPointingDevice);
        }
    } else {
        capabilities = Capabilities::pointer();
    }
    std::unique_ptr<FrameSink> sink = maker_.make(*capabilities);
    if (!sink) {
        return failure(FailureReason::noUinput);
    }
    Reply reply;
    reply.kind = static_cast<std::uint32_t>(ReplyKind::created);
    reply.value = nextDevice_++;
    const std::string name = sink->sysName();
    std::strncpy(reply.sysName, name.c_str(), sizeof(reply.sysName) - 1);
    devices_.emplace(reply.value, std::make_unique<OutputDevice>(std::move(*capabilities), std::move(sink)));
    return reply;
}

void DeviceHelperService::setServed(bool served)
{
    if (served_ && !served) {
        for (auto& [number, device] : devices_) {
            device->releaseAll();
        }
    }
    served_ = served;
    readKeyboards();
}

void DeviceHelperService::readKeyboards()
{
    if (keyboards_ != nullptr) {
        keyboards_->setReading(keyboardsWanted_ && served_);
    }
}

std::vector<KeyboardRecord> DeviceHelperService::takeKeyboardRecords()
{
    std::vector<KeyboardRecord> records = filter_.take();
    const std::size_t count = keyboards_ != nullptr ? keyboards_->count() : 0;
    if (countAsked_ || count != countTold_) {
        records.push_back(
            {static_cast<std::uint32_t>(KeyboardRecordKind::keyboards), static_cast<std::uint32_t>(count), 0});
        countAsked_ = false;
        countTold_ = count;
    }
    return records;
}

} // namespace quellarine::devicehelper
