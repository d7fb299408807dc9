#!/usr/bin/python3
"""Walks the program's windows as a screen reader sees them, over AT-SPI, and fails on every control a
user can operate that has no name, and when the preview has no month picker.

    dbus-run-session -- /usr/bin/python3 atspi_walk.py PROGRAM LOCALE [CATALOGUE.ts]

It starts its own X server and the program with a fresh home, in LOCALE, opens every dialog the main
window's menus lead to, presses Start and walks the preview. CATALOGUE is the program's translation
for LOCALE, for finding Start and the picker's label by the words the user sees.
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

from gi.repository import Gio, GLib

APPEAR_SECONDS = 90  # a sanitizer build starts slowly
WINDOW_SECONDS = 60
NOTICE_SECONDS = 2
INNER_SECONDS = 10

# The roles of controls a user operates; each needs a name a screen reader can speak.
OPERATED_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text", "password text",
    "spin button", "list", "list box", "tree", "tree table", "table", "scroll bar", "page tab",
    "slider", "dial",
}


class WalkFailed(Exception):
    pass


def translated(catalogue, context, source):
    """The catalogue's words for `source`, or `source` itself (English, or no catalogue)."""
    if not catalogue:
        return source
    for ctx in ElementTree.parse(catalogue).getroot().iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                words = message.findtext("translation")
                if words:
                    return words
    raise WalkFailed("%s has no translation of %r in %s" % (catalogue, source, context))


def spoken(text):
    """A label's words as a screen reader names a field: no mnemonic marker, no closing colon."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&").strip().rstrip(":").strip()


def start_x_server(log):
    """An X server on a free display (the server picks it, so parallel runs cannot collide)."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        raise WalkFailed("Xvfb is not installed (scripts/setup.sh installs it)")
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        [xvfb, "-displayfd", str(write_end), "-screen", "0", "1600x1000x24", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    # The server writes the number and then a newline; the pipe stays open until both are read.
    written = b""
    deadline = time.monotonic() + 30
    while not written.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(read_end, 64) if ready else b""
        if not chunk:
            break
        written += chunk
    os.close(read_end)
    number = written.decode().strip() if written.endswith(b"\n") else ""
    if not number:
        stop(server)
        raise WalkFailed("Xvfb did not start within 30 s")
    return server, ":" + number


def session_call(method, arguments, interface="org.freedesktop.DBus", name="org.freedesktop.DBus",
                 path="/org/freedesktop/DBus"):
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    return session.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, 30000, None)


def accessibility_bus():
    address = session_call("GetAddress", None, "org.a11y.Bus", "org.a11y.Bus", "/org/a11y/bus").unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)


def stop(process):
    if process and process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(10)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def required(node, what):
    if node is None:
        raise WalkFailed("no %s" % what)
    return node


def wait_for(what, seconds, probe, program):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if program.poll() is not None:
            raise WalkFailed("the program ended (status %s) while waiting for %s" % (program.returncode, what))
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise WalkFailed("%s did not come within %d s" % (what, seconds))


class Walker:
    def __init__(self, pyatspi, program, catalogue):
        self.pyatspi = pyatspi
        self.bus = accessibility_bus()
        self.program = program
        self.catalogue = catalogue
        self.unnamed = []
        self.walked = []

    def state(self, node, state):
        return node.getState().contains(state)

    def showing_windows(self, app):
        return [w for w in app if w is not None and self.state(w, self.pyatspi.STATE_SHOWING)]

    def labelled(self, node):
        return [target.name for relation in node.getRelationSet()
                if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY
                for target in (relation.getTarget(i) for i in range(relation.getNTargets())) if target]

    def shows_only_its_value(self, combo):
        """Qt names a combo box by the entry it shows; unless a label is tied to it, that is all a
        screen reader can say of it."""
        if self.labelled(combo):
            return False
        entries = {item.name for item in self.nodes(combo) if item.getRoleName() == "list item"}
        return not entries or combo.name in entries

    def nodes(self, node, depth=0):
        if node is None or depth > 60:
            return
        yield node
        for child in node:
            yield from self.nodes(child, depth + 1)

    def walk(self, window, title):
        """Every operated control of `window` a user can see, named; a combo box named only by its
        value (how Qt names one on this platform) needs a label tied to it."""
        operated = 0
        for node in self.nodes(window):
            role = node.getRoleName()
            if role not in OPERATED_ROLES or not self.state(node, self.pyatspi.STATE_VISIBLE):
                continue
            operated += 1
            name = (node.name or "").strip()
            if os.environ.get("ATSPI_WALK_VERBOSE"):
                print("  %s: %s %r labelled %r" % (title, role, name, self.labelled(node)))
            if role == "list" and node.parent is not None and node.parent.getRoleName() == "combo box":
                continue  # a combo box's drop-down, spoken as the combo box
            # "..." or "<" is read out as punctuation, no name.
            if not any(c.isalnum() for c in name) or (role == "combo box" and self.shows_only_its_value(node)):
                where = node.parent.name if node.parent is not None else ""
                self.unnamed.append("%s: %s %r in %r" % (title, role, name, where))
        self.walked.append("%s (%d controls)" % (title, operated))

    def find(self, root, role, name=None, where=None):
        for node in self.nodes(root):
            if node.getRoleName() == role and (name is None or spoken(node.name or "") == name) and \
                    (where is None or where(node)):
                return node
        return None

    def press(self, node):
        """Presses `node` without waiting for the program's answer, which a modal dialog holds back
        until it closes."""
        action = node.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        index = next((i for i, name in enumerate(names) if name in ("press", "click")), 0)
        self.bus.call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction",
                      GLib.Variant("(i)", (index,)), None, Gio.DBusCallFlags.NONE, -1, None, None)

    def new_window(self, app, before, what, seconds=WINDOW_SECONDS):
        return wait_for(what, seconds,
                        lambda: next((w for w in self.showing_windows(app) if w not in before), None), self.program)

    def close(self, app, window, title):
        """Escape closes a dialog, as the user would."""
        self.pyatspi.Registry.generateKeyboardEvent(0xff1b, None, self.pyatspi.KEY_SYM)  # Escape
        wait_for("%s to close on Escape" % title, WINDOW_SECONDS,
                 lambda: window not in self.showing_windows(app), self.program)

    def walk_dialog_of(self, app, control, depth=0):
        """The dialog `control` opens, and those its own "…" buttons open in turn."""
        title = "dialog of %r" % spoken(control.name)
        before = self.showing_windows(app)
        self.press(control)
        try:
            # A dialog's own button may rightly open nothing for what the dialog holds now.
            dialog = self.new_window(app, before, title, WINDOW_SECONDS if depth == 0 else INNER_SECONDS)
        except WalkFailed:
            if depth == 0:
                raise
            self.walked.append("%s (opened nothing)" % title)
            return
        time.sleep(0.3)  # let the dialog fill its fields
        self.walk(dialog, title)
        if depth < 2:
            for button in self.openers(dialog, "push button"):
                self.walk_dialog_of(app, button, depth + 1)
        self.close(app, dialog, title)

    def openers(self, root, role):
        """The enabled entries or buttons whose words say they open a dialog ("…")."""
        return [n for n in self.nodes(root) if n.getRoleName() == role
                and (n.name or "").rstrip().endswith(("...", "…"))
                and self.state(n, self.pyatspi.STATE_ENABLED) and (role == "menu item" or self.state(
                    n, self.pyatspi.STATE_SHOWING))]

    def walk_dialogs_of_menus(self, app, window, title):
        """Each menu entry of `window` that opens a dialog ("…"), its dialog walked and closed again."""
        entries = self.openers(required(self.find(window, "menu bar"), "menu bar in the " + title), "menu item")
        if not entries:
            raise WalkFailed("the menus of the %s have no entry that opens a dialog" % title)
        for entry in entries:
            self.walk_dialog_of(app, entry)


def run(program, locale, catalogue):
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        raise WalkFailed("no session bus: run this under dbus-run-session")
    home = tempfile.mkdtemp(prefix="atspi-walk-")
    log = open(os.path.join(home, "output.log"), "w+")
    server = application = None
    try:
        server, display = start_x_server(log)
        os.environ["DISPLAY"] = display
        # The bus starts the accessibility services, which type Escape on this display.
        session_call("UpdateActivationEnvironment", GLib.Variant("(a{ss})", ({"DISPLAY": display},)))
        import pyatspi  # after DISPLAY: it finds the accessibility bus through the display or session
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("LC_", "LANG", "QT_", "XDG_"))}
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_RUNTIME_DIR=runtime,
                   TMPDIR=home, LANG=locale, LC_ALL=locale, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        application = subprocess.Popen([program], env=env, stdout=log, stderr=log, start_new_session=True)
        walker = Walker(pyatspi, application, catalogue)

        def on_bus():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == application.pid:
                    return app
            return None

        app = wait_for("the program on the accessibility bus", APPEAR_SECONDS, on_bus, application)
        start_name = spoken(translated(catalogue, "morvessa::MainWindow", "Start Creating Template"))
        main = wait_for("the main window", WINDOW_SECONDS,
                        lambda: next((w for w in walker.showing_windows(app)
                                      if walker.find(w, "push button", start_name)), None), application)
        # A first start may say which country's holidays it chose, in a box of its own, just after
        # the window shows.
        time.sleep(NOTICE_SECONDS)
        for window in walker.showing_windows(app):
            if window != main:
                walker.walk(window, "first start notice")
                walker.close(app, window, "first start notice")
        walker.walk(main, "main window")
        walker.walk_dialogs_of_menus(app, main, "main window")
        colour = spoken(translated(catalogue, "morvessa::MainWindow", "Holiday"))
        walker.walk_dialog_of(app, required(walker.find(main, "push button", colour), "holiday colour button"))

        before = walker.showing_windows(app)
        walker.press(required(walker.find(main, "push button", start_name), "Start button"))
        preview = walker.new_window(app, before, "the preview after Start")
        month = spoken(translated(catalogue, "morvessa::PreviewWindow", "Month:"))
        picker = wait_for("the preview's month picker, a combo box labelled %r" % month, WINDOW_SECONDS,
                          lambda: walker.find(preview, "combo box",
                                              where=lambda n: month in map(spoken, walker.labelled(n))),
                          application)
        walker.walk(preview, "preview")
        walker.walk_dialogs_of_menus(app, preview, "preview")
        save_name = spoken(translated(catalogue, "morvessa::PreviewWindow", "Save Results To Excel File"))
        walker.walk_dialog_of(app, required(walker.find(preview, "push button", save_name), "Save button"))
        print("walked: " + ", ".join(walker.walked))
        print("the preview's month picker: %r, labelled %r" % (picker.name, walker.labelled(picker)))
        if walker.unnamed:
            raise WalkFailed("controls without a name:\n  " + "\n  ".join(walker.unnamed))
    except Exception:
        log.flush()
        log.seek(0)
        sys.stderr.write("--- the program's and servers' output ---\n" + log.read()[-4000:] + "\n")
        raise
    finally:
        stop(application)
        stop(server)
        log.close()
        shutil.rmtree(home, ignore_errors=True)


def main(argv):
    if len(argv) not in (3, 4):
        sys.stderr.write(__doc__)
        return 2
    try:
        run(argv[1], argv[2], argv[3] if len(argv) == 4 else None)
    except WalkFailed as failure:
        sys.stderr.write("FAILED (%s): %s\n" % (argv[2], failure))
        return 1
    print("every control the user operates has a name (%s)" % argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
