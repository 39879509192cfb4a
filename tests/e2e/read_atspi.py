#!/usr/bin/env python3
"""Reads the real program as a screen reader does: over AT-SPI, on a private X server and a private
session bus. Exits 77 (skipped) when Xvfb, dbus-run-session or the AT-SPI packages (python3-gi,
gir1.2-atspi-2.0, at-spi2-core) are missing.   Usage: read_atspi.py PATH_TO_TOVENAL
"""
import os
import shutil
import subprocess
import sys
import time

# What the default window reads once its first pass has run: the period and f1 by their values,
# described by what they are, and each plot with the start of its description and 21 lines.
VALUES = {"300": "Период посылки, мкс", "3.33333333333333": "f1, кГц"}
PLOTS = {"Амплитудный спектр": "Число гармоник 20,", "Фазовый спектр": "Число гармоник 20.",
         "Восстановленный сигнал": "Гармоники с 0 по 20,"}
LINE_5 = "k = 5; f = 16.67 кГц; A = 110 мВ; φ = -29°"


def walk(node):
    """Every accessible object under node, the lines inside the plots too."""
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def read_window(Atspi):
    """What the window's objects say, by name: (description, role, child count)."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application is not None and application.get_name() == "Tovenal":
            return {node.get_name(): (node.get_description(), node.get_role(),
                                      node.get_child_count()) for node in walk(application)}
    return {}


def check(Atspi, binary):
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = ":" + os.read(read, 16).decode().strip()
    environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([binary], env=environment)
    try:
        deadline = time.time() + 30
        objects = read_window(Atspi)
        while time.time() < deadline and not all(name in objects for name in VALUES):
            time.sleep(0.2)
            objects = read_window(Atspi)
    finally:
        program.terminate()
        program.wait(10)
        server.terminate()
        server.wait(10)
    failures = [f"no object reads {name!r} described as {description!r}"
                for name, description in VALUES.items()
                if objects.get(name, ("",))[0] != description]
    for name, start in PLOTS.items():
        description, role, lines = objects.get(name, ("", None, 0))
        if role != Atspi.Role.CHART or not description.startswith(start) or lines != 21:
            failures.append(f"the plot {name!r} reads {description!r} with {lines} lines")
    if LINE_5 not in objects:
        failures.append(f"no line reads {LINE_5!r}")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
    except (ImportError, ValueError):
        print("skipped: python3-gi or gir1.2-atspi-2.0 is missing")
        sys.exit(77)
    launchers = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
    if not (shutil.which("Xvfb") and shutil.which("dbus-run-session")
            and any(map(os.path.exists, launchers))):
        print("skipped: Xvfb, dbus-run-session or at-spi2-core is missing")
        sys.exit(77)
    # A private session bus, on which the accessibility bus starts when first asked for.
    if os.environ.get("TOVENAL_PRIVATE_BUS") != "1":
        os.environ["TOVENAL_PRIVATE_BUS"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable,
                                       os.path.abspath(__file__), sys.argv[1]])
    failures = check(Atspi, sys.argv[1])
    print("\n".join("FAIL: " + failure for failure in failures) or "read over AT-SPI as expected")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
