// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's benchmark in headless Firefox, for bench/page/run: loads each page given N times,
// prints each load's time to ready, one per line, then the mean click time and the result shown.
// Firefox has no CPU slowdown to ask for over WebDriver BiDi.
//
// usage: node firefox.mjs MODULES_DIR ROUNDS PAGE FLOOR  (the worked example on stdin, as JSON
// from each box's label to its text)
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';

const [modulesDir, rounds, ...pages] = process.argv.slice(2);
const puppeteer = createRequire(path.join(modulesDir, 'x.js'))('puppeteer-core');
const clicks = readFileSync(path.join(path.dirname(fileURLToPath(import.meta.url)), 'clicks.js'),
                            'utf8');
const texts = JSON.parse(readFileSync(0, 'utf8'));

const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true});
const [page] = await browser.pages();
await page.setViewport({width: 1280, height: 800});
const ready = async (file) => {
  await page.goto(pathToFileURL(file).href);
  return page.waitForFunction(
    () => performance.getEntriesByName('engine-ready')[0]?.startTime ?? null)
    .then((handle) => handle.jsonValue());
};
for (let round = 0; round < Number(rounds); ++round) {
  console.log(await ready(pages[0]), await ready(pages[1]));
}
await ready(pages[0]);
await page.evaluate((given) => {
  for (const label of document.querySelectorAll('label')) {
    const text = given[label.textContent];
    if (text !== undefined) document.getElementById(label.htmlFor).value = text;
  }
}, texts);
console.log(JSON.stringify(await page.evaluate(`(() => { ${clicks} })()`)));
await browser.close();
