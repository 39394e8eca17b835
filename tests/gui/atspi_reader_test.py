#!/usr/bin/python3
"""The real program on a private X server and a private accessibility bus, read the way a
screen reader reads it: the tree over AT-SPI, a press on a radio button, the event that
carries the new chord line, and the chord list window's rows. Exits 77 (skipped) when a needed program is missing."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(why):
    print(f"SKIPPED: {why} (Debian: xvfb dbus-x11 at-spi2-core python3-pyatspi)")
    sys.exit(SKIP)


def start_services(home):
    for tool in ("Xvfb", "dbus-launch"):
        if shutil.which(tool) is None:
            skip(f"{tool} is missing")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        skip(f"{BUS_LAUNCHER} is missing")
    env = os.environ
    env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local",
               XDG_CACHE_HOME=f"{home}/.cache", XDG_RUNTIME_DIR=f"{home}/run")
    os.makedirs(f"{home}/run", mode=0o700)
    env.pop("QT_QPA_PLATFORM", None)
    read, write = os.pipe()
    # Without -noreset the server resets whenever its last client leaves (the bus launcher
    # does, at start), and a client connecting just then is refused.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                            stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as displays:
        env["DISPLAY"] = ":" + displays.readline().strip()
    out = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                         check=True).stdout
    for line in out.splitlines():
        if "=" in line and line.startswith("DBUS_SESSION_BUS_"):
            name, value = line.rstrip(";").split("=", 1)
            env[name] = value.strip("'")
    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
    return [bus, xvfb]


def main():
    program = sys.argv[1]
    home = tempfile.mkdtemp(prefix="vorlane-atspi-")
    services = start_services(home)
    os.makedirs(f"{home}/.config")
    with open(f"{home}/.config/Vorlane.conf", "w") as settings:
        settings.write("[General]\nTaal=Engels\nMidi=GeenMidi\nOctaaf=Laag\n")
    app = None
    try:
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi, GLib
        except (ImportError, ValueError):
            skip("the AT-SPI Python bindings are missing")
        app = subprocess.Popen([program], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        return read_window(Atspi, GLib)
    finally:
        for p in ([app] if app else []) + services:
            p.terminate()
            p.wait(timeout=10)
        shutil.rmtree(home, ignore_errors=True)


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def read_window(Atspi, GLib):
    window = None
    deadline = time.monotonic() + 30
    while window is None and time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            candidate = desktop.get_child_at_index(i)
            if candidate is not None and candidate.get_name() == "Vorlane" and \
                    candidate.get_child_count() > 0:
                window = candidate
        time.sleep(0.2)
    if window is None:
        print("FAIL: the program never appeared on the accessibility bus")
        return 1
    failures = []

    def check(what, got, expected):
        print(f"{'ok  ' if got == expected else 'FAIL'} {what}: {got!r}")
        if got != expected:
            failures.append(what)

    def has(node, state):
        return node.get_state_set().contains(state)

    def checked_radios(radios):
        return sorted(n.get_name() for n in radios if has(n, Atspi.StateType.CHECKED))

    # Start-up restores the settings once the window shows: wait for its language.
    deadline = time.monotonic() + 20
    while True:
        nodes = list(walk(window))
        radios = [n for n in nodes if n.get_role() == Atspi.Role.RADIO_BUTTON]
        if "English" in checked_radios(radios) or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    check("radio buttons", len(radios), 55)
    check("checked radio buttons", checked_radios(radios), ["C", "C", "English", "No Sound"])
    unnamed = [n.get_role_name() for n in nodes
               if n.get_role() in (Atspi.Role.LABEL, Atspi.Role.IMAGE)
               and has(n, Atspi.StateType.VISIBLE) and not n.get_name()]
    check("visible labels and images without a name", unnamed, [])
    keyboard = [n for n in nodes if n.get_name() == "Keyboard"]
    check("one keyboard", len(keyboard), 1)
    if not keyboard:
        return 1
    keyboard = keyboard[0]

    def keys():
        return [keyboard.get_child_at_index(i) for i in range(keyboard.get_child_count())]

    def selected():
        return [k.get_name() for k in keys() if has(k, Atspi.StateType.SELECTED)]

    check("keys", [keys()[i].get_name() for i in (0, 1, 35)] + [len(keys())],
          ["C3", "Db3", "B5", 36])
    check("selected keys at start", selected(), ["C3", "E3", "G3"])

    heard = []
    listener = Atspi.EventListener.new(
        lambda e: heard.append((e.type, e.source.get_name() if e.source else "", e.any_data)))
    for kind in ("object:property-change:accessible-name", "object:text-changed:insert"):
        listener.register(kind)

    def press(name, role=Atspi.Role.RADIO_BUTTON):
        button = next(n for n in walk(window) if n.get_role() == role and n.get_name() == name)
        Atspi.Accessible.get_action_iface(button).do_action(0)

    line = "Chord F#m7:   F# - A - C# - E"
    wanted = ["object:property-change:accessible-name", "object:text-changed:insert"]

    def carrying_line():
        return sorted({t for t, name, data in heard if line in (name, data)})

    # Events arrive through the main loop: run it until both have come, or for 20 s.
    loop = GLib.MainLoop()
    deadline = time.monotonic() + 20

    def poll():
        if carrying_line() == wanted or time.monotonic() > deadline:
            loop.quit()
            return False
        return True

    press("F#")
    press("F#m7")
    GLib.timeout_add(100, poll)
    loop.run()
    check("events carrying the new chord line", carrying_line(), wanted)
    check("selected keys after F# and m7", selected(), ["F#3", "A3", "C#4", "E4"])

    # Remembered, and the chord list opened from its button: a list of named rows.
    press("Remember Chord", Atspi.Role.PUSH_BUTTON)
    press("Chord List", Atspi.Role.PUSH_BUTTON)
    rows = []
    deadline = time.monotonic() + 20
    while not rows and time.monotonic() < deadline:
        time.sleep(0.2)
        app = window.get_application()
        lists = [n for i in range(app.get_child_count()) for n in walk(app.get_child_at_index(i))
                 if n.get_name() == "Remembered chords"]
        rows = [(lists[0].get_role_name(), lists[0].get_child_at_index(i).get_role_name(),
                 lists[0].get_child_at_index(i).get_name())
                for i in range(lists[0].get_child_count())] if lists else []
    check("the chord list's rows", rows,
          [("list", "list item", "F#m7:   F# - A - C# - E   (i7)")])
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
