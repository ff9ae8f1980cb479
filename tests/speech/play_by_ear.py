#!/usr/bin/env python3
"""Plays a whole 4 x 2 game against the computer with the keyboard alone,
taking every decision from what the screen reader speaks, as a blind player
would; it presses no key of the screen reader's own. Run it through
with_orca.sh, which starts the screen reader and tells where its log is.

Usage: play_by_ear.py PAIRON_EXECUTABLE [TRANSCRIPT_FILE]
"""

import os
import re
import subprocess
import sys
import time

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
CARD = re.compile(r"^(?:notification )?Card, row (\d), column (\d+), (face down|face up, (.+?))\.?$")
COMPUTER_PICK = re.compile(r"Computer turns up row (\d), column (\d+): ([a-z ]+)\.")
FACES = {"circle", "square", "triangle", "diamond", "star", "heart", "hexagon", "cross", "crescent", "arrow",
         "ring", "spiral", "lightning bolt", "flower", "drop", "leaf", "key", "bell", "anchor", "sun", "umbrella",
         "house", "fish", "fir tree", "crown", "music note"}
# Orca's own echo of a key, which says nothing of the game.
KEY_ECHO = re.compile(r"^(tab|left shift|space|return|right|left|up|down|home|end|escape|left control|f\d+|[a-z]) ?$",
                      re.IGNORECASE)


class Failure(Exception):
    pass


class Ear:
    """What the screen reader has spoken, line by line, and a transcript of
    the game as heard: each key, then what it brought."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.read = 0
        self.transcript = []
        self.heard = []
        self.pending = []

    def new_lines(self):
        """The lines spoken since last asked, not yet looked at."""
        try:
            with open(self.log_path, errors="replace") as log:
                lines = [m.group(1) for m in (SPOKEN.search(line) for line in log) if m]
        except FileNotFoundError:
            lines = []
        fresh = [line for line in lines[self.read:] if not KEY_ECHO.match(line)]
        self.read = len(lines)
        self.heard.extend(fresh)
        self.transcript.extend("    " + line for line in fresh)
        self.pending.extend(fresh)
        taken, self.pending = self.pending, []
        return taken

    def wait_for(self, pattern, what, timeout=12.0):
        """Waits for a spoken line that matches; returns its match. The lines
        after it stay to be looked at by the next wait."""
        wanted = re.compile(pattern)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            lines = self.new_lines()
            for i, line in enumerate(lines):
                found = wanted.search(line)
                if found:
                    self.pending = lines[i + 1:]
                    return found
            time.sleep(0.05)
        raise Failure("never heard %s (/%s/); last heard: %r" % (what, pattern, self.heard[-6:]))

    def press(self, key, pattern=None, what=None, timeout=12.0):
        self.new_lines()
        self.transcript.append("[%s]" % key)
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        if pattern is None:
            time.sleep(0.6)
            self.new_lines()
            return None
        return self.wait_for(pattern, what or key, timeout)

    def type(self, text):
        self.transcript.append("[types %s]" % text)
        subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
        time.sleep(0.8)
        self.new_lines()


def check(condition, message):
    if not condition:
        raise Failure(message)


class Player:
    """A player who knows the board only from what was spoken."""

    def __init__(self, ear):
        self.ear = ear
        self.known = {}  # (row, column) -> face, of cards still on the board
        self.left = {(r, c) for r in (1, 2) for c in (1, 2, 3, 4)}
        self.mark = None
        self.pairs_heard = 0
        self.misses_heard = 0

    def heard_card(self, match):
        place = (int(match.group(1)), int(match.group(2)))
        if match.group(4):
            check(match.group(4) in FACES, "a face up card names no known face: %r" % match.group(0))
        return place

    def move_to(self, target):
        """Right until the spoken card is the target, from Home when the mark
        is not known."""
        if self.mark is None or self.mark not in self.left:
            found = self.ear.press("Home", CARD.pattern, "the first card after Home")
            self.mark = self.heard_card(found)
        for _ in range(9):
            if self.mark == target:
                return
            found = self.ear.press("Right", CARD.pattern, "the next card after Right")
            self.mark = self.heard_card(found)
        raise Failure("the mark never reached %r" % (target,))

    def turn(self, target):
        """Turns the card under the mark; returns the face spoken and what followed."""
        self.move_to(target)
        found = self.ear.press("space", r"^notification (.*)$", "the face of the card turned")
        text = found.group(1)
        if "Press again to turn up a card." in text:
            # The first key of a turn may only end the pause before it.
            found = self.ear.press("space", r"^notification (.*)$", "the face of the card turned")
            text = found.group(1)
        face = next((f for f in sorted(FACES, key=len, reverse=True) if text.startswith(f + ".")), None)
        check(face is not None, "turning a card did not speak its face first: %r" % text)
        self.known[target] = face
        return face, text

    def take_pair_or_miss(self, text, places):
        if "Wins!" in text or "draw!" in text:
            self.ear.outcome = text
        if "A pair for Ann!" in text:
            self.pairs_heard += 1
            check(re.search(r"Score: \d+\.", text), "a pair without the new score: %r" % text)
            for place in places:
                self.left.discard(place)
                self.known.pop(place, None)
            # The mark moves on to a card nearby, and the screen reader says so.
            self.mark = None
            return "pair"
        check("No pair." in text, "the second card said neither pair nor miss: %r" % text)
        self.misses_heard += 1
        return "miss"

    def my_turn(self):
        """Plays until a miss or the end; returns 'miss' or 'end'."""
        while True:
            faces = {}
            pair = None
            for place, face in sorted(self.known.items()):
                if place in self.left:
                    if face in faces:
                        pair = (faces[face], place)
                        break
                    faces[face] = place
            unknown = sorted(self.left - set(self.known))
            if pair:
                first, second = pair
            else:
                first = unknown[0]
            face, text = self.turn(first)
            if not pair:
                match = next((p for p, f in self.known.items() if f == face and p != first and p in self.left), None)
                second = match if match else next(p for p in sorted(self.left - set(self.known)))
            face2, text = self.turn(second)
            if self.take_pair_or_miss(text, (first, second)) == "miss":
                return "miss"
            if not self.left:
                return "end"

    def computer_turn(self):
        """Listens to the computer's turn, learning its cards; returns 'mine' or 'end'."""
        deadline = time.monotonic() + 90
        pressed_during = False
        while time.monotonic() < deadline:
            for line in self.ear.new_lines():
                for row, column, face in COMPUTER_PICK.findall(line):
                    check(face in FACES, "the computer's pick names no known face: %r" % line)
                    self.known[(int(row), int(column))] = face
                    self.ear.computer_picks = getattr(self.ear, "computer_picks", 0) + 1
                if "A pair for Computer!" in line:
                    picks = [(int(r), int(c)) for r, c, _ in COMPUTER_PICK.findall(line)]
                    gone = [p for p, f in self.known.items() if f == self.known.get(picks[-1]) and p in self.left]
                    for place in gone:
                        self.left.discard(place)
                        self.known.pop(place, None)
                    self.mark = None
                    self.ear.computer_pairs = getattr(self.ear, "computer_pairs", 0) + 1
                if "Wins!" in line or "draw!" in line:
                    self.ear.outcome = line
                    return "end"
                if "Your turn, Ann." in line:
                    return "mine"
            if not pressed_during:
                # A key during the computer's turn is answered, not ignored.
                pressed_during = True
                self.ear.press("space", r"Please wait: the computer is playing\.", "the wait while the computer plays")
            time.sleep(0.05)
        raise Failure("the computer's turn never ended; last heard %r" % self.ear.heard[-6:])


def choose(ear, name, value, key, new_value):
    """Tabs to a list, hears its name and value, and changes it with a key."""
    ear.press("Tab", r"^%s combo box" % re.escape(name), "the list %r" % name)
    ear.wait_for(r"^%s\.$" % re.escape(value), "the value of %r on arrival" % name)
    ear.press(key, r"^%s\.$" % re.escape(new_value), "the new value of %r" % name)


def setup(ear):
    """Width 4, height 2, two players, New Game, Ann against the computer, Done."""
    # The window opens with the focus on New Game, which the screen reader
    # says once it has found the window; Tab goes on to Exit.
    try:
        ear.wait_for(r"^New Game push button", "the window's first control", timeout=40)
    except Failure:
        # A screen reader slow to start may have missed the window opening.
        subprocess.run(["xdotool", "search", "--name", "^Pairon Game$", "windowactivate"], timeout=20)
        ear.wait_for(r"^(New Game push button|Pairon Game)", "the window", timeout=30)
    ear.press("Tab", r"^Exit push button", "Exit")
    ear.press("Tab", r"^Background Picture check box", "the first option")
    choose(ear, "Players", "1", "Down", "2")
    ear.press("Tab", r"^Multiple Pairs check box")
    ear.press("Tab", r"^Highlight Selected check box")
    ear.press("Tab", r"^Sound check box")
    # The deck list, heard with its value and left as it is.
    ear.press("Tab", r"^Cards combo box", "the deck list")
    ear.wait_for(r"^Standard\.$", "the deck list's value on arrival")
    choose(ear, "Height", "3", "Up", "2")
    choose(ear, "Width", "6", "Up", "4")
    for _ in range(8):
        ear.press("shift+Tab")
    ear.press("shift+Tab", r"^New Game push button")
    ear.press("F2", r"^notification No game is on\.", "the state before a game")
    ear.press("space", r"^notification New game, 4 by 2 cards\. The New Game button now reads End Game\. Enter the players, then press Done\.", "the deal")
    ear.press("Tab", r"^Exit push button")
    ear.press("Tab", r"^Player 2 name text", "the second seat's name")
    ear.press("Tab", r"^Done push button")
    ear.press("Tab", r"^Player 1 type combo box", "the first seat's type")
    ear.wait_for(r"^Human\.$", "the first seat's type value")
    ear.press("Tab", r"^Player 1 name text", "the first seat's name")
    ear.press("ctrl+a")
    ear.type("Ann")
    choose(ear, "Player 2 type", "Human", "Down", "Computer")
    choose(ear, "Player 2 level", "Average", "Down", "Poor")
    for _ in range(3):
        ear.press("shift+Tab")
    ear.press("shift+Tab", r"^Done push button")
    ear.press("space", r"^Card, row 1, column 1, face down", "the board taking the focus after Done")
    ear.wait_for(r"^notification Ann plays first\.", "who plays first")
    return (1, 1)


def main():
    game_path = sys.argv[1]
    transcript_path = sys.argv[2] if len(sys.argv) > 2 else None
    ear = Ear(os.environ["ORCA_LOG"])
    game = subprocess.Popen([game_path])
    status = 1
    try:
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Pairon Game$", "windowactivate", "--sync"],
                       timeout=30, check=True, stdout=subprocess.DEVNULL)
        first_mark = setup(ear)
        player = Player(ear)
        player.mark = first_mark
        ear.press("F2", r"^notification Ann to play\. Scores: Ann 0, Computer 0\. Pairs left: 4\.", "the state at the start")
        whose = "mine"
        for _ in range(20):
            if whose == "mine":
                whose = player.my_turn()
                if whose == "end":
                    break
                whose = player.computer_turn()
            if whose == "end":
                break
        check(whose == "end", "the game did not end")
        outcome = getattr(ear, "outcome", None) or ear.wait_for(r"(Wins!|draw!)", "the outcome").string
        check(re.search(r"Scores: Ann \d, Computer \d\.", outcome), "the outcome without the final scores: %r" % outcome)
        check(getattr(ear, "computer_picks", 0) >= 2, "no pick of the computer's was heard")
        check(player.misses_heard >= 1, "no miss of Ann's was heard")
        ear.press("Tab")
        for line in ear.heard:
            if line.startswith("Card, row") and "face down" in line:
                check(not any(face in line for face in FACES), "a face-down card gave its face away: %r" % line)
        print("heard %d pairs and %d misses of Ann's, %d picks and %d pairs of the computer's; outcome: %s"
              % (player.pairs_heard, player.misses_heard, getattr(ear, "computer_picks", 0),
                 getattr(ear, "computer_pairs", 0), outcome))
        status = 0
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAILED: %s" % failure)
    finally:
        if transcript_path:
            with open(transcript_path, "w") as out:
                out.write("\n".join(ear.transcript) + "\n")
        game.terminate()
        try:
            game.wait(5)
        except subprocess.TimeoutExpired:
            game.kill()
    return status


if __name__ == "__main__":
    sys.exit(main())
