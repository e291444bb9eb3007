#!/usr/bin/env python3
"""Helper of bench/measure_sound.sh.

record OUT_PREFIX DEVICE: runs parec on DEVICE and keeps what it hears in
    OUT_PREFIX.raw (s16le, mono, 44100 Hz), with the wall-clock time at which
    every block arrived in OUT_PREFIX.times, until it is sent SIGTERM.
delays OUT_PREFIX GAME_LOG: matches every sound that the game's log says it
    started ("gloob: sound NAME of HANDLER at MICROS us") with the first onset
    in the recording after it, and prints the delays.
"""
import array
import bisect
import os
import signal
import subprocess
import sys
import time

RATE = 44100
# A sound starts where the recording first rises above this after silence
# (the effects peak at -3 dBFS and fade in over 2 ms).
THRESHOLD = 0.02 * 32768
# Silence needed before a start for it to count as that sound's own.
QUIET_BEFORE_S = 0.03
# An onset this long after its start is not its own (the sound got lost).
GIVE_UP_S = 0.2
# Two starts closer than this cannot be told apart in the recording.
APART_S = 0.06


def record(prefix, device):
    parec = subprocess.Popen(
        ["parec", "-d", device, "--format=s16le", "--rate=%d" % RATE, "--channels=1",
         "--latency-msec=2"], stdout=subprocess.PIPE)
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    total = 0
    with open(prefix + ".raw", "wb") as raw, open(prefix + ".times", "w") as times:
        fd = parec.stdout.fileno()
        while not stop:
            try:
                block = os.read(fd, 4096)
            except InterruptedError:
                continue
            arrived = time.time_ns() // 1000
            if not block:
                break
            raw.write(block)
            total += len(block)
            times.write("%d %d\n" % (arrived, total // 2))
    parec.terminate()
    parec.wait()


def delays(prefix, game_log):
    samples = array.array("h")
    with open(prefix + ".raw", "rb") as raw:
        data = raw.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    arrivals = []  # (sample count after the block, wall-clock micros it arrived)
    with open(prefix + ".times") as times:
        for line in times:
            micros, count = line.split()
            arrivals.append((int(count), int(micros)))
    counts = [count for count, _ in arrivals]

    # A sample is heard no later than its block reached the recorder.
    def time_of(index):
        block = bisect.bisect_right(counts, index)
        return arrivals[min(block, len(arrivals) - 1)][1]

    # The first sample of the first block that arrived at or after a wall-clock time.
    def first_sample_after(micros):
        before = 0
        for count, arrived in arrivals:
            if arrived >= micros:
                return before
            before = count
        return len(samples)

    starts, ahead = [], []
    with open(game_log) as log:
        for line in log:
            words = line.split()
            if len(words) >= 7 and words[:2] == ["gloob:", "sound"] and "at" in words:
                starts.append((int(words[words.index("at") + 1]), words[2]))
            elif words[:3] == ["gloob:", "sound", "stream:"]:
                ahead += [float(words[3])] * int(words[7])

    quiet = int(QUIET_BEFORE_S * RATE)
    found, skipped, unheard = [], 0, []
    for k, (micros, name) in enumerate(starts):
        # No block that reached the recorder before the start can hold the sound.
        begin = first_sample_after(micros)
        window = samples[max(0, begin - quiet):begin]
        crowded = k + 1 < len(starts) and starts[k + 1][0] - micros < APART_S * 1e6
        if crowded or any(abs(s) > THRESHOLD for s in window):
            skipped += 1  # another effect still sounds: its start cannot be told apart
            continue
        onset = None
        end = min(len(samples), begin + int(GIVE_UP_S * RATE))
        # What sounds after the next start may be that one's.
        if k + 1 < len(starts):
            end = min(end, first_sample_after(starts[k + 1][0]))
        for i in range(begin, end):
            if abs(samples[i]) > THRESHOLD:
                onset = i
                break
        if onset is None:
            unheard.append("%s at %.3f s" % (name, (micros - starts[0][0]) / 1e6))
            continue
        found.append(((time_of(onset) - micros) / 1000.0, name))

    if not found:
        print("measure_sound: no sound found in the recording", file=sys.stderr)
        sys.exit(1)
    values = sorted(d for d, _ in found)

    def percentile(p):
        return values[min(len(values) - 1, len(values) * p // 100)]

    print("sounds started by the game: %d, measured: %d, overlapping others: %d, not heard: %d"
          % (len(starts), len(found), skipped, len(unheard)))
    if unheard:
        print("  not heard: " + ", ".join(unheard[:10]))
    print("handler to onset: median %.1f ms, p95 %.1f ms, max %.1f ms"
          % (percentile(50), percentile(95), values[-1]))
    if ahead:
        # Measured starts are those from silence; one that joins a sounding
        # stream waits behind what the stream still holds.
        ahead.sort()
        held = ahead[min(len(ahead) - 1, len(ahead) * 95 // 100)]
        print("stream still to play ahead of a start: median %.1f ms, p95 %.1f ms, max %.1f ms"
              % (ahead[len(ahead) // 2], held, ahead[-1]))
        print("every start, p95 of both added: %.1f ms" % (held + percentile(95)))
    per_effect = {}
    for delay, name in found:
        per_effect.setdefault(name, []).append(delay)
    for name in sorted(per_effect):
        d = sorted(per_effect[name])
        print("  %-10s %3d sounds, median %.1f ms" % (name, len(d), d[len(d) // 2]))


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "record":
        record(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 4 and sys.argv[1] == "delays":
        delays(sys.argv[2], sys.argv[3])
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
