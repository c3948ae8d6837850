"""Finds the program's controls in the accessibility tree by role and name, as a screen
reader does, and acts on them with the mouse and the keyboard through xdotool.

Needs Debian's python3-pyatspi, a session bus with the accessibility bus on it
(at-spi2-core) and the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""

import os
import subprocess
import time

import pyatspi

TIMEOUT = 20


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Calls probe until it gives something other than None or False."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # a node that went away while it was looked at
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failure(f"gave up waiting for {what}")
        time.sleep(0.2)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "morvanta":
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


def choose_zoom(caption):
    """Chooses "100 %", "150 %" or "200 %" in the toolbox's zoom list."""
    zoom = node("combo box", "Zoom")
    click(zoom)
    click(node("list item", caption, root=zoom))


def skin_title(main_file):
    with open(main_file, encoding="latin-1") as lines:
        return next(line.split('"')[1] for line in lines if line.startswith("TITLE="))
