#!/usr/bin/env python3
"""Inside the virtual machine (device-access.sh runs it as root): a hand, taken by the application that is already
running, played along the drift path while its twin (the device the application makes like it, of the same name) is
read. Exits 0 when the hand was taken and the twin travelled less than 0.6 of the hand's way up and down (the drift's
tremor; the application's end-to-end measure).

    steadied.py BUILD
"""
import glob
import os
import select
import struct
import subprocess
import sys
import time

EVENT = struct.Struct('llHHi')  # struct input_event on this machine
EV_REL, REL_Y = 2, 1
HAND_NAME = 'Quellarine test hand'


def nodes_named(name):
    nodes = set()
    for device in glob.glob('/sys/class/input/event*'):
        with open(os.path.join(device, 'device/name')) as named:
            if named.read().strip() == name:
                nodes.add('/dev/input/' + os.path.basename(device))
    return nodes


def new_node_named(name, known, seconds):
    """A node of this name that is none of the known ones: the other hands and their twins are named alike."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for node in nodes_named(name) - known:
            return node
        time.sleep(0.05)
    return None


def main():
    build = sys.argv[1]
    earlier = nodes_named(HAND_NAME)
    hand = subprocess.Popen([os.path.join(build, 'tests/Compositor/quellarine-hand-player')], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, text=True, bufsize=1)

    def tell(command, answer):
        hand.stdin.write(command + '\n')
        lines = []
        for line in hand.stdout:
            lines.append(line.split())
            if lines[-1][:1] == [answer]:
                return lines
        raise SystemExit(f'the hand ended before "{answer}"')

    ready = hand.stdout.readline().split()
    if ready[:1] != ['ready']:
        raise SystemExit('the hand did not start')
    tell('await-grab', 'grabbed')
    steadied = new_node_named(HAND_NAME, earlier | {ready[1]}, 10)
    if steadied is None:
        print('FAIL the hand is taken but has no twin')
        return 1
    output = os.open(steadied, os.O_RDONLY | os.O_NONBLOCK)
    lines = tell('play drift', 'played')
    hand_ys = [0.0] + [float(words[3]) for words in lines if words[:1] == ['sample']]
    # Settling eases the steadied pointer onto the resting hand; what it sent meanwhile is read to the end.
    travel, moves, quiet_since = 0, 0, time.monotonic()
    while time.monotonic() - quiet_since < 0.5:
        if select.select([output], [], [], 0.1)[0]:
            data = os.read(output, EVENT.size * 64)
            for offset in range(0, len(data) - EVENT.size + 1, EVENT.size):
                _, _, kind, code, value = EVENT.unpack_from(data, offset)
                if kind == EV_REL and code == REL_Y:
                    travel += abs(value)
                    moves += 1
            quiet_since = time.monotonic()
    hand.stdin.close()
    hand.wait(10)
    raw = sum(abs(b - a) for a, b in zip(hand_ys, hand_ys[1:]))
    print(f'drift path: {raw:.0f} points up and down raw, {travel} steadied ({moves} moves)')
    if moves == 0 or travel >= 0.6 * raw:
        print('FAIL the hand was not steadied')
        return 1
    print('PASS the application, started without the access, took the hand and steadied it once the access was given')
    return 0


if __name__ == '__main__':
    sys.exit(main())
