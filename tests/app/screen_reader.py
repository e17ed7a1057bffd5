#!/usr/bin/python3
"""Reads Paysmith's numeric fields the way a screen reader does, over the
AT-SPI bus: by the loan panel's name, the field's label and the text interface.

    screen_reader.py PANEL LABEL EXPECTED

waits until the field labelled LABEL in the panel named PANEL shows EXPECTED;
fails with what it found instead. With --text as PANEL it waits until a
read-only text in the window titled LABEL holds EXPECTED.

    screen_reader.py --where NAME

waits until the menu entry or page tab whose name starts with NAME is on the
screen and prints its centre, for a click that no key held for the screen
reader can overtake.
"""
import sys
import time

import pyatspi


def find(node, test):
    if node is None:
        return None
    if test(node):
        return node
    # A table's cells, thousands on the Schedule page, are never looked for.
    if node.getRole() == pyatspi.ROLE_TABLE:
        return None
    for child in node:
        found = find(child, test)
        if found is not None:
            return found
    return None


def whole_text(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def read(panel_name, label, expected):
    desktop = pyatspi.Registry.getDesktop(0)
    app = find(desktop, lambda n: n.getRole() == pyatspi.ROLE_APPLICATION
               and n.name == "paysmith")
    if panel_name == "--text":
        window = find(app, lambda n: n.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)
                      and n.name == label)
        found = find(window, lambda n: n.getRole() == pyatspi.ROLE_TEXT
                     and n.getState().contains(pyatspi.STATE_READ_ONLY)
                     and expected in whole_text(n))
        return expected if found else None
    panel = find(app, lambda n: n.getRole() == pyatspi.ROLE_PANEL and n.name == panel_name)
    field = find(panel, lambda n: n.getRole() == pyatspi.ROLE_TEXT
                 and n.name.startswith(label))
    if field is None:
        return None
    return whole_text(field)


def where(name):
    desktop = pyatspi.Registry.getDesktop(0)
    app = find(desktop, lambda n: n.getRole() == pyatspi.ROLE_APPLICATION
               and n.name == "paysmith")
    found = find(app, lambda n: n.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM,
                                                 pyatspi.ROLE_PAGE_TAB)
                 and n.name.startswith(name)
                 and n.getState().contains(pyatspi.STATE_SHOWING))
    if found is None:
        return None
    box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        return None
    return f"{box.x + box.width // 2} {box.y + box.height // 2}"


def main():
    if sys.argv[1] == "--where":
        for _ in range(200):
            try:
                found = where(sys.argv[2])
            except Exception:  # the menu may be opening
                found = None
            if found:
                print(found)
                return 0
            time.sleep(0.1)
        print(f"FAIL: no menu entry or tab {sys.argv[2]!r} on the screen", file=sys.stderr)
        return 1
    panel_name, label, expected = sys.argv[1:4]
    found = None
    for _ in range(200):
        try:
            found = read(panel_name, label, expected)
        except Exception as error:  # the application may not be on the bus yet
            found = repr(error)
        if found == expected:
            print(f"{panel_name}, {label}: {found}")
            return 0
        time.sleep(0.1)
    print(f"FAIL: {panel_name}, {label} reads {found!r}, not {expected!r}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
