// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Run in the page, as a function's body: what of the view shown overlaps or is cut (texts by their
// drawn extent, boxes and drawings by theirs), and whether the page is wider than its window.
const rect = (e) => {
  if (!['LABEL', 'P', 'BUTTON'].includes(e.tagName)) return e.getBoundingClientRect();
  const text = document.createRange();
  text.selectNodeContents(e);
  return text.getBoundingClientRect();
};
const shown = [...document.querySelectorAll(
  ':is(#Form1, #WheelForm) :is(label, input, button, p, img, select, legend)')]
  .filter((e) => e.getClientRects().length && !e.classList.contains('arrow'));
const faults = [];
shown.forEach((a, i) => shown.slice(i + 1).forEach((b) => {
  const [r, s] = [rect(a), rect(b)];
  if (Math.min(r.right, s.right) - Math.max(r.left, s.left) > 0.5 &&
      Math.min(r.bottom, s.bottom) - Math.max(r.top, s.top) > 0.5) {
    faults.push(`${a.id} overlaps ${b.id}`);
  }
}));
for (const e of shown) {
  const size = parseFloat(getComputedStyle(e).fontSize);
  if (e.scrollWidth > e.clientWidth + 1) faults.push(`${e.id} cut across`);
  if (e.tagName === 'INPUT' && e.clientHeight < size) faults.push(`${e.id} cut down`);
}
if (document.documentElement.scrollWidth > innerWidth) faults.push('page too wide');
return faults;
