// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-wheel view, beside the window's: reached from the title strip (#wheel), both sides
// from one click, saved rims and hubs on the device, and a build sheet to print. As the window's
// view, it carries texts only: the engine computes, formats, reads and writes the parts file.
'use strict';

// Called by the page's script with what both views share.
function wheelView({engine, showError, say}) {
  const box = (id) => document.getElementById(id);
  const form = box('WheelForm');
  const windowForm = box('Form1');
  const windowLink = box('view-window');
  const wheelLink = box('view-wheel');
  const windowTitle = document.title;
  const inputs = ['spokeCount', 'rimDiameter', 'holeDiameter', 'leftFlangeDiameter',
    'leftCentreOffset', 'leftLacing', 'rightFlangeDiameter', 'rightCentreOffset',
    'rightLacing'].map(box);
  const step = box('orderStep');
  // In the engine's order: each row's left, then its right.
  const results = ['leftLength', 'rightLength', 'leftOrderLength', 'rightOrderLength',
    'leftShare', 'rightShare', 'leftBracingAngle', 'rightBracingAngle'].map(box);
  const labelOf = (control) => document.querySelector(`label[for="${control.id}"]`).textContent;

  // The view the address names; the window's is the default.
  function showView() {
    const wheel = location.hash === '#wheel';
    windowForm.hidden = wheel;
    form.hidden = !wheel;
    document.documentElement.classList.toggle('wheel', wheel);
    for (const [link, current] of [[windowLink, !wheel], [wheelLink, wheel]]) {
      if (current) link.setAttribute('aria-current', 'page');
      else link.removeAttribute('aria-current');
    }
    document.title = wheel ? wheelLink.dataset.title : windowTitle;
    dispatchEvent(new Event('resize'));  // the arrangement is measured on what shows
  }
  showView();
  addEventListener('hashchange', showView);

  // Every result shows what the boxes on screen give, or nothing.
  function emptyResults() {
    for (const result of results) result.value = '';
    say('');
  }
  for (const input of inputs) input.addEventListener('input', emptyResults);
  step.addEventListener('change', emptyResults);

  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    const calls = await engine;
    const number = calls.calculateWheel(...inputs.map((input) => input.value), step.selectedIndex);
    const texts = calls.shownText().split('\t');
    results.forEach((result, i) => { result.value = texts[i]; });
    say(results.filter((result) => result.value)
      .map((result) => `${labelOf(result)} ${result.value}`).join(' '));
    if (number !== 0) showError(number, texts[results.length]);
  });

  // The build sheet: the view as the print styles lay it out, dated.
  box('printSheet').addEventListener('click', () => {
    const today = new Date();
    box('sheet-date').textContent = [today.getFullYear(), today.getMonth() + 1, today.getDate()]
      .map((part) => String(part).padStart(2, '0')).join('-');
    print();
  });

  // Saved rims and hubs: the engine's parts file, kept in the browser's storage for this page.
  const storageKey = 'spokelength.parts';
  const rims = box('rims');
  const hubs = box('hubs');
  const name = box('partName');
  let saved = '';  // the parts file as the engine last wrote it; '' for none
  const library = () => JSON.parse(saved || '{"rims": [], "hubs": []}');

  function listSaved() {
    for (const [list, entries] of [[rims, library().rims], [hubs, library().hubs]]) {
      const picked = list.value;
      while (list.options.length > 1) list.lastChild.remove();  // the placeholder stays
      for (const entry of entries) list.add(new Option(entry.name));
      list.value = entries.some((entry) => entry.name === picked) ? picked : '';
    }
  }
  // Adds a parts file's entries to the saved ones, or says why it cannot (changing nothing).
  async function add(file) {
    const calls = await engine;
    const number = calls.mergeParts(saved, file);
    if (number !== 0) {
      showError(number, calls.shownText());
      return false;
    }
    saved = calls.shownText();
    try {
      localStorage.setItem(storageKey, saved);
    } catch {
      // Storage refused (private browsing, full): saved for this visit only.
    }
    listSaved();
    return true;
  }
  engine.then((calls) => {
    const stored = localStorage.getItem(storageKey) ?? '';
    // What cannot be read as a parts file is left where it is, unused.
    if (stored && calls.mergeParts(stored, calls.emptyParts()) === 0) saved = calls.shownText();
    listSaved();
  });

  const nameTyped = () => {
    for (const id of ['saveRim', 'saveHub']) box(id).disabled = !name.value.trim();
  };
  name.addEventListener('input', nameTyped);
  nameTyped();
  // One entry in a parts file of its own, added to the saved ones and picked in its list.
  async function save(list, kind, entry) {
    const file = JSON.parse((await engine).emptyParts());
    file[kind].push({name: name.value.trim(), ...entry});
    if (await add(JSON.stringify(file))) list.value = name.value.trim();
  }
  box('saveRim').addEventListener('click', () => save(rims, 'rims', {
    effectiveRimDiameter: box('rimDiameter').value,
  }));
  box('saveHub').addEventListener('click', () => save(hubs, 'hubs', {
    spokeCount: box('spokeCount').value,
    spokeHoleDiameter: box('holeDiameter').value,
    left: {flangeDiameter: box('leftFlangeDiameter').value,
      centreOffset: box('leftCentreOffset').value},
    right: {flangeDiameter: box('rightFlangeDiameter').value,
      centreOffset: box('rightCentreOffset').value},
  }));

  // A pick fills the boxes, as typing would (the results empty).
  const fill = (values) => {
    for (const [id, value] of Object.entries(values)) {
      box(id).value = value;
      box(id).dispatchEvent(new Event('input', {bubbles: true}));
    }
  };
  rims.addEventListener('change', () => {
    const rim = library().rims[rims.selectedIndex - 1];
    fill({rimDiameter: rim.effectiveRimDiameter});
  });
  hubs.addEventListener('change', () => {
    const hub = library().hubs[hubs.selectedIndex - 1];
    fill({spokeCount: hub.spokeCount, holeDiameter: hub.spokeHoleDiameter,
      leftFlangeDiameter: hub.left.flangeDiameter, leftCentreOffset: hub.left.centreOffset,
      rightFlangeDiameter: hub.right.flangeDiameter, rightCentreOffset: hub.right.centreOffset});
  });

  // Export: the saved parts as one file; import: a file's added to them.
  box('exportParts').addEventListener('click', async () => {
    const calls = await engine;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([saved || calls.emptyParts()],
      {type: 'application/json'}));
    link.download = calls.partsFileName();
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href));
  });
  const file = box('saved-file');
  box('importParts').addEventListener('click', () => file.click());
  file.addEventListener('change', async () => {
    if (file.files.length) await add(await file.files[0].text());
    file.value = '';
  });
}
