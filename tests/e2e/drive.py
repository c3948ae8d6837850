#!/usr/bin/python3
"""Uses the real program as a person would and checks what a person would see.

Controls are found in the accessibility tree by role and name, as a screen reader
finds them; the mouse and the keyboard act on them through xdotool. Opens the demo
skin through the Open dialog, picks a page in the drawer, removes an element, zooms to
200 % in the toolbox, saves and quits; checks the files; starts the program again and
reopens the skin from "Open Recent".

Usage: drive.py <morvanta executable> <copy of the demo skin> <the original demo skin> <screenshot folder>
"""

import filecmp
import os
import subprocess
import sys
import time

from a11y import (TIMEOUT, Failure, center, choose, choose_from_contextual_menu, choose_from_menus, choose_zoom,
                  click, drag, enabled, extents, focus_window, names_below, newer_files, node, open_skin,
                  program_output, screenshot, screenshot_of_screen, skin_title, start, wait_for, xdotool)

# The element removed: the first button of page "Shortcuts", listed by its picture.
PAGE = "Shortcuts"
REMOVED_ROW = "tile_sms"
REMOVED_LINE = b'BUTTON=4,40,302,"","Bitmaps/tile_sms.bmp","Bitmaps/tile_sms_pressed.bmp"\r'
# Then the next button ("Bt 0" once the first is gone) is dragged by (10, 5) ...
DRAGGED_LINE = (b'BUTTON=72,40,307,"","Bitmaps/tile_email.bmp"', b'BUTTON=82,45,307,"","Bitmaps/tile_email.bmp"')
# ... the first label grows by (20, 6) from its bottom-right corner ...
RESIZED_LINE = (b'LABEL=12,10,120,22,', b'LABEL=12,10,140,28,')
# ... and "Bt 1" is copied and pasted where the removed button was, as the last button.
LAST_BUTTON = b'BUTTON=140,168,204,"","Bitmaps/tile_memory.bmp","Bitmaps/tile_memory_pressed.bmp"\r'
PASTE_AT = (10, 45)
PASTED_LINE = b'BUTTON=10,45,306,"","Bitmaps/tile_mms.bmp","Bitmaps/tile_mms_pressed.bmp"\r'


def expect(what, condition):
    if not condition:
        raise Failure(what)


def check_first_page(editor, phone):
    shown = wait_for("the page's elements", lambda: names_below(phone) if phone.childCount > 5 else None)
    for expected in ("Background", "BtM 0", "Lab 0", "To 0"):
        expect(f'the phone shows "{expected}"; it shows {shown}', expected in shown)
    expect(f"the phone is 208 x 320 at 100 %, not {extents(phone)[2:]}", extents(phone)[2:] == (208, 320))


def pick_page_and_remove_a_button(phone):
    click(node("list item", PAGE, root=node("list", "Pages")))
    # Nine buttons there, against the nine masked buttons of the first page.
    wait_for(f'page "{PAGE}" on the phone', lambda: "Bt 8" in names_below(phone) and "BtM 1" not in names_below(phone))
    click(node("page tab", "Elements"))
    choose("Element Kind", "Button")
    elements = node("list", "Elements")
    click(node("list item", REMOVED_ROW, root=elements))
    click(wait_for("the Remove button enabled", lambda: enabled(node("push button", "Remove"))))
    click(node("push button", "OK"))  # "This will delete the Element! Sure?"
    wait_for("eight buttons on the phone", lambda: "Bt 8" not in names_below(phone) and "Bt 7" in names_below(phone))
    rows = [elements.getChildAtIndex(i).name for i in range(elements.childCount)]
    expect(f'"{REMOVED_ROW}" gone from the element list: {rows}', REMOVED_ROW not in rows and len(rows) == 8)


def drag_resize_and_paste(phone):
    """Moves, resizes, copies and pastes with the mouse alone, as on the phone's screen."""
    drag(center(node("image", "Bt 0", root=phone)), (10, 5))
    x, y, width, height = extents(node("label", "Lab 0", root=phone))
    drag((x + width - 2, y + height - 2), (20, 6))
    wait_for("the label resized", lambda: extents(node("label", "Lab 0", root=phone))[2:] == (140, 28))
    choose_from_contextual_menu(center(node("image", "Bt 1", root=phone)), "Copy")
    left, top = extents(phone)[:2]
    choose_from_contextual_menu((left + PASTE_AT[0], top + PASTE_AT[1]), "Paste")
    wait_for("the pasted button", lambda: "Bt 8" in names_below(phone))


def check_saved_files(saved, original):
    """Every file as it was, but the page that was edited."""
    for folder, _, files in os.walk(original):
        for name in files:
            first = os.path.join(folder, name)
            second = os.path.join(saved, os.path.relpath(first, original))
            if name == "page_1":
                with open(first, "rb") as before, open(second, "rb") as after:
                    expected = (before.read().replace(REMOVED_LINE, b"", 1)
                                .replace(*DRAGGED_LINE).replace(*RESIZED_LINE)
                                .replace(LAST_BUTTON, LAST_BUTTON + PASTED_LINE))
                    written = after.read()
                    expect(f"page_1 holds exactly the edits made:\n{written}\nnot\n{expected}", written == expected)
            else:
                expect(f"{second} is unchanged", filecmp.cmp(first, second, shallow=False))


def first_run(exe, main_file, shots):
    skin_folder = os.path.dirname(main_file)
    title = skin_title(main_file)
    copied_at = time.time()
    time.sleep(1)  # so that files the save rewrites are clearly newer
    program = start(exe)
    try:
        editor = node("frame", "Morvanta")
        node("filler", "Toolbox")
        open_skin(main_file)
        wait_for(f'the editor titled "{title}"', lambda: editor.name == title)
        phone = node("filler", "Phone", root=editor)
        check_first_page(editor, phone)
        screenshot(editor, os.path.join(shots, "e2e-zoom100.png"))

        pick_page_and_remove_a_button(phone)
        drag_resize_and_paste(phone)

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
        expect(f"the program exits with status 0, not {status}", status == 0)
    finally:
        stop(program, shots)


def stop(program, shots):
    """Kills a program that did not quit, after a picture of the screen it left behind."""
    if program.poll() is None:
        screenshot_of_screen(os.path.join(shots, "e2e-failure.png"))
        program.kill()


def second_run(exe, main_file, shots):
    """The skin is in "Open Recent" after a restart, and opens from there."""
    title = skin_title(main_file)
    program = start(exe)
    try:
        editor = node("frame", "Morvanta")
        focus_window("^Morvanta")
        choose_from_menus("Ablage", "Open Recent", os.path.basename(main_file))
        wait_for(f'the editor titled "{title}" from Open Recent', lambda: editor.name == title)
        xdotool("key", "ctrl+q")
        status = program.wait(timeout=TIMEOUT)
        expect(f"the program exits with status 0, not {status}", status == 0)
    finally:
        stop(program, shots)


def main():
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    exe, skin_folder, original, shots = sys.argv[1:]
    main_file = os.path.join(skin_folder, "demo.skin")
    try:
        first_run(exe, main_file, shots)
        check_saved_files(skin_folder, original)
        second_run(exe, main_file, shots)
    except (Failure, subprocess.TimeoutExpired) as failure:
        print(f"FAIL: {failure}\nThe program's error output:\n{program_output()}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
