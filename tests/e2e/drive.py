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

from a11y import (TIMEOUT, Failure, choose_zoom, extents, focus_window, names_below, newer_files, node,
                  open_skin, screenshot, skin_title, wait_for, xdotool)


def run(exe, skin_folder, shots):
    main_file = os.path.join(skin_folder, "demo.skin")
    title = skin_title(main_file)
    copied_at = time.time()
    time.sleep(1)  # so that files the save rewrites are clearly newer

    program = subprocess.Popen([exe])
    try:
        editor = node("frame", "Morvanta")
        node("filler", "Toolbox")

        open_skin(main_file)
        wait_for(f'the editor titled "{title}"', lambda: editor.name == title)
        phone = node("filler", "Phone", root=editor)
        shown = wait_for("the page's elements", lambda: names_below(phone) if phone.childCount > 5 else None)
        for expected in ("Background", "BtM 0", "Lab 0", "To 0"):
            if expected not in shown:
                raise Failure(f'the phone shows no "{expected}", only {shown}')
        if extents(phone)[2:] != (208, 320):
            raise Failure(f"at 100 % the phone is {extents(phone)[2:]}")
        screenshot(editor, os.path.join(shots, "e2e-zoom100.png"))

        choose_zoom("200 %")
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
