// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Run in the page, as a script: the whole-wheel view's steps as a builder takes them (boxes found
// by their labels, buttons clicked, lists picked, files exported and imported), for every
// browser's driver to call as `wheelSteps.<step>(...)` and check what each gives.
window.wheelSteps = (() => {
  const control = (label) => document.getElementById(
    [...document.querySelectorAll('#WheelForm label')]
      .find((l) => l.textContent.trim() === label.trim()).htmlFor);
  const button = (text) => [...document.querySelectorAll('#WheelForm button')]
    .find((b) => b.textContent.trim() === text);
  const settled = () => new Promise((resolve) => setTimeout(resolve, 50));
  const dialog = () => document.getElementById('error');
  const closeDialog = () => {
    const shown = dialog().open ? document.getElementById('error-message').textContent : '';
    if (dialog().open) dialog().close();
    return shown;
  };
  const values = (labels) => Object.fromEntries(labels.map((l) => [l, control(l).value]));
  const results = () => values([...document.querySelectorAll('#WheelForm label')]
    .filter((l) => document.getElementById(l.htmlFor).readOnly).map((l) => l.textContent));

  return {
    // Types each label's text (as one input), then clicks 计算: the results, and any message.
    async calculate(typed) {
      for (const [label, text] of Object.entries(typed)) {
        control(label).value = text;
        control(label).dispatchEvent(new Event('input', {bubbles: true}));
      }
      button('计算').click();
      await settled();
      return {results: results(), message: closeDialog()};
    },
    results,
    // Changes one control (a box typed into, a list's entry picked, the order step) and gives
    // the results after it.
    async change(label, text) {
      const target = control(label);
      if (target.tagName === 'SELECT') {
        target.selectedIndex = (target.selectedIndex + 1) % target.options.length;
        target.dispatchEvent(new Event('change', {bubbles: true}));
      } else {
        target.value = text;
        target.dispatchEvent(new Event('input', {bubbles: true}));
      }
      await settled();
      return results();
    },
    // Saves the boxes' rim and hub under `name`; what the device then keeps.
    async save(name) {
      control('名称：').value = name;
      control('名称：').dispatchEvent(new Event('input', {bubbles: true}));
      button('保存轮圈').click();
      await settled();
      button('保存花鼓').click();
      await settled();
      return localStorage.getItem('spokelength.parts');
    },
    saved: () => ({
      rims: [...control('轮圈：').options].slice(1).map((o) => o.text),
      hubs: [...control('花鼓：').options].slice(1).map((o) => o.text),
    }),
    // Picks the rim and the hub called `name`: the boxes then.
    async pick(name, labels) {
      for (const list of [control('轮圈：'), control('花鼓：')]) {
        list.value = name;
        list.dispatchEvent(new Event('change', {bubbles: true}));
      }
      await settled();
      return values(labels);
    },
    // What 导出… downloads: its file name and text (the file, kept as the link is made).
    async exported() {
      const [click, makeUrl] = [HTMLAnchorElement.prototype.click, URL.createObjectURL];
      let link;
      let file;
      HTMLAnchorElement.prototype.click = function () { link = this; };
      URL.createObjectURL = (blob) => {
        file = blob;
        return makeUrl(blob);
      };
      try {
        button('导出…').click();
        await settled();
      } finally {
        [HTMLAnchorElement.prototype.click, URL.createObjectURL] = [click, makeUrl];
      }
      return {name: link.download, text: await file.text()};
    },
    // Clicks 打印…: the date the sheet then shows, once the browser was asked to print.
    async printed() {
      const print = window.print;
      let asked = false;
      window.print = () => { asked = true; };
      try {
        button('打印…').click();
      } finally {
        window.print = print;
      }
      return asked ? document.getElementById('sheet-date').textContent : '';
    },
    // Imports `text` as the file a builder picked: the message shown, if any.
    async imported(text) {
      const file = document.getElementById('saved-file');
      const picked = new DataTransfer();
      picked.items.add(new File([text], 'parts.json', {type: 'application/json'}));
      file.files = picked.files;
      file.dispatchEvent(new Event('change', {bubbles: true}));
      await settled();
      return closeDialog();
    },
  };
})();
