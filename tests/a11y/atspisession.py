"""What the screen-reader tests share: a private desktop session (Xvfb,
openbox, a session bus with the accessibility bus on it) for the installed
program, keys sent with xdotool, and libatspi read the way a screen reader
reads it. Every wait has a deadline; whatever a test starts is stopped by its
process id when it ends.
"""

import argparse
import os
import re
import select
import shlex
import shutil
import subprocess
import tempfile
import time

TIMEOUT = 20  # seconds, for any one thing to happen
TRADITIONS = ["Indian", "Chinese", "Japanese", "Egyptian", "English", "Arabian", "Native American"]
CAPTIONS = [t + " Good Luck Symbols" for t in TRADITIONS]
OFFERS = ("Home Business Opportunity.", "Co-brand this software")
failures = []


def step(text):
    print("--", text, flush=True)


def check(condition, text):
    """A check that lets the run go on when it fails."""
    if not condition:
        failures.append(text)
        print("FAIL:", text, flush=True)
    return condition


class Fatal(Exception):
    """A failure after which the session cannot go on."""


def require(condition, text):
    if not condition:
        raise Fatal(text)


def poll(predicate, what, timeout=TIMEOUT):
    """Waits until predicate() returns something true and returns it."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = predicate()
        except Exception:  # an object that went away while we looked
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Fatal(what)
        time.sleep(0.1)


# --- the session ----------------------------------------------------------------------------------------------

class Session:
    """Xvfb, openbox, a private session bus with the accessibility bus, the program."""

    def __init__(self, work):
        self.work = work
        self.processes = []  # started here, stopped in reverse order
        self.env = None
        self.app = None

    def start(self, name, command, **kwargs):
        with open(os.path.join(self.work, name + ".log"), "wb") as log:
            process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, **kwargs)
        self.processes.append((name, process))
        return process

    def read_line(self, fd, what):
        """One line a child writes to the pipe it was handed."""
        data = b""
        deadline = time.monotonic() + TIMEOUT
        while not data.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([fd], [], [], max(remaining, 0))
            require(ready, what)
            chunk = os.read(fd, 256)
            require(chunk, what)
            data += chunk
        os.close(fd)
        return data.decode().strip()

    def stop(self):
        # Which of them had ended before they were asked to, and how.
        self.ended = [(name, process.returncode) for name, process in self.processes
                      if process.poll() is not None]
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def logs(self):
        """The end of every log the session wrote: its processes' and what a test kept."""
        for name, status in getattr(self, "ended", []):
            print("--- %s had ended by itself, status %s" % (name, status))
        for name in sorted(f for f in os.listdir(self.work) if f.endswith(".log")):
            path = os.path.join(self.work, name)
            if os.path.isfile(path) and os.path.getsize(path):
                print("---", name)
                with open(path, errors="replace") as log:
                    print("".join(log.readlines()[-60:]))


def private_environment(work, prefix):
    for folder in ("home", "config", "runtime", "fakebin"):
        os.makedirs(os.path.join(work, folder))
    os.chmod(os.path.join(work, "runtime"), 0o700)
    urls = os.path.join(work, "urls.txt")
    open(urls, "w").close()
    fake = os.path.join(work, "fakebin", "xdg-open")
    with open(fake, "w") as script:
        script.write("#!/bin/sh\n# Stands in for the browser: writes down the address and returns.\n")
        script.write("printf '%%s\\n' \"$*\" >>'%s'\n" % urls)
    os.chmod(fake, 0o755)
    env = dict(os.environ)
    for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP",
                 "DESKTOP_SESSION", "BROWSER", "QT_ACCESSIBILITY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"):
        env.pop(name, None)
    env.update(HOME=os.path.join(work, "home"), XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_RUNTIME_DIR=os.path.join(work, "runtime"), QT_QPA_PLATFORM="xcb",
               PATH=os.pathsep.join([os.path.join(work, "fakebin"), os.path.join(prefix, "bin"), env["PATH"]]))
    return env, urls


def start_display(session):
    read, write = os.pipe()
    session.start("xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                  pass_fds=[write])
    os.close(write)
    session.env["DISPLAY"] = ":" + session.read_line(read, "Xvfb did not start")
    # openbox announces itself on the root window early in its start-up, but a
    # window mapped before it has finished starting is never managed: wait for
    # the command it runs once it has.
    ready = os.path.join(session.work, "wm-ready")
    session.start("wm", ["openbox", "--sm-disable", "--startup", "touch " + shlex.quote(ready)], env=session.env)
    poll(lambda: os.path.exists(ready), "openbox did not start")


def start_buses(session):
    """The private session bus, the accessibility bus beside it, and a screen reader's request for it."""
    read, write = os.pipe()
    session.start("session-bus", ["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write],
                  pass_fds=[write], env=session.env)
    os.close(write)
    address = session.read_line(read, "the session bus did not start")
    session.env["DBUS_SESSION_BUS_ADDRESS"] = address
    session.start("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=session.env)

    from gi.repository import Gio, GLib
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    bus = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)

    def accessibility_bus():
        reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 1000, None)
        return reply.unpack()[0]

    poll(accessibility_bus, "the accessibility bus did not start")
    # What a screen reader does when it starts: programs started from now on
    # register on the accessibility bus.
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 3000, None)
    # libatspi finds the buses through the environment of this process.
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    os.environ["DISPLAY"] = session.env["DISPLAY"]


# --- reading ----------------------------------------------------------------------------------------------------

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError):  # reported by check_tools()
    Atspi = None


def pump():
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def has(accessible, state):
    return accessible.get_state_set().contains(state)


def showing(accessible):
    """On view, as a screen reader decides it: both showing and visible."""
    return has(accessible, Atspi.StateType.SHOWING) and has(accessible, Atspi.StateType.VISIBLE)


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def descendants(accessible):
    """Depth first, in the order a screen reader walks the tree."""
    for child in children(accessible):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(root, role, name=None):
    return [a for a in descendants(root) if a.get_role_name() == role and (name is None or a.get_name() == name)]


_listener = None


def find_application(pid):
    # One connection for the whole run, with libatspi's cache as a screen
    # reader has it: what it reads once it keeps, and it learns of changes
    # only from the program's events (pumped in poll()). A program that
    # leaves an event out is read stale, as a screen reader would read it.
    desktop = Atspi.get_desktop(0)
    desktop.set_cache_mask(Atspi.Cache.ALL)
    # A screen reader listens to these; libatspi keeps its cache by them.
    global _listener
    _listener = Atspi.EventListener.new(lambda event: None)
    for kind in ("object:state-changed", "object:children-changed", "object:property-change", "object:text-changed",
                 "object:text-caret-moved", "focus:", "window:"):
        _listener.register(kind)

    def application():
        for app in children(desktop):
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    app = poll(application, "the program never appeared on the accessibility bus")
    app.set_cache_mask(Atspi.Cache.ALL)
    return app


def windows(app):
    return [w for w in children(app) if w is not None and showing(w)]


def window_with(app, role, name, what):
    """The window on view that holds a control of that role and name."""
    return poll(lambda: next((w for w in windows(app) if named(w, role, name)), None), what)


def alerts(app):
    return [w for w in windows(app) if w.get_role_name() == "alert"]


def focused(root):
    return next((a for a in descendants(root) if has(a, Atspi.StateType.FOCUSED)), None)


def text_of(accessible):
    if "Text" not in accessible.get_interfaces():
        return None
    return Atspi.Text.get_text(accessible, 0, Atspi.Text.get_character_count(accessible))


def extents(accessible):
    return Atspi.Component.get_extents(accessible, Atspi.CoordType.SCREEN)


def action_count(accessible):
    return Atspi.Action.get_n_actions(accessible) if "Action" in accessible.get_interfaces() else 0


# --- keys --------------------------------------------------------------------------------------------------------

def key(session, *keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=session.env, check=True)


def type_text(session, text):
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], env=session.env, check=True)


def press_until(session, keys, predicate, what):
    """Sends keys and waits for their effect; sends them again if a key was lost on the way."""
    for _ in range(3):
        key(session, *keys)
        try:
            return poll(predicate, what, timeout=3)
        except Fatal:
            pass
    raise Fatal(what)


def wait_active(window, what):
    poll(lambda: has(window, Atspi.StateType.ACTIVE), what)




# --- setting up ---------------------------------------------------------------------------------------------

def check_tools(*tools):
    """None when everything the session needs is installed, else what is missing."""
    missing = [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop", "dbus-daemon") + tools
               if not shutil.which(tool)]
    if not os.access("/usr/libexec/at-spi-bus-launcher", os.X_OK):
        missing.append("at-spi2-core")
    if Atspi is None:
        missing.append("gir1.2-atspi-2.0")
    return "not installed (scripts/packages.txt): " + ", ".join(missing) if missing else None


def installed_command(session, cmake, build_dir, prefix):
    """Installs the build when no prefix is given; the program's command as its desktop entry starts it."""
    if not prefix:
        step("installing the build into a temporary prefix")
        prefix = os.path.join(session.work, "prefix")
        subprocess.run([cmake, "--install", build_dir, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
    entries = [f for f in os.listdir(os.path.join(prefix, "share", "applications")) if f.endswith(".desktop")]
    require(len(entries) == 1, "expected one desktop entry, found %d" % len(entries))
    with open(os.path.join(prefix, "share", "applications", entries[0])) as entry:
        exec_line = next(line[5:].strip() for line in entry if line.startswith("Exec="))
    command = [word for word in shlex.split(exec_line) if not re.fullmatch(r"%[A-Za-z]", word)]
    return prefix, exec_line, command


def parse_arguments(doc):
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--build-dir")
    parser.add_argument("--prefix")
    parser.add_argument("--site-address", required=True)
    parser.add_argument("--catalog-texts", required=True)
    args = parser.parse_args()
    if not (args.build_dir or args.prefix):
        parser.error("--build-dir or --prefix is needed")
    return args


def start_installed(session, args):
    """The private environment and the installed program's command; returns it, its Exec line and the address log."""
    prefix, exec_line, command = installed_command(session, args.cmake, args.build_dir, args.prefix)
    session.env, urls = private_environment(session.work, prefix)
    require(shutil.which(command[0], path=session.env["PATH"]) == os.path.join(prefix, "bin", "qv-orbalin"),
            "Exec=%s does not start the installed program" % exec_line)
    return command, exec_line, urls


def run(name, walk):
    """Runs walk(session) in a session of its own and stops all it started; the test's exit status."""
    work = tempfile.mkdtemp(prefix="qvo-%s." % name)
    session = Session(work)
    try:
        walk(session)
    except Fatal as error:
        failures.append(str(error))
        print("FAIL:", error, flush=True)
    finally:
        session.stop()
        if failures:
            session.logs()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print("%s: %d checks failed" % (name, len(failures)))
        return 1
    print("%s: passed" % name)
    return 0
