#!/usr/bin/python3
"""The browser edition as a player meets it, in headless Chromium: a whole
game by keyboard alone and one by mouse, the outcome and the scores, the
choices remembered after a reload, another language, the sound cues, the
window's places, play with the server gone, and no request leaving
127.0.0.1.

    page_test.py SITE_FOLDER DESKTOP_PLACES [CHECK ...]

DESKTOP_PLACES is the program that tells where the desktop window puts its
controls.
"""
import json
import os
import re
import subprocess
import sys
import time
import traceback

sys.path.insert(0, __import__('os').path.dirname(__file__))
import browser  # noqa: E402
from browser import Browser, Keys, Server, focused_name, name_of, role_of  # noqa: E402

CARD = re.compile(r'^Card, row (\d), column (\d+), face (down|up)(?:, (.*))?$')


def cards_in(nodes):
    """The cards on the board as the accessibility tree names them:
    {(row, column): face or None}."""
    cards = {}
    for node in nodes:
        if node.get('ignored'):
            continue
        match = CARD.match(name_of(node))
        if match and role_of(node) in ('gridcell', 'button'):
            cards[(int(match[1]), int(match[2]))] = match[4] if match[3] == 'up' else None
    return cards


def text_under(nodes, name):
    """The text a named control of the tree shows."""
    by_id = {node['nodeId']: node for node in nodes}
    for node in nodes:
        if name_of(node) == name and not node.get('ignored'):
            texts = []
            stack = list(node.get('childIds', []))
            while stack:
                child = by_id.get(stack.pop(0))
                if not child:
                    continue
                if role_of(child) in ('StaticText', 'staticText'):
                    texts.append(name_of(child))
                stack[:0] = child.get('childIds', [])
            return ''.join(texts)
    return None


def spoken(b):
    return b.script("return [...document.querySelectorAll('#spoken > p')].map((p) => p.textContent)")


def tab_to(b, name, limit=60):
    """Tabs on until the screen reader's focus is on the control of that name."""
    for _ in range(limit):
        b.press(Keys.TAB)
        if focused_name(b.tree()) == name:
            return
    raise AssertionError(f'Tab never reached "{name}"')


def choose_by_keys(b, name, key, wanted):
    tab_to(b, name)
    for _ in range(12):
        if b.script('return document.activeElement.value') == wanted:
            return
        b.press(key)
    raise AssertionError(f'{name} never came to {wanted}')


def whose_turn(lines):
    """Whose turn the live region last told: 'me' (Player 1) or 'computer'."""
    markers = {'Player 1 plays first': 'me', 'Your turn, Player 1': 'me',
               'The computer plays first': 'computer', 'No pair. The computer plays now': 'computer'}
    turn = None
    for line in lines:
        said = [(line.rfind(marker), who) for marker, who in markers.items() if marker in line]
        if said:
            turn = max(said)[1]
    return turn


def pick_card(cards, seen):
    """The card a player with a perfect memory turns up next."""
    up = [place for place, face in cards.items() if face]
    down = [place for place, face in cards.items() if not face]
    if up:
        face = cards[up[0]]
        for place in down:
            if seen.get(place) == face:
                return place
    else:
        faces = {}
        for place in down:
            if place in seen:
                faces.setdefault(seen[place], []).append(place)
        for places in faces.values():
            if len(places) >= 2:
                return places[0]
    unknown = [place for place in down if place not in seen]
    return (unknown or down)[0]


def check_keyboard_game(site, server):
    """A whole 4 x 2 game against a computer, by keyboard alone, every move
    decided from what the accessibility tree and the live region say."""
    b = Browser()
    try:
        b.open(server.url)
        choose_by_keys(b, 'Width', Keys.HOME, '4')
        choose_by_keys(b, 'Height', Keys.HOME, '2')
        b.driver.switch_to.active_element.send_keys(Keys.SHIFT + Keys.TAB)
        choose_by_keys(b, 'Players', Keys.ARROW_DOWN, '2')
        tab_to(b, 'New Game')
        b.press(Keys.ENTER)
        b.wait(lambda: text_under(b.tree(), 'Player 2 type') is not None or True, 'the player details')
        choose_by_keys(b, 'Player 2 type', Keys.ARROW_DOWN, 'Computer')
        choose_by_keys(b, 'Game Speed', Keys.HOME, '2')
        tab_to(b, 'Done')
        b.press(Keys.ENTER)
        # After Done the focus is on the board, on its first card.
        b.wait(lambda: (focused_name(b.tree()) or '').startswith('Card, row 1, column 1'), 'the board to take the focus')
        seen = {}
        deadline = time.monotonic() + 240
        moves = 0
        while time.monotonic() < deadline:
            nodes = b.tree()
            if text_under(nodes, 'Outcome'):
                break
            cards = cards_in(nodes)
            for place, face in cards.items():
                if face:
                    seen[place] = face
            up = [place for place, face in cards.items() if face]
            if whose_turn(spoken(b)) != 'me' or len(up) >= 2 or not cards:
                time.sleep(0.05)
                continue
            target = pick_card(cards, seen)
            focused = CARD.match(focused_name(nodes) or '')
            for _ in range(12):
                if focused and (int(focused[1]), int(focused[2])) == target:
                    break
                b.press(Keys.ARROW_RIGHT)
                focused = CARD.match(focused_name(b.tree()) or '')
            assert focused and (int(focused[1]), int(focused[2])) == target, 'the arrows did not reach the card'
            heard = len(spoken(b))
            b.press(Keys.SPACE)
            moves += 1
            # The card turns up, or the live region says why not (the key
            # only ended a pause: press again).
            b.wait(lambda: cards_in(b.tree()).get(target) is not None or target not in cards_in(b.tree()) or
                   len(spoken(b)) > heard, 'the card to turn up or a word why not')
        outcome = text_under(b.tree(), 'Outcome')
        assert outcome, 'the game did not end'
        # F2 tells the state of play: here the outcome and the scores.
        b.press(Keys.F2)
        b.wait(lambda: spoken(b)[-1].startswith(outcome.split('\n')[0]), 'F2 to tell the outcome')
        lines = b.script("return document.querySelector('#picOutcome').getAttribute('aria-description')")
        scores = [int(b.find(f'#lblScore_{seat}').text) for seat in range(2)]
        assert sum(scores) == 4, f'the scores {scores} do not add up to the four pairs'
        assert f'Scores: Player 1 {scores[0]}, Computer {scores[1]}.' in lines, lines
        focused = b.script('return document.activeElement.id')
        assert focused == 'picOutcome', f'the focus is on {focused}, not the outcome'
        # Every sentence of the game: the live region itself keeps only the latest.
        words = b.script('return window.pairon.spoken')
        assert words[0].startswith('New game, 4 by 2 cards.') and words[1] == 'Player 1 plays first. F2 tells the score.', words[:2]
        assert any(line.startswith('Computer turns up row ') for line in words), words
        assert f'Scores: Player 1 {scores[0]}, Computer {scores[1]}.' in words[-1], words[-1]
        print(f'  keyboard game: {moves} moves by keys, scores {scores}; outcome: {outcome!r}')
        print('  what the live region said:')
        for line in words:
            print('    ' + line)
        return b.requested()
    finally:
        b.close()


def play_by_mouse(b, seats_done=True):
    """Plays a one-player game to its end by clicking the cards."""
    seen = {}
    deadline = time.monotonic() + 240
    clicks = 0
    while time.monotonic() < deadline:
        if b.script("return !document.querySelector('#fraOutcome').classList.contains('hidden')"):
            return clicks
        labels = b.script("return [...document.querySelectorAll('.card:not(.hidden)')]"
                          ".map((card) => [card.id, card.getAttribute('aria-label')])")
        cards = {}
        for element, label in labels:
            match = CARD.match(label or '')
            if match:
                cards[(int(match[1]), int(match[2]))] = match[4] if match[3] == 'up' else None
        for place, face in cards.items():
            if face:
                seen[place] = face
        if len([face for face in cards.values() if face]) >= 2 or not cards:
            time.sleep(0.05)
            continue
        row, column = pick_card(cards, seen)
        target = f'#imgCard_{(row - 1) * 10 + column - 1}'
        b.find(target).click()
        clicks += 1
        b.wait(lambda: 'face up' in (b.find(target).get_attribute('aria-label') or '') or
               'hidden' in b.find(target).get_attribute('class'), 'the clicked card to turn up')
    raise AssertionError('the game by mouse did not end')


def check_mouse_game_sound_and_choices(site, server):
    """A game by mouse clicks alone, its outcome and its sound cues; then the
    choices it was played with, back after a reload; then a damaged store
    passed over."""
    b = Browser()
    requested = []
    try:
        b.open(server.url + '?seed=5')
        b.find('#cmbWidth').send_keys('4')
        b.find('#cmbHeight').send_keys('2')
        assert b.script('return document.querySelector("#cmbWidth").value') == '4'
        b.find('#cmdNew').click()
        b.find('#sldSpeed').send_keys(Keys.HOME)
        b.find('#cmdDone').click()
        clicks = play_by_mouse(b)
        lines = b.find('#picOutcome .lines').text.split('\n')
        assert lines[0] == 'Well Done' and lines[-1].endswith(' turns'), lines
        assert b.find('#lblScore_0').text == '4'
        cues = b.script('return window.pairon.cues')
        names = [cue['cue'] for cue in cues]
        assert names.count('CardUp.wav') == clicks, (clicks, names)
        assert names.count('Pair.wav') == 4 and names[-1] == 'Alone.wav', names
        # The cues of one event follow one another.
        last_pair = max(k for k, name in enumerate(names) if name == 'Pair.wav')
        assert cues[last_pair]['delayMs'] == 70 + 40, cues[last_pair]
        print(f'  mouse game: {clicks} clicks, outcome {lines!r}, {len(cues)} cues scheduled')

        # The choices were kept at Done and at the end: a reload brings them back.
        b.driver.refresh()
        b.wait(lambda: b.script('return !!(window.pairon && window.pairon.ready)'), 'the reloaded page')
        width = b.script('return document.querySelector("#cmbWidth").value')
        speed = b.script('return document.querySelector("#sldSpeed").value')
        assert (width, speed) == ('4', '2'), (width, speed)

        # No sound is scheduled with "Sound" unticked.
        b.find('#chkSound input').click()
        before = len(b.script('return window.pairon.cues'))
        b.find('#cmdNew').click()
        b.find('#cmdDone').click()
        b.find('#imgCard_0').click()
        b.wait(lambda: 'face up' in b.find('#imgCard_0').get_attribute('aria-label'), 'a card turned up')
        assert len(b.script('return window.pairon.cues')) == before, 'a cue played with the sound off'

        # A damaged store, and one of another program's, are passed over.
        for stored, expected in (('{"Board/Width": "8", "Board/Height": ', ('6', '3')),
                                 ('{"Board/Width": "99", "Board/Height": "5", "Seat1/Name": 7}', ('6', '5')),
                                 ('[1, 2, 3]', ('6', '3'))):
            # Written from another page of the site, so the game itself can't
            # keep its own choices over it as it closes.
            b.driver.get(server.url + 'manifest.webmanifest')
            b.script('window.localStorage.setItem("pairon.choices", arguments[0])', stored)
            b.driver.get(server.url)
            b.wait(lambda: b.script('return !!(window.pairon && window.pairon.ready)'), 'the page after damage')
            got = b.script('return [document.querySelector("#cmbWidth").value,'
                           ' document.querySelector("#cmbHeight").value]')
            assert tuple(got) == expected, (stored, got)
        requested = b.requested()
    finally:
        b.close()
    return requested


def check_language(site, server):
    """A browser that asks for German gets the game in German."""
    b = Browser(language='de-DE')
    try:
        b.open(server.url)
        assert b.script('return document.documentElement.lang') == 'de'
        new_game = b.find('#cmdNew').text
        assert new_game == 'Neues Spiel', new_game
        b.find('#cmdNew').click()
        assert b.find('#txtPlayer_0').get_attribute('value') == 'Spieler 1'
        b.find('#cmdDone').click()
        label = b.find('#imgCard_0').get_attribute('aria-label')
        assert 'Karte' in label, label
        # F1 opens the six pages of help, in German too.
        b.press(Keys.F1)
        tabs = [name_of(node) for node in b.tree() if role_of(node) == 'tab']
        assert len(tabs) == 6 and tabs[0] == 'Einführung', tabs
        b.press(Keys.ARROW_RIGHT)
        assert focused_name(b.tree()) == tabs[1]
        page = b.find('#help [role="tabpanel"]').text
        assert page.startswith('Ziel des Spiels') or len(page) > 200, page[:80]
        # The introduction names no zoom keys: the page has none.
        b.press(Keys.ARROW_LEFT)
        introduction = b.find('#help [role="tabpanel"]').text
        assert 'Strg+' not in introduction and introduction.count('\n\n') == 3, introduction
        b.press(Keys.ESCAPE)
        assert not b.driver.find_elements('css selector', '#help')
        print(f'  German: "{new_game}", first card "{label}", help tabs {tabs}')
        return b.requested()
    finally:
        b.close()


# Where the page shows each control of the window it shows, in pixels of the
# window: {"name" or "name_index": [left, top, width, height]}.
PAGE_PLACES = '''
    const root = document.querySelector('#window').getBoundingClientRect();
    const out = {};
    for (const c of JSON.parse(arguments[0]).controls) {
      const id = c.index < 0 ? c.name : c.name + '_' + c.index;
      const element = document.getElementById(id);
      if (!element || !element.checkVisibility()) continue;
      const r = element.getBoundingClientRect();
      out[id] = [r.left - root.left, r.top - root.top, r.width, r.height];
    }
    return out;'''


def places_differing(page, desktop):
    """Each control shown by one window and not the other, or shown more than
    a pixel away from the other's place, with both places."""
    differing = []
    for name in sorted(set(page) | set(desktop)):
        here, there = page.get(name), desktop.get(name)
        if here is None or there is None or any(abs(a - b) > 1 for a, b in zip(here, there)):
            differing.append(f'{name}: page {here}, desktop {there}')
    return differing


def pictures_outside_their_boxes(b):
    """Shown larger than 100 percent, the window draws its sharp pictures:
    each must still fill its own box, no larger, no smaller. Returns what
    does not, and brings the window back to 792 x 573."""
    b.resize(1366, 768)
    try:
        b.wait(lambda: b.script("return [...document.images].every((img) => img.complete) && "
                                "[...document.images].some((img) => (img.getAttribute('src') || '').includes('@2x'))"),
               'the sharp pictures')
        return b.script('''
            const out = [];
            for (const img of document.querySelectorAll('.picture > img, .card > img')) {
              if (!img.getAttribute('src') || !img.offsetParent) continue;
              const own = img.getBoundingClientRect(), box = img.parentElement.getBoundingClientRect();
              if (Math.abs(own.width - box.width) > 1 || Math.abs(own.height - box.height) > 1) {
                out.push(`${img.parentElement.id}: picture ${Math.round(own.width)} x ${Math.round(own.height)}, ` +
                         `box ${Math.round(box.width)} x ${Math.round(box.height)}`);
              }
            }
            return out;''')
    finally:
        b.resize(792, 573)
        b.wait(lambda: b.script("return [...document.images].every((img) => img.complete)"), 'the pictures again')


def check_places(site, server):
    """At 792 x 573 every control the page shows lies where the desktop
    window at 100 percent puts it, within a pixel, in the setup, the player
    details, a game on the board and the outcome. With PAIRON_SHOTS set,
    pictures of both windows in each state are kept in that folder."""
    shots = os.environ.get('PAIRON_SHOTS')
    command = [DESKTOP, '--seed', '5'] + (['--shots', shots] if shots else [])
    environment = dict(os.environ, QT_QPA_PLATFORM='offscreen', LANGUAGE='en', LC_ALL='C.UTF-8')
    desktop = json.loads(subprocess.run(command, check=True, capture_output=True, text=True,
                                        env=environment).stdout)
    b = Browser(792, 573)
    try:
        b.open(server.url + '?seed=5')
        layout = b.script('return window.pairon.layoutText')
        shown = 0
        differing = []
        for state in ('setup', 'details', 'board', 'outcome'):
            if state == 'details':
                b.find('#cmdNew').click()
            elif state == 'board':
                b.find('#cmdDone').click()
            elif state == 'outcome':
                play_by_mouse(b)
            if state in ('board', 'outcome'):
                # Until the pictures of the new state have come, the page is
                # not yet what a player sees.
                b.wait(lambda: b.script("return [...document.images].every((img) => img.complete)"),
                       'the pictures of ' + state)
            page = b.script(PAGE_PLACES, layout)
            differing += [f'{state}, {line}' for line in places_differing(page, desktop[state])]
            shown += len(page)
            if shots:
                b.driver.save_screenshot(os.path.join(shots, f'page-{state}.png'))
            if state == 'board':
                differing += [f'board at 1366 x 768, {line}' for line in pictures_outside_their_boxes(b)]
        assert shown and not differing, 'controls not where the desktop window has them:\n  ' + '\n  '.join(differing)
        print(f'  places: {shown} shown controls in the setup, the player details, the board and the outcome, '
              'each within 1 px of the desktop window\'s')
        return b.requested()
    finally:
        b.close()


def check_offline(site, server):
    """After one visit the page starts and plays with the server gone."""
    b = Browser()
    try:
        b.open(server.url)
        # The worker keeps every file as it installs, and then takes the page over.
        b.wait(lambda: b.script('return !!navigator.serviceWorker.controller'), 'the page to be kept for offline play')
        server.stop()
        b.driver.refresh()
        b.wait(lambda: b.script('return !!(window.pairon && window.pairon.ready)'), 'the page with no server')
        b.find('#cmdNew').click()
        b.find('#cmdDone').click()
        b.find('#imgCard_0').click()
        b.wait(lambda: 'face up' in b.find('#imgCard_0').get_attribute('aria-label'), 'a card turned up offline')
        print('  offline: started and played with the server stopped')
        return b.requested()
    finally:
        b.close()


DESKTOP = None

CHECKS = {
    'keyboard': check_keyboard_game,
    'mouse': check_mouse_game_sound_and_choices,
    'language': check_language,
    'places': check_places,
    'offline': check_offline,
}


def main():
    missing = browser.tools_missing()
    if missing:
        print(f'page_test: {missing} is missing; skipped')
        return browser.SKIP
    global DESKTOP
    site, DESKTOP = sys.argv[1:3]
    wanted = sys.argv[3:] or list(CHECKS)
    passed = failed = 0
    for name in wanted:
        server = Server(site)
        try:
            requested = CHECKS[name](site, server) or []
            # The browser's own pages (chrome://) fetch nothing from a network.
            elsewhere = [url for url in requested if url.startswith(('http:', 'https:', 'ws:', 'wss:', 'ftp:')) and
                         not url.startswith(server.url)]
            assert not elsewhere, f'requests left 127.0.0.1: {elsewhere}'
            passed += 1
            print(f'{name}: passed')
        except Exception:  # noqa: BLE001 - every failure is told, and the rest run
            failed += 1
            print(f'{name}: FAILED')
            traceback.print_exc()
        finally:
            try:
                server.stop()
            except Exception:  # noqa: BLE001 - stopped already by the offline check
                pass
    print(f'{passed} passed, {failed} failed')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
