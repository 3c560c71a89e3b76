"""What a screen reader sees of a running Huecracker, through AT-SPI.

Checks the shape of the tree that a screen reader walks, which speech alone
does not tell (what Orca says is tests/e2e/orca_test.sh's part): the frame's
children in keyboard order, no hidden button, the board's rows, the swatch, and
the secret only once "Give Up!" has uncovered it; then answers the loss dialog
"No", which ends the program. a11y_test.sh gives it a display and buses of its own; on a desktop with
accessibility on, run it against a game started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 by: /usr/bin/python3 tests/e2e/a11y_client.py
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

COLOURS = "brown red orange yellow green cyan blue navy magenta purple white black".split()
BUTTONS = COLOURS + [f"{p}: empty" for p in range(1, 9)] + ["Go!", "Reset!", "Give Up!"]
ROW = re.compile(r"Row (\d+): ((?:\w+, ){7}\w+)(?:; (\d) black, (\d) white)?")
SECRET = re.compile(r"Secret: ((?:\w+, ){7}\w+)")

failures = []


def check(ok, expected, found):
    if not ok:
        failures.append(f"expected {expected}, found {found}")
    return ok


def pump_until(ready, seconds):
    # Replies and events arrive only while the default GLib context runs.
    deadline = time.monotonic() + seconds
    while not (result := ready()) and time.monotonic() < deadline:
        if not GLib.MainContext.default().iteration(False):
            time.sleep(0.01)
    return result


def fresh(node):
    node.clearCache()  # also its descendants: names and states change under us
    return node


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(root, wanted):
    return next((n for n in walk(fresh(root)) if wanted(n)), None)


def named(name):
    return lambda n: n.name == name


def is_pressed(node):
    return fresh(node).getState().contains(pyatspi.STATE_PRESSED)


def press(button, settle=True):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not check("Press" in names, f'a "Press" action on {button.name!r}', names):
        return
    action.doAction(names.index("Press"))
    # Qt clicks 100 ms later; the button reads as pressed until the click has run.
    if settle and is_pressed(button):
        check(pump_until(lambda: not is_pressed(button), 5), f"{button.name!r} released", "still pressed")


def dump(node, depth=0):
    if depth == 0:
        print("The accessible tree:", file=sys.stderr)
    for child in fresh(node):
        if child is not None:
            extra = f" ({child.description})" if child.description else ""
            print(f"{'  ' * depth}{child.getRoleName()} {child.name!r}{extra}", file=sys.stderr)
            dump(child, depth + 1)


def main():
    desktop = pyatspi.Registry.getDesktop(0)

    def window(name, apps):
        return next((w for app in apps for w in app or () if w and w.name == name), None)

    frame = pump_until(lambda: window("Huecracker", fresh(desktop)), 10)
    if not check(frame, "a window named Huecracker", "none"):
        return dump(desktop)
    app = frame.getApplication()
    check(frame.getRole() == pyatspi.ROLE_FRAME, "the window as a frame", frame.getRoleName())
    check(find(frame, named("0")) is None, 'no hidden button "0" in the tree', "it")
    pump_until(lambda: fresh(frame).getState().contains(pyatspi.STATE_ACTIVE), 5)
    focused = find(frame, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))
    check(focused and focused.name == "brown", "the focus on brown", focused and focused.name)

    # The frame's children: the board, then the controls in keyboard order.
    children = [c for c in fresh(frame) if c is not None]
    buttons = [c.name for c in children if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(buttons == BUTTONS, f"buttons in keyboard order {BUTTONS}", buttons)
    check(children and children[0].getRole() == pyatspi.ROLE_LIST, "the board first", children[:1])
    check(any(c.name == "Color:" and c.getRole() == pyatspi.ROLE_LABEL for c in children), 'the label "Color:"', "none")
    swatch = next((c for c in children if c.name.startswith("Chosen colour: ")), None)
    check(swatch and swatch.name == "Chosen colour: brown", '"Chosen colour: brown"', swatch and swatch.name)
    check(swatch and swatch.getRole() == pyatspi.ROLE_IMAGE, "the swatch as an image", swatch and swatch.getRoleName())
    rows = [n for n in children[0]] if children else []
    check([r.getRole() for r in rows] == [pyatspi.ROLE_LIST_ITEM] * 18, "a list of 18 rows", len(rows))
    marked = [i + 1 for i, row in enumerate(rows) if row.description == "current row"]
    check(marked == [1], '"current row" on row 1 only', marked)
    check(all(ROW.fullmatch(r.name) for r in rows), '"Row n: c1, ..., c8"', [r.name for r in rows[:2]])
    check(not any(SECRET.match(c.name) for c in children), "no secret before the game ends", "one")

    give_up = next((c for c in children if c.name == "Give Up!"), None)
    if not check(give_up, 'a button "Give Up!"', "none"):
        return dump(app)
    press(give_up)
    dialog = pump_until(lambda: window("Lost", [fresh(app)]), 5)
    if not check(dialog, 'a dialog named "Lost" after Give Up!', "none"):
        return dump(app)
    check(find(dialog, named("Sorry, you lost! Play again?")), 'the text "Sorry, you lost! Play again?"', "none")
    secret = next((c for c in fresh(frame) if c is not None and SECRET.fullmatch(c.name)), None)
    if check(secret, '"Secret: c1, ..., c8" among the frame\'s children', "none"):
        colours = SECRET.fullmatch(secret.name)[1].split(", ")
        check(set(colours) <= set(COLOURS), "colour names", repr(secret.name))

    if failures:
        dump(app)
    no = find(dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "No")
    if check(no, 'a "No" button in the dialog', "none"):
        press(no, settle=False)  # the program ends on it
    if failures:
        return None
    return f"screen reader: {len(children)} objects in the frame, 18 rows, then {secret.name!r} behind the question"


if __name__ == "__main__":
    summary = main()
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        sys.exit(1)
    print(summary)
