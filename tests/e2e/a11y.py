"""Finds the program's controls in the accessibility tree by role and name, as a screen
reader does, and acts on them with the mouse and the keyboard through xdotool.

Needs Debian's python3-pyatspi, a session bus with the accessibility bus on it
(at-spi2-core) and the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""

import os
import subprocess
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Calls probe until it gives something other than None or False."""
    print(f"waiting for {what}", flush=True)
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # a node that went away while it was looked at
            found = None
        if found:
            return found
        if _program is not None and _program.poll() is not None:
            raise Failure(f"the program ended (status {_program.returncode}) while waiting for {what}")
        if time.monotonic() > end:
            raise Failure(f"gave up waiting for {what}")
        time.sleep(0.2)


# The program whose tree is searched: the registry may still list one that has ended.
_program = None
_program_pid = None
_program_log = None


def program_output():
    """What the program last started wrote to its error output."""
    if _program_log is None:
        return ""
    _program_log.seek(0)
    return _program_log.read()


def start(exe):
    """Starts the program and waits for its accessibility tree, which is the one searched
    from now on.

    Now and then, with the machine busy, the program cannot connect to a display that
    answers everyone else; it is started again then, and only then.
    """
    global _program, _program_pid, _program_log
    for attempt in range(3):
        log = _program_log = tempfile.TemporaryFile(mode="w+")
        _program = subprocess.Popen([exe], stderr=log)
        _program_pid = _program.pid
        if wait_for("the program's accessibility tree", lambda: application() or _program.poll() is not None):
            if _program.poll() is None:
                return _program
        output = program_output()
        if "could not connect to display" not in output:
            raise Failure(f"the program ended at its start (status {_program.returncode}):\n{output}")
        print(f"the display refused the program (attempt {attempt + 1}); starting it again", flush=True)
        time.sleep(1)
    raise Failure("the program could not connect to the display")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or (app.name or "").lower() != "morvanta":
            continue
        if _program_pid is None or app.get_process_id() == _program_pid:
            return app
    return None


def node(role, name, root=None):
    """The first node below root (the program) with this role and name."""
    def matches(candidate):
        return candidate is not None and candidate.getRoleName() == role and candidate.name == name

    def probe():
        top = root or application()
        return pyatspi.findDescendant(top, matches) if top is not None else None

    return wait_for(f'{role} "{name}"', probe)


def names_below(parent):
    return [parent.getChildAtIndex(i).name for i in range(parent.childCount)]


def extents(target):
    box = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def center(target):
    x, y, width, height = extents(target)
    return x + width // 2, y + height // 2


def drag(start, offset, steps=5):
    """Presses the primary button at a screen point and moves by an offset in steps."""
    x, y = start
    xdotool("mousemove", str(x), str(y))
    time.sleep(0.2)
    xdotool("mousedown", "1")
    time.sleep(0.2)
    for step in range(1, steps + 1):
        xdotool("mousemove", str(x + offset[0] * step // steps), str(y + offset[1] * step // steps))
        time.sleep(0.05)
    time.sleep(0.2)
    xdotool("mouseup", "1")
    time.sleep(0.3)


# Contextual menus are windows of their own, outside the program's tree: a screen reader
# learns of them as they show, and so do we.
_popup_menus_shown = []


def _note_popup_menu(event):
    try:
        if event.detail1 and event.source.getRoleName() == "popup menu":
            _popup_menus_shown.append(event.source)
    except GLib.GError:  # a control that went away before its news arrived
        pass


pyatspi.Registry.registerEventListener(_note_popup_menu, "object:state-changed:showing")


def _popup_menu_shown():
    while GLib.MainContext.default().iteration(False):
        pass
    return _popup_menus_shown[-1] if _popup_menus_shown else None


def choose_from_contextual_menu(point, entry):
    """Right-clicks a screen point and clicks an entry of the contextual menu it opens."""
    _popup_menus_shown.clear()
    xdotool("mousemove", str(point[0]), str(point[1]))
    time.sleep(0.2)
    xdotool("click", "3")
    menu = wait_for("a contextual menu", _popup_menu_shown)
    click(node("menu item", entry, root=menu))


def click(target):
    x, y, width, height = extents(target)
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")


def focus_window(title):
    window = wait_for(f'window "{title}"', lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", title],
        capture_output=True, text=True).stdout.split())
    xdotool("windowfocus", "--sync", window[0])
    time.sleep(0.3)


def screenshot(target, path):
    x, y, width, height = extents(target)
    subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", path],
                   check=True)
    print(f"screenshot: {path} ({width}x{height})")


def screenshot_of_screen(path):
    subprocess.run(["import", "-window", "root", path], check=False)
    print(f"screenshot of the screen: {path}")


def newer_files(folder, than):
    return [os.path.join(root, name) for root, _, files in os.walk(folder) for name in files
            if os.path.getmtime(os.path.join(root, name)) > than]


# --- what a person does in Morvanta

def open_skin(main_file):
    """Opens a skin as "Open..." does, typing its path into the file dialog."""
    focus_window("^Morvanta")
    xdotool("key", "ctrl+o")
    dialog = node("dialog", "Open...")
    node("text", "File name:", root=dialog).queryComponent().grabFocus()
    xdotool("type", "--delay", "10", main_file)
    xdotool("key", "Return")


def choose(combo_box, caption):
    """Chooses an entry of a combo box by opening it and clicking the entry."""
    box = node("combo box", combo_box)
    click(box)
    click(node("list item", caption, root=box))


def choose_zoom(caption):
    """Chooses "100 %", "150 %" or "200 %" in the toolbox's zoom list."""
    choose("Zoom", caption)


def choose_from_menus(*captions):
    """Opens the menu bar's menus and submenus by their captions and clicks the last."""
    for caption in captions:
        item = wait_for(f'menu item "{caption}" on screen', lambda: visible(node("menu item", caption)))
        click(item)
        time.sleep(0.3)


def enabled(target):
    """The node when it can be used, else None."""
    return target if target.getState().contains(pyatspi.STATE_ENABLED) else None


def visible(target):
    """The node when it is on screen, else None."""
    return target if target.getState().contains(pyatspi.STATE_SHOWING) and extents(target)[2] > 0 else None


def skin_title(main_file):
    with open(main_file, encoding="latin-1") as lines:
        return next(line.split('"')[1] for line in lines if line.startswith("TITLE="))
