#!/usr/bin/env python3
"""Reads the period and f1 of the real program over AT-SPI as a screen reader does, on a private X
server and session bus. Exits 77 (skipped) where Xvfb, dbus-run-session or the AT-SPI packages
(python3-gi, gir1.2-atspi-2.0, at-spi2-core) are missing.   Usage: read_atspi.py PATH_TO_TOVENAL
"""
import os
import shutil
import subprocess
import sys
import time

# The default window's labels by their values, described by what they are.
EXPECTED = {"300": "Период посылки, мкс", "3.33333333333333": "f1, кГц"}


def descriptions(node):
    """The description of each object from node down, by name."""
    found = {node.get_name(): node.get_description()}
    for child in filter(None, map(node.get_child_at_index, range(node.get_child_count()))):
        found.update(descriptions(child))
    return found


def main():
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
    except (ImportError, ValueError):
        Atspi = None
    launchers = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
    if not (Atspi and shutil.which("Xvfb") and shutil.which("dbus-run-session")
            and any(map(os.path.exists, launchers))):
        print("skipped: Xvfb, dbus-run-session or the AT-SPI packages are missing")
        sys.exit(77)
    if os.environ.get("TOVENAL_PRIVATE_BUS") != "1":  # the accessibility bus starts when asked for
        os.environ["TOVENAL_PRIVATE_BUS"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    xvfb = ["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"]
    server = subprocess.Popen(xvfb, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    program = subprocess.Popen([sys.argv[1]], env=dict(
        os.environ, DISPLAY=":" + server.stdout.readline().strip(), QT_QPA_PLATFORM="xcb",
        LC_ALL="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        found, deadline = {}, time.time() + 30
        while not EXPECTED.items() <= found.items() and time.time() < deadline:
            time.sleep(0.2)
            found = descriptions(Atspi.get_desktop(0))
    finally:
        for process in (program, server):
            process.terminate()
            process.wait(10)
    failures = [f"FAIL: {name!r} reads as {found.get(name)!r}, not {description!r}"
                for name, description in EXPECTED.items() if found.get(name) != description]
    print("\n".join(failures) or "read over AT-SPI as expected")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
