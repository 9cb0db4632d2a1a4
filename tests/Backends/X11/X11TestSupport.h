#pragma once

// Test framework first: X's macros (None, Bool) would clash with names in its headers.
#include <gtest/gtest.h>

#include "Backends/Common/PollMainLoop.h"
#include "Backends/X11/Testing/ClientWindow.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "Backends/X11/X11Backend.h"

#include <functional>
#include <memory>
#include <vector>

namespace quellarine::x11::testing {

using backends::PollMainLoop;

// A private X server with the backend, the user's hand, an application window and a main loop that serves the
// backend, all in the test's thread. Waits are for conditions, with deadlines, never for fixed times.
class X11Test : public ::testing::Test {
protected:
    static constexpr double deadline = 5.0;

    void SetUp() override
    {
        server = std::make_unique<XvfbServer>();
        hand = std::make_unique<VirtualHand>(server->displayName());
        client = std::make_unique<ClientWindow>(server->displayName());
        startBackend();
        // So that conditions on what the application received are looked at again as soon as it receives.
        loop->watch(client->fileDescriptor(), [this] { client->collect(); });
    }

    void TearDown() override
    {
        tap.reset();
        if (loop && backend) {
            loop->unwatch(backend->fileDescriptor());
        }
        if (loop && client) {
            loop->unwatch(client->fileDescriptor());
        }
        backend.reset();
        loop.reset();
        client.reset();
        hand.reset();
        server.reset();
    }

    void startBackend()
    {
        backend = std::make_unique<X11Backend>(server->displayName().c_str());
        loop = std::make_unique<PollMainLoop>(backend->clock());
        loop->watch(backend->fileDescriptor(), [this] { backend->processPendingEvents(); });
    }

    // A tap over every pointer event that records what it sees and answers with `verdict`, which may change it.
    void createTap(std::function<system::TapVerdict(system::Event&)> verdict = nullptr)
    {
        system::EventMask mask = 0;
        for (auto type :
             {system::EventType::mouseMoved, system::EventType::leftMouseDragged, system::EventType::rightMouseDragged,
              system::EventType::otherMouseDragged, system::EventType::leftMouseDown, system::EventType::leftMouseUp,
              system::EventType::rightMouseDown, system::EventType::rightMouseUp, system::EventType::otherMouseDown,
              system::EventType::otherMouseUp}) {
            mask |= system::maskBit(type);
        }
        tap = backend->taps().createTap(mask, [this, verdict](system::Event& event) {
            seen.push_back(event);
            return verdict ? verdict(event) : system::TapVerdict::pass;
        });
        ASSERT_TRUE(tap);
        ASSERT_TRUE(runUntil([this] { return hand->isGrabbed(); }));
    }

    void closeClient()
    {
        loop->unwatch(client->fileDescriptor());
        client.reset();
    }

    // The cursor at a place of the test's choosing, and an application that has received nothing.
    void placeCursor(Point cursor)
    {
        hand->warpCursor(int(cursor.x), int(cursor.y));
        quiesce();
        client->clear();
    }

    // The same with a tap as above.
    void startAt(Point cursor, std::function<system::TapVerdict(system::Event&)> verdict = nullptr)
    {
        hand->warpCursor(int(cursor.x), int(cursor.y));
        createTap(std::move(verdict));
        quiesce();
        client->clear();
    }

    bool runUntil(const std::function<bool()>& done, double timeout = deadline)
    {
        return loop->runUntil(done, timeout);
    }

    // Runs until the tap has seen this many events in all.
    bool runUntilSeen(std::size_t count)
    {
        return runUntil([&] { return seen.size() >= count; });
    }

    // Everything the hand did so far has reached the backend and been handled, and everything the backend put into
    // the server has reached the application.
    void quiesce()
    {
        XSync(hand->display(), False);
        backend->cursor().currentLocation(); // a round trip: the backend has read all its events
        backend->processPendingEvents();
        backend->cursor().currentLocation(); // and the server has handled all its requests
        client->sync();
    }

    std::vector<system::Event> seenOfType(system::EventType type) const
    {
        std::vector<system::Event> found;
        for (const auto& event : seen) {
            if (event.type == type) {
                found.push_back(event);
            }
        }
        return found;
    }

    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<VirtualHand> hand;
    std::unique_ptr<ClientWindow> client;
    std::unique_ptr<X11Backend> backend;
    std::unique_ptr<PollMainLoop> loop;
    std::unique_ptr<system::EventTap> tap;
    std::vector<system::Event> seen;
};

} // namespace quellarine::x11::testing
