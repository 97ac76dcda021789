// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's behaviour. It carries texts only: the boxes' texts go to the engine as typed, and
// what the engine gives (a length's text, or an error's number and message) is shown as given.
'use strict';

(() => {
  const form = document.getElementById('Form1');
  const box = (id) => document.getElementById(id);
  const result = box('Te5');
  const inputs = ['Co1', 'Te1', 'Te2', 'Te3', 'Te4', 'Co2'].map(box);
  const dialog = box('error');
  const spoken = box('spoken');
  const resultLabel = document.querySelector('label[for="Te5"]').textContent;
  const unsupported = box('unsupported');
  unsupported.hidden = true;

  // The engine loads while the page is in use; a click before it is ready waits for it. Where it
  // cannot run (no WebAssembly), the page says so.
  const engine = Promise.resolve().then(() => SpokeEngine()).then((module) => {
    // Texts go to the engine on its heap, not on its stack of a few megabytes, which a pasted
    // text could overrun; one that finds no memory goes as none, and the engine says so.
    const withTexts = (call) => (...texts) => {
      const pointers = texts.map((text) => module.allocateUTF8(text));
      try {
        return call(...pointers);
      } finally {
        pointers.forEach((pointer) => module._free(pointer));
      }
    };
    const calculate = module.cwrap('calculate', 'number', Array(6).fill('number'));
    const calculateWheel = module.cwrap('calculateWheel', 'number', Array(10).fill('number'));
    const mergeParts = module.cwrap('mergeParts', 'number', ['number', 'number']);
    const findNumber = module.cwrap('findNumber', 'boolean', ['number', 'number']);
    const calls = {
      calculate: withTexts(calculate),
      calculateWheel: (...texts) => {
        const step = texts.pop();
        return withTexts((...pointers) => calculateWheel(...pointers, step))(...texts);
      },
      mergeParts: withTexts(mergeParts),
      emptyParts: module.cwrap('emptyParts', 'string', []),
      partsFileName: module.cwrap('partsFileName', 'string', []),
      shownText: module.cwrap('shownText', 'string', []),
      findNumber: (text, position) => withTexts((pointer) => findNumber(pointer, position))(text),
      numberStart: module.cwrap('numberStart', 'number', []),
      numberEnd: module.cwrap('numberEnd', 'number', []),
    };
    performance.mark('engine-ready');  // what tests and the benchmark wait for
    return calls;
  });
  engine.catch(() => { unsupported.hidden = false; });

  // A length shown is also said, with its label, to a screen reader (a polite live region);
  // emptied with the result, so that the same length is said again after a change. One longer
  // than its box is cut with an ellipsis there, and given whole as the box's title.
  function showLength(text) {
    result.value = text;
    result.title = text && result.scrollWidth > result.clientWidth ? text : '';
    say(text && `${resultLabel} ${text}`);
  }
  function say(text) {
    spoken.textContent = text;
  }

  // A modal dialog: closed, it gives the focus back to where it was.
  function showError(number, message) {
    box('error-number').textContent = number;
    box('error-message').textContent = message;
    dialog.showModal();
  }

  // The calculate button, Enter in a box, or a phone's Go key.
  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    const calls = await engine;
    const error = calls.calculate(...inputs.map((input) => input.value));
    if (error === 0) showLength(calls.shownText());
    else showError(error, calls.shownText());
  });

  // The clear button empties the boxes; the lists keep their choice.
  box('Command2').addEventListener('click', () => {
    for (const id of ['Te1', 'Te2', 'Te3', 'Te4']) box(id).value = '';
    showLength('');
  });

  // The result shows the length of the inputs on screen or nothing.
  for (const input of inputs) input.addEventListener('input', () => showLength(''));

  // A list offers every entry whatever its box holds, the box's own marked, as the window's lists
  // do: opened by its arrow, or by Alt+↓ or F4; ↑ ↓ Home End move, Enter or a click picks, Escape
  // or F4 closes. A pick is a change like any other, in either view.
  for (const combo of document.querySelectorAll('.combo')) {
    const input = combo.querySelector('input');
    const arrow = combo.querySelector('button');
    const list = combo.querySelector('[role="listbox"]');
    const options = [...list.children];
    let active = -1;

    const isOpen = () => !list.hidden;
    const setOpen = (open) => {
      list.hidden = !open;
      for (const control of [input, arrow]) control.setAttribute('aria-expanded', open);
      if (!open) input.removeAttribute('aria-activedescendant');
    };
    const moveTo = (index) => {
      options[active]?.classList.remove('active');
      active = Math.max(0, Math.min(index, options.length - 1));
      options[active].classList.add('active');
      options[active].scrollIntoView({block: 'nearest'});
      input.setAttribute('aria-activedescendant', options[active].id);
    };
    const open = () => {
      for (const option of options) {
        option.setAttribute('aria-selected', option.textContent === input.value);
        option.classList.remove('active');
      }
      active = options.findIndex((option) => option.textContent === input.value);
      setOpen(true);
      if (active >= 0) moveTo(active);
    };
    const pick = (index) => {
      setOpen(false);
      if (index < 0 || options[index].textContent === input.value) return;
      input.value = options[index].textContent;
      input.select();
      input.dispatchEvent(new Event('input', {bubbles: true}));
    };

    // The arrow keeps the focus where it is (a touch opens the list without raising a keyboard).
    arrow.addEventListener('mousedown', (event) => event.preventDefault());
    arrow.addEventListener('click', () => (isOpen() ? setOpen(false) : open()));
    list.addEventListener('mousedown', (event) => event.preventDefault());
    list.addEventListener('click', (event) => {
      const option = event.target.closest('[role="option"]');
      if (option) pick(options.indexOf(option));
    });
    input.addEventListener('keydown', (event) => {
      const key = event.altKey ? `Alt+${event.key}` : event.key;
      const opened = {
        'Alt+ArrowDown': () => {}, 'F4': () => setOpen(false), 'Escape': () => setOpen(false),
        'Alt+ArrowUp': () => pick(active), 'Enter': () => pick(active),
        'ArrowDown': () => moveTo(active + 1), 'ArrowUp': () => moveTo(active - 1),
        'Home': () => moveTo(0), 'End': () => moveTo(options.length - 1),
      };
      const closed = {'Alt+ArrowDown': open, 'F4': open};
      const action = (isOpen() ? opened : closed)[key];
      if (!action) return;
      event.preventDefault();
      action();
    });
    input.addEventListener('input', () => setOpen(false));
    combo.addEventListener('focusout', (event) => {
      if (!combo.contains(event.relatedTarget)) setOpen(false);
    });
    document.addEventListener('pointerdown', (event) => {
      if (!combo.contains(event.target)) setOpen(false);
    });
  }

  // A box showing its hint: focus selects it, and whatever is inserted into it replaces it
  // (typed, pasted, dropped, or committed by an input method).
  for (const input of form.querySelectorAll('input[data-hint]')) {
    const hint = input.dataset.hint;
    let before = null;
    const remember = () => { before = input.value; };
    const replaceHint = () => {
      const inserted = before === hint ? insertedInto(hint, input.value) : null;
      if (inserted !== null) input.setRangeText(inserted, 0, input.value.length, 'end');
    };
    input.addEventListener('focus', () => { if (input.value === hint) input.select(); });
    // WebKit and Firefox put the caret where a click that gives the focus lets go (or presses),
    // unselecting the hint: selected again once the click is done.
    let clickedIn = false;
    input.addEventListener('mousedown', () => { clickedIn = document.activeElement !== input; });
    input.addEventListener('mouseup', (event) => {
      if (clickedIn && input.value === hint) {
        event.preventDefault();
        input.select();
      }
      clickedIn = false;
    });
    input.addEventListener('compositionstart', remember);
    input.addEventListener('beforeinput', (event) => { if (!event.isComposing) remember(); });
    input.addEventListener('input', (event) => { if (!event.isComposing) replaceHint(); });
    input.addEventListener('compositionend', replaceHint);
  }

  // What was inserted into `hint` to make `text`, or null where `text` did not come about so.
  function insertedInto(hint, text) {
    if (text.length <= hint.length) return null;
    for (let at = 0; at <= hint.length; ++at) {
      if (text.startsWith(hint.slice(0, at)) && text.endsWith(hint.slice(at))) {
        return text.slice(at, at + text.length - hint.length);
      }
    }
    return null;
  }

  // A double-click selects the whole number under the pointer, as the engine reads numbers.
  for (const input of document.querySelectorAll('input[type="text"]')) {
    let caret = 0;
    input.addEventListener('mouseup', (event) => {
      if (event.detail === 1) caret = input.selectionStart;
    });
    input.addEventListener('dblclick', async () => {
      const calls = await engine;
      if (calls.findNumber(input.value, caret)) {
        input.setSelectionRange(calls.numberStart(), calls.numberEnd());
      }
    });
  }

  // A minimum font size above the page's enlarges its smaller texts but no length: the window's
  // arrangement grows as much as the smallest text did (the same digits at its size and at ten
  // times it tell by how much), and gives way to the column where it no longer fits.
  function arrange() {
    const probes = [0, 1].map(() => {
      const probe = document.createElement('span');
      probe.className = 'probe';
      probe.textContent = '0000';
      return document.body.appendChild(probe);
    });
    const [small, large] = probes.map((probe) => probe.getBoundingClientRect().width);
    probes.forEach((probe) => probe.remove());
    form.style.setProperty('--enlarged', Math.max(1, (10 * small) / large));
    const page = document.documentElement;
    page.classList.remove('column');
    if (page.scrollWidth > page.clientWidth) page.classList.add('column');
  }
  arrange();
  addEventListener('resize', arrange);

  wheelView({engine, showError, say});

  // As the window starts: the spoke count ready to be typed over, where the styles show the
  // window's arrangement (a phone keeps its keyboard down until a box is touched).
  if (getComputedStyle(form).position === 'relative') {
    box('Co1').focus();
    box('Co1').select();
  }

  // Served from the web, the page keeps itself for offline use and can be installed.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
  }
})();
