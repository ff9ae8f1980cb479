// The page: the game's window drawn from the module's layout table and
// state. It decides nothing about the game: every input goes to the game's
// one handler, and after each event the page shows what the game holds and
// plays and speaks what the event did.
'use strict';

(function () {
  const query = new URLSearchParams(location.search);
  const kChoicesKey = 'pairon.choices';
  const kSeats = 4;
  const kColumns = 10;
  const kRows = 5;
  const kSlots = kColumns * kRows;

  // For tests and for a player's own curiosity: what the page did.
  const pairon = {
    ready: false,
    readyAt: 0,
    cues: [],  // every cue scheduled: {cue, delayMs, at}
    spoken: [],  // every sentence given to the live region
    events: 0,
  };
  window.pairon = pairon;

  let module = null;
  let game = null;
  let layout = null;
  let pictures = {};
  let catalogue = {};
  let language = 'en';
  let state = null;
  const bound = [];  // {c, element, shown...}
  const byKey = new Map();
  const timers = {
    tmrCardDelay: {handle: 0, run: -1},
    tmrComputerDelay: {handle: 0, run: -1},
  };
  let marked = -1;
  let boardActive = false;
  let outcomeShown = false;

  // ---- Languages -------------------------------------------------------

  // The language the browser asks for first that the game speaks, as the
  // desktop game chooses from the desktop's; ?lang= asks before the browser.
  function chooseLanguage(wanted, offered) {
    const asked = query.get('lang');
    const list = asked ? [asked].concat(wanted) : wanted;
    return module.chooseCatalogue(list.map(String).join('\n'), offered.join('\n')) || 'en';
  }

  function tr(context, text, count) {
    const found = catalogue[context] && catalogue[context][text];
    let shown = text;
    if (Array.isArray(found)) {
      shown = found[Math.min(module.pluralForm(language, count ?? 0), found.length - 1)];
    } else if (typeof found === 'string') {
      shown = found;
    }
    if (count !== undefined) shown = shown.replace(/%n/g, String(count));
    return shown;
  }

  // Fills in %1 .. %9 at once, so an argument that holds "%2" stays as it is.
  function arg(text, ...values) {
    return text.replace(/%([1-9])/g, (whole, digit) => {
      const k = Number(digit) - 1;
      return k < values.length ? String(values[k]) : whole;
    });
  }

  // ---- Texts as the window shows them ----------------------------------

  function layoutOf(name, index) {
    return byKey.get(keyOf(name, index));
  }

  function keyOf(name, index) {
    return index < 0 ? name : name + '_' + index;
  }

  // The game's words for what a control shows, by the same rules as the
  // desktop's; the same text in the same control always shows the same, so
  // each is asked for once.
  const shownTexts = new Map();

  function shownText(c, text) {
    if (!text) return text;
    const key = c.name + '\u0000' + c.index + '\u0000' + text;
    let shown = shownTexts.get(key);
    if (shown === undefined) {
      shown = renderWords(JSON.parse(module.shownText(c.name, c.index, text)));
      shownTexts.set(key, shown);
    }
    return shown;
  }

  // What a screen reader reads for a card slot, as the game words it; asked
  // for again only when the slot shows another picture.
  const cardNames = new Map();

  function cardName(position, card) {
    const key = position + '\u0000' + card.visible + '\u0000' + card.file;
    let name = cardNames.get(position);
    if (!name || name.key !== key) {
      name = {key, text: renderWords(JSON.parse(game.cardWords(position)))};
      cardNames.set(position, name);
    }
    return name.text;
  }

  function accessibleName(c) {
    return renderWords(JSON.parse(module.controlWords(c.name, c.index)));
  }

  const scoreNames = new Map();

  function scoreName(seat, player) {
    const key = seat + '\u0000' + player;
    let name = scoreNames.get(key);
    if (name === undefined) {
      name = renderWords(JSON.parse(module.scoreWords(seat, player)));
      scoreNames.set(key, name);
    }
    return name;
  }

  // ---- Pictures ---------------------------------------------------------

  // The picture a control shows before the game first loads a file into it.
  function layoutPicture(name) {
    return {imgGame: 'GameBoard', imgPlayer: 'PlayerPanel', imgCard: 'CardSlot', picResult: 'ResultStart'}[name] || '';
  }

  function pictureName(file) {
    return file.replace(/\.[A-Za-z]+$/, '');
  }

  let sharpPictures = false;

  function setPicture(img, name, stretch) {
    const size = pictures[name];
    if (!size) {
      img.removeAttribute('src');
      img.removeAttribute('srcset');
      img.alt = '';
      return;
    }
    // A window shown larger than 100 percent, or on a sharp screen, shows
    // the pictures drawn at twice the size.
    const file = 'pictures/' + name + (sharpPictures ? '@2x.' : '.') + size[2];
    if (img.dataset.picture === file) return;
    img.dataset.picture = file;
    img.src = file;
    // The sharp copy has twice the pixels, never twice the size.
    img.style.width = stretch ? '100%' : size[0] + 'px';
    img.style.height = stretch ? '100%' : size[1] + 'px';
  }

  // ---- Building the window ---------------------------------------------

  function px(units) {
    return Math.trunc(units / layout.unitsPerPixel);
  }

  function place(element, c) {
    element.style.left = px(c.left) + 'px';
    element.style.top = px(c.top) + 'px';
    element.style.width = px(c.width) + 'px';
    element.style.height = px(c.height) + 'px';
  }

  function focusIndex(c) {
    const k = layout.focusOrder.findIndex((n) => n.name === c.name && n.index === c.index);
    return k < 0 ? -1 : k + 1;
  }

  function build() {
    const root = document.getElementById('window');
    const containers = new Map([['', root]]);
    const order = new Map();  // container -> position within it
    layout.controls.forEach((c) => {
      byKey.set(keyOf(c.name, c.index), {c});
    });
    const within = {};
    layout.controls.forEach((c) => {
      within[c.container] = (within[c.container] || 0) + 1;
      order.set(c, within[c.container]);
    });
    for (const c of layout.controls) {
      if (c.kind === 'List' || c.kind === 'Timer') continue;
      if (c.name === 'fraInvisible' || c.container === 'fraInvisible') continue;
      const parent = containers.get(c.container);
      if (!parent) continue;
      const element = create(c);
      element.classList.add('control');
      element.id = keyOf(c.name, c.index);
      place(element, c);
      // Within a container, controls listed first lie on top.
      element.style.zIndex = String(within[c.container] - order.get(c) + 1);
      parent.appendChild(element);
      if (c.kind === 'Panel') containers.set(c.name, element);
      const entry = byKey.get(keyOf(c.name, c.index));
      entry.element = element;
      bound.push(entry);
    }
    buildBoard();
    // The window's own keyboard order; the board comes after it.
    const last = layout.focusOrder.length + 1;
    for (const entry of bound) {
      const k = focusIndex(entry.c);
      const target = entry.input || entry.element;
      if (k > 0) target.tabIndex = k;
      else if (target.tabIndex >= 0 && entry.c.name !== 'imgCard') target.tabIndex = -1;
    }
    board.tabStop = last;
  }

  function create(c) {
    const caption = shownText(c, c.caption);
    let element;
    switch (c.kind) {
      case 'Panel': {
        element = document.createElement('div');
        element.className = 'panel';
        element.setAttribute('role', 'group');
        element.setAttribute('aria-label', caption);
        const frame = document.createElement('div');
        frame.className = 'frame';
        frame.style.top = '6px';
        const title = document.createElement('span');
        title.className = 'caption';
        title.textContent = caption;
        title.setAttribute('aria-hidden', 'true');
        element.append(frame, title);
        break;
      }
      case 'Button': {
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = caption;
        element.addEventListener('click', () => buttonClicked(c));
        break;
      }
      case 'Label': {
        element = document.createElement('div');
        element.className = 'label ' + c.backdrop + ' ' + c.alignment;
        if (c.font === 'Bold') element.classList.add('bold');
        // A caption two lines high breaks between its words.
        if (px(c.height) >= 30) element.classList.add('wraps');
        element.textContent = caption;
        const name = accessibleName(c);
        if (name) {
          element.setAttribute('role', 'status');
          element.setAttribute('aria-label', name);
        }
        break;
      }
      case 'DropDown': {
        element = document.createElement('select');
        for (const item of c.items) {
          const option = document.createElement('option');
          option.value = item;
          option.textContent = shownText(c, item);
          element.appendChild(option);
        }
        element.setAttribute('aria-label', accessibleName(c));
        if (c.name === 'cmbCards') {
          element.disabled = c.items.length <= 1;
        } else {
          element.addEventListener('change', () => send('choose', c.name, c.index, element.value));
        }
        break;
      }
      case 'CheckBox': {
        element = document.createElement('label');
        element.className = 'check';
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.checked = c.value !== 0;
        box.addEventListener('change', () => send('check', c.name, -1, box.checked ? '1' : '0'));
        element.append(box, document.createTextNode(caption));
        byKey.get(keyOf(c.name, c.index)).input = box;
        break;
      }
      case 'TextBox': {
        element = document.createElement('input');
        element.type = 'text';
        element.autocomplete = 'off';
        element.spellcheck = false;
        if (c.maximum > 0) element.maxLength = c.maximum;
        element.value = caption;
        element.setAttribute('aria-label', accessibleName(c));
        element.addEventListener('input', () => send('type', c.name, c.index, element.value));
        break;
      }
      case 'Slider': {
        element = document.createElement('input');
        element.type = 'range';
        element.min = String(c.minimum);
        element.max = String(c.maximum);
        element.step = '1';
        element.value = String(c.value);
        element.setAttribute('aria-label', accessibleName(c));
        element.addEventListener('input', () => send('slide', c.name, -1, element.value));
        break;
      }
      case 'Picture':
      case 'DrawingBox': {
        if (c.name === 'imgCard') {
          element = document.createElement('button');
          element.type = 'button';
          element.className = 'card';
          element.tabIndex = -1;
          element.appendChild(document.createElement('img'));
          element.addEventListener('click', () => cardChosen(c.index));
          break;
        }
        element = document.createElement('div');
        element.className = (c.kind === 'Picture' ? 'picture' : 'picture drawing ' + c.backdrop);
        const img = document.createElement('img');
        img.alt = '';
        element.appendChild(img);
        const name = accessibleName(c);
        if (c.kind === 'DrawingBox') {
          const lines = document.createElement('div');
          lines.className = 'lines';
          element.appendChild(lines);
        }
        if (name) {
          element.setAttribute('role', 'img');
          element.setAttribute('aria-label', name);
        } else {
          element.setAttribute('aria-hidden', 'true');
        }
        if (c.name === 'picOutcome') {
          element.setAttribute('role', 'status');
          element.tabIndex = -1;
        }
        break;
      }
      default:
        element = document.createElement('div');
    }
    return element;
  }

  // ---- The board, by keyboard ------------------------------------------

  const board = {tabStop: 0, element: null};

  function buildBoard() {
    const game = layoutOf('fraGame', -1);
    if (!game || !game.element) return;
    const group = document.createElement('div');
    group.id = 'board';
    group.setAttribute('role', 'grid');
    group.setAttribute('aria-label', tr('MainWindow', 'Game Window'));
    group.setAttribute('aria-description', renderWords(JSON.parse(module.boardDescription())));
    group.className = 'control';
    group.style.left = '0';
    group.style.top = '0';
    group.style.width = '100%';
    group.style.height = '100%';
    group.style.zIndex = '50';
    group.style.pointerEvents = 'none';
    // A row for each row of slots, so a screen reader counts rows and columns.
    for (let row = 0; row < kRows; ++row) {
      const line = document.createElement('div');
      line.setAttribute('role', 'row');
      line.style.display = 'contents';
      for (let column = 0; column < kColumns; ++column) {
        const entry = layoutOf('imgCard', row * kColumns + column);
        if (!entry || !entry.element) continue;
        const cell = entry.element;
        cell.setAttribute('role', 'gridcell');
        cell.style.pointerEvents = 'auto';
        line.appendChild(cell);
      }
      group.appendChild(line);
    }
    group.addEventListener('keydown', boardKey);
    game.element.appendChild(group);
    board.element = group;
  }

  function shownSlot(p) {
    const card = state && state['imgCard_' + p];
    return !!card && card.visible;
  }

  // The keys that move the mark; where it goes is the game's to say.
  const kMarkKeys = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Home', 'End'];

  function cardElement(p) {
    const entry = layoutOf('imgCard', p);
    return entry && entry.element;
  }

  function setMark(p, focus) {
    if (marked >= 0 && cardElement(marked)) {
      cardElement(marked).classList.remove('marked');
      cardElement(marked).tabIndex = -1;
    }
    marked = p;
    const card = p >= 0 ? cardElement(p) : null;
    if (!card) return;
    if (boardActive) {
      card.classList.add('marked');
      card.tabIndex = board.tabStop;
    }
    if (focus) card.focus();
  }

  function boardKey(event) {
    if (kMarkKeys.includes(event.key)) {
      event.preventDefault();
      setMark(game.markAfterKey(marked, event.key), true);
    } else if (event.key === ' ' || event.key === 'Enter') {
      event.preventDefault();
      if (marked < 0) return;
      const heardBefore = pairon.spoken.length;
      cardChosen(marked);
      if (pairon.spoken.length === heardBefore) keyTurnedNothing();
    }
  }

  // What a key on the board says when it turned nothing up.
  function keyTurnedNothing() {
    if (state.cmdNew.caption !== 'End Game' || state.fraOutcome.visible) return;
    if (state.lblPlayerTurn.text === 'Computer') {
      say(spokenText(gameWords('computerPlaying')));
    } else if (marked >= 0 && state['imgCard_' + marked].face > 0) {
      // The card the player turned up last: it is up already.
      say(cardName(marked, state['imgCard_' + marked]));
    } else {
      // The key only ended the pause before the player's turn.
      say(spokenText(gameWords('pressAgain')));
    }
  }

  function refreshBoard() {
    const active = state.cmdNew.caption === 'End Game' && state.fraGame.visible && !state.fraPlayers.visible &&
      !state.fraOutcome.visible;
    const hadFocus = board.element && board.element.contains(document.activeElement);
    boardActive = active;
    if (!active) {
      if (marked >= 0 && cardElement(marked)) {
        cardElement(marked).classList.remove('marked');
        cardElement(marked).tabIndex = -1;
      }
      return;
    }
    if (marked < 0 || !shownSlot(marked)) {
      setMark(marked < 0 ? game.markAfterKey(-1, 'Home') : game.markAfterGone(marked), hadFocus);
    } else {
      setMark(marked, hadFocus && document.activeElement !== cardElement(marked));
    }
  }

  // ---- Events -----------------------------------------------------------

  function buttonClicked(c) {
    if (c.name === 'cmdHelp') {
      openHelp();
      return;
    }
    const wasPlayers = state.fraPlayers.visible;
    send('click', c.name, -1, '');
    if (c.name === 'cmdDone' && wasPlayers && !state.fraPlayers.visible) {
      keepChoices();
      // The players are in: the play starts on the board.
      if (boardActive && marked >= 0) cardElement(marked).focus();
    }
    if (c.name === 'cmdExit' && state.exitRequested) closeGame();
  }

  function cardChosen(p) {
    if (boardActive && shownSlot(p)) setMark(p, false);
    send('click', 'imgCard', p, '');
  }

  // Every input of the player's and every tick comes through here: the game
  // handles it, then the page shows the result and tells what happened.
  let playerInput = false;

  function send(kind, name, index, value) {
    if (!game) return;
    playerInput = kind !== 'tick';
    const taken = game.handle(kind, name, index, value);
    pairon.events += 1;
    sync();
    if (!taken) return;
    const did = JSON.parse(game.happenings());
    if (did.happenings.length) heard(did);
  }

  function sync() {
    state = JSON.parse(game.state());
    for (const entry of bound) syncControl(entry);
    refreshBoard();
    if (state.fraOutcome.visible && !outcomeShown) {
      keepChoices();
      const focus = document.activeElement;
      // The one who found the last pair was on the board: the focus moves on
      // to the result, which reads it out.
      if (!focus || focus === document.body || (board.element && board.element.contains(focus))) {
        const outcome = layoutOf('picOutcome', -1);
        if (outcome && outcome.element) outcome.element.focus();
      }
    }
    outcomeShown = state.fraOutcome.visible;
    syncTimer('tmrCardDelay');
    syncTimer('tmrComputerDelay');
  }

  function showElement(element, visible) {
    element.classList.toggle('hidden', !visible);
  }

  function syncControl(entry) {
    const c = entry.c;
    const model = state[keyOf(c.name, c.index)];
    const element = entry.element;
    if (!model) return;
    switch (c.kind) {
      case 'Panel':
        showElement(element, model.visible && !covered(entry));
        break;
      case 'Button': {
        const caption = shownText(c, model.caption);
        if (element.textContent !== caption) element.textContent = caption;
        showElement(element, model.visible);
        break;
      }
      case 'Label': {
        const text = shownText(c, model.text);
        if (element.textContent !== text) element.textContent = text;
        element.classList.toggle('bold', model.bold);
        if (c.name === 'lblScore') {
          const player = state['lblPlayer_' + c.index].text;
          const name = scoreName(c.index, player);
          if (element.getAttribute('aria-label') !== name) element.setAttribute('aria-label', name);
        }
        showElement(element, model.visible);
        break;
      }
      case 'DropDown':
        if (element.selectedIndex !== model.listIndex) element.selectedIndex = model.listIndex;
        showElement(element, model.visible);
        break;
      case 'CheckBox':
        if (entry.input.checked !== (model.value !== 0)) entry.input.checked = model.value !== 0;
        showElement(element, model.visible);
        break;
      case 'TextBox':
        // What was typed stays as typed; a default name shows in the
        // player's language.
        if (element.value !== model.text) {
          const text = shownText(c, model.text);
          if (element.value !== text) element.value = text;
        }
        showElement(element, model.visible);
        break;
      case 'Slider':
        if (Number(element.value) !== model.value) element.value = String(model.value);
        showElement(element, model.visible);
        break;
      case 'Picture':
      case 'DrawingBox': {
        const img = element.querySelector('img');
        const name = model.loads === 0 ? layoutPicture(c.name) : pictureName(model.file);
        if (model.visible) setPicture(img, name, c.name === 'imgCard' || c.name === 'imgGame' || c.name === 'imgPlayer');
        if (c.name === 'imgCard') {
          const label = cardName(c.index, model);
          if (element.getAttribute('aria-label') !== label) element.setAttribute('aria-label', label);
        }
        if (c.kind === 'DrawingBox') {
          const text = c.name === 'picOutcome' ? gameWords('outcomeLines').map(renderWords).join('\n')
            : model.lines.join('\n');
          const lines = element.querySelector('.lines');
          if (lines.textContent !== text) lines.textContent = text;
          if (c.name === 'picOutcome') {
            element.setAttribute('aria-description', gameWords('outcome').map(renderWords).join('\n'));
          }
        }
        showElement(element, model.visible);
        break;
      }
      default:
        break;
    }
  }

  // A panel wholly under a shown panel that lies above it is hidden too.
  function covered(entry) {
    for (const upper of bound) {
      if (upper === entry) return false;
      if (upper.c.kind !== 'Panel' || upper.c.container !== entry.c.container) continue;
      const model = state[keyOf(upper.c.name, upper.c.index)];
      const a = upper.c;
      const b = entry.c;
      if (model && model.visible && a.left <= b.left && a.top <= b.top && a.left + a.width >= b.left + b.width &&
          a.top + a.height >= b.top + b.height) {
        return true;
      }
    }
    return false;
  }

  // ---- Timers -------------------------------------------------------------

  // A model timer runs as a real one: started when the game enables it and
  // it is idle (so a start on a running timer keeps its schedule), started
  // afresh on a new run, stopped when the game stops it.
  function syncTimer(name) {
    const model = state[name];
    const link = timers[name];
    if (!model.enabled) {
      if (link.handle) clearInterval(link.handle);
      link.handle = 0;
      return;
    }
    if (!link.handle || link.run !== model.run) {
      if (link.handle) clearInterval(link.handle);
      link.run = model.run;
      link.handle = setInterval(() => send('tick', name, -1, ''), model.interval);
    }
  }

  function stopTimers() {
    for (const name of Object.keys(timers)) {
      if (timers[name].handle) clearInterval(timers[name].handle);
      timers[name].handle = 0;
    }
  }

  // ---- What happened: sound and speech ---------------------------------

  function heard(did) {
    if (state.chkSound.value !== 0) playCues(did.cues);
    let text = spokenText(did.spoken || []);
    if (!text && playerInput && did.happenings[0].kind === 'CardsTurnedBack') {
      // The player's key or click only turned the cards of the miss back.
      text = spokenText(gameWords('turnedBack'));
    }
    say(text);
  }

  // The game's words in the player's language: the English source looked
  // up in its catalogue context (the plural form for its count), then every
  // %1 .. %9 replaced in one pass by its argument, rendered the same way.
  // Words with no context are not looked up.
  function renderWords(words) {
    if (!words || !words.source) return '';
    const count = words.count === undefined || words.count < 0 ? undefined : words.count;
    const text = words.context ? tr(words.context, words.source, count) : words.source;
    return arg(text, ...(words.args || []).map(renderWords));
  }

  // Sentences as they are spoken: each line a sentence of its own, the
  // empty ones passed over, joined with a space.
  function spokenText(list) {
    const lines = [];
    for (const words of list) {
      for (const line of renderWords(words).split('\n')) if (line.trim() !== '') lines.push(line);
    }
    return lines.join(' ');
  }

  function gameWords(what) {
    return JSON.parse(game.spoken(what));
  }

  // The live region keeps each sentence as a line of its own, so a screen
  // reader speaks one after the other instead of cutting the last short.
  function say(text) {
    if (!text) return;
    const region = document.getElementById('spoken');
    const line = document.createElement('p');
    line.textContent = text;
    region.appendChild(line);
    while (region.childElementCount > 20) region.firstElementChild.remove();
    pairon.spoken.push(text);
  }

  const sound = {context: null, buffers: new Map(), names: [], rate: 44100};

  // Browsers let a page sound only after the player's first key or click.
  function unlockAudio() {
    if (sound.context || !module) return;
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    try {
      sound.context = new Context();
    } catch (error) {
      return;
    }
    sound.names = JSON.parse(module.cueNames());
    sound.rate = module.cueSampleRate();
    sound.names.forEach((cue, k) => {
      const samples = module.cueSamples(k);
      const buffer = sound.context.createBuffer(1, samples.length, sound.rate);
      buffer.copyToChannel(samples, 0);
      sound.buffers.set(cue.file, buffer);
    });
  }

  // The seam between the game's cues and the loudspeaker: every cue passes
  // here, whether or not the browser can sound.
  pairon.audioOutput = function (cue, delayMs) {
    const buffer = sound.buffers.get(cue);
    if (!sound.context || !buffer) return false;
    if (sound.context.state === 'suspended') sound.context.resume();
    const source = sound.context.createBufferSource();
    source.buffer = buffer;
    source.connect(sound.context.destination);
    source.start(sound.context.currentTime + delayMs / 1000);
    return true;
  };

  function playCues(cues) {
    for (const planned of cues) {
      pairon.cues.push({cue: planned.cue, delayMs: planned.delayMs, at: performance.now()});
      pairon.audioOutput(planned.cue, planned.delayMs);
    }
  }

  // ---- Remembered choices -------------------------------------------------

  // The stored choices as the game reads them: a value that is not text
  // counts as unreadable, and a store that is no list of choices at all is
  // passed over as a whole.
  function rememberedLines() {
    let stored = null;
    try {
      stored = window.localStorage.getItem(kChoicesKey);
    } catch (error) {
      return '';
    }
    if (stored === null) return '';
    let values;
    try {
      values = JSON.parse(stored);
    } catch (error) {
      console.warn('Pairon: the remembered choices could not be read; starting as usual.');
      return '';
    }
    if (!values || typeof values !== 'object' || Array.isArray(values)) {
      console.warn('Pairon: the remembered choices could not be read; starting as usual.');
      return '';
    }
    let lines = '';
    for (const [key, value] of Object.entries(values)) {
      if (/[\t\n]/.test(key)) continue;
      lines += typeof value === 'string' && !/[\t\n]/.test(value) ? key + '\t' + value + '\n' : key + '\n';
    }
    return lines;
  }

  function keepChoices() {
    if (!game) return;
    const values = {};
    for (const line of game.choices().split('\n')) {
      const tab = line.indexOf('\t');
      if (tab > 0) values[line.slice(0, tab)] = line.slice(tab + 1);
    }
    try {
      window.localStorage.setItem(kChoicesKey, JSON.stringify(values));
    } catch (error) {
      // A browser that keeps nothing plays on all the same.
    }
  }

  // Exit: the choices are kept and the game starts again as a new run would.
  function closeGame() {
    keepChoices();
    stopTimers();
    startGame();
  }

  // ---- Help -------------------------------------------------------------

  let help = null;

  function openHelp() {
    if (help) {
      help.querySelector('[aria-selected="true"]').focus();
      return;
    }
    const pages = JSON.parse(module.helpPages());
    help = document.createElement('div');
    help.id = 'help';
    help.setAttribute('role', 'dialog');
    help.setAttribute('aria-label', tr('MainWindow', 'Help'));
    const tabs = document.createElement('div');
    tabs.setAttribute('role', 'tablist');
    const panel = document.createElement('div');
    panel.setAttribute('role', 'tabpanel');
    panel.tabIndex = 0;
    help.append(tabs, panel);
    const buttons = pages.map((page, k) => {
      const tab = document.createElement('button');
      tab.type = 'button';
      tab.setAttribute('role', 'tab');
      tab.id = 'help-tab-' + k;
      tab.textContent = tr('HelpWindow', page.tab);
      tab.addEventListener('click', () => choose(k));
      tabs.appendChild(tab);
      return tab;
    });
    function choose(k) {
      buttons.forEach((tab, j) => {
        tab.setAttribute('aria-selected', j === k ? 'true' : 'false');
        tab.tabIndex = j === k ? 0 : -1;
      });
      const page = pages[k];
      panel.setAttribute('aria-labelledby', buttons[k].id);
      panel.textContent = page.lines.map(helpText).join('\n\n');
      buttons[k].focus();
    }
    tabs.addEventListener('keydown', (event) => {
      const now = buttons.findIndex((tab) => tab.getAttribute('aria-selected') === 'true');
      const step = {ArrowRight: 1, ArrowLeft: -1}[event.key];
      if (step) {
        event.preventDefault();
        choose((now + step + buttons.length) % buttons.length);
      }
    });
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.textContent = 'OK';
    close.addEventListener('click', closeHelp);
    help.appendChild(close);
    help.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') closeHelp();
    });
    document.body.appendChild(help);
    fit();
    choose(0);
  }

  // A text of the help in the player's language, less the paragraph the
  // page has nothing for (the zoom keys: the page always fills the browser's
  // window), as long as the translation keeps the English paragraphs.
  function helpText(line) {
    const text = arg(tr('HelpWindow', line.text), ...(line.args || []));
    if (line.leaveOut === undefined) return text;
    const paragraphs = text.split('\n\n');
    if (paragraphs.length !== line.text.split('\n\n').length) return text;
    paragraphs.splice(line.leaveOut, 1);
    return paragraphs.join('\n\n');
  }

  function closeHelp() {
    if (!help) return;
    help.remove();
    help = null;
    const button = layoutOf('cmdHelp', -1);
    if (button && button.element) button.element.focus();
  }

  // ---- Fitting the window to the browser ---------------------------------

  function fit() {
    const root = document.getElementById('window');
    const width = px(layout.clientWidth);
    const height = px(layout.clientHeight);
    const scale = Math.min(window.innerWidth / width, window.innerHeight / height);
    const left = Math.max(0, Math.floor((window.innerWidth - width * scale) / 2));
    const top = Math.max(0, Math.floor((window.innerHeight - height * scale) / 2));
    root.style.transform = 'translate(' + left + 'px,' + top + 'px) scale(' + scale + ')';
    pairon.scale = scale;
    const sharp = scale * (window.devicePixelRatio || 1) > 1.01;
    if (sharp !== sharpPictures) {
      sharpPictures = sharp;
      if (state) sync();
    }
    if (help) help.style.transform = 'translate(' + (left + 24 * scale) + 'px,' + (top + 24 * scale) + 'px) scale(' +
      scale + ')';
  }

  // ---- Starting -----------------------------------------------------------

  function startGame() {
    if (game) game.delete();
    game = new module.Game(query.get('seed') || '');
    const ignored = JSON.parse(game.start(rememberedLines()));
    if (ignored.length) {
      console.warn('Pairon: ignored what the game does not offer in the remembered choices (' + ignored.join(', ') +
        '); the rest is used.');
    }
    marked = -1;
    outcomeShown = false;
    sync();
  }

  function boot(loaded, texts, sizes) {
    module = loaded;
    catalogue = texts;
    pictures = sizes;
    pairon.layoutText = module.layout();
    layout = JSON.parse(pairon.layoutText);
    document.documentElement.lang = language.replace('_', '-');
    document.title = tr('MainWindow', layout.caption);
    build();
    startGame();
    const root = document.getElementById('window');
    root.hidden = false;
    document.getElementById('loading').remove();
    fit();
    window.addEventListener('resize', fit);
    for (const kind of ['keydown', 'pointerdown']) window.addEventListener(kind, unlockAudio, {capture: true});
    window.addEventListener('keydown', (event) => {
      if (event.key === 'F1') {
        event.preventDefault();
        openHelp();
      } else if (event.key === 'F2' && game) {
        // The state of play, told on request.
        event.preventDefault();
        say(spokenText(gameWords('state')));
      }
    });
    window.addEventListener('pagehide', keepChoices);
    pairon.ready = true;
    pairon.readyAt = performance.now();
    pairon.language = language;
    document.dispatchEvent(new Event('pairon-ready'));
  }

  function json(url) {
    return fetch(url).then((response) => {
      if (!response.ok) throw new Error(url + ': ' + response.status);
      return response.json();
    });
  }

  function start() {
    const offered = ['de', 'es', 'fr', 'it', 'nl', 'pl', 'pt_BR', 'ru'];
    Promise.all([window.Pairon(), json('pictures/pictures.json')]).then(([loaded, sizes]) => {
      module = loaded;
      language = chooseLanguage(navigator.languages || [navigator.language || 'en'], offered);
      const texts = language === 'en' ? Promise.resolve({}) : json('lang/' + language + '.json').catch(() => {
        language = 'en';
        return {};
      });
      return texts.then((t) => boot(loaded, t, sizes));
    }).catch((error) => {
      const note = document.getElementById('loading');
      if (note) note.textContent = 'Pairon could not start: ' + error;
    });
    if ('serviceWorker' in navigator && location.protocol !== 'file:' && !query.has('nocache')) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }

  start();
})();
