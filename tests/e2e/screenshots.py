#!/usr/bin/python3
"""Takes the README's screenshots: the demo skin in the real editor window with the
toolbox beside it, at 100 % and 200 %, the latter with an element clicked and outlined.

Usage: screenshots.py <morvanta executable> <copy of the demo skin> <docs folder>
"""

import os
import subprocess
import sys
import time

from a11y import choose_zoom, click, extents, node, open_skin, skin_title, start, wait_for


def shoot(editor, toolbox, path):
    """The editor at the screen's top left and the toolbox beside it."""
    toolbox_x, _, toolbox_width, _ = extents(toolbox)
    editor_x, editor_y, _, editor_height = extents(editor)
    width = toolbox_x + toolbox_width + 8 - editor_x
    subprocess.run(["import", "-window", "root", "-crop", f"{width}x{editor_height}+{editor_x}+{editor_y}",
                    "+repage", path], check=True)
    print(f"wrote {path}")


def main():
    exe, skin_folder, docs = sys.argv[1:4]
    main_file = os.path.join(skin_folder, "demo.skin")
    program = start(exe)
    try:
        editor = node("frame", "Morvanta")
        toolbox = node("filler", "Toolbox")
        open_skin(main_file)
        title = skin_title(main_file)
        wait_for("the demo skin", lambda: editor.name == title)
        time.sleep(1)
        shoot(editor, toolbox, os.path.join(docs, "screenshot-100.png"))
        choose_zoom("200 %")
        phone = node("filler", "Phone", root=editor)
        wait_for("the phone at 200 %", lambda: extents(phone)[2:] == (416, 640))
        # The mouse stays on it: the outline shows, and the toolbox its position.
        click(node("image", "BtM 0", root=phone))
        time.sleep(1)
        shoot(editor, toolbox, os.path.join(docs, "screenshot-200.png"))
    finally:
        program.kill()


if __name__ == "__main__":
    main()
