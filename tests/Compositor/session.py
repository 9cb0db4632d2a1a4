#!/usr/bin/env python3
"""The compositor test's session, run inside the virtual machine (scripts/compositor-test.sh starts it).

    session.py OUT BUILD -- STEADIER [ARG...]

Starts udev and weston on the emulated VGA card, a hand (a uinput mouse) and an ordinary Wayland client that logs
the motion it receives; plays the drift path with nothing between hand and compositor, then starts STEADIER and
plays the drift and the sweep paths through it; has a uinput keyboard type the hot keys and five presses of Ctrl and
reads their effect in the application's settings (it may read the keyboards: it runs as root); stops it and checks
the hand moves the pointer again.

Then a built-in touchpad and a second mouse join, and the compositor is started again for each group of libinput
settings (TOUCHPAD_GROUPS): weston twice, then sway, which offers gestures to clients (weston 10 does not) and sets
the first mouse alone left-handed. In each, the touchpad plays its behaviours (paths, scrolling, taps, clicks,
typing, gestures) and the mice click, first with nothing between them and the compositor, then through STEADIER.

Every wait is for a sign of readiness, bounded by a deadline. Writes to OUT: the devices' and the client's logs (one
client log per compositor), the compositors' logs and phases.json, which tests/Compositor/figures.py reads. Exits 0
when every phase ran.
"""
import json
import os
import signal
import subprocess
import sys
import threading
import time

HAND_NAME = 'Quellarine test hand'
HAND_ID = '7531:260'  # its vendor and product, as sway names devices
SECOND_HAND_NAME = 'Quellarine other test mouse'
PAD_NAME = 'Quellarine test touchpad'
START = (150, 300)  # far enough from the screen's edges for every path the session plays
# The compositor's libinput settings for each group of touchpad phases, all away from libinput's defaults somewhere.
TOUCHPAD_GROUPS = [
    ('flat', {'accel-profile': 'flat', 'accel-speed': '0', 'natural-scroll': 'true', 'enable-tap': 'false',
              'disable-while-typing': 'true'}),
    ('adaptive', {'accel-profile': 'adaptive', 'accel-speed': '0', 'natural-scroll': 'true', 'enable-tap': 'true',
                  'disable-while-typing': 'true', 'left-handed': 'true'}),
    # weston 10 offers its clients no gestures and sets every device alike: sway does both.
    ('sway', {'compositor': 'sway', 'accel-profile': 'flat', 'natural-scroll': 'true', 'enable-tap': 'true',
              'disable-while-typing': 'true', 'left-handed': HAND_NAME}),
]
# The touchpad's behaviours, each played as one phase: the pad's command and where the pointer starts (None:
# anywhere). Strokes are in pad units (30 a millimetre).
PAD_BEHAVIOURS = {
    'stroke': ('stroke 1 450 0 250', (150, 384)),
    'sweep': ('play sweep 1', (150, 384)),
    # A point of the drift as far on the desktop as the mouse's: 30 units a millimetre, a touchpad moving the pointer
    # 0.2968 times as far as a 1000 dpi mouse (libinput's constant).
    'drift': ('play drift 2.567', (300, 384)),
    'scroll': ('stroke 2 0 600 300', None),
    'tap': ('tap', None),
    'click': ('click', None),
    'typing': ('stroke 1 450 0 250', (150, 384)),
    'swipe 3': ('stroke 3 600 0 300', None),
    'swipe 4': ('stroke 4 0 -450 300', None),
    'pinch': ('pinch 450 300', None),
}
# The drift first, as the mouse's is played first: the steadier's tremor canceller keeps part of what it learnt for
# half a second after a pause, so a drift played after the sweep starts out cancelling the sweep's tremor.
GROUP_BEHAVIOURS = {
    'flat': ['drift', 'stroke', 'sweep', 'scroll', 'tap', 'click', 'typing'],
    'adaptive': ['stroke', 'sweep', 'scroll', 'tap', 'click', 'mouse clicks'],
    'sway': ['stroke', 'scroll', 'tap', 'swipe 3', 'swipe 4', 'pinch', 'mouse clicks'],
}


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=30):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise Failure(f'no {what} after {seconds} s')
        time.sleep(0.02)


class Lines:
    """A child's stdout, read on a thread of its own, each line kept and written to a log file."""

    def __init__(self, process, log):
        self.lines, self.process, self.log = [], process, open(log, 'w')
        self.changed = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.log.write(line)
            self.log.flush()
            with self.changed:
                self.lines.append(line.split())
                self.changed.notify_all()

    def expect(self, first_word, seconds=30, since=0):
        """The first line from index `since` on that starts with `first_word`, and the index after it."""
        deadline = time.monotonic() + seconds
        with self.changed:
            while True:
                for index in range(since, len(self.lines)):
                    if self.lines[index][:1] == [first_word]:
                        return self.lines[index], index + 1
                since = len(self.lines)
                remaining = deadline - time.monotonic()
                if remaining <= 0 or self.process.poll() is not None and since == len(self.lines):
                    raise Failure(f'no "{first_word}" line')
                self.changed.wait(remaining)


class Session:
    def __init__(self, out, build, steadier):
        self.out, self.build, self.steadier = out, build, steadier
        self.children = []
        self.phases = []
        self.accelerated = False  # whether the compositor accelerates the pointer
        self.env = dict(os.environ, XDG_RUNTIME_DIR='/run/user/0', WAYLAND_DISPLAY='wayland-0',
                        XDG_SESSION_TYPE='wayland')

    def start(self, command, **options):
        process = subprocess.Popen(command, env=options.pop('env', self.env), **options)
        self.children.append(process)
        return process

    def compositor_log(self):
        try:
            return open(self.compositor_log_path).read()
        except OSError:
            return ''

    def start_compositor(self):
        subprocess.run(['modprobe', 'bochs'], check=True)
        subprocess.run(['/lib/systemd/systemd-udevd', '--daemon'], check=True, stderr=subprocess.DEVNULL)
        subprocess.run(['udevadm', 'trigger', '--action=add'], check=True)
        subprocess.run(['udevadm', 'settle', '-t', '30'], check=True)
        wait_for('DRM card', lambda: os.path.exists('/dev/dri/card0'))
        os.makedirs('/run/user/0', mode=0o700, exist_ok=True)
        here = os.path.dirname(os.path.abspath(__file__))
        self.run_weston(os.path.join(here, 'weston.ini'), 'weston.log')

    def run_weston(self, config, log):
        self.compositor_log_path = os.path.join(self.out, log)
        self.compositor = self.start(['weston', '--socket=wayland-0', '--backend=drm-backend.so', '--use-pixman',
                                  '--tty=2', '--config=' + config, '--log=' + self.compositor_log_path])
        wait_for('compositor socket', lambda: os.path.exists('/run/user/0/wayland-0'), 60)

    def restart_compositor(self, group, settings):
        """The compositor again, set as `settings` say, and a new client: weston, with the base configuration's
        [libinput] settings replaced by `settings`, or sway, which can set a device's settings for it alone."""
        self.compositor.terminate()
        self.compositor.wait(30)
        if settings.get('compositor') == 'sway':
            self.run_sway(settings)
        else:
            wait_for('the compositor gone', lambda: not os.path.exists('/run/user/0/wayland-0'), 30)
            here = os.path.dirname(os.path.abspath(__file__))
            base = open(os.path.join(here, 'weston.ini')).read().split('[libinput]')[0]
            config = os.path.join(self.out, f'weston-{group}.ini')
            with open(config, 'w') as ini:
                ini.write(base + '[libinput]\n' + ''.join(f'{key}={value}\n' for key, value in settings.items()))
            self.run_weston(config, f'weston-{group}.log')
        for name in (HAND_NAME, SECOND_HAND_NAME, PAD_NAME):
            wait_for(f'{name} in the compositor', lambda: name in self.compositor_log().replace('_', ' '))
        self.start_client(f'client-{group}.log', screen=settings.get('compositor') != 'sway')

    def run_sway(self, settings):
        """sway on a screen of its own making, with libinput on the seat that seatd lends it: it will not run as
        root, and the emulated card cannot take its buffers."""
        runtime = '/run/user/65534'
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        os.chown(runtime, 65534, 65534)
        self.start(['seatd', '-u', 'nobody', '-g', 'nogroup'], stderr=subprocess.DEVNULL)
        wait_for('seatd', lambda: os.path.exists('/run/seatd.sock'))
        switch = {'true': 'enabled', 'false': 'disabled'}
        config = os.path.join(runtime, 'sway.conf')
        with open(config, 'w') as conf:
            conf.write('output * resolution 1024x768 bg #606060 solid_color\n'
                       'input type:touchpad {\n'
                       f"  tap {switch[settings['enable-tap']]}\n"
                       f"  natural_scroll {switch[settings['natural-scroll']]}\n"
                       f"  dwt {switch[settings['disable-while-typing']]}\n"
                       f"  accel_profile {settings['accel-profile']}\n"
                       '}\n'
                       f"input \"{HAND_ID}:{settings['left-handed'].replace(' ', '_')}\" left_handed enabled\n")
        self.compositor_log_path = os.path.join(self.out, 'sway.log')
        env = dict(self.env, XDG_RUNTIME_DIR=runtime, HOME=runtime, LIBSEAT_BACKEND='seatd',
                   WLR_BACKENDS='headless,libinput', WLR_HEADLESS_OUTPUTS='1', WLR_RENDERER='pixman')
        env.pop('WAYLAND_DISPLAY')
        self.compositor = self.start(['sway', '-d', '-c', config], env=env, user='nobody', group='nogroup',
                                     stdout=subprocess.DEVNULL, stderr=open(self.compositor_log_path, 'w'))
        wait_for('compositor socket', lambda: any(name.startswith('wayland-') and not name.endswith('.lock')
                                                  for name in os.listdir(runtime)), 60)
        socket = next(name for name in os.listdir(runtime) if name.startswith('wayland-') and '.' not in name)
        self.env['WAYLAND_DISPLAY'] = os.path.join(runtime, socket)

    def start_hand_and_client(self):
        self.hand = self.start_device('quellarine-hand-player', 'hand.log')
        self.hand_seen = 0
        # libinput takes the hand once udev has described it.
        wait_for('hand in the compositor', lambda: f"'{HAND_NAME}'" in self.compositor_log()
                 or f'- {HAND_NAME}: device is a pointer' in self.compositor_log())
        self.start_client('client.log')

    def start_device(self, program, log, *args):
        device = self.start([os.path.join(self.build, 'tests/Compositor', program), *args],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        lines = Lines(device, os.path.join(self.out, log))
        lines.expect('ready')
        return lines

    def start_client(self, log, screen=True):
        client = self.start([os.path.join(self.build, 'tests/Compositor/quellarine-motion-log')],
                            stdout=subprocess.PIPE, text=True, bufsize=1)
        self.client_log = log
        self.client = Lines(client, os.path.join(self.out, log))
        # The compositor tells a window that the pointer is over it when the pointer moves: nudge until it does.
        deadline = time.monotonic() + 60
        for step in range(10**6):
            self.tell_hand('move 1 0' if step % 2 == 0 else 'move -1 0', 'moved')
            try:
                self.client.expect('enter', 0.2)
                break
            except Failure:
                if time.monotonic() > deadline:
                    raise Failure('the client never saw the pointer')
        if screen:
            print('@@screendump ' + os.path.join(self.out, log.replace('.log', '.ppm')), flush=True)

    def tell_hand(self, command, answer):
        self.hand.process.stdin.write(command + '\n')
        line, self.hand_seen = self.hand.expect(answer, 60, self.hand_seen)
        return line

    def pointer(self):
        """Where the client last saw the pointer."""
        with self.client.changed:
            for words in reversed(self.client.lines):
                if words[0] == 'motion':
                    return float(words[3]), float(words[4])
                if words[0] == 'enter':
                    return float(words[2]), float(words[3])
        raise Failure('the client never saw the pointer')

    def wait_until_pointer_at(self, target, tolerance, seconds):
        wait_for(f'pointer at {target}', lambda: max(abs(a - b) for a, b in zip(self.pointer(), target))
                 <= tolerance, seconds)

    def place(self, target):
        """Moves the raw hand until the pointer is near `target`, in steps no device would find strange. A nudge
        may still be on its way when this begins, so the pointer ends within a point of `target`; once there, every
        move has arrived."""
        x, y = self.pointer()
        dx, dy = round(target[0] - x), round(target[1] - y)
        while dx or dy:
            sx, sy = max(-50, min(50, dx)), max(-50, min(50, dy))
            self.tell_hand(f'move {sx} {sy}', 'moved')
            dx, dy = dx - sx, dy - sy
        self.wait_until_pointer_at(target, 1, 10)

    def play(self, phase, path, rest_tolerance):
        start_pointer = self.pointer()
        first = self.hand_seen
        played = self.tell_hand(f'play {path}', 'played')
        samples = [[float(v) for v in words[1:]] for words in self.hand.lines[first:self.hand_seen - 1]
                   if words[0] == 'sample']
        end = (start_pointer[0] + float(played[2]), start_pointer[1] + float(played[3]))
        # At rest the pointer comes onto the hand.
        self.wait_until_pointer_at(end, rest_tolerance, 15)
        self.phases.append({'name': phase, 'path': path, 'pointer': start_pointer, 'samples': samples,
                            'rested': time.monotonic() * 1e3})

    def pointer_thread(self):
        """How the steadier's pointer thread is scheduled, as the kernel says."""
        tasks = f'/proc/{self.steadier_process.pid}/task'
        for tid in os.listdir(tasks):
            with open(f'{tasks}/{tid}/comm') as comm:
                if comm.read().strip() != 'pointer':
                    continue
            policy = os.sched_getscheduler(int(tid)) & ~0x40000000  # without SCHED_RESET_ON_FORK
            if policy in (os.SCHED_RR, os.SCHED_FIFO):
                return f'real-time priority {os.sched_getparam(int(tid)).sched_priority}'
            return f'nice level {os.getpriority(os.PRIO_PROCESS, int(tid))}'
        return 'no pointer thread'

    def play_loaded(self, phase, path, rest_tolerance):
        """Plays the path while a busy loop runs on every processor of the guest."""
        busy = [subprocess.Popen(['sh', '-c', 'while :; do :; done']) for _ in range(os.cpu_count() or 1)]
        try:
            self.play(phase, path, rest_tolerance)
        finally:
            for loop in busy:
                loop.kill()
                loop.wait()
        x, y = self.pointer()
        start = self.phases[-1]['pointer']
        played = self.hand.lines[self.hand_seen - 1]
        off = max(abs(x - start[0] - float(played[2])), abs(y - start[1] - float(played[3])))
        print(f'compositor session: {phase}: the pointer ended {off:g} px from the hand\'s net motion; the pointer '
              f'thread ran at {self.pointer_thread()}', flush=True)

    def start_keyboard(self):
        typist = self.start([os.path.join(self.build, 'tests/Compositor/quellarine-key-typist')],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.typist = Lines(typist, os.path.join(self.out, 'typist.log'))
        self.typist_seen = 0
        self.typist.expect('ready')
        subprocess.run(['udevadm', 'settle', '-t', '30'], check=True)

    def type_keys(self, keys):
        self.typist.process.stdin.write(f'chord {keys}\n')
        _, self.typist_seen = self.typist.expect('typed', 30, self.typist_seen)

    def setting(self, key):
        try:
            with open(os.path.join(self.out, 'home', 'config', 'temrid', 'Quellarine.ini')) as settings:
                for line in settings:
                    if line.startswith(key + '='):
                        return line.strip().split('=', 1)[1]
        except OSError:
            pass
        return None

    def hot_keys(self):
        """The hot keys switch modes and five presses of Ctrl turn smoothing off, as the settings show."""
        steps = [('ctrl alt m', 'preset', 'strong'), ('ctrl alt shift m', 'preset', 'balanced'),
                 ('ctrl alt s', 'filterOn', 'false'), ('ctrl alt s', 'filterOn', 'true')]
        for keys, key, value in steps:
            self.type_keys(keys)
            wait_for(f'{key}={value} after {keys}', lambda: self.setting(key) == value, 10)
        for _ in range(5):
            self.type_keys('ctrl')
        wait_for('smoothing off after five presses of Ctrl', lambda: self.setting('filterOn') == 'false', 10)
        print('compositor session: the hot keys switched modes and five presses of Ctrl turned smoothing off',
              flush=True)

    def start_steadier(self, others=()):
        """Starts STEADIER and waits until it holds the hand and `others` (the device programs' Lines) and the
        hand's motion reaches the client through it."""
        home = os.path.join(self.out, 'home')
        os.makedirs(os.path.join(home, 'config', 'temrid'), exist_ok=True)
        with open(os.path.join(home, 'config', 'temrid', 'Quellarine.ini'), 'w') as settings:
            settings.write('[General]\nwelcomed=true\npreset=balanced\n')
        env = dict(self.env, XDG_CONFIG_HOME=os.path.join(home, 'config'), XDG_DATA_HOME=os.path.join(home, 'data'),
                   QT_QPA_PLATFORM='offscreen', HOME=home)
        log = open(os.path.join(self.out, 'steadier.log'), 'a')
        self.steadier_process = self.start(self.steadier, env=env, stdout=log, stderr=subprocess.STDOUT)
        # The hand, once taken, reaches the compositor through its twin: a pointer of the hand's own name.
        twins = self.hand_pointers()
        self.tell_hand('await-grab', 'grabbed')
        for device in others:
            device.process.stdin.write('await-grab\n')
            device.expect('grabbed', 60, len(device.lines))
        wait_for("the hand's twin in the compositor", lambda: self.hand_pointers() > twins)
        # The whole chain works: a small move of the hand arrives, steadied, at the client (as far as the
        # compositor's acceleration takes it, when it has one).
        self.nudge(4, 1, 15)

    def hand_pointers(self):
        """How often the compositor has told of a pointer named like the hand."""
        log = self.compositor_log()
        return max(log.count(f"'{HAND_NAME}'"), log.count(f'- {HAND_NAME}: device is a pointer'),
                   log.count(f"adding device: '{HAND_ID}:{HAND_NAME.replace(' ', '_')}'"))

    def stop_steadier(self):
        self.steadier_process.send_signal(signal.SIGTERM)
        self.steadier_process.wait(30)
        # The hand is the user's again: its motion reaches the client unchanged.
        self.nudge(3, 0, 10)

    def nudge(self, distance, tolerance, seconds):
        """Moves the hand `distance` towards the screen's middle (a pointer at the edge could go no further) and
        waits for the pointer to arrive; with the compositor's acceleration, to move that way at all."""
        x, y = self.pointer()
        step = distance if x < 512 else -distance
        self.tell_hand(f'move {step} 0', 'moved')
        if self.accelerated:
            wait_for('the hand moving the pointer', lambda: (self.pointer()[0] - x) * step > 0, seconds)
        else:
            self.wait_until_pointer_at((x + step, y), tolerance, seconds)

    def settle(self, quiet=0.6, seconds=15):
        """Waits until the client has heard nothing for `quiet` seconds: what the devices did has all arrived."""
        deadline = time.monotonic() + seconds
        while True:
            count, since = len(self.client.lines), time.monotonic()
            while time.monotonic() - since < quiet:
                time.sleep(0.05)
                if len(self.client.lines) != count:
                    break
            else:
                return
            if time.monotonic() > deadline:
                raise Failure(f'the client never came to rest after {seconds} s')

    def place_near(self, target, tolerance=20):
        """Moves the pointer near `target` with the mouse, half the way at a time, so that the compositor's
        acceleration, whatever it is, brings it closer with every round."""
        for _ in range(30):
            x, y = self.pointer()
            dx, dy = round((target[0] - x) / 2), round((target[1] - y) / 2)
            if abs(target[0] - x) <= tolerance and abs(target[1] - y) <= tolerance:
                return
            while dx or dy:
                sx, sy = max(-10, min(10, dx)), max(-10, min(10, dy))
                self.tell_hand(f'move {sx} {sy}', 'moved')
                dx, dy = dx - sx, dy - sy
            self.settle(0.3)
        raise Failure(f'the pointer never came near {target}')

    def start_touchpad_devices(self):
        self.pad = self.start_device('quellarine-touchpad-player', 'touchpad.log')
        self.second_hand = self.start_device('quellarine-hand-player', 'second-hand.log', SECOND_HAND_NAME)
        subprocess.run(['udevadm', 'settle', '-t', '30'], check=True)

    def tell(self, device, command, answer):
        seen = len(device.lines)
        device.process.stdin.write(command + '\n')
        return device.expect(answer, 60, seen)[0]

    def touchpad_phase(self, group, settings, steadied, behaviour):
        """Plays one behaviour and keeps where its events are in the client's log."""
        self.settle(0.3)
        if behaviour != 'mouse clicks' and PAD_BEHAVIOURS[behaviour][1]:
            self.place_near(PAD_BEHAVIOURS[behaviour][1])
        pointer = self.pointer()
        client_first, pad_first = len(self.client.lines), len(self.pad.lines)
        if behaviour == 'mouse clicks':
            self.tell_hand('click', 'clicked')
            self.settle(1.0)
            self.tell(self.second_hand, 'click', 'clicked')
        else:
            if behaviour == 'typing':
                # The touch begins while the keys are still fresh: the typing guard holds it back.
                for key in ('a', 's', 'a'):
                    self.type_keys(key)
            self.tell(self.pad, PAD_BEHAVIOURS[behaviour][0], 'done')
        # A click may come well after the touch: libinput waits to tell a tap from a drag, the steadier's guard
        # may hold a press back for a while.
        self.settle(1.0 if behaviour in ('tap', 'click', 'mouse clicks') else 0.6)
        samples = [[float(v) for v in words[1:]] for words in self.pad.lines[pad_first:] if words[0] == 'sample']
        played = [words for words in self.pad.lines[pad_first:] if words[0] == 'played']
        self.phases.append({'name': f"{group} {'steadied' if steadied else 'raw'} {behaviour}", 'group': group,
                            'settings': settings, 'steadied': steadied, 'behaviour': behaviour, 'pointer': pointer,
                            'samples': samples,
                            'played': [float(v) for v in played[0][2:]] if played else None,
                            'client': self.client_log, 'client lines': [client_first, len(self.client.lines)]})

    def touchpad_groups(self):
        self.start_touchpad_devices()
        for group, settings in TOUCHPAD_GROUPS:
            # sway's settings here are the touchpad's; the mice keep libinput's acceleration.
            self.accelerated = settings.get('accel-profile') != 'flat' or settings.get('compositor') == 'sway'
            self.restart_compositor(group, settings)
            for steadied in (False, True):
                if steadied:
                    self.start_steadier((self.pad, self.second_hand))
                for behaviour in GROUP_BEHAVIOURS[group]:
                    self.touchpad_phase(group, settings, steadied, behaviour)
                if steadied:
                    self.stop_steadier()
            print(f'compositor session: the touchpad group "{group}" ran', flush=True)

    def run(self):
        self.start_compositor()
        self.start_hand_and_client()
        self.place(START)
        self.play('raw drift', 'drift', 0)
        self.start_keyboard()
        self.start_steadier()
        self.play('steadied drift', 'drift', 0)
        self.play('steadied sweep', 'sweep', 0)
        # A mouse reporting every millisecond, then the same on a loaded machine: it must end where the hand went.
        self.play('steadied drift 1 kHz', 'drift-1khz', 0)
        self.play_loaded('steadied drift 1 kHz loaded', 'drift-1khz', 2)
        self.hot_keys()
        self.stop_steadier()
        self.touchpad_groups()

    def stop(self):
        for process in reversed(self.children):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        with open(os.path.join(self.out, 'phases.json'), 'w') as phases:
            json.dump(self.phases, phases)


def main():
    out, build = sys.argv[1], sys.argv[2]
    steadier = sys.argv[4:] if sys.argv[3:4] == ['--'] else sys.argv[3:]
    os.makedirs(out, exist_ok=True)
    session = Session(out, build, steadier)
    began = time.monotonic()
    try:
        session.run()
        print(f'compositor session: every phase ran ({time.monotonic() - began:.1f} s in the guest)')
        return 0
    except (Failure, subprocess.SubprocessError, OSError) as failure:
        print(f'compositor session: {failure}', file=sys.stderr)
        return 1
    finally:
        session.stop()


if __name__ == '__main__':
    sys.exit(main())
