#include "DeviceHelper/DeviceHelperService.h"
#include "DeviceHelper/SessionWatch.h"

#include "RecordingMaker.h"

#include <gtest/gtest.h>

#include <random>

using namespace quellarine::devicehelper;
using quellarine::devicehelper::testing::RecordedDevice;
using quellarine::devicehelper::testing::RecordingMaker;

namespace {

Request event(std::uint32_t device, std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    return Request{static_cast<std::uint32_t>(RequestKind::event), device, type, code, value};
}

Request command(RequestKind kind, std::uint32_t device = 0)
{
    return Request{static_cast<std::uint32_t>(kind), device, 0, 0, 0};
}

// A touchpad as a twin would have it.
Capabilities touchpad()
{
    Capabilities pad;
    pad.name = "Touchpad";
    pad.properties.set(INPUT_PROP_POINTER);
    for (unsigned code : {ABS_X, ABS_Y, ABS_MT_SLOT, ABS_MT_POSITION_X, ABS_MT_POSITION_Y, ABS_MT_TRACKING_ID}) {
        pad.absolute.set(code);
        pad.ranges[code].minimum = 0;
        pad.ranges[code].maximum = code == ABS_MT_SLOT ? 4 : 1000;
    }
    for (unsigned code : {BTN_LEFT, BTN_TOUCH, BTN_TOOL_FINGER, BTN_TOOL_DOUBLETAP}) {
        pad.buttons.set(code);
    }
    pad.timestamps = true;
    return pad;
}

class DeviceHelperServiceTest : public ::testing::Test {
protected:
    bool send(std::vector<Request> requests, int descriptor = -1)
    {
        return service.handle(requests.data(), requests.size() * sizeof(Request), descriptor, replies);
    }
    std::uint32_t createPointer()
    {
        replies.clear();
        EXPECT_TRUE(send({command(RequestKind::createPointer)}));
        EXPECT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies.at(0).kind, static_cast<std::uint32_t>(ReplyKind::created));
        return replies.at(0).value;
    }

    RecordingMaker maker;
    DeviceHelperService service{maker};
    std::vector<Reply> replies;
};

// Whatever the application sends, well-formed or not, in or out of front: each device is written only whole frames
// of its own codes ending in one SYN_REPORT, never a KEY_* code, buttons only pressed or released, absolute values
// within their axes; nothing while the session is not in front; and once the connection ends, nothing is held.
TEST_F(DeviceHelperServiceTest, RandomRequestsNeverWriteAKeyNorACodeTheDeviceLacks)
{
    const std::vector<std::uint16_t> types{EV_SYN, EV_KEY, EV_REL, EV_ABS, EV_MSC, EV_LED, EV_SW, EV_REP, 0x1f};
    const std::vector<std::uint16_t> codes{KEY_A,         KEY_LEFTCTRL,     KEY_ENTER,  BTN_LEFT,    BTN_RIGHT,
                                           BTN_TASK,      BTN_TOUCH,        BTN_0,      BTN_SOUTH,   BTN_TRIGGER,
                                           REL_X,         REL_WHEEL_HI_RES, ABS_X,      ABS_MT_SLOT, ABS_MT_TRACKING_ID,
                                           MSC_TIMESTAMP, MSC_SCAN,         SYN_REPORT, SYN_DROPPED, 0x2ff,
                                           0xffff};
    std::mt19937 random(20261208);
    std::size_t framesWritten = 0;
    for (int run = 0; run < 200; ++run) {
        RecordingMaker runMaker;
        runMaker.twin = touchpad();
        {
            DeviceHelperService runService(runMaker);
            std::vector<std::uint32_t> made;
            std::vector<Reply> runReplies;
            const Request pointer = command(RequestKind::createPointer);
            const Request twin = command(RequestKind::createTwin);
            ASSERT_TRUE(runService.handle(&pointer, sizeof(pointer), -1, runReplies));
            ASSERT_TRUE(runService.handle(&twin, sizeof(twin), 7, runReplies));
            for (const Reply& reply : runReplies) {
                made.push_back(reply.value);
            }
            for (int message = 0; message < 300; ++message) {
                if (random() % 50 == 0) {
                    runService.setServed(random() % 2 == 0);
                }
                std::vector<Request> requests(1 + random() % 6);
                for (Request& request : requests) {
                    // Now and then a request no application sends, which ends the connection.
                    const unsigned pick = random() % 1000;
                    request.kind = pick < 30 ? 1
                        : pick < 50          ? (requests.size() == 1 ? 2 : 3)
                        : pick < 900         ? 3
                        : pick < 950         ? 4
                        : pick < 953         ? 5
                        : pick < 998         ? 3
                                             : random() % 8;
                    // Mostly a device it made; now and then one it did not, which ends the connection.
                    request.device = !made.empty() && random() % 200 != 0 ? made[random() % made.size()] : random() % 4;
                    if (request.kind == 3 || random() % 200 == 0) {
                        request.type = types[random() % types.size()];
                        request.code
                            = random() % 4 == 0 ? static_cast<std::uint16_t>(random()) : codes[random() % codes.size()];
                        request.value = random() % 3 == 0 ? static_cast<std::int32_t>(random())
                                                          : static_cast<std::int32_t>(random() % 5) - 2;
                        if (random() % 4 == 0) {
                            request.type = EV_SYN;
                            request.code = SYN_REPORT;
                        }
                    }
                    if ((request.kind == 1 || request.kind == 2) && random() % 200 != 0) {
                        request = command(static_cast<RequestKind>(request.kind));
                    }
                }
                const bool twin = requests.size() == 1 && requests[0].kind == 2;
                const std::size_t before = [&] {
                    std::size_t frames = 0;
                    for (const auto& device : runMaker.devices) {
                        frames += device->frames.size();
                    }
                    return frames;
                }();
                const bool wasServed = runService.served();
                runReplies.clear();
                if (!runService.handle(requests.data(), requests.size() * sizeof(Request), twin ? 7 : -1, runReplies)) {
                    break;
                }
                for (const Reply& reply : runReplies) {
                    if (reply.kind == static_cast<std::uint32_t>(ReplyKind::created)) {
                        made.push_back(reply.value);
                    }
                }
                for (const Request& request : requests) {
                    if (request.kind == static_cast<std::uint32_t>(RequestKind::destroy)) {
                        std::erase(made, request.device);
                    }
                }
                if (!wasServed) {
                    std::size_t after = 0;
                    for (const auto& device : runMaker.devices) {
                        after += device->frames.size();
                    }
                    EXPECT_EQ(after, before) << "written while not in front";
                }
            }
        }
        for (const auto& device : runMaker.devices) {
            framesWritten += device->frames.size();
            EXPECT_TRUE(device->removed);
            std::bitset<KEY_CNT> held;
            for (const auto& frame : device->frames) {
                ASSERT_FALSE(frame.empty());
                EXPECT_EQ(frame.back().type, EV_SYN);
                EXPECT_EQ(frame.back().code, SYN_REPORT);
                for (std::size_t index = 0; index + 1 < frame.size(); ++index) {
                    const input_event& written = frame[index];
                    ASSERT_TRUE(written.type != EV_SYN && device->capabilities.has(written.type, written.code))
                        << written.type << ":" << written.code;
                    if (written.type == EV_KEY) {
                        ASSERT_TRUE(isPointingButton(written.code)) << written.code;
                        ASSERT_TRUE(written.value == 0 || written.value == 1);
                        held[written.code] = written.value == 1;
                    }
                    if (written.type == EV_ABS && !(written.code == ABS_MT_TRACKING_ID && written.value == -1)) {
                        EXPECT_GE(written.value, device->capabilities.ranges[written.code].minimum);
                        EXPECT_LE(written.value, device->capabilities.ranges[written.code].maximum);
                    }
                }
            }
            EXPECT_TRUE(held.none()) << "a button stayed down after the end";
        }
    }
    EXPECT_GT(framesWritten, 3000u) << "the requests hardly reached a device";
}

// Every malformed message ends the connection; the well-formed ones around them are taken.
TEST_F(DeviceHelperServiceTest, MalformedMessagesEndTheConnection)
{
    const std::uint32_t pointer = createPointer();
    const std::vector<std::vector<Request>> malformed{
        {command(static_cast<RequestKind>(0))},
        {command(static_cast<RequestKind>(9))},
        {command(static_cast<RequestKind>(0x80000003))},
        {Request{1, 1, 0, 0, 0}},                                             // a creation naming a device
        {Request{1, 0, EV_KEY, KEY_A, 1}},                                    // a creation with an event
        {command(RequestKind::createTwin)},                                   // a twin without its descriptor
        {command(RequestKind::createTwin), command(RequestKind::createTwin)}, // not alone
        {Request{4, pointer, EV_KEY, BTN_LEFT, 0}},                           // a release with an event
        {Request{5, pointer, 0, 0, 1}},
        {event(pointer + 1, EV_REL, REL_X, 1)}, // a device it did not make
        {command(RequestKind::releaseAll, 0)},
        std::vector<Request>(maxRequestsPerMessage + 1, event(pointer, EV_REL, REL_X, 1)),
    };
    for (const auto& message : malformed) {
        EXPECT_FALSE(send(message)) << message.at(0).kind;
    }
    EXPECT_FALSE(send({event(pointer, EV_SYN, SYN_REPORT, 0)}, 9)) << "a descriptor where none belongs";
    const Request whole = event(pointer, EV_REL, REL_X, 1);
    EXPECT_FALSE(service.handle(&whole, sizeof(whole) - 1, -1, replies)) << "part of a request";
    EXPECT_FALSE(service.handle(&whole, 0, -1, replies)) << "an empty message";
    EXPECT_TRUE(maker.devices.at(0)->frames.empty());

    EXPECT_TRUE(send(std::vector<Request>(maxRequestsPerMessage - 1, event(pointer, EV_REL, REL_X, 1))));
    EXPECT_TRUE(send({event(pointer, EV_KEY, KEY_A, 1), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    ASSERT_EQ(maker.devices.at(0)->frames.size(), 1u);
    EXPECT_EQ(maker.devices.at(0)->frames.at(0).size(), maxRequestsPerMessage);
    EXPECT_EQ(service.dropped(), 1u);
}

// A session switched away lets go of the button held down and writes nothing more, a creation then is refused; in
// front again, it writes once more on the devices it had.
TEST_F(DeviceHelperServiceTest, OutOfFrontItReleasesAndWritesNothingUntilInFrontAgain)
{
    EXPECT_TRUE(isInFront(1000, {{0, false}, {1000, false}}));
    EXPECT_FALSE(isInFront(1000, {{1000, true}}));
    EXPECT_FALSE(isInFront(1000, {{1001, false}}));
    EXPECT_FALSE(isInFront(1000, {}));

    const std::uint32_t pointer = createPointer();
    RecordedDevice& recorded = *maker.devices.at(0);
    EXPECT_TRUE(send({event(pointer, EV_KEY, BTN_LEFT, 1), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    EXPECT_TRUE(send({event(pointer, EV_REL, REL_X, 4)})); // a frame not yet reported

    service.setServed(false);
    ASSERT_EQ(recorded.frames.size(), 2u);
    EXPECT_EQ(recorded.frames.at(1).at(0).code, BTN_LEFT);
    EXPECT_EQ(recorded.frames.at(1).at(0).value, 0);
    EXPECT_EQ(recorded.frames.at(1).size(), 2u) << "the unreported motion was not written";
    EXPECT_TRUE(send({event(pointer, EV_REL, REL_X, 4), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    replies.clear();
    EXPECT_TRUE(send({command(RequestKind::createPointer)}));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].kind, static_cast<std::uint32_t>(ReplyKind::failed));
    EXPECT_EQ(replies[0].value, static_cast<std::uint32_t>(FailureReason::notInFront));
    EXPECT_EQ(recorded.frames.size(), 2u);

    service.setServed(true);
    EXPECT_TRUE(send({event(pointer, EV_REL, REL_Y, -3), event(pointer, EV_SYN, SYN_REPORT, 0)}));
    ASSERT_EQ(recorded.frames.size(), 3u);
    EXPECT_EQ(recorded.frames.at(2).at(0).value, -3);
}

// Each creation answers the device's number and kernel name, or why none was made; destroying one lets go of it.
TEST_F(DeviceHelperServiceTest, CreationsAnswerAndDestroyRemoves)
{
    maker.twin = touchpad();
    const std::uint32_t pointer = createPointer();
    EXPECT_STREQ(replies.at(0).sysName, "input1");
    replies.clear();
    EXPECT_TRUE(send({command(RequestKind::createTwin)}, 5));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].kind, static_cast<std::uint32_t>(ReplyKind::created));
    const std::uint32_t twin = replies[0].value;
    EXPECT_NE(twin, pointer);
    EXPECT_EQ(maker.devices.at(1)->capabilities.name, "Touchpad");

    EXPECT_TRUE(send({event(twin, EV_ABS, ABS_X, 5000), event(twin, EV_ABS, ABS_MT_TRACKING_ID, -1),
                      event(twin, EV_MSC, MSC_TIMESTAMP, 1200), event(twin, EV_KEY, BTN_TOUCH, 1),
                      event(twin, EV_SYN, SYN_REPORT, 0)}));
    const auto& frame = maker.devices.at(1)->frames.at(0);
    ASSERT_EQ(frame.size(), 5u);
    EXPECT_EQ(frame[0].value, 1000) << "clamped to the axis";
    EXPECT_EQ(frame[1].value, -1) << "a touch lifted";
    // Two fingers down, the second slot's named last: let go of, every touch ends and every key comes up, and the
    // slot the application's next frame may leave unnamed is the one it named.
    EXPECT_TRUE(send({event(twin, EV_ABS, ABS_MT_SLOT, 0), event(twin, EV_ABS, ABS_MT_TRACKING_ID, 7),
                      event(twin, EV_ABS, ABS_MT_SLOT, 3), event(twin, EV_ABS, ABS_MT_TRACKING_ID, 8),
                      event(twin, EV_KEY, BTN_TOOL_DOUBLETAP, 1), event(twin, EV_SYN, SYN_REPORT, 0)}));
    EXPECT_TRUE(send({command(RequestKind::releaseAll, twin)}));
    std::vector<std::pair<std::uint16_t, std::int32_t>> released;
    for (const input_event& event : maker.devices.at(1)->frames.back()) {
        released.emplace_back(event.code, event.value);
    }
    const std::vector<std::pair<std::uint16_t, std::int32_t>> expected{
        {ABS_MT_SLOT, 0}, {ABS_MT_TRACKING_ID, -1}, {ABS_MT_SLOT, 3},        {ABS_MT_TRACKING_ID, -1},
        {ABS_MT_SLOT, 3}, {BTN_TOUCH, 0},           {BTN_TOOL_DOUBLETAP, 0}, {SYN_REPORT, 0}};
    EXPECT_EQ(released, expected);
    const std::size_t frames = maker.devices.at(1)->frames.size();
    EXPECT_TRUE(send({command(RequestKind::releaseAll, twin)}));
    EXPECT_EQ(maker.devices.at(1)->frames.size(), frames) << "nothing held, nothing written";

    EXPECT_TRUE(send({event(twin, EV_KEY, BTN_TOUCH, 1), event(twin, EV_SYN, SYN_REPORT, 0)}));
    EXPECT_TRUE(send({command(RequestKind::destroy, twin)}));
    EXPECT_TRUE(maker.devices.at(1)->removed);
    EXPECT_EQ(maker.devices.at(1)->frames.back().at(0).code, BTN_TOUCH);
    EXPECT_EQ(maker.devices.at(1)->frames.back().at(0).value, 0);
    EXPECT_FALSE(send({event(twin, EV_SYN, SYN_REPORT, 0)})) << "a destroyed device is no longer ours";

    RecordingMaker refusing;
    refusing.uinputAvailable = false;
    DeviceHelperService without(refusing);
    std::vector<Request> create{command(RequestKind::createTwin)};
    replies.clear();
    EXPECT_TRUE(without.handle(create.data(), sizeof(Request), 5, replies));
    EXPECT_EQ(replies.at(0).value, static_cast<std::uint32_t>(FailureReason::notPointingDevice));
    create[0] = command(RequestKind::createPointer);
    EXPECT_TRUE(without.handle(create.data(), sizeof(Request), -1, replies));
    EXPECT_EQ(replies.at(1).value, static_cast<std::uint32_t>(FailureReason::noUinput));
}

} // namespace
