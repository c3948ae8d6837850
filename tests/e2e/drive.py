#!/usr/bin/python3
"""Uses the real program as a person would and checks what a person would see.

Controls are found in the accessibility tree by role and name, as a screen reader
finds them; the mouse and the keyboard act on them through xdotool. Opens the demo
skin through the Open dialog, checks the page's elements, zooms to 200 % in the
toolbox, saves without changing anything and quits.

Usage: drive.py <morvanta executable> <copy of the demo skin> <screenshot folder>
"""

import os
import subprocess
import sys
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


def node(role, name, root=None, exact=True):
    """The first node below root (the program) with this role and name."""
    def matches(candidate):
        if candidate is None or candidate.getRoleName() != role:
            return False
        return candidate.name == name if exact else candidate.name.startswith(name)

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


def run(exe, skin_folder, shots):
    main_file = os.path.join(skin_folder, "demo.skin")
    title = next(line.split('"')[1] for line in open(main_file, encoding="latin-1") if line.startswith("TITLE="))
    copied_at = time.time()
    time.sleep(1)  # so that files the save rewrites are clearly newer

    program = subprocess.Popen([exe])
    try:
        editor = node("frame", "Morvanta")
        node("filler", "Toolbox")

        focus_window("^Morvanta")
        xdotool("key", "ctrl+o")
        dialog = node("dialog", "Open...")
        file_name = node("text", "File name:", root=dialog)
        file_name.queryComponent().grabFocus()
        xdotool("type", "--delay", "10", main_file)
        xdotool("key", "Return")

        wait_for(f'the editor titled "{title}"', lambda: editor.name == title)
        phone = node("filler", "Phone", root=editor)
        shown = wait_for("the page's elements", lambda: names_below(phone) if phone.childCount > 5 else None)
        for expected in ("Background", "BtM 0", "Lab 0", "To 0"):
            if expected not in shown:
                raise Failure(f'the phone shows no "{expected}", only {shown}')
        if extents(phone)[2:] != (208, 320):
            raise Failure(f"at 100 % the phone is {extents(phone)[2:]}")
        screenshot(editor, os.path.join(shots, "e2e-zoom100.png"))

        zoom = node("combo box", "Zoom")
        click(zoom)
        click(node("list item", "200 %", root=zoom))
        wait_for("the phone at 200 %", lambda: extents(phone)[2:] == (416, 640))
        time.sleep(0.5)
        screenshot(editor, os.path.join(shots, "e2e-zoom200.png"))

        focus_window(f"^{title}")
        xdotool("key", "ctrl+s")
        wait_for("the saved files", lambda: newer_files(skin_folder, copied_at))
        time.sleep(0.5)
        xdotool("key", "ctrl+q")
        status = program.wait(timeout=TIMEOUT)
        if status != 0:
            raise Failure(f"the program exited with status {status}")
    finally:
        if program.poll() is None:
            program.kill()


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        run(*sys.argv[1:])
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
