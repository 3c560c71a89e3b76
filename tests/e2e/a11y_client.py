"""What a screen reader sees of a running Huecracker, through AT-SPI.

Plays one short game through the buttons' "Press" actions, reads the rows, the
chosen colour and the uncovered secret by their accessible names, listens for
their name-changed events, and answers the loss dialog "No", which ends the
program. a11y_test.sh gives it a display and buses of its own; on a desktop with
accessibility on, run it against a game started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 by: /usr/bin/python3 tests/e2e/a11y_client.py
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

COLOURS = "brown red orange yellow green cyan blue navy magenta purple white black".split()
BUTTONS = COLOURS + [str(p) for p in range(1, 9)] + ["Go!", "Reset!", "Give Up!"]
ROW = re.compile(r"Row (\d+): ((?:\w+, ){7}\w+)(?:; (\d) black, (\d) white)?")
SECRET = re.compile(r"Secret: ((?:\w+, ){7}\w+)")

failures = []


def check(ok, expected, found):
    if not ok:
        failures.append(f"expected {expected}, found {found}")
    return ok


def pump_until(ready, seconds):
    # Events reach the listener only while the default GLib context runs.
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


def score(guess, secret):
    black = sum(g == s for g, s in zip(guess, secret))
    shared = sum(min(guess.count(c), secret.count(c)) for c in set(secret))
    return black, shared - black


def dump(node, depth=0):
    if depth == 0:
        print("The accessible tree:", file=sys.stderr)
    for child in fresh(node):
        if child is not None:
            extra = f" ({child.description})" if child.description else ""
            print(f"{'  ' * depth}{child.getRoleName()} {child.name!r}{extra}", file=sys.stderr)
            dump(child, depth + 1)


def main():
    heard = []

    def listen(event):
        try:
            heard.append(fresh(event.source).name)  # the event's value is the object, not the name
        except GLib.Error:
            pass

    def heard_from(prefix):
        return sum(name.startswith(prefix) for name in heard)

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
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

    nodes = list(walk(fresh(frame)))
    buttons = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    check(set(BUTTONS) <= set(buttons), f"buttons {BUTTONS}", sorted(buttons))
    check(any(n.name == "Color:" for n in nodes), 'the label "Color:"', "none")
    board = next((n for n in nodes if n.getRole() == pyatspi.ROLE_LIST), None)
    rows = [n for n in board if n.getRole() == pyatspi.ROLE_LIST_ITEM] if board else []
    check(len(rows) == 18, "a list of 18 rows", len(rows))
    swatch = next((n for n in nodes if n.name.startswith("Chosen colour: ")), None)
    check(swatch and swatch.name == "Chosen colour: brown", '"Chosen colour: brown"', swatch and swatch.name)
    check(not any(SECRET.match(n.name) for n in nodes), "no secret before the game ends", "one")

    def play(*captions):
        for caption in captions:
            if caption in buttons:
                press(buttons[caption])

    def row_reads(number, expected):
        if rows:
            found = fresh(rows[number - 1]).name
            check(found == expected, repr(expected), repr(found))

    scored = []  # (pegs, clue) of row 1 after each Go!

    def go(pegs, current):
        play("Go!")
        if rows:
            found = fresh(rows[0]).name
            match = ROW.fullmatch(found)
            expected = f'"Row 1: {", ".join(pegs)}; B black, W white"'
            if check(match and match[2] == ", ".join(pegs) and match[3], expected, repr(found)):
                scored.append((pegs, (int(match[3]), int(match[4]))))
            marked = [i + 1 for i, row in enumerate(rows) if fresh(row).description == "current row"]
            check(marked == [current], f'"current row" on row {current} only', marked)

    play("red")
    if swatch:
        check(fresh(swatch).name == "Chosen colour: red", '"Chosen colour: red"', repr(swatch.name))
    play("1", "2", "orange", "3")
    pegs = ["red", "red", "orange"] + ["empty"] * 5
    row_reads(1, "Row 1: " + ", ".join(pegs))
    go(pegs, 1)
    play("yellow", "4", "green", "5", "cyan", "6", "blue", "7", "navy", "8")
    go(pegs[:3] + ["yellow", "green", "cyan", "blue", "navy"], 2)
    row_reads(2, "Row 2: " + ", ".join(["empty"] * 8))
    # Row 1's name changed nine times (eight pegs, the first score), the colour seven.
    pump_until(lambda: heard_from("Row 1: ") >= 9 and heard_from("Chosen colour: ") >= 7, 3)
    check(heard_from("Row 1: ") >= 9, "9 name changes of row 1", heard_from("Row 1: "))
    check(heard_from("Chosen colour: ") >= 7, "7 name changes of the colour", heard_from("Chosen colour: "))

    play("Give Up!")
    dialog = pump_until(lambda: window("Lost", [fresh(app)]), 5)
    if not check(dialog, 'a dialog named "Lost" after Give Up!', "none"):
        return dump(app)
    check(find(dialog, named("Sorry, you lost! Play again?")), 'the text "Sorry, you lost! Play again?"', "none")
    secret = find(frame, lambda n: SECRET.fullmatch(n.name))
    if check(secret, '"Secret: c1, ..., c8"', "none"):
        colours = SECRET.fullmatch(secret.name)[1].split(", ")
        check(set(colours) <= set(COLOURS), "colour names", repr(secret.name))
        for pegs, clue in scored:
            check(clue == score(pegs, colours), f"{score(pegs, colours)} for {pegs}", clue)
    check(pump_until(lambda: heard_from("Secret: "), 3), "a name change of the secret", "none")

    if failures:
        dump(app)
    no = find(dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "No")
    if check(no, 'a "No" button in the dialog', "none"):
        press(no, settle=False)  # the program ends on it
    if failures:
        return None
    clues = ", then ".join(f"{b} black {w} white" for _, (b, w) in scored)
    return f"screen reader: row 1 scored {clues} against {secret.name!r}; {len(heard)} name changes heard"


if __name__ == "__main__":
    summary = main()
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        sys.exit(1)
    print(summary)
