"""Figures of session.py's touchpad and two-mouse phases: what the client received from each behaviour, with nothing
between the devices and the compositor (raw) and through the steadier, under each group of the compositor's
settings.

The raw phases must show the compositor's settings at work (taps click only when tapping is on, natural scrolling
turns the fingers' direction round, the typing guard holds the touchpad back, left-handed applies to its mouse
alone, gestures reach the client). Each steadied phase must then bring the client the same kinds of events: the same
speed and scrolling distance (within SPEED_TOLERANCE), the same scrolling direction, source, fine steps and stops,
the same clicks and gestures, and its drift steadied: at most TRAVEL_BAR of its raw travel left, and of its raw
tremor no more than TREMOR_ALLOWANCE above what the steadied mouse leaves of its own. libinput lets the first motion
of a touch go, which shifts the touchpad's whole path a little: its tremor is measured with that constant shift
taken out. The steadier's lag and its click guard's delay are expected, so no timing is compared.
"""
import os

SPEED_TOLERANCE = 0.10
TRAVEL_BAR = 0.6         # the touchpad's steadied drift leaves at most this of its raw travel, the mouse's bar
TREMOR_ALLOWANCE = 0.15  # and at most this much more of its raw tremor than the steadied mouse of its own: the pad
                         # keeps 0.06 to 0.09 more in every run so far, for a reason not yet found (at the twin the
                         # kernel scenario finds none); a pad not steadied at all keeps near 1.0
HELD_BACK_PX = 5         # a stroke the typing guard holds back moves the pointer no further than this
SOURCES = {'0': 'wheel', '1': 'finger', '2': 'continuous', '3': 'tilt'}
HAND_NAME = 'Quellarine test hand'
SECOND_HAND_NAME = 'Quellarine other test mouse'
SCREEN = (1024, 768)


class Logs:
    def __init__(self, out):
        self.out, self.files = out, {}

    def lines(self, name, span):
        if name not in self.files:
            self.files[name] = [line.split() for line in open(os.path.join(self.out, name))]
        return self.files[name][span[0]:span[1]]


def received(phase, logs):
    """What one phase brought the client."""
    client = logs.lines(phase['client'], phase['client lines'])
    x0, y0 = phase['pointer']
    motions = [(float(w[2]), float(w[3]), float(w[4])) for w in client if w[0] == 'motion']
    last = motions[-1][1:] if motions else (x0, y0)
    vertical = [float(w[4]) for w in client if w[0] == 'axis' and w[3] == '0']
    return {
        'moved': (last[0] - x0, last[1] - y0),
        'at edge': any(x <= 0 or x >= SCREEN[0] - 1 or y <= 0 or y >= SCREEN[1] - 1 for _, x, y in motions),
        'motions': motions,
        'presses': [int(w[3]) for w in client if w[0] == 'button' and w[4] == '1'],
        'releases': sum(1 for w in client if w[0] == 'button' and w[4] == '0'),
        'scrolled': sum(vertical),
        'scroll steps': sum(1 for v in vertical if v != 0),
        'sources': sorted({SOURCES.get(w[2], w[2]) for w in client if w[0] == 'axis_source'}),
        'discrete': sum(1 for w in client if w[0] in ('axis_discrete', 'axis_value120')),
        'stops': sum(1 for w in client if w[0] == 'axis_stop' and w[3] == '0'),
        'gestures': sorted((w[0].split('_')[0], int(w[3])) for w in client if w[0].endswith('_begin')),
    }


def drift_figures(phase, got, phase_figures):
    """Tremor left and travel as figures.py measures the mouse's, with the pad's path scaled to the pixels the
    phase itself moved (its speed is judged by the stroke and the sweep)."""
    played_dx = phase['played'][0] if phase['played'] else 0
    scale = got['moved'][0] / played_dx if played_dx else 0
    if scale <= 0 or not phase['samples']:
        return None
    scaled = dict(phase, samples=[[s[0]] + [v * scale for v in s[1:]] for s in phase['samples']],
                  rested=max(t for t, _, _ in got['motions']) if got['motions'] else phase['samples'][-1][0])
    return phase_figures(scaled, got['motions'], shifted=True)


def summary(behaviour, got, drift):
    if behaviour in ('stroke', 'sweep', 'typing'):
        return f"moved {got['moved'][0]:6.1f} px" + (' to the edge' if got['at edge'] else '')
    if behaviour == 'drift':
        if drift is None:
            return 'no motion'
        return f"tremor left {drift['tremor left']:.2f}  travel {drift['travel']:.2f}  presses {got['presses']}"
    if behaviour == 'scroll':
        return (f"{got['scrolled']:7.1f} in {got['scroll steps']} steps from {'/'.join(got['sources']) or '-'},"
                f" {got['discrete']} whole steps, {got['stops']} stops")
    if behaviour in ('tap', 'click'):
        return f"presses {got['presses']} releases {got['releases']}"
    if behaviour.startswith('swipe') or behaviour == 'pinch':
        return f"{got['gestures'] or '-'}"
    return f"presses {got['presses']}"


def raw_faults(group, behaviour, got, settings):
    """Where the raw phase does not show the compositor's setting at work: then the harness is at fault."""
    faults = []
    expect_gesture = {'swipe 3': ('swipe', 3), 'swipe 4': ('swipe', 4), 'pinch': ('pinch', 2)}
    if behaviour in ('stroke', 'sweep') and (got['moved'][0] <= 50 or got['at edge']):
        faults.append(f"moved the pointer {got['moved'][0]:.1f} px" + (' to the edge' if got['at edge'] else ''))
    if behaviour == 'typing' and abs(got['moved'][0]) > HELD_BACK_PX:
        faults.append(f"the typing guard let the touchpad move the pointer {got['moved'][0]:.1f} px")
    if behaviour == 'tap':
        wanted = 1 if settings.get('enable-tap') == 'true' else 0
        if len(got['presses']) != wanted or got['releases'] != wanted:
            faults.append(f"{len(got['presses'])} clicks with tapping {settings.get('enable-tap')}")
    if behaviour == 'click' and (len(got['presses']) != 1 or got['releases'] != 1):
        faults.append(f"{len(got['presses'])} clicks for one")
    if behaviour == 'scroll':
        natural = settings.get('natural-scroll') == 'true'
        if got['sources'] != ['finger'] or got['discrete'] or not got['stops'] or (got['scrolled'] < 0) != natural:
            faults.append('not the fine finger scrolling, ' + ('natural' if natural else 'traditional') + ', with stop')
    if behaviour in expect_gesture:
        wanted = expect_gesture[behaviour]
        if got['gestures'] != [wanted]:
            faults.append(f"{got['gestures']} for {wanted}")
    if behaviour == 'mouse clicks':
        # Left-handed for every device ('true'), for the one named, or for none.
        left_handed = settings.get('left-handed', 'false')
        wanted = [273 if left_handed in ('true', name) else 272 for name in (HAND_NAME, SECOND_HAND_NAME)]
        if got['presses'] != wanted:
            faults.append(f"the client's buttons {got['presses']} (left-handed: {left_handed})")
    return [f'{group} raw {behaviour}: {fault}' for fault in faults]


def differences(group, behaviour, raw, steadied, drift, mouse_drift):
    """Where the steadied phase does not bring the client what the raw one did. `drift` holds the drift's figures,
    raw and steadied; `mouse_drift` the mouse's, raw and steadied."""
    faults = []
    if behaviour in ('stroke', 'sweep'):
        ratio = steadied['moved'][0] / raw['moved'][0] if raw['moved'][0] else 0
        if abs(ratio - 1) > SPEED_TOLERANCE or steadied['at edge']:
            faults.append(f'speed {ratio:.2f} of the raw touchpad' + (' or more: it reached the screen\'s edge'
                                                                      if steadied['at edge'] else ''))
    if behaviour == 'typing' and abs(steadied['moved'][0]) > HELD_BACK_PX:
        faults.append(f"the typing guard let it move the pointer {steadied['moved'][0]:.1f} px")
    if behaviour == 'scroll':
        ratio = steadied['scrolled'] / raw['scrolled'] if raw['scrolled'] else 0
        if ratio <= 0:
            faults.append('scrolled the other way' if steadied['scrolled'] else 'did not scroll')
        elif abs(ratio - 1) > SPEED_TOLERANCE:
            faults.append(f'scrolled {ratio:.2f} of the distance')
        if steadied['sources'] != raw['sources']:
            faults.append(f"source {steadied['sources']}, not {raw['sources']}")
        if steadied['discrete'] > raw['discrete'] or 2 * steadied['scroll steps'] < raw['scroll steps']:
            faults.append(f"{steadied['scroll steps']} steps ({steadied['discrete']} whole), not "
                          f"{raw['scroll steps']} ({raw['discrete']} whole)")
        if bool(steadied['stops']) != bool(raw['stops']):
            faults.append(f"{steadied['stops']} stops, not {raw['stops']}")
    if behaviour in ('tap', 'click', 'mouse clicks', 'drift') and (steadied['presses'] != raw['presses']
                                                                   or steadied['releases'] != raw['releases']):
        faults.append(f"presses {steadied['presses']} with {steadied['releases']} releases, not {raw['presses']} "
                      f"with {raw['releases']}")
    if behaviour.startswith('swipe') or behaviour == 'pinch':
        if steadied['gestures'] != raw['gestures']:
            faults.append(f"gestures {steadied['gestures'] or 'none'}, not {raw['gestures']}")
    if behaviour == 'drift':
        # Each against its own raw figures: libinput's handling of a touch adds a little of its own to the raw pad's.
        (raw_drift, steadied_drift), (raw_mouse, steadied_mouse) = drift, mouse_drift
        if raw_drift is None or steadied_drift is None:
            faults.append('no motion')
        else:
            left = steadied_drift['tremor left'] / raw_drift['tremor left']
            mouse_left = steadied_mouse['tremor left'] / raw_mouse['tremor left']
            travel = steadied_drift['travel'] / raw_drift['travel']
            print(f'{group} drift: {left:.2f} of its tremor left at the client, the mouse {mouse_left:.2f} of its own')
            if left > mouse_left + TREMOR_ALLOWANCE:
                faults.append(f"{left:.2f} of its tremor left, the mouse {mouse_left:.2f} of its own")
            if travel > TRAVEL_BAR:
                faults.append(f"{travel:.2f} of its travel left (at most {TRAVEL_BAR})")
    return [f'{group} steadied {behaviour}: {fault}' for fault in faults]


def touchpad_figures(out, phases, mouse_drift, phase_figures):
    """Prints the table; returns the raw phases' faults and the steadied phases' differences."""
    logs = Logs(out)
    by_name = {p['name']: p for p in phases if 'group' in p}
    raw_failures, steadied_failures = [], []
    print(f"{'touchpad and mice':24s} {'raw':58s} | steadied")
    for phase in by_name.values():
        if phase['steadied']:
            continue
        group, behaviour = phase['group'], phase['behaviour']
        raw = received(phase, logs)
        raw_drift = drift_figures(phase, raw, phase_figures) if behaviour == 'drift' else None
        raw_failures += raw_faults(group, behaviour, raw, phase['settings'])
        other = by_name.get(f'{group} steadied {behaviour}')
        line = f'{group + " " + behaviour:24s} {summary(behaviour, raw, raw_drift):58s} |'
        if other:
            steadied = received(other, logs)
            drift = drift_figures(other, steadied, phase_figures) if behaviour == 'drift' else None
            found = differences(group, behaviour, raw, steadied, (raw_drift, drift), mouse_drift)
            line += f' {summary(behaviour, steadied, drift)}' + ('   DIFFERS' if found else '')
            steadied_failures += found
        print(line)
    return raw_failures, steadied_failures
