// The page's module against the native rules: the same seed and the same
// events, from the setup through whole games, give the same window after
// every event, over many seeds and board sizes.
//   node differential.js MODULE_FOLDER REPLAY_PROGRAM [GAMES]
'use strict';
const fs = require('fs');
const path = require('path');
const {spawnSync} = require('child_process');

const [moduleFolder, replay, gamesText] = process.argv.slice(2);
if (!moduleFolder || !replay) {
  console.error('usage: node differential.js MODULE_FOLDER REPLAY_PROGRAM [GAMES]');
  process.exit(2);
}
const games = Number(gamesText || 40);

// A small generator of our own for choosing the events, apart from the game's.
function chooser(seed) {
  let x = (seed * 2654435761) >>> 0 || 1;
  const next = () => {
    x ^= x << 13; x >>>= 0;
    x ^= x >>> 17;
    x ^= x << 5; x >>>= 0;
    return x / 4294967296;
  };
  return {
    below: (n) => Math.floor(next() * n),
    chance: (p) => next() < p,
    pick: (list) => list[Math.floor(next() * list.length)],
  };
}

const kLevels = ['Excellent', 'Good', 'Average', 'Poor', 'Shocking'];

// The events of one game, chosen as a player might, with now and then one a
// page could not send (a hidden control, an unknown name, a bad value).
function playOne(module, seed, remembered) {
  const pick = chooser(seed);
  const game = new module.Game(String(seed));
  const lines = [];
  const events = [];
  lines.push(JSON.stringify({ignored: JSON.parse(game.start(remembered)), state: JSON.parse(game.state())}));
  const send = (kind, name, index, value) => {
    events.push([kind, name, String(index), String(value)].join('\t'));
    const taken = game.handle(kind, name, index, String(value));
    const state = JSON.parse(game.state());
    lines.push(JSON.stringify({taken, state, did: JSON.parse(game.happenings())}));
    return state;
  };
  let state = JSON.parse(game.state());
  const width = String(4 + pick.below(7));
  const height = String(2 + pick.below(4));
  const seats = 1 + pick.below(4);
  state = send('choose', 'cmbWidth', -1, width);
  state = send('choose', 'cmbHeight', -1, height);
  state = send('choose', 'cmbPlayers', -1, String(seats));
  for (const box of ['chkMultiple', 'chkHighlight', 'chkBackground']) {
    if (pick.chance(0.4)) state = send('check', box, -1, pick.chance(0.5) ? '1' : '0');
  }
  if (pick.chance(0.2)) state = send('check', 'chkMultiple', -1, '2');
  if (pick.chance(0.2)) state = send('click', 'cmdDone', -1, '');
  state = send('click', 'cmdNew', -1, '');
  for (let seat = 0; seat < seats; ++seat) {
    const computer = pick.chance(0.6);
    state = send('choose', 'cmbPlayerType', seat, computer ? 'Computer' : 'Human');
    if (computer) state = send('choose', 'cmbComputerLevel', seat, pick.pick(kLevels));
    else if (pick.chance(0.3)) state = send('type', 'txtPlayer', seat, 'Ann ' + pick.below(100) + ' äöü');
  }
  state = send('slide', 'sldSpeed', -1, String(pick.below(12)));
  if (pick.chance(0.1)) state = send('slide', 'sldSpeed', -1, 'fast');
  if (pick.chance(0.1)) state = send('choose', 'cmbWidth', -1, '7');
  state = send('click', 'cmdDone', -1, '');
  for (let step = 0; step < 1500 && !state.fraOutcome.visible; ++step) {
    const running = ['tmrCardDelay', 'tmrComputerDelay'].filter((name) => state[name].enabled);
    const shown = [];
    for (let p = 0; p < 50; ++p) if (state['imgCard_' + p] && state['imgCard_' + p].visible) shown.push(p);
    const roll = pick.below(100);
    if (roll < 3) {
      state = send(pick.pick(['click', 'tick', 'choose', 'bogus']), pick.pick(['imgCard', 'cmdDone', 'lstShuffled',
        'tmrCardDelay', 'nothing']), pick.below(60) - 5, '');
    } else if (running.length && roll < 55) {
      state = send('tick', pick.pick(running), -1, '');
    } else if (shown.length) {
      state = send('click', 'imgCard', pick.pick(shown), '');
    } else if (running.length) {
      state = send('tick', running[0], -1, '');
    }
    if (pick.chance(0.002)) break;
  }
  state = send('click', 'cmdNew', -1, '');
  game.delete();
  return {events, lines};
}

function remembered(seed) {
  const pick = chooser(seed + 7);
  const choices = [
    'Board/Width\t' + (3 + pick.below(9)), 'Board/Height\t' + (1 + pick.below(6)), 'Options/Speed\t' + pick.below(10),
    'Seat2/Type\tComputer', 'Seat2/Level\t' + pick.pick(kLevels.concat(['Brilliant'])), 'Seat1/Name\tZoë',
    'Options/Sound', 'Unknown/Key\tvalue'];
  return choices.filter(() => pick.chance(0.4)).join('\n');
}

require(path.resolve(moduleFolder, 'pairon.js'))({
  wasmBinary: fs.readFileSync(path.resolve(moduleFolder, 'pairon.wasm')),
}).then((module) => {
  let passed = 0;
  let failed = 0;
  let events = 0;
  for (let seed = 1; seed <= games; ++seed) {
    const start = remembered(seed);
    const played = playOne(module, seed, start);
    const input = 'start\t' + start.replace(/\\/g, '\\\\').replace(/\n/g, '\\n').replace(/\t/g, '\\t') + '\n' +
      played.events.join('\n') + '\n';
    const native = spawnSync(replay, [String(seed)], {input, encoding: 'utf8', maxBuffer: 1 << 30});
    if (native.status !== 0) {
      console.error('seed ' + seed + ': the native replay failed: ' + native.stderr);
      ++failed;
      continue;
    }
    const nativeLines = native.stdout.trimEnd().split('\n');
    events += played.events.length;
    let differs = -1;
    for (let k = 0; k < Math.max(nativeLines.length, played.lines.length); ++k) {
      if (JSON.stringify(JSON.parse(nativeLines[k] || 'null')) !== played.lines[k]) {
        differs = k;
        break;
      }
    }
    if (differs >= 0) {
      ++failed;
      console.error('seed ' + seed + ': the page and the native rules part after event ' + differs + ' (' +
        (played.events[differs - 1] || 'the start') + ')');
      const page = JSON.parse(played.lines[differs] || 'null') || {};
      const native = JSON.parse(nativeLines[differs] || 'null') || {};
      const parts = Object.assign({}, page.state || {}, native.state || {});
      for (const key of Object.keys(parts)) {
        const a = JSON.stringify((page.state || {})[key]);
        const b = JSON.stringify((native.state || {})[key]);
        if (a !== b) console.error('  ' + key + ': page ' + a + ', native ' + b);
      }
      for (const key of ['taken', 'did', 'ignored']) {
        if (JSON.stringify(page[key]) !== JSON.stringify(native[key])) {
          console.error('  ' + key + ': page ' + JSON.stringify(page[key]) + ', native ' + JSON.stringify(native[key]));
        }
      }
    } else {
      ++passed;
    }
  }
  console.log(events + ' events compared over ' + games + ' games');
  console.log(passed + ' passed, ' + failed + ' failed');
  process.exit(failed ? 1 : 0);
}).catch((error) => {
  console.error(error);
  process.exit(1);
});
