"""Reads the running game's window through the accessibility bus, as a screen
reader does, and plays a one-seat game on 6 x 3 with the keyboard, knowing only
what the window tells a screen reader.

Checks: the controls of each state are named and only what shows is showing; a
closed list offers no items; after Done the 18 cards come in reading order, and
no card lying face down names a face at any time; the outcome is readable once
the last pair is found, and holds the focus.

Run by screen_reader_test.sh inside its own display and session bus; exits 0
when every check holds, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi

FACE_DOWN = ", face down"
FACE_UP = ", face up, "
# A bound on waiting for what the window tells, long enough for a machine
# busy with other work.
TIMEOUT = 60.0
# The roles of a list's items, as Qt exposes a list view's rows.
ITEM_ROLES = (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message, flush=True)
    return condition


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true; None after the timeout."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree may change under a reader mid-walk
            found = None
        if found:
            return found
        time.sleep(0.05)
    check(False, "timed out waiting for " + what)
    return None


def find_game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Pairon":
            return app
    return None


def nodes(root):
    """Every accessible below root, depth first, in the order a reader meets them."""
    found = []

    def walk(node):
        found.append(node)
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child)

    walk(root)
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def role(node):
    return node.getRole()


def shown(root, wanted_role=None, name=None):
    return [n for n in nodes(root) if showing(n) and (wanted_role is None or role(n) == wanted_role)
            and (name is None or n.name == name)]


def press(root, wanted_role, name):
    """Presses the shown control of that role and name, as a screen reader's
    activate command does."""
    node = wait_for("a shown %r" % name, lambda: next(iter(shown(root, wanted_role, name)), None))
    if node is None:
        return False
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == "press":
            actions.doAction(i)
            return True
    return check(False, "%r has no press action" % name)


class Board:
    """The board panel's pictures, found once: the 50 card slots stay the same
    objects for the whole run, only their names and states change."""

    def __init__(self, window):
        panel = next(n for n in nodes(window) if role(n) == pyatspi.ROLE_PANEL and n.name == "Game Window")
        children = [c for c in (panel.getChildAtIndex(i) for i in range(panel.childCount)) if c is not None]
        self.slots = [c for c in children if role(c) == pyatspi.ROLE_IMAGE and c.name != "Board picture"]
        # The board itself, a list of the cards on it.
        self.pane = next(c for c in children if role(c) == pyatspi.ROLE_LIST)

    def cards(self):
        """The names of the cards on the board, in the order a reader meets them."""
        return [name for name in (n.name for n in self.slots if showing(n)) if name.startswith("Card, row ")]

    def places(self):
        return [place(name) for name in self.cards()]

    def marked(self):
        return place(self.pane.name) if self.pane.name.startswith("Card, row ") else None


def place(card_name):
    """(row, column) of a card's name, "Card, row 2, column 3, ..."."""
    parts = card_name.split(", ")
    return int(parts[1].split()[1]), int(parts[2].split()[1])


def face(card_name):
    return card_name.split(FACE_UP, 1)[1] if FACE_UP in card_name else None


def check_hidden_things_do_not_show(root, state):
    for node in nodes(root):
        if not showing(node):
            continue
        parent = node.parent
        check(parent is None or role(parent) == pyatspi.ROLE_APPLICATION or showing(parent),
              "%s: %r shows inside a hidden %r" % (state, node.name, parent.name if parent else ""))
        on_board = parent is not None and role(parent) == pyatspi.ROLE_LIST and \
            parent.parent is not None and parent.parent.name == "Game Window"
        if role(node) in ITEM_ROLES and not on_board:
            check(False, "%s: the item %r of a closed list shows" % (state, node.name))
    check(not shown(root, None, "Invisible Objects"), "%s: the invisible objects show" % state)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def main():
    game = wait_for("the game on the accessibility bus", find_game)
    if game is None:
        return 1
    # Read what the game says now, never an answer kept from before.
    game.set_cache_mask(Atspi.Cache.NONE)
    window = wait_for("the main window", lambda: next((w for w in (game.getChildAtIndex(i) for i in range(
        game.childCount)) if w is not None and w.name == "Pairon Game"), None))
    if window is None:
        return 1

    # The setup state: the setup panels and their lists; the board face down.
    wait_for("the Dimensions panel", lambda: shown(window, pyatspi.ROLE_PANEL, "Dimensions"))
    for hidden in ("Commentary", "Score Board", "Player Details", "Outcome"):
        check(not shown(window, pyatspi.ROLE_PANEL, hidden), "setup: the %r panel shows" % hidden)
    check_hidden_things_do_not_show(window, "setup")
    lists = shown(window, pyatspi.ROLE_COMBO_BOX)
    check(sorted(n.name for n in lists) == ["1", "3", "6", "Standard"], "setup: lists %r" % [n.name for n in lists])

    # A list offers its items while it is open, and only then.
    width = next((n for n in lists if n.name == "6"), None)
    if width is not None and press(window, pyatspi.ROLE_COMBO_BOX, "6"):
        def items():
            return [n.name for n in nodes(width) if showing(n) and role(n) in ITEM_ROLES]

        check(wait_for("the width list's items", items) == ["4", "6", "8", "10"],
              "an open list shows its items in order: %r" % (items(),))
        key("Escape")
        wait_for("the width list to close", lambda: not items())
    check_hidden_things_do_not_show(window, "setup, list closed again")

    # New Game: the player details cover the board.
    press(window, pyatspi.ROLE_PUSH_BUTTON, "New Game")
    wait_for("the Player Details panel", lambda: shown(window, pyatspi.ROLE_PANEL, "Player Details"))
    check(not [n for n in shown(window, pyatspi.ROLE_IMAGE) if n.name.startswith("Card, row ")],
          "player entry: the covered board's cards show")
    check(not shown(window, pyatspi.ROLE_PANEL, "Dimensions"), "player entry: the Dimensions panel shows")
    check_hidden_things_do_not_show(window, "player entry")

    # Done: the board, card by card, in reading order, every card face down.
    press(window, pyatspi.ROLE_PUSH_BUTTON, "Done")
    wait_for("the Game Window panel", lambda: shown(window, pyatspi.ROLE_PANEL, "Game Window"))
    board = Board(window)
    names = wait_for("18 cards", lambda: len(board.cards()) == 18 and board.cards())
    if not names:
        return 1
    expected = [(row, column) for row in range(1, 4) for column in range(1, 7)]
    check([place(n) for n in names] == expected, "the cards are not in reading order: %r" % names)
    check(all(n.endswith(FACE_DOWN) for n in names), "a card names its face before it is turned: %r" % names)
    check_hidden_things_do_not_show(window, "playing")

    # The shortest pause after a miss.
    slider = shown(window, pyatspi.ROLE_SLIDER, "Game Speed")
    if check(bool(slider), "the speed slider does not show"):
        slider[0].queryValue().currentValue = 2

    # Play it out with the keyboard, remembering what the screen reader said.
    board.pane.queryComponent().grabFocus()
    wait_for("the board's focus", lambda: board.pane.getState().contains(pyatspi.STATE_FOCUSED))

    seen = {}  # (row, column) -> face
    turns = 0

    def mark(target, left):
        key("Home")
        wait_for("the mark on the first card", lambda: board.marked() == left[0])
        for _ in range(left.index(target)):
            before = board.marked()
            key("Right")
            wait_for("the mark to move", lambda: board.marked() != before)
        check(board.marked() == target, "the mark is not on %r" % (target,))

    def turn(target, left):
        mark(target, left)
        key("space")
        # The card shows its face, or, the second of a pair, leaves the board
        # with its partner at once.
        name = wait_for("card %r to turn up" % (target,), lambda: next(
            (n for n in board.cards() if place(n) == target and FACE_UP in n), None) or (
            target not in board.places() and "gone"))
        if name and name != "gone":
            seen[target] = face(name)
        up = [n for n in board.cards() if FACE_UP in n]
        check(len(up) <= 2, "more than two cards name a face: %r" % up)
        return seen.get(target)

    while board.places() and turns < 60:
        turns += 1
        left = board.places()
        known = {}
        pair = None
        for spot in left:
            if spot in seen:
                if seen[spot] in known:
                    pair = (known[seen[spot]], spot)
                    break
                known[seen[spot]] = spot
        if pair:
            first, second = pair
            turn(first, left)
        else:
            first = next(s for s in left if s not in seen)
            shown_face = turn(first, left)
            second = known.get(shown_face) or next((s for s in left if s not in seen and s != first), None)
        if second is None:
            break
        turn(second, left)
        if seen.get(first) == seen.get(second):
            wait_for("the pair to leave the board", lambda: first not in board.places() and second not in board.places())
        else:
            # The two cards turn back after the pause, naming no face again.
            wait_for("the cards to turn back", lambda: not [n for n in board.cards() if FACE_UP in n])
        names = board.cards()
        check(all(n.endswith(FACE_DOWN) for n in names), "a face-down card names a face: %r" % names)

    check(not board.places(), "the board was not cleared in %d turns" % turns)

    # The outcome: its lines as the text's description, the result picture
    # described, and the focus on the text.
    outcome = wait_for("the outcome", lambda: next((n for n in shown(window, pyatspi.ROLE_IMAGE, "Outcome")), None))
    if outcome is not None:
        lines = outcome.description.split("\n")
        check(lines[:2] == ["Well Done", "Player 1!"] and lines[-1].endswith(" turns"),
              "the outcome reads %r" % lines)
        check(outcome.getState().contains(pyatspi.STATE_FOCUSED), "the outcome does not hold the focus")
    picture = shown(window, pyatspi.ROLE_IMAGE, "Result picture")
    check(bool(picture) and picture[0].description == "A trophy",
          "the result picture reads %r" % (picture[0].description if picture else None))
    check_hidden_things_do_not_show(window, "game over")

    print("the window reads as it should" if not failures else "%d checks failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
