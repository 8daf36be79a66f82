#!/usr/bin/python3
"""Presses a push button of a running program through AT-SPI, as a screen reader would, and waits
until a text appears in the program's window.

Usage: press_over_atspi.py PROGRAM BUTTON TEXT
"""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# get_action_name is deprecated for a successor that Debian 12's Atspi does not have yet.
warnings.simplefilter("ignore", DeprecationWarning)

PICTURE_BUTTONS = {"Start", "Pause", "Stop"}


def children(node):
    return (node.get_child_at_index(i) for i in range(node.get_child_count()))


def descendants(node):
    for child in children(node):
        if child is not None:
            yield child
            yield from descendants(child)


def wait_for(find, what, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"{what} did not appear over AT-SPI")


def application(name):
    return next((app for app in children(Atspi.get_desktop(0)) if app.get_name() == name), None)


def main(program, button_name, text):
    app = wait_for(lambda: application(program), f"the application {program}")
    buttons = {node.get_name(): node for node in descendants(app)
               if node.get_role() == Atspi.Role.PUSH_BUTTON}
    if not PICTURE_BUTTONS <= buttons.keys():
        sys.exit(f"push buttons over AT-SPI: {sorted(buttons)}; expected {sorted(PICTURE_BUTTONS)}")
    button = buttons[button_name]
    actions = [button.get_action_name(i) for i in range(button.get_n_actions())]
    if "Press" not in actions:
        sys.exit(f"'{button_name}' offers the actions {actions}, no Press")
    button.do_action(actions.index("Press"))
    wait_for(lambda: next((node for node in descendants(app) if node.get_name() == text), None),
             f"the text '{text}' after pressing '{button_name}'")
    print(f"pressing '{button_name}' over AT-SPI showed '{text}'")


if __name__ == "__main__":
    main(*sys.argv[1:])
