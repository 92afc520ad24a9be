#!/usr/bin/python3
"""Walks the real program as a screen reader meets it: through the AT-SPI accessibility bus.

Starts an X server (Xvfb) and a D-Bus session of its own with the accessibility bus, runs the
program there, and visits the menu page, every calculator page (with the closing-cost page's
panels), the print preview and every dialog. It fails on
  - a showing control without a name,
  - two inputs of one page or dialog with the same name (and description),
  - a field of a page or of Preferences whose name is not its caption, whose description is
    not what it declares, or whose role does not fit its kind,
  - a result field that is not read-only or does not say it is computed,
  - a table whose cells do not say their row's and column's headings,
and on each page it walks Tab once round the window: the page's stops must come in the page's
declared order, every showing input and button must be reached, and no result.

What a page or dialog declares (object names, captions, descriptions, kinds, tab order) comes
from the program itself, `quennary --describe`. Faults listed in known_faults.txt beside this
script are reported but do not fail the walk.

Usage: atspi_walk.py QUENNARY_EXECUTABLE
"""

import ctypes
import http.server
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

STEP_TIMEOUT = 10.0   # seconds for one window, page or focus change
START_TIMEOUT = 30.0  # the program's start, on a busy machine
OVERALL_LIMIT = 100   # the whole walk; CTest's timeout is longer, so that we clean up

CONTROL_ROLES = {"push button", "toggle button", "radio button", "check box", "text", "entry",
                 "password text", "spin button", "combo box", "table", "tree table", "list",
                 "page tab", "slider"}
INPUT_ROLES = {"text", "entry", "password text", "spin button"}
BUTTON_ROLES = {"push button", "toggle button", "radio button", "check box"}
# Their children are the control's own parts: cells, viewport, scroll bars, menus.
LEAF_ROLES = {"text", "table", "tree table", "list", "combo box", "scroll bar", "menu bar"}
KIND_ROLES = {"input": INPUT_ROLES, "result": INPUT_ROLES,
              "button": {"push button", "toggle button"},
              "choice": {"radio button", "check box"}, "grid": {"table", "tree table", "list"}}

MAIN_TITLE = "Quennary"
# The panels a page opens over itself: (a button to press first, the opener, the closer).
PANELS = {"ECC": [(None, "btnCalcClosing", "btnClosePnlClosing"),
                  (None, "btnCalcEscrows", "btnClosePnlEscrow"),
                  (None, "btnCalcLoanCosts", "btnClosePnlLoanCosts")],
          "RC": [(None, "btnCalcFees", "btnCloseClosingCosts")],
          "Amort": [("btnCalculate", "btnAddExtraPayments", "btnCancel")]}
# Choices that lay a page out anew; each layout is checked again, and walked with Tab where
# the order the page declares holds in every layout (the loan spread's moves its fields).
LAYOUTS = {"LS": ["rgCalculate.1", "rgCalculate.2", "rgCalculate.3", "rgCalculate.0"],
           "Amort": ["rgRateType.1", "rgArmPath.3", "rgRateType.0"]}
ONE_TAB_ORDER = {"Amort"}
# What a field the page computes says after its name.
COMPUTED = "computed"
XK_TAB = 0xFF09
XK_SPACE = 0x20

failures = []
counts = []  # (where, showing controls)


def fail(where, text):
    failures.append(f"{where}: {text}")


def spoken(text):
    """A name as a screen reader speaks it: blanks and line breaks run together."""
    return " ".join((text or "").split())


class WalkError(Exception):
    pass


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except WalkError:
            raise
        except Exception:  # an object vanished while its window closed: ask again
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise WalkError(f"timed out waiting for {what}")
        time.sleep(0.05)


def end_with_this_script():
    """Runs in each child before it starts: it gets SIGTERM when this script ends, however."""
    ctypes.CDLL("libc.so.6").prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


# ---------------------------------------------------------------------------------------------
# The session: an X server, a session bus, and the accessibility bus it starts on demand.

class Session:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="quennary-atspi-")
        self.processes = []  # (process, whether it leads a process group of its own)

    def start(self, args, group=False, **kwargs):
        process = subprocess.Popen(args, preexec_fn=end_with_this_script,
                                   start_new_session=group, **kwargs)
        self.processes.append((process, group))
        return process

    def log(self, name):
        return open(os.path.join(self.dir, name + ".log"), "w")

    def start_x(self):
        """Xvfb picks a free display number itself and writes it to us."""
        read_end, write_end = os.pipe()
        log = self.log("xvfb")
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,), stdout=log, stderr=log)
        os.close(write_end)
        return ":" + self.read_line(read_end, "the X server's display number")

    def start_bus(self, env):
        read_end, write_end = os.pipe()
        log = self.log("dbus")
        # A process group of its own: the accessibility bus and registry it starts end with it.
        self.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                    "--address=unix:path=" + os.path.join(self.dir, "bus"),
                    "--print-address=" + str(write_end)],
                   group=True, pass_fds=(write_end,), env=env, stdout=log, stderr=log)
        os.close(write_end)
        return self.read_line(read_end, "the session bus address")

    @staticmethod
    def read_line(fd, what):
        text = b""
        deadline = time.monotonic() + START_TIMEOUT
        try:
            while not text.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
                    raise WalkError(f"timed out waiting for {what}")
                chunk = os.read(fd, 256)
                if not chunk:
                    raise WalkError(f"no {what}: the process ended")
                text += chunk
        finally:
            os.close(fd)
        return text.decode().strip()

    def stop(self):
        for process, group in reversed(self.processes):
            if group:
                self.stop_group(process)
            elif process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)

    @staticmethod
    def stop_group(process):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                break
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline:
                process.poll()
                try:
                    os.killpg(process.pid, 0)
                except ProcessLookupError:
                    return
                time.sleep(0.05)
        process.poll()


def give_keyboard_to(title):
    """The window manager's one job here: Xvfb has none, and Qt takes keys only in its active
    window. Sets the X input focus on the top-level window of that title (libX11, which Qt and
    Xvfb already bring)."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.c_ulong),
                               ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                               ctypes.POINTER(ctypes.c_uint)]
    x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return False
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x11.XQueryTree(display, x11.XDefaultRootWindow(display), ctypes.byref(root),
                   ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
    found = False
    for i in range(count.value):
        name = ctypes.c_char_p()
        if x11.XFetchName(display, children[i], ctypes.byref(name)) and name.value:
            if name.value.decode(errors="replace") == title:
                x11.XSetInputFocus(display, children[i], 1, 0)  # RevertToPointerRoot, now
                found = True
            x11.XFree(name)
    if children:
        x11.XFree(children)
    x11.XCloseDisplay(display)  # sends the request
    return found


class InfoServer:
    """A product-information page on 127.0.0.1, held back until the test has seen the wait
    window, then offering a newer version."""
    PAGE = ('<META HTTP-EQUIV="version" CONTENT="9.9.99">\n'
            '<META HTTP-EQUIV="date" CONTENT="January 01, 2030">\n'
            '<META HTTP-EQUIV="url" CONTENT="quennary_9.9.99_amd64.deb">\n'
            '<META HTTP-EQUIV="readme" CONTENT="readme.txt">\n').encode()

    def __init__(self):
        self.release = threading.Event()
        release = self.release

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                release.wait(STEP_TIMEOUT * 2)
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(InfoServer.PAGE)))
                self.end_headers()
                self.wfile.write(InfoServer.PAGE)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/info.html"

    def stop(self):
        self.release.set()
        self.httpd.shutdown()


# ---------------------------------------------------------------------------------------------
# The program as the accessibility bus shows it.

class Walker:
    def __init__(self, pyatspi):
        from gi.repository import Gio, GLib
        self.pyatspi, self.Gio, self.GLib = pyatspi, Gio, GLib
        self.pid = None
        self.desktop = pyatspi.Registry.getDesktop(0)
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                    "GetAddress", None, GLib.VariantType("(s)"),
                                    Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
        self.bus = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self.focus_events = []
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        # The accessibility bus (GetAddress started it) and its registry are up before the
        # program starts: Qt looks for them once, then.
        wait_for("the accessibility registry", lambda: self.desktop.childCount >= 0,
                 START_TIMEOUT)

    @staticmethod
    def key(obj):
        return (obj.app.bus_name, obj.path)

    def app(self):
        return next((a for a in self.desktop if a is not None and a.get_process_id() == self.pid),
                    None)

    def window(self, title):
        app = self.app()
        for w in (app if app else []):
            if w is not None and spoken(w.name).startswith(title) and self.has(w, "SHOWING"):
                return w
        return None

    def has(self, obj, state):
        return obj.getState().contains(getattr(self.pyatspi, "STATE_" + state))

    @staticmethod
    def children(obj):
        return [c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c]

    def find(self, root, predicate, showing=True):
        stack = [root]
        while stack:
            obj = stack.pop()
            if predicate(obj) and (not showing or self.has(obj, "SHOWING")):
                return obj
            if obj.getRoleName() not in LEAF_ROLES - {"menu bar"}:
                stack.extend(reversed(self.children(obj)))
        return None

    def named(self, root, role, name, showing=True):
        return self.find(root, lambda o: o.getRoleName() == role and spoken(o.name) == name,
                         showing)

    def at_path(self, root, path):
        obj = root
        for index in path:
            obj = obj.getChildAtIndex(index) if index < obj.childCount else None
            if obj is None:
                return None
        return obj

    def press(self, obj, action="Press"):
        """Does the action without waiting for its reply: Qt answers only when the handler
        returns, and a modal dialog's handler returns when the dialog closes."""
        iface = obj.queryAction()
        names = [iface.getName(i) for i in range(iface.nActions)]
        message = self.Gio.DBusMessage.new_method_call(obj.app.bus_name, obj.path,
                                                       "org.a11y.atspi.Action", "DoAction")
        message.set_body(self.GLib.Variant("(i)", (names.index(action),)))
        message.set_flags(self.Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
        self.bus.send_message(message, self.Gio.DBusSendMessageFlags.NONE)
        self.bus.flush_sync(None)

    def press_button(self, window_title, name):
        self.press(wait_for(f"the button \"{name}\" of \"{window_title}\"",
                            lambda: self.named(self.window(window_title), "push button", name)))

    def menu(self, *names):
        """Chooses an item of the main window's menus by its captions."""
        node = self.window(MAIN_TITLE)
        for name in names:
            node = self.named(node, "menu item", name, showing=False) if node else None
        if node is None or not self.has(node, "ENABLED"):
            raise WalkError(f"no enabled menu item {' > '.join(names)}")
        self.press(node)

    def activate(self):
        """Gives the main window the keyboard, again after a dialog has closed."""
        main = self.window(MAIN_TITLE)
        if not self.has(main, "ACTIVE"):
            wait_for("the main window to take the keyboard",
                     lambda: give_keyboard_to(main.name) and self.has(main, "ACTIVE"))

    def on_focus(self, event):
        if event.detail1:
            self.focus_events.append(event.source)

    def pump(self):
        context = self.GLib.MainContext.default()
        while context.iteration(False):
            pass

    def key_press(self, keysym):
        """Through the registry, as an assistive tool would send it."""
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)

    def focus(self, obj, what):
        self.activate()
        obj.queryComponent().grabFocus()
        wait_for(f"{what} to take the focus", lambda: self.has(obj, "FOCUSED"))

    def tab(self, before):
        """Presses Tab and returns what has the focus then (not before), or None."""
        self.pump()
        self.focus_events.clear()
        self.key_press(XK_TAB)
        deadline = time.monotonic() + STEP_TIMEOUT / 2
        while time.monotonic() < deadline:
            self.pump()
            for source in reversed(self.focus_events):
                try:
                    if self.key(source) != self.key(before) and self.has(source, "FOCUSED"):
                        return source
                except Exception:
                    continue
            time.sleep(0.01)
        return None

    def check_controls(self, where, root):
        """Every showing control has a name, no two inputs sound alike. Returns the showing
        controls and the keys of every object under root."""
        showing, keys = [], set()
        stack = [root]
        while stack:
            obj = stack.pop()
            keys.add(self.key(obj))
            if obj.getRoleName() in CONTROL_ROLES and self.has(obj, "SHOWING"):
                showing.append(obj)
            if obj.getRoleName() not in LEAF_ROLES:
                stack.extend(reversed(self.children(obj)))
        inputs = {}
        for obj in showing:
            name = spoken(obj.name)
            if not name:
                shows = ""
                if obj.getRoleName() in INPUT_ROLES:
                    text = obj.queryText()
                    shown = spoken(text.getText(0, min(text.characterCount, 40)))
                    shows = f" (it shows \"{shown}\")"
                fail(where, f"a showing {obj.getRoleName()} has no name{shows}")
            elif obj.getRoleName() in INPUT_ROLES and not self.has(obj, "READ_ONLY"):
                # A description (a unit, a column) may tell two alike names apart.
                inputs.setdefault((name, spoken(obj.description)), []).append(obj)
        for (name, description), objs in inputs.items():
            if len(objs) > 1:
                fail(where, f"{len(objs)} inputs are all announced as \"{name}\""
                     + (f" ({description})" if description else ""))
        counts.append((where, len(showing)))
        return showing, keys


# ---------------------------------------------------------------------------------------------
# The checks.

class Page:
    """A calculator page on show: its declaration and its objects on the bus."""

    def __init__(self, walker, description, root):
        self.walker, self.description, self.root = walker, description, root
        self.name = description["page"]
        self.fields = {}  # object name -> (declared field, accessible object)
        self.names = {}   # accessible key -> object name
        self.checked = set()  # the fields checked, each once
        # Resolved at once: paths are those of the page as entered, before anything is raised.
        for field in description["fields"]:
            obj = walker.at_path(root, field["path"]) if field["path"] else None
            if obj is None:
                fail(self.name, f"{field['objectName']} is not in the accessibility tree")
                continue
            self.fields[field["objectName"]] = (field, obj)
            self.names[walker.key(obj)] = field["objectName"]

    def label(self, obj):
        return self.names.get(self.walker.key(obj),
                              f"{obj.getRoleName()} \"{spoken(obj.name)}\"")

    def check_fields(self):
        self.check_showing_fields()
        self.showing, self.keys = self.walker.check_controls(self.name, self.root)

    def check_showing_fields(self, where=None):
        """Checks each declared field the first time it shows: on the page as entered, in a
        panel, in another layout."""
        w, where = self.walker, where or self.name
        for name, (field, obj) in self.fields.items():
            if name in self.checked or not w.has(obj, "SHOWING"):
                continue
            self.checked.add(name)
            role = obj.getRoleName()
            if role not in KIND_ROLES[field["kind"]]:
                fail(where, f"{name} is announced as a {role}, not as a {field['kind']}")
            announced = spoken(obj.name)
            if announced and announced != field["caption"]:
                fail(where, f"{name} is announced as \"{announced}\", its caption is "
                            f"\"{field['caption']}\"")
            said, declared = spoken(obj.description), spoken(field["description"])
            if said != declared:
                fail(where, f"{name} is described as \"{said}\", it declares \"{declared}\"")
            if field["kind"] == "result":
                if not w.has(obj, "READ_ONLY"):
                    fail(where, f"result {name} is not read-only")
                if COMPUTED not in said.split(", "):
                    fail(where, f"result {name} does not say it is {COMPUTED}")
            if field["kind"] == "grid":
                self.check_headings(where, name, obj)

    def check_headings(self, where, name, obj):
        """A cell says the headings of its row and its column."""
        table = obj.queryTable()
        if table.nRows < 2 or table.nColumns < 2:
            return
        for heading, what in ((table.getColumnHeader(1), "column"), (table.getRowHeader(1), "row")):
            if heading is None or not spoken(heading.name):
                fail(where, f"a cell of {name} does not say its {what}'s heading")

    def stop_of(self, obj):
        """Tab visits one button of a group of radio buttons (the one used last); the arrow
        keys move inside. So a group counts as one stop."""
        if obj.getRoleName() == "radio button":
            return "choice " + "/".join(self.label(r) for r in self.walker.children(obj.parent)
                                        if r.getRoleName() == "radio button")
        return self.label(obj)

    def walk_tab(self):
        w = self.walker
        usable = [self.fields[n][1] for n in self.description["tabOrder"] if n in self.fields]
        usable = [o for o in usable
                  if all(w.has(o, s) for s in ("SHOWING", "ENABLED", "FOCUSABLE"))]
        expected = []
        for obj in usable:
            if not expected or expected[-1] != self.stop_of(obj):
                expected.append(self.stop_of(obj))
        # A page that declares no order (the menu page) is only checked for what Tab reaches.
        start = usable[0] if usable else next(
            (o for o in self.showing
             if all(w.has(o, s) for s in ("ENABLED", "FOCUSABLE"))), None)
        if start is None:
            return
        try:
            w.focus(start, self.stop_of(start))
        except WalkError as error:
            fail(self.name, str(error))
            return
        visited, reached, focused = [self.stop_of(start)], {w.key(start)}, start
        for _ in range(150):
            focused = w.tab(focused)
            if focused is None:
                fail(self.name, f"Tab after {visited[-1]} moves the focus nowhere")
                return
            if w.key(focused) == w.key(start):
                break
            reached.add(w.key(focused))
            if w.key(focused) in self.keys and visited[-1] != self.stop_of(focused):
                visited.append(self.stop_of(focused))
        else:
            fail(self.name, "Tab never comes back to the first stop")
        if expected and visited != expected:
            fail(self.name, "Tab visits " + ", ".join(visited) + "; the declared order is "
                 + ", ".join(expected))
        reached_groups = {w.key(obj.parent) for obj in self.showing if w.key(obj) in reached}
        for obj in self.showing:
            role = obj.getRoleName()
            if not w.has(obj, "ENABLED") or w.key(obj) in reached:
                continue
            if role == "radio button" and w.key(obj.parent) in reached_groups:
                continue
            if role in BUTTON_ROLES or (role in INPUT_ROLES and not w.has(obj, "READ_ONLY")):
                fail(self.name, f"Tab never reaches {self.label(obj)}")
        for name, (field, obj) in self.fields.items():
            if field["kind"] == "result" and w.key(obj) in reached:
                fail(self.name, f"Tab stops at result {name}")


def showing_page(walker):
    """The notebook's slot on show and the page in it."""
    notebook = walker.find(walker.window(MAIN_TITLE), lambda o: o.getRoleName() == "layered pane")
    slot = next(c for c in walker.children(notebook) if walker.has(c, "SHOWING"))
    return slot, walker.children(slot)


def check_window(walker, title, where=None):
    window = wait_for(f"the window \"{title}\"", lambda: walker.window(title))
    walker.check_controls(where or title, window)
    return window


def close(walker, title, button):
    walker.press_button(title, button)
    wait_for(f"\"{title}\" to close", lambda: walker.window(title) is None)


def walk_pages(walker, descriptions):
    slot, _ = showing_page(walker)
    menu = Page(walker, {"page": "Menu", "fields": [], "tabOrder": []}, slot)
    menu.check_fields()
    menu.walk_tab()
    previewed = False
    for description in descriptions:
        before = walker.key(slot)
        walker.menu("Calculators", description["menuItem"])

        def entered():
            shown = showing_page(walker)
            return shown if shown[1] and walker.key(shown[0]) != before else None
        slot, kids = wait_for(f"page {description['page']}", entered)
        page = Page(walker, description, kids[0])
        page.check_fields()
        page.walk_tab()
        walk_panels(walker, page)
        walk_layouts(walker, page)
        print_item = walker.named(walker.window(MAIN_TITLE), "menu item", "Print", showing=False)
        if not previewed and print_item and walker.has(print_item, "ENABLED"):
            walker.menu("File", "Print")
            check_window(walker, "Print Preview", f"print preview of {page.name}")
            close(walker, "Print Preview", "Close Print Preview")
            previewed = True
    if not previewed:
        fail("print preview", "no page could be printed")


def walk_panels(walker, page):
    root = walker.key(page.root)
    for first, opener, closer in PANELS.get(page.name, []):
        if first:
            walker.press(page.fields[first][1])
        walker.press(page.fields[opener][1])
        button = page.fields[closer][1]
        wait_for(f"the panel {opener} opens", lambda: walker.has(button, "SHOWING"))
        panel = button
        while walker.key(panel.parent) != root:
            panel = panel.parent
        page.check_showing_fields(f"{page.name} panel {opener}")
        walker.check_controls(f"{page.name} panel {opener}", panel)
        walker.press(button)
        wait_for(f"the panel {opener} to close", lambda: not walker.has(button, "SHOWING"))


def walk_layouts(walker, page):
    for choice in LAYOUTS.get(page.name, []):
        radio = page.fields[choice][1]
        walker.focus(radio, choice)
        walker.key_press(XK_SPACE)
        wait_for(f"{choice} to be chosen", lambda: walker.has(radio, "CHECKED"))
        # The fields the layout shows answer to their captions, and Tab takes them in order.
        where = f"{page.name} with {choice}"
        page.check_showing_fields(where)
        walker.check_controls(where, page.root)
        if page.name in ONE_TAB_ORDER:
            page.name, name = where, page.name
            page.walk_tab()
            page.name = name


def walk_dialogs(walker, server, dialogs):
    walker.menu("Preferences", "Configure Defaults ...")
    prefs = check_window(walker, "Preferences", "Preferences, General Values")
    # The dialog's declared fields, checked on each tab as it shows.
    declared = Page(walker, dict(dialogs["Preferences"], page="Preferences"), prefs)
    declared.check_showing_fields("Preferences, General Values")
    tab_list = walker.find(prefs, lambda o: o.getRoleName() == "page tab list")
    stack = walker.find(prefs, lambda o: o.getRoleName() == "layered pane")
    tabs = [t for t in walker.children(tab_list) if t.getRoleName() == "page tab"]
    for index, tab in enumerate(tabs[1:], start=1):
        walker.press(tab)
        wait_for(f"the tab \"{spoken(tab.name)}\"",
                 lambda: walker.has(walker.children(stack)[index], "SHOWING"))
        declared.check_showing_fields(f"Preferences, {spoken(tab.name)}")
        walker.check_controls(f"Preferences, {spoken(tab.name)}", prefs)
    close(walker, "Preferences", "Cancel")

    for item, title in ((("Help", "About..."), "About"),
                        (("Help", "Disclaimer..."), "Disclaimer")):
        walker.menu(*item)
        check_window(walker, title)
        close(walker, title, "OK")

    center = "Tillerode Software Update Center"
    walker.menu("Internet", "Check for Update ...")
    check_window(walker, "Please Wait", "Update Center, waiting")
    server.release.set()
    wait_for("the Update Center's answer",
             lambda: walker.named(walker.window(center), "push button", "Retrieve Update"))
    check_window(walker, center, "Update Center")
    close(walker, center, "Close Update Center")

    walker.menu("File", "Exit")
    # The walk has changed figures (the loan spread's layouts move them): the question to
    # save them comes before the exit dialog, and is answered Discard.
    def discard():
        for window in (walker.app() or []):
            if window is not None and walker.has(window, "SHOWING"):
                button = walker.named(window, "push button", "Discard")
                if button is not None:
                    return button
        return None
    walker.press(wait_for("the question to save the changes", discard))
    check_window(walker, "Thanks from Tillerode Software!", "exit dialog")
    walker.press_button("Thanks from Tillerode Software!", "Quit")


# ---------------------------------------------------------------------------------------------

def known_faults():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "known_faults.txt")
    with open(path) as listed:
        return [line.strip() for line in listed if line.strip() and not line.startswith("#")]


def report(started):
    known = known_faults()
    print("controls announced: " + ", ".join(f"{w} {n}" for w, n in counts))
    unnamed = sum(" has no name" in f for f in failures)
    alike = sum(" inputs are all announced as " in f for f in failures)
    print(f"{sum(n for _, n in counts)} controls in {len(counts)} views: {unnamed} without a "
          f"name, {alike} names shared by inputs")
    new = [f for f in failures if f not in known]
    for f in failures:
        print(("FAIL " if f in new else "known fault: ") + f)
    for k in known:
        if k not in failures:
            print(f"no longer seen, remove from known_faults.txt: {k}")
    print(f"{len(new)} failure(s), {len(failures) - len(new)} known, "
          f"in {time.monotonic() - started:.1f} s")
    return 1 if new else 0


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = os.path.abspath(sys.argv[1])
    started = time.monotonic()

    def overrun(*_):
        raise WalkError(f"the walk took longer than {OVERALL_LIMIT} s")
    signal.signal(signal.SIGALRM, overrun)
    signal.alarm(OVERALL_LIMIT)
    session, server, app = Session(), None, None
    try:
        settings = os.path.join(session.dir, "QNRY.INI")
        # Nothing of the caller's desktop: its display, buses and Qt platform.
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS",
                            "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS")}
        env.update({"XDG_RUNTIME_DIR": session.dir, "HOME": session.dir,
                    "XDG_CONFIG_HOME": os.path.join(session.dir, "config"),
                    "XDG_CACHE_HOME": os.path.join(session.dir, "cache"),
                    # The accessibility bus reads its switches from GSettings: this way it
                    # neither reads nor writes the user's own desktop settings.
                    "GSETTINGS_BACKEND": "memory"})
        described = subprocess.run([program, "--describe", "--settings", settings],
                                   capture_output=True, text=True, timeout=START_TIMEOUT,
                                   env=env)
        if described.returncode != 0:
            raise WalkError("--describe failed: " + described.stderr)
        described = json.loads(described.stdout)
        descriptions = described["pages"]
        dialogs = {d["dialog"]: d for d in described["dialogs"]}

        env["DISPLAY"] = session.start_x()
        env["DBUS_SESSION_BUS_ADDRESS"] = session.start_bus(env)
        os.environ.clear()
        os.environ.update(env)
        try:
            import pyatspi  # connects to the session just made
        except ImportError:
            raise WalkError("no pyatspi: install python3-pyatspi (scripts/setup.sh lists it)")

        walker = Walker(pyatspi)
        server = InfoServer()
        app = session.start([program, "--settings", settings, "--update-url", server.url],
                            env=dict(env, QT_QPA_PLATFORM="xcb",
                                     QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                     QUENNARY_EXIT_DIALOG="1", QUENNARY_NO_BROWSER="1"),
                            stdout=session.log("quennary"), stderr=subprocess.STDOUT)
        walker.pid = app.pid
        wait_for("the main window on the accessibility bus", lambda: walker.window(MAIN_TITLE),
                 START_TIMEOUT)
        walk_pages(walker, descriptions)
        walk_dialogs(walker, server, dialogs)
        status = app.wait(timeout=STEP_TIMEOUT)
        if status != 0:
            fail("exit", f"the program ended with status {status}")
    except (WalkError, subprocess.TimeoutExpired) as error:
        fail("walk", str(error))
    finally:
        signal.alarm(0)
        if server:
            server.stop()
        if any(f.startswith("walk:") or f.startswith("exit:") for f in failures):
            with open(os.path.join(session.dir, "quennary.log")) as log:
                print("the program's output:\n" + log.read())
        session.stop()
    sys.exit(report(started))


if __name__ == "__main__":
    main()
