#!/usr/bin/env python3
"""The real program heard: a private PulseAudio server with a null sink, the window under the X
server that xvfb-run gives, "Слушать сигнал" by its shortcut, the sink's monitor recorded with parec
and analysed by DFT, the program's stream on the server. Then a keystroke, and the sound follows;
then the item off: silence, and the stream closed.

    hear_window.py TOVENAL        exit 77 (skipped) where pulseaudio, parec or xdotool is missing
"""
import cmath
import math
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

RATE = 48000
FULL_SCALE = 32767 * 0.5  # 1 V of the signal is half of full scale


def record(env):
    """0.1 s from the middle of 2 s of the null sink's monitor. parec needs a few hundred
    milliseconds before the first samples arrive and keeps what it holds only when stopped by
    SIGINT, so it records long enough that its middle is certainly there."""
    parec = subprocess.Popen(["parec", "-d", "null.monitor", "--format=s16le", f"--rate={RATE}",
                              "--channels=1", "--raw", "--latency-msec=10"],
                             stdout=subprocess.PIPE, env=env)
    time.sleep(2)
    parec.send_signal(signal.SIGINT)
    data, _ = parec.communicate(timeout=10)
    samples = struct.unpack(f"<{len(data) // 2}h", data[: len(data) // 2 * 2])
    start = max(len(samples) // 2 - RATE // 20, 0)
    return samples[start:start + RATE // 10]


def volts(samples, frequency):
    """The amplitude of one frequency over the samples (a whole number of its periods)."""
    n = int(int(len(samples) * frequency / RATE) * RATE / frequency)
    turn = 2j * math.pi * frequency / RATE
    total = sum(x * cmath.exp(turn * i) for i, x in enumerate(samples[:n]))
    return 2 * abs(total) / max(n, 1) / FULL_SCALE


def expect_square_wave(samples, f1, heard, label):
    """A square wave of 1 V: odd harmonics of 2 / (pi k) V (pi = 3.14 in the coefficients, so
    within 0.1 %), no even ones, none at or above 20 kHz."""
    if len(samples) < RATE // 20:
        sys.exit(f"FAIL: {label}: only {len(samples)} samples recorded")
    beyond = heard // 2 * 2 + 3  # the first odd harmonic past the heard ones
    for k in list(range(1, 8)) + [beyond]:
        expected = 2 / (math.pi * k) if k % 2 == 1 and k <= heard else 0.0
        tolerance = 0.01 + 0.01 * expected if k < 8 else 0.005
        if abs((measured := volts(samples, k * f1)) - expected) > tolerance:
            sys.exit(f"FAIL: {label}: harmonic {k} at {k * f1} Hz is {measured:.4f} V, "
                     f"not {expected:.4f} V")
    print(f"{label}: pitch {f1} Hz, odd harmonics 1…{heard} at 2/(pi k) V")


def streams(env):
    """The playback streams the server holds."""
    return subprocess.run(["pactl", "list", "short", "sink-inputs"], env=env, check=True,
                          capture_output=True, text=True).stdout.splitlines()


def main():
    if not all(map(shutil.which, ("pulseaudio", "parec", "pactl", "xdotool"))):
        print("pulseaudio, parec, pactl or xdotool is missing: skipped")
        return 77
    runtime = tempfile.mkdtemp(prefix="tovenal-pulse-")
    os.chmod(runtime, 0o700)
    # The test suites run offscreen; this one needs the real window on the X server.
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, PULSE_SERVER=f"unix:{runtime}/pulse/native",
               HOME=runtime, QT_QPA_PLATFORM="xcb")
    server = subprocess.Popen(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                               "-L", "module-null-sink", "-L", "module-native-protocol-unix"],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    try:
        for _ in range(100):
            if subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        else:
            sys.exit("FAIL: the private PulseAudio server did not start")
        # A square wave at f1 = 1 kHz: harmonics 1…19 lie below 20 kHz.
        window = subprocess.Popen([sys.argv[1], "--packet", "1,0,0,0,0,0,0,1", "--unit", "500",
                                   "--range", "1,20"], env=env)
        wid = subprocess.run(["xdotool", "search", "--sync", "--name", "Tovenal"], env=env,
                             capture_output=True, text=True, timeout=60).stdout.split()[0]

        def xdo(*args, wait=0.3):
            subprocess.run(["xdotool", *args], env=env, check=True)
            time.sleep(wait)

        xdo("mousemove", "--window", wid, "700", "300", "click", "1")
        xdo("key", "ctrl+l")
        expect_square_wave(record(env), 1000, 19, "Ctrl+L")
        # The unit time typed as 250 µs: f1 = 2 kHz, harmonics 1…9 heard, within 150 ms.
        xdo("mousemove", "--window", wid, "170", "578", "click", "1", "key", "ctrl+a",
            "type", "--delay", "30", "250", wait=0.15)
        expect_square_wave(record(env), 2000, 9, "unit 250")
        if len(playing := streams(env)) != 1:
            sys.exit(f"FAIL: unit 250: {len(playing)} streams on the server, not the program's one")
        # Unchecked: a short fade, then silence, and the device let go.
        xdo("key", "ctrl+l", wait=0.2)
        if max(map(abs, quiet := record(env)), default=0) > 1:
            sys.exit(f"FAIL: unchecked: still sounding, up to {max(map(abs, quiet))}")
        if playing := streams(env):
            sys.exit(f"FAIL: unchecked: the stream is still open: {playing}")
        # Выход while playing ends the program at once, with exit code 0.
        xdo("key", "ctrl+l", wait=0.2)
        xdo("mousemove", "--window", wid, "900", "560", "click", "1", wait=0)
        if (code := window.wait(timeout=5)) != 0:
            sys.exit(f"FAIL: Выход while playing: exit code {code}")
        print("Ctrl+L again: silence, the stream closed; Выход while playing: exit code 0")
        return 0
    finally:
        if window is not None and window.poll() is None:
            window.kill()
        server.terminate()
        server.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
