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

# Orca's debug log: each line starts with the time of day it was written.
STAMPED = re.compile(r"^(\d\d):(\d\d):(\d\d(?:\.\d+)?) - (.*)$")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")
# The game telling the screen reader that a card now shows its face, or,
# the second of a pair, has left the board at once.
TURNED_UP = re.compile(r"^EVENT MANAGER: object:property-change:accessible-name for "
                       r"\[image \| (?:Card|Empty place), row (\d), column (\d+)(?:, face up, ([a-z ]+))?\]")
# The game showing the screen reader something to say.
GIVEN = re.compile(r"^EVENT MANAGER: object:state-changed:showing for \[notification \| (.*?)\] in ")
CARD = re.compile(r"^(?:notification )?Card, row (\d), column (\d+), (face down|face up, (.+?))\.?$")
COMPUTER_PICK = re.compile(r"Computer turns up row (\d), column (\d+): ([a-z ]+)\.")
FACES = {"circle", "square", "triangle", "diamond", "star", "heart", "hexagon", "cross", "crescent", "arrow",
         "ring", "spiral", "lightning bolt", "flower", "drop", "leaf", "key", "bell", "anchor", "sun", "umbrella",
         "house", "fish", "fir tree", "crown", "music note"}
FACE_WORDS = "|".join(sorted((re.escape(f) for f in FACES), key=len, reverse=True))
# What a key on a card brings: the face turned up, or only the end of a pause.
TURN_HEARD = r"^notification (?:(%s)\.(.*)|(.*Press again to turn up a card\.))$" % FACE_WORDS
# Orca's own echo of a key, which says nothing of the game.
KEY_ECHO = re.compile(r"^(tab|left shift|space|return|right|left|up|down|home|end|escape|left control|f\d+|[a-z]) ?$",
                      re.IGNORECASE)
# The longest wait for the screen reader to say what a key brought: a bound
# on waiting for it, long enough for a machine busy with other work.
PATIENCE = 45.0
# The screen reader's speaking rate at its default setting, some 170 words a
# minute, in characters a second: what the computer did must have had this
# long to be heard before its next card turns. The times are read from when
# the screen reader was told, which a busy machine may delay by a few tenths
# of a second.
SPEAKING_RATE = 16.0


class Failure(Exception):
    pass


def seconds(match):
    return int(match.group(1)) * 3600 + int(match.group(2)) * 60 + float(match.group(3))


def card_at(place):
    """What the screen reader says of the card at (row, column), face down or up."""
    return r"^(?:notification )?Card, row %d, column %d, (face down|face up, (.+?))\.?$" % place


class Ear:
    """All the screen reader has spoken, in order and with the time it said
    it, read from its log as the log grows; nothing heard is ever dropped.
    Also when each card turned face up, as the screen reader was told, and a
    transcript of the game as heard: each key, then what it brought."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.position = 0
        self.rest = b""
        self.heard = []      # (time, text)
        self.turned_up = []  # (time, (row, column), face)
        self.given = []      # (time, the start of the text)
        self.transcript = []

    def poll(self):
        try:
            with open(self.log_path, "rb") as log:
                log.seek(self.position)
                chunk = log.read()
                self.position = log.tell()
        except FileNotFoundError:
            return
        lines = (self.rest + chunk).split(b"\n")
        self.rest = lines.pop()
        for raw in lines:
            stamped = STAMPED.match(raw.decode("utf-8", "replace").rstrip("\r"))
            if not stamped:
                continue
            at, entry = seconds(stamped), stamped.group(4)
            spoken = SPOKEN.search(entry)
            if spoken:
                if not KEY_ECHO.match(spoken.group(1)):
                    self.heard.append((at, spoken.group(1)))
                    self.transcript.append("    " + spoken.group(1))
                continue
            given = GIVEN.match(entry)
            if given:
                self.given.append((at, given.group(1)))
                continue
            turned = TURNED_UP.match(entry)
            if turned:
                self.turned_up.append((at, (int(turned.group(1)), int(turned.group(2))), turned.group(3)))

    def wait_for(self, pattern, what, since, timeout=PATIENCE):
        """Waits for an utterance from number `since` on that matches;
        returns its number and the match."""
        wanted = re.compile(pattern)
        deadline = time.monotonic() + timeout
        while True:
            self.poll()
            for index in range(since, len(self.heard)):
                found = wanted.search(self.heard[index][1])
                if found:
                    return index, found
            if time.monotonic() > deadline:
                raise Failure("never heard %s (/%s/); last heard: %r"
                              % (what, pattern, [text for _, text in self.heard[-6:]]))
            time.sleep(0.05)

    def press(self, key, pattern, what=None, timeout=PATIENCE):
        """Presses a key and waits for what it brings, said after the key."""
        self.poll()
        since = len(self.heard)
        self.transcript.append("[%s]" % key)
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        return self.wait_for(pattern, what or key, since, timeout)

    def type(self, text):
        self.transcript.append("[types %s]" % text)
        subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


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
        self.heard_up_to = 0  # the utterances before this one are taken into account
        self.computer_picks = []  # (time, place, the utterance)
        self.computer_pairs = 0
        self.turns_back = []  # (time of the computer's last card of a turn, time "Your turn" was said)
        self.outcome = None

    def move_to(self, target):
        """Walks the mark to the target with Right, from Home when the mark is
        not known, hearing each card it reaches in turn."""
        order = sorted(self.left)
        check(target in order, "the card %r is not on the board" % (target,))
        if self.mark not in self.left:
            self.ear.press("Home", card_at(order[0]), "the first card %r after Home" % (order[0],))
            self.mark = order[0]
        while self.mark != target:
            after = order[(order.index(self.mark) + 1) % len(order)]
            self.ear.press("Right", card_at(after), "the card %r after Right from %r" % (after, self.mark))
            self.mark = after

    def turn(self, target):
        """Turns the card under the mark; returns the face spoken and what followed."""
        self.move_to(target)
        index, found = self.ear.press("space", TURN_HEARD, "the face of the card turned")
        if found.group(3):
            # The first key of a turn may only end the pause before it.
            index, found = self.ear.press("space", TURN_HEARD, "the face of the card turned")
        check(found.group(1), "turning a card did not speak its face first: %r" % found.group(0))
        self.heard_up_to = index + 1
        self.known[target] = found.group(1)
        return found.group(1), found.group(0)

    def take_pair_or_miss(self, text, places):
        if "Wins!" in text or "draw!" in text:
            self.outcome = text
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
        """Listens to the computer's turn, learning its cards from every
        utterance since the player's own last one; returns 'mine' or 'end'."""
        deadline = time.monotonic() + 120
        pressed_during = False
        while time.monotonic() < deadline:
            self.ear.poll()
            while self.heard_up_to < len(self.ear.heard):
                at, line = self.ear.heard[self.heard_up_to]
                self.heard_up_to += 1
                picks = COMPUTER_PICK.findall(line)
                check(len(picks) <= 1, "two of the computer's cards were said in one breath: %r" % line)
                for row, column, face in picks:
                    check(face in FACES, "the computer's pick names no known face: %r" % line)
                    place = (int(row), int(column))
                    self.known[place] = face
                    self.computer_picks.append((at, place, line))
                if "A pair for Computer!" in line:
                    # The pair is the computer's last two cards.
                    for _, place, _ in self.computer_picks[-2:]:
                        self.left.discard(place)
                        self.known.pop(place, None)
                    self.mark = None
                    self.computer_pairs += 1
                if "Wins!" in line or "draw!" in line:
                    self.outcome = line
                    return "end"
                if "Your turn, Ann." in line:
                    check(picks, "the turn came back without the computer's last card: %r" % line)
                    place = picks_place(picks[0])
                    self.turns_back.append((self.turned_up_before(place, at), at, place))
                    return "mine"
            if not pressed_during:
                # A key during the computer's turn is answered, not ignored.
                pressed_during = True
                self.ear.press("space", r"^notification Please wait: the computer is playing\.",
                               "the wait while the computer plays")
                continue
            time.sleep(0.05)
        raise Failure("the computer's turn never ended; last heard %r" % [t for _, t in self.ear.heard[-6:]])

    def turned_up_before(self, place, at):
        """When the card at `place` last turned face up, or left the board,
        before time `at`."""
        times = [t for t, p, _ in self.ear.turned_up if p == place and t <= at]
        check(times, "the screen reader was never told that the card %r turned up" % (place,))
        return times[-1]

    def check_pace(self):
        """Each of the computer's cards was said on its own, and its next card
        turned only once the first had had time to be heard; the turn back to
        the player was given to the screen reader, and said by it, within a
        second of the card that passed it. Returns the least time to spare,
        the longest wait for the turn to be given and the longest for it to be
        said."""
        shortest = None
        for (said, place, line), (next_said, next_place, _) in zip(self.computer_picks, self.computer_picks[1:]):
            turned = self.turned_up_before(place, said)
            next_turned = self.turned_up_before(next_place, next_said)
            check(next_turned >= said, "the computer turned its next card before %r was said" % line)
            # The time the game gave it, from its card turning to the next.
            needed = len(line) / SPEAKING_RATE
            check(next_turned - turned >= needed, "%r had %.2f s before the computer's next card; it needs %.2f s"
                  % (line, next_turned - turned, needed))
            spare = next_turned - turned - needed
            shortest = spare if shortest is None else min(shortest, spare)
        longest_given = longest_said = 0.0
        for turned, said, place in self.turns_back:
            # When the game gave it: the times Orca was told of the card and of
            # the notification are read alike, whatever keeps Orca busy before
            # it speaks.
            start = "Your turn, Ann. Computer turns up row %d, column %d:" % place
            given = next((t for t, text in self.ear.given if t >= turned and text.startswith(start)), None)
            check(given is not None, "the screen reader was never given %r" % start)
            check(given - turned <= 1.0, "'Your turn' was given %.2f s after the turn passed" % (given - turned))
            # The utterance starts with the turn, so it is heard as it begins.
            check(said - turned <= 1.0, "'Your turn' was said %.2f s after the turn passed" % (said - turned))
            longest_given = max(longest_given, given - turned)
            longest_said = max(longest_said, said - turned)
        return shortest, longest_given, longest_said


def picks_place(pick):
    return int(pick[0]), int(pick[1])


def choose(ear, name, value, key, new_value):
    """Tabs to a list, hears its name and value, and changes it with a key."""
    index, _ = ear.press("Tab", r"^%s combo box" % re.escape(name), "the list %r" % name)
    ear.wait_for(r"^%s\.$" % re.escape(value), "the value of %r on arrival" % name, index + 1)
    ear.press(key, r"^%s\.$" % re.escape(new_value), "the new value of %r" % name)


def setup(ear):
    """Width 4, height 2, two players, New Game, Ann against the computer, Done."""
    # The window opens with the focus on New Game, which the screen reader
    # says once it has found the window; Tab goes on to Exit.
    try:
        ear.wait_for(r"^New Game push button", "the window's first control", 0, timeout=60)
    except Failure:
        # A screen reader slow to start may have missed the window opening.
        subprocess.run(["xdotool", "search", "--name", "^Pairon Game$", "windowactivate"], timeout=20)
        ear.wait_for(r"^(New Game push button|Pairon Game)", "the window", 0)
    ear.press("Tab", r"^Exit push button", "Exit")
    ear.press("Tab", r"^Background Picture check box", "the first option")
    choose(ear, "Players", "1", "Down", "2")
    ear.press("Tab", r"^Multiple Pairs check box")
    ear.press("Tab", r"^Highlight Selected check box")
    ear.press("Tab", r"^Sound check box")
    # The deck list, heard with its value and left as it is.
    index, _ = ear.press("Tab", r"^Cards combo box", "the deck list")
    ear.wait_for(r"^Standard\.$", "the deck list's value on arrival", index + 1)
    choose(ear, "Height", "3", "Up", "2")
    choose(ear, "Width", "6", "Up", "4")
    # Back to New Game, each control heard on the way.
    for control in ("Height combo box", "Cards combo box", "Sound check box", "Highlight Selected check box",
                    "Multiple Pairs check box", "Players combo box", "Background Picture check box",
                    "Exit push button", "New Game push button"):
        ear.press("shift+Tab", r"^%s" % control)
    ear.press("F2", r"^notification No game is on\.", "the state before a game")
    ear.press("space", r"^notification New game, 4 by 2 cards\. The New Game button now reads End Game\. Enter the players, then press Done\.", "the deal")
    ear.press("Tab", r"^Exit push button")
    ear.press("Tab", r"^Player 2 name text", "the second seat's name")
    ear.press("Tab", r"^Done push button")
    index, _ = ear.press("Tab", r"^Player 1 type combo box", "the first seat's type")
    ear.wait_for(r"^Human\.$", "the first seat's type value", index + 1)
    # Tab selects the whole name, which the typed one replaces.
    ear.press("Tab", r"^Player 1 name text", "the first seat's name")
    ear.type("Ann")
    choose(ear, "Player 2 type", "Human", "Down", "Computer")
    choose(ear, "Player 2 level", "Average", "Down", "Poor")
    for control in ("Player 2 type combo box", "Player 1 name text", "Player 1 type combo box", "Done push button"):
        ear.press("shift+Tab", r"^%s" % control)
    index, _ = ear.press("space", r"^Card, row 1, column 1, face down", "the board taking the focus after Done")
    ear.wait_for(r"^notification Ann plays first\.", "who plays first", index + 1)
    return (1, 1)


def main():
    game_path = sys.argv[1]
    transcript_path = sys.argv[2] if len(sys.argv) > 2 else None
    ear = Ear(os.environ["ORCA_LOG"])
    game = subprocess.Popen([game_path])
    status = 1
    try:
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Pairon Game$", "windowactivate", "--sync"],
                       timeout=60, check=True, stdout=subprocess.DEVNULL)
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
        outcome = player.outcome or ear.wait_for(r"(Wins!|draw!)", "the outcome", 0)[1].string
        check(re.search(r"Scores: Ann \d, Computer \d\.", outcome), "the outcome without the final scores: %r" % outcome)
        check(len(player.computer_picks) >= 2, "no pick of the computer's was heard")
        check(player.misses_heard >= 1, "no miss of Ann's was heard")
        ear.poll()
        for _, line in ear.heard:
            if line.startswith("Card, row") and "face down" in line:
                check(not any(face in line for face in FACES), "a face-down card gave its face away: %r" % line)
        shortest, given, said = player.check_pace()
        print("heard %d pairs and %d misses of Ann's, %d picks and %d pairs of the computer's; outcome: %s"
              % (player.pairs_heard, player.misses_heard, len(player.computer_picks), player.computer_pairs, outcome))
        print("each of the computer's cards said on its own, with %s s to spare before its next card;"
              " 'Your turn' given at most %.2f s and said at most %.2f s after the turn passed"
              % ("%.2f" % shortest if shortest is not None else "-", given, said))
        status = 0
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAILED: %s" % failure)
        # What led to it, for whoever reads the test's output.
        print("the game as heard, to the end:\n" + "\n".join(ear.transcript[-40:]))
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
