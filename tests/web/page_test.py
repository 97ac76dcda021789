#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in a real browser, used as a wheel builder would: by keyboard, through an input
method, on a phone, offline. In Chromium (headless, through ChromeDriver) or in WebKitGTK, the
engine of Safari (through WebKitWebDriver, on an X display); what only Chromium's driver can do
(input methods, touch, emulated screens and media, browser settings) is skipped elsewhere, and
the skip says so; WebKitGTK's accessibility tree is read over AT-SPI.

usage: [PAGE_ENGINE=chromium|webkit] page_test.py PAGE_DIR BUILD_DIR [unittest arguments]

BUILD_DIR is the web build's (with the engine, the engine's messages and axe-core).

Imported (by the page's benchmark and screenshots), it takes the build's page.
"""
import base64
import functools
import http.server
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.print_page_options import PrintOptions
from selenium.webdriver.support.ui import WebDriverWait
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCRIPTS = [ROOT / "web" / "page.js", ROOT / "web" / "wheel.js"]
PAGE_DIR = ROOT / "build-web"
PAGE = PAGE_DIR / "spokelength.html"
BUILD_DIR = PAGE_DIR / "cmake"
AXE_DIR = BUILD_DIR / "axe"
ENGINE = os.environ.get("PAGE_ENGINE", "chromium")
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
CASES = json.loads((ROOT / "tests" / "web" / "cases.json").read_text(encoding="utf-8"))
WORKED_EXAMPLE, WORKED_LENGTH = CASES["workedExample"], CASES["workedLength"]
WHEEL_STEPS = (ROOT / "tests" / "web" / "wheel_steps.js").read_text(encoding="utf-8")


def browser(width=1280, height=800, arguments=(), prefs=None):
    """A browser of the engine under test, its page `width` × `height`; `arguments` and `prefs`
    are Chromium's."""
    if ENGINE == "webkit":
        options = WebKitOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        driver = webdriver.WebKitGTK(options=options)
        driver.set_window_size(width, height)
        return driver
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     f"--window-size={width},{height}", "--lang=zh-CN", *arguments):
        options.add_argument(argument)
    if prefs:
        options.add_experimental_option("prefs", prefs)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def chromium_only(what):
    """Skips a test that needs what only Chromium's driver offers."""
    return unittest.skipUnless(ENGINE == "chromium", f"{ENGINE}'s driver has no {what}")


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def open(self, url=None):
        self.driver.get(url or PAGE.as_uri())
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return performance.getEntriesByName('engine-ready')[0]"))

    def box(self, label):
        """The control a label names, found as a screen reader finds it."""
        target = self.driver.find_element(By.XPATH, f"//label[normalize-space(.)="
                                          f"'{label.strip()}']").get_attribute("for")
        return self.driver.find_element(By.ID, target)

    def fill(self, texts):
        for label, text in texts.items():
            self.driver.execute_script("arguments[0].value = arguments[1]", self.box(label), text)

    def selected(self, box):
        return self.driver.execute_script(
            "const b = arguments[0]; return b.value.slice(b.selectionStart, b.selectionEnd)", box)

    def result(self):
        return self.box("钢线长度：").get_attribute("value")

    def click(self, text):
        self.driver.find_element(By.XPATH, f"//button[normalize-space(.)='{text}']").click()

    def faces(self, element):
        """The installed faces that draw `element`'s text (not the page's own)."""
        for domain in ("DOM", "CSS"):
            self.driver.execute_cdp_cmd(f"{domain}.enable", {})
        self.driver.execute_cdp_cmd("DOM.getDocument", {})
        node = self.driver.execute_cdp_cmd("DOM.requestNode", {
            "objectId": self.driver.execute_cdp_cmd("Runtime.evaluate", {
                "expression": f"document.querySelector('{element}')"})["result"]["objectId"]})
        fonts = self.driver.execute_cdp_cmd("CSS.getPlatformFontsForNode", node)["fonts"]
        return {font["familyName"] for font in fonts if not font["isCustomFont"]}

    def step(self, name, *arguments):
        """A step through the whole-wheel view (wheel_steps.js), and what it gives."""
        self.driver.execute_script(WHEEL_STEPS)
        return self.driver.execute_async_script(
            f"const done = arguments[arguments.length - 1];"
            f"Promise.resolve(wheelSteps.{name}(...[...arguments].slice(0, -1))).then(done)",
            *arguments)

    def insert(self, text):
        """Inserts `text` where the caret is, as an input method commits it or a paste; typed
        where the driver has neither."""
        if ENGINE == "chromium":
            self.driver.execute_cdp_cmd("Input.insertText", {"text": text})
        else:
            ActionChains(self.driver).send_keys(text).perform()


class Calculating(Page):
    def test_worked_example_typed_by_keyboard(self):
        self.open()
        self.assertEqual(self.driver.switch_to.active_element, self.box("钢 线 数："))
        keys = ActionChains(self.driver)
        for label in ("钢 线 数：", "有效轮圈直径：", "花鼓直径：", "花鼓中心偏移量：", "花鼓辐条孔直径："):
            keys.send_keys(WORKED_EXAMPLE[label], Keys.TAB)
        keys.send_keys(Keys.ENTER).perform()  # in the lacing box, which keeps 3X
        self.assertEqual(self.result(), WORKED_LENGTH)

    def test_full_width_text_as_an_input_method_commits_it(self):
        self.open()
        for label, text in CASES["fullWidth"].items():
            box = self.box(label)
            box.click()
            self.driver.execute_script("arguments[0].select()", box)
            if ENGINE == "chromium":  # others: typed
                self.driver.execute_cdp_cmd("Input.imeSetComposition", {
                    "text": text[0], "selectionStart": 1, "selectionEnd": 1})
            self.insert(text)
            self.assertEqual(box.get_attribute("value"), text)
        self.click("计算")
        self.assertEqual(self.result(), WORKED_LENGTH)

    def test_text_inserted_into_a_hint_replaces_it(self):
        for how, text in (("typed after a click", "600"), ("committed after the hint", "６００")):
            with self.subTest(how):
                self.open()
                box = self.box("有效轮圈直径：")
                ActionChains(self.driver).click(box).perform()
                if how.startswith("typed"):
                    self.assertEqual(self.selected(box), "ERD")  # shown as what typing replaces
                    ActionChains(self.driver).send_keys(text).perform()
                else:
                    self.driver.execute_script("arguments[0].setSelectionRange(3, 3)", box)
                    self.insert(text)
                self.assertEqual(box.get_attribute("value"), text)

    def test_any_change_empties_the_result(self):
        changes = {"typed": lambda box: box.send_keys("1"),
                   "pasted": lambda box: self.insert("32"),
                   "picked": lambda box: self.driver.execute_script(
                       "arguments[0].value = '4X';"
                       "arguments[0].dispatchEvent(new InputEvent('input', {bubbles: true,"
                       " inputType: 'insertReplacementText'}))", box)}
        for how, change in changes.items():
            with self.subTest(how):
                self.open()
                self.fill(WORKED_EXAMPLE)
                self.click("计算")
                self.assertEqual(self.result(), WORKED_LENGTH)
                box = self.box("交织编法：" if how == "picked" else "钢 线 数：")
                box.click()
                change(box)
                self.assertEqual(self.result(), "")

    def test_a_text_of_megabytes_leaves_the_page_working(self):
        self.open()
        self.fill({**WORKED_EXAMPLE, "花鼓中心偏移量：": "3" * 8_000_000})
        self.click("计算")
        self.assertEqual(self.driver.find_element(By.TAG_NAME, "h2").text, "错误 6")
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        self.assertEqual(self.result(), WORKED_LENGTH)
        if ENGINE == "chromium":  # the only driver that gives the console
            self.assertEqual([e["message"] for e in self.driver.get_log("browser")], [])

    def test_a_megabyte_of_words_is_shown_and_computed_within_two_seconds(self):
        paste = CASES["longPaste"]
        for label, unit in paste["units"].items():
            with self.subTest(label):
                self.open()
                self.fill(WORKED_EXAMPLE)
                # Timed by the page from the paste to the length shown (not the text's way to it).
                self.driver.execute_script("window.words = arguments[0]", unit * paste["times"])
                self.driver.execute_async_script("""
                    const [box, done] = arguments;
                    window.pasted = performance.now();
                    box.focus();
                    box.value = window.words;
                    box.dispatchEvent(new Event('input'));
                    requestAnimationFrame(() => requestAnimationFrame(done));  // drawn""",
                                                 self.box(label))
                self.click("计算")
                self.assertEqual(self.result(), WORKED_LENGTH)  # the unit's number
                self.assertLess(self.driver.execute_script(
                    "return performance.now() - window.pasted"), paste["seconds"] * 1000)

    def test_clear_empties_the_boxes_and_keeps_the_lists(self):
        self.open()
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        self.click("清空")
        for label, text in WORKED_EXAMPLE.items():
            kept = label in ("钢 线 数：", "交织编法：")
            self.assertEqual(self.box(label).get_attribute("value"), text if kept else "")
        self.assertEqual(self.result(), "")

    def test_double_click_selects_the_whole_number(self):
        for label, text, selected in (row.values() for row in CASES["doubleClicks"]):
            with self.subTest(text):
                self.open()
                box = self.box(label)
                self.driver.execute_script("arguments[0].value = arguments[1]", box, text)
                # Near the end of the text, on its last character.
                end = self.driver.execute_script(
                    "const c = document.createElement('canvas').getContext('2d');"
                    "c.font = getComputedStyle(arguments[0]).font;"
                    "return c.measureText(arguments[0].value).width;", box)
                left = -box.size["width"] / 2 + 5 + end - 2
                ActionChains(self.driver).move_to_element_with_offset(box, left, 0) \
                    .double_click().perform()
                self.assertEqual(self.selected(box), selected)


class Lists(Page):
    """Each list offers every entry whatever its box holds, by mouse, touch and keyboard."""
    ROWS = [(row["label"], row["entries"], row["current"], row["pick"]) for row in CASES["lists"]]

    def tap(self, element):
        x, y = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.x + r.width / 2, r.y + r.height / 2]", element)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def pick_by(self, how, box, entry):
        name = box.get_attribute("id")
        arrow = self.driver.find_element(By.ID, f"{name}-open")
        option = f"//ul[@id='{name}-list']/li[.='{entry}']"
        if how == "mouse":
            arrow.click()
            self.check_offered(box)
            self.driver.find_element(By.XPATH, option).click()
        elif how == "touch":
            self.tap(arrow)
            self.check_offered(box)
            self.tap(self.driver.find_element(By.XPATH, option))
        else:
            box.click()
            opening = ActionChains(self.driver)
            if how == "Alt+↓":
                opening.key_down(Keys.ALT).send_keys(Keys.ARROW_DOWN).key_up(Keys.ALT)
            else:
                opening.send_keys(Keys.F4)
            opening.perform()
            self.check_offered(box)
            ActionChains(self.driver).send_keys(Keys.ARROW_UP, Keys.ENTER).perform()

    def check_offered(self, box):
        name = box.get_attribute("id")
        listbox = self.driver.find_element(By.ID, f"{name}-list")
        self.assertTrue(listbox.is_displayed())
        offered = [o.text for o in listbox.find_elements(By.TAG_NAME, "li") if o.is_displayed()]
        marked = [o.text for o in listbox.find_elements(By.CSS_SELECTOR, "[aria-selected=true]")]
        self.assertEqual((offered, marked), (self.entries, [self.current]))

    def test_leaving_an_open_list_changes_nothing(self):
        for key in (Keys.ESCAPE, Keys.F4, Keys.TAB):
            with self.subTest(key=key):
                self.open()
                box = self.box("交织编法：")
                box.click()
                ActionChains(self.driver).send_keys(Keys.F4, Keys.ARROW_UP, key).perform()
                self.assertFalse(self.driver.find_element(By.ID, "Co2-list").is_displayed())
                self.assertEqual(box.get_attribute("value"), "3X")

    @chromium_only("font inspection")
    def test_an_entry_is_drawn_in_one_face_and_weight(self):
        """Not 直 in the page's face and 拉 in an installed one's bold."""
        self.open()
        self.driver.find_element(By.ID, "Co2-open").click()
        self.assertEqual(self.faces("#Co2-0"), set())

    def test_every_entry_is_offered_and_a_pick_is_a_change(self):
        for how in ("mouse", "touch", "Alt+↓", "F4"):
            for label, self.entries, self.current, entry in self.ROWS:
                with self.subTest(how=how, list=label):
                    if how == "touch" and ENGINE != "chromium":
                        self.skipTest(f"{ENGINE}'s driver has no touch")
                    self.open()
                    self.fill(WORKED_EXAMPLE)
                    self.click("计算")
                    box = self.box(label)
                    self.pick_by(how, box, entry)
                    self.assertEqual(box.get_attribute("value"), entry)
                    self.assertFalse(self.driver.find_element(
                        By.ID, f"{box.get_attribute('id')}-list").is_displayed())
                    self.assertEqual(self.result(), "")
                    self.click("计算")  # what was picked is what is computed
                    self.assertNotIn(self.result(), ("", WORKED_LENGTH))


class Announced(Page):
    """What a screen reader is given, read from the engine's accessibility tree: Chromium's through
    its driver, WebKitGTK's over AT-SPI (on the session bus the test runs in)."""

    def test_a_screen_reader_hears_the_length_with_its_label(self):
        self.open()
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        self.assertEqual(self.result(), WORKED_LENGTH)
        live_regions = self.atspi_live_regions if ENGINE == "webkit" else self.cdp_live_regions
        self.assertEqual(live_regions(), [("polite", True, "钢线长度： 290.22")])
        self.box("花鼓直径：").send_keys("0")  # a change empties what is said with the result
        self.assertEqual(self.driver.find_element(By.ID, "spoken").get_attribute("textContent"), "")

    def cdp_live_regions(self):
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {node["nodeId"]: node for node in nodes}

        def spoken(node):
            return node.get("name", {}).get("value", "") if node.get("role", {}).get(
                "value") == "StaticText" else "".join(
                spoken(by_id[child]) for child in node.get("childIds", []) if child in by_id)

        def region(node):
            properties = {p["name"]: p["value"]["value"] for p in node.get("properties", [])}
            return properties.get("live"), properties.get("atomic"), spoken(node)
        return [region(node) for node in nodes if node.get("role", {}).get("value") == "status"]

    def atspi_live_regions(self):
        import pyatspi  # only here: the other engines' tests need no accessibility bus

        def nodes(node):
            yield node
            for child in node:
                if child is not None:
                    yield from nodes(child)
        found = []
        for app in pyatspi.Registry.getDesktop(0):
            for node in nodes(app) if app is not None else ():
                attributes = dict(a.split(":", 1) for a in node.getAttributes())
                if node.getRole() == pyatspi.ROLE_STATUS_BAR:
                    found.append((attributes.get("live"), attributes.get("atomic") == "true",
                                  node.queryText().getText(0, -1)))
        return found


class LongResult(Page):
    def test_a_length_longer_than_its_box_shows_it_is_cut_and_gives_it_whole(self):
        self.open()
        self.fill({**WORKED_EXAMPLE, "有效轮圈直径：": "1e20"})
        self.click("计算")
        result = self.box("钢线长度：")
        self.assertEqual(self.result(), "50000000000000000000.")
        self.assertEqual(result.get_attribute("title"), "50000000000000000000.")
        self.assertEqual(result.value_of_css_property("text-overflow"), "ellipsis")
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        self.assertEqual(result.get_attribute("title"), "")  # whole in its box: no title


class WholeWheel(Page):
    """The whole-wheel view: reached from the title strip, both sides from one click (each the
    window's view's length for that side), results emptied by any change, saved rims and hubs
    that come back after a reload and travel as a file, and a build sheet of one A4 page."""
    CASES = CASES["wholeWheel"]

    def visit_again(self):
        self.driver.refresh()
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return performance.getEntriesByName('engine-ready')[0]"))

    def view(self):
        """The view shown, and the link the title strip marks current."""
        shown = self.driver.execute_script(
            "return ['Form1', 'WheelForm'].filter((id) => !document.getElementById(id).hidden)")
        current = self.driver.find_element(By.CSS_SELECTOR, ".strip [aria-current='page']")
        return shown, current.text

    def test_the_window_s_view_stays_the_default_and_the_strip_switches(self):
        self.open()
        self.assertEqual(self.view(), (["Form1"], "钢线长度"))
        title = self.driver.title
        self.driver.find_element(By.LINK_TEXT, "整轮").click()
        self.assertEqual(self.view(), (["WheelForm"], "整轮"))
        self.assertEqual(self.driver.title, "辐条长度计算器（整轮）")
        self.driver.find_element(By.LINK_TEXT, "钢线长度").click()
        self.assertEqual(self.view(), (["Form1"], "钢线长度"))
        self.assertEqual(self.driver.title, title)

    def test_both_sides_from_one_click_each_the_window_s_length(self):
        self.open(PAGE.as_uri() + "#wheel")
        front = self.step("calculate", self.CASES["front"])
        self.assertEqual(front, {"results": self.CASES["frontResults"], "message": ""})
        rear = self.step("calculate", self.CASES["rear"])["results"]
        for result, side in self.CASES["sides"].items():
            with self.subTest(result):
                self.open()
                boxes = {**self.CASES["shared"], **side}
                self.fill({label: self.CASES["rear"][wheel] for label, wheel in boxes.items()})
                self.click("计算")
                self.assertEqual(rear[result], self.result())
        self.open(PAGE.as_uri() + "#wheel")
        failing = self.step("calculate", {**self.CASES["front"], **self.CASES["failing"]})
        self.assertEqual(failing["results"]["左侧钢线长度："], "290.22")
        self.assertEqual(failing["results"]["右侧钢线长度："], "")
        self.assertIn(self.CASES["failingMessage"], failing["message"])

    def test_any_change_empties_every_result(self):
        self.open(PAGE.as_uri() + "#wheel")
        for label in [*self.CASES["front"], "订购步长："]:
            with self.subTest(label):
                self.step("calculate", self.CASES["front"])
                self.assertEqual(set(self.step("change", label, "1").values()), {""})

    def test_saved_rims_and_hubs_come_back_travel_and_refuse_a_damaged_file(self):
        self.open(PAGE.as_uri() + "#wheel")
        self.driver.execute_script("localStorage.clear()")
        self.step("calculate", self.CASES["rear"])
        kept = self.step("save", "公路后轮")
        self.visit_again()
        self.assertEqual(self.step("saved"), {"rims": ["公路后轮"], "hubs": ["公路后轮"]})
        self.step("calculate", self.CASES["front"])
        boxes = self.step("pick", "公路后轮", self.CASES["hubBoxes"])
        self.assertEqual(boxes, {label: self.CASES["rear"][label] for label in boxes})
        self.assertEqual(set(self.step("results").values()), {""})
        exported = self.step("exported")
        self.assertEqual(exported, {"name": "轮圈和花鼓.json", "text": kept})
        self.driver.execute_script("localStorage.clear()")
        self.visit_again()
        self.assertEqual(self.step("saved"), {"rims": [], "hubs": []})
        self.assertEqual(self.step("imported", exported["text"]), "")
        self.assertEqual(self.step("saved"), {"rims": ["公路后轮"], "hubs": ["公路后轮"]})
        self.assertEqual(self.step("imported", self.CASES["damaged"]),
                         self.CASES["damagedMessage"])
        self.assertEqual(self.step("saved"), {"rims": ["公路后轮"], "hubs": ["公路后轮"]})
        self.assertEqual(self.driver.execute_script(
            "return localStorage.getItem('spokelength.parts')"), kept)

    def test_the_build_sheet_is_dated_and_one_a4_page(self):
        self.open(PAGE.as_uri() + "#wheel")
        self.step("calculate", self.CASES["rear"])
        self.assertRegex(self.step("printed"), r"^\d{4}-\d{2}-\d{2}$")
        a4 = PrintOptions()
        a4.page_width, a4.page_height = 21.0, 29.7
        try:
            pdf = base64.b64decode(self.driver.print_page(a4))
        except WebDriverException as error:
            self.skipTest(f"{ENGINE}'s driver cannot print: {error.msg}")
        self.assertEqual(len(re.findall(rb"/Type\s*/Page[^s]", pdf)), 1)

    def test_nothing_overlaps_at_a_phone_s_width(self):
        driver = browser(360, 740)
        try:
            driver.get(PAGE.as_uri() + "#wheel")
            self.assertEqual(driver.execute_script(LargeText.CHECK), [])
        finally:
            driver.quit()


@chromium_only("font size settings")
class LargeText(unittest.TestCase):
    """The user's text size: nothing overlaps, every text shows whole, at the usual desktop size
    (the window's arrangement grown, or the column where it would not fit)."""
    ROWS = [("default", {}), ("minimum 24", {"webkit.webprefs.minimum_font_size": 24}),
            ("default 32", {"webkit.webprefs.default_font_size": 32})]
    CHECK = (ROOT / "tests" / "web" / "layout_faults.js").read_text(encoding="utf-8")

    def test_nothing_overlaps_and_every_text_shows_whole(self):
        for name, prefs in self.ROWS:
            with self.subTest(name):
                driver = browser(prefs=prefs)
                try:
                    driver.get(PAGE.as_uri())
                    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
                        "return performance.getEntriesByName('engine-ready')[0]"))
                    for label, text in WORKED_EXAMPLE.items():
                        target = driver.find_element(
                            By.XPATH, f"//label[normalize-space(.)='{label.strip()}']")
                        driver.find_element(By.ID, target.get_attribute("for")).clear()
                        driver.find_element(By.ID, target.get_attribute("for")).send_keys(text)
                    driver.find_element(By.ID, "Command1").click()
                    self.assertEqual(driver.execute_script(self.CHECK), [])
                    driver.execute_script("location.hash = 'wheel'")
                    self.assertEqual(driver.execute_script(self.CHECK), [], "the whole wheel")
                finally:
                    driver.quit()


@chromium_only("switch for scripts or WebAssembly")
class Unsupported(unittest.TestCase):
    """Without JavaScript, or without WebAssembly, the page says what it needs, and 计算 sends
    nothing anywhere."""

    def check(self, driver):
        try:
            driver.get(PAGE.as_uri())
            notice = driver.find_element(By.ID, "unsupported")
            self.assertTrue(notice.is_displayed())
            self.assertIn("WebAssembly", notice.text)
            driver.find_element(By.ID, "Te1").send_keys("600")
            driver.find_element(By.ID, "Command1").click()
            self.assertEqual(driver.current_url, PAGE.as_uri())
        finally:
            driver.quit()

    def test_without_javascript(self):
        self.check(browser(prefs={"profile.managed_default_content_settings.javascript": 2}))

    def test_without_webassembly(self):
        driver = browser()
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": "delete globalThis.WebAssembly;"})
        self.check(driver)


class Errors(Page):
    # What is typed, the number and the message the dialog shows.
    ROWS = [(row["typed"], row["number"], row["message"]) for row in CASES["errors"]]

    def test_each_error_shows_its_message_and_the_page_goes_on(self):
        for typed, number, message in self.ROWS:
            for key in (Keys.ENTER, Keys.ESCAPE):
                with self.subTest(number=number, key=key):
                    self.open()
                    self.fill(WORKED_EXAMPLE)
                    self.click("计算")
                    self.fill(typed)  # set, not typed: the last length stays on screen
                    button = self.driver.find_element(By.ID, "Command1")
                    button.click()
                    dialog = self.driver.find_element(By.TAG_NAME, "dialog")
                    self.assertTrue(dialog.get_attribute("open") is not None)
                    self.assertEqual(dialog.find_element(By.TAG_NAME, "h2").text,
                                     f"错误 {number}")
                    self.assertTrue(dialog.find_element(By.TAG_NAME, "p").text
                                    .startswith(message))
                    ActionChains(self.driver).send_keys(key).perform()
                    self.assertIsNone(dialog.get_attribute("open"))
                    self.assertEqual(self.driver.switch_to.active_element, button)
                    self.assertEqual(self.result(), WORKED_LENGTH)
                    for label, text in {**WORKED_EXAMPLE, **typed}.items():
                        self.assertEqual(self.box(label).get_attribute("value"), text)
                    self.fill(WORKED_EXAMPLE)
                    button.click()
                    self.assertEqual(self.result(), WORKED_LENGTH)


class Loading(Page):
    @chromium_only("network log")
    def test_from_a_file_nothing_is_fetched(self):
        self.driver.get_log("performance")  # what earlier tests logged
        self.open()
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        fetched = {event["params"]["request"]["url"]
                   for event in map(performance_event, self.driver.get_log("performance"))
                   if event["method"] == "Network.requestWillBeSent"}
        self.assertEqual({url for url in fetched if not url.startswith("data:")}, {PAGE.as_uri()})

    def test_installable_and_offline_after_one_visit(self):
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(QuietHandler, directory=str(PAGE_DIR)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = f"http://127.0.0.1:{server.server_address[1]}/spokelength.html"
        try:
            self.open(url)
            # The worker takes the page over once it has kept its files.
            WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
                "return navigator.serviceWorker.controller !== null"))
            if ENGINE == "chromium":  # the only driver with an installability check
                installable = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                self.assertEqual(installable["installabilityErrors"], [])
        finally:
            server.shutdown()
            server.server_close()
        self.open(url)
        self.fill(WORKED_EXAMPLE)
        self.click("计算")
        self.assertEqual(self.result(), WORKED_LENGTH)

    def test_a_page_from_other_sources_is_kept_apart_offline(self):
        """The offline copy is named by the page itself: the same sources write the same service
        worker, sources one byte apart two workers, so that returning visitors get the new page."""
        workers = []
        with tempfile.TemporaryDirectory() as work:
            work = pathlib.Path(work)
            style = work / "page.css"
            style.write_bytes((ROOT / "web" / "page.css").read_bytes())
            for run, extra in enumerate((b"", b"", b" ")):
                style.write_bytes(style.read_bytes() + extra)
                subprocess.run([sys.executable, ROOT / "web" / "page.py", *page_sources(style),
                                "--output", work / str(run)], check=True)
                workers.append((work / str(run) / "sw.js").read_bytes())
        self.assertEqual(workers[0], workers[1])
        self.assertNotEqual(workers[1], workers[2])

    def test_the_script_carries_no_text_of_its_own(self):
        for script in SCRIPTS:
            chinese = re.findall(r"[\u3000-\u9fff\uff00-\uffef]+", script.read_text(encoding="utf-8"))
            self.assertEqual(chinese, [], script.name)


class Phone(Page):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser(360, 640)
        if ENGINE == "chromium":  # elsewhere a narrow window with a mouse
            cls.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
            cls.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})

    def test_fits_the_screen_with_targets_a_thumb_can_hit(self):
        # A phone (every control on its screen), a phone held sideways, a tablet: touch,
        # whatever the width.
        for width, height, whole in ((360, 640, True), (844, 390, False), (768, 1024, True)):
            with self.subTest(f"{width} × {height}"):
                self.fits(width, height, whole)
        if ENGINE == "chromium":
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})

    def fits(self, width, height, whole):
        if ENGINE == "chromium":
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
        elif width != 360:
            self.skipTest(f"{ENGINE}'s driver has no touch: a wide screen is a desktop's")
        self.open()
        width, height = self.driver.execute_script("return [innerWidth, innerHeight]")
        # No box takes the focus, which would raise the on-screen keyboard.
        self.assertEqual(self.driver.switch_to.active_element.tag_name, "body")
        self.assertLessEqual(self.driver.execute_script(
            "return document.documentElement.scrollWidth"), width)
        for control in self.driver.find_elements(By.CSS_SELECTOR, "#Form1 input, #Form1 button"):
            with self.subTest(control.get_attribute("id")):
                rect = self.driver.execute_script(
                    "return arguments[0].getBoundingClientRect().toJSON()", control)
                self.assertGreaterEqual(rect["left"], 0)
                self.assertLessEqual(rect["right"], width)
                if whole:
                    self.assertLessEqual(rect["bottom"], height)
                self.assertGreaterEqual(rect["height"], 44)
                # Digits and a point for numbers, letters too for the lacing; any text typed in.
                control_id = control.get_attribute("id")
                if control.tag_name == "input":
                    self.assertEqual(control.get_attribute("type"), "text")
                    self.assertEqual(control.get_attribute("inputmode"),
                                     "text" if control_id == "Co2" else "decimal")

    def test_worked_example_with_the_go_key(self):
        self.open()
        self.fill(WORKED_EXAMPLE)
        self.box("花鼓辐条孔直径：").send_keys(Keys.ENTER)
        self.assertEqual(self.result(), WORKED_LENGTH)


@chromium_only("font inspection")
class WithoutChineseFonts(Page):
    """A desktop without Chinese fonts (a minimal install): the page draws every text of its own
    with the faces it carries."""

    @classmethod
    def setUpClass(cls):
        os.environ["FONTCONFIG_FILE"] = str(ROOT / "tests" / "fonts-dejavu-only.conf")
        try:
            cls.driver = browser()
        finally:
            del os.environ["FONTCONFIG_FILE"]

    def test_every_text_of_the_page_is_drawn_with_its_own_faces(self):
        self.open()
        self.fill({"交织编法：": "5X"})
        self.click("计算")
        elements = ["h1", "#Label8", "#Command1", "#Command2", "#error-heading",
                    "#error-message", "#error-close"]
        elements += [f"#Label{number}" for number in range(1, 8)]
        for element in elements:
            with self.subTest(element):
                self.assertEqual(self.faces(element), set())


class Accessibility(Page):
    def test_no_serious_or_critical_violation(self):
        for scheme in ("light", "dark"):
            for width in (1280, 360):
                with self.subTest(scheme=scheme, width=width):
                    if ENGINE != "chromium" and scheme == "dark":
                        self.skipTest(f"{ENGINE}'s driver has no emulated colour scheme")
                    if ENGINE == "chromium":
                        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
                    self.driver.set_window_size(width, 800)
                    self.open()
                    self.fill(WORKED_EXAMPLE)
                    self.click("计算")
                    self.assertEqual(self.serious_violations(), [])
                    self.driver.find_element(By.LINK_TEXT, "整轮").click()
                    self.step("calculate", CASES["wholeWheel"]["rear"])
                    self.assertEqual(self.serious_violations(), [], "the whole wheel")
                    self.driver.find_element(By.LINK_TEXT, "钢线长度").click()

    def serious_violations(self):
        axe = AXE_DIR / "node_modules" / "axe-core" / "axe.min.js"
        self.driver.execute_script(axe.read_text(encoding="utf-8"))
        violations = self.driver.execute_async_script(
            "axe.run(document).then(r => arguments[0](r.violations))")
        return [(v["id"], [n["target"] for n in v["nodes"]]) for v in violations
                if v["impact"] in ("serious", "critical")]


def page_sources(style):
    """The arguments that write the build's page, with the styles from `style`."""
    web, built = ROOT / "web", BUILD_DIR / "web"
    manifest = json.loads((PAGE_DIR / "manifest.webmanifest").read_text(encoding="utf-8"))
    return ["--form", ROOT / "ui" / "form1.ui", "--wheel-form", ROOT / "ui" / "wheelform.ui",
            "--templates", web, "--style", style,
            "--script", web / "wheel.js", web / "page.js", "--engine", built / "engine.js",
            "--worker", web / "sw.js.in", "--pictures", ROOT / "ui" / "pictures",
            "--serif", ROOT / "ui" / "fonts" / "serif-regular.otf",
            "--sans", ROOT / "ui" / "fonts" / "sans-regular.otf",
            "--messages", built / "messages.txt",
            "--title", (BUILD_DIR / "title.txt").read_text(encoding="utf-8").strip(),
            "--wheel-title", (BUILD_DIR / "wheel-title.txt").read_text(encoding="utf-8").strip(),
            "--version", (BUILD_DIR / "version.txt").read_text().strip(),
            "--icon-sizes", *(icon["sizes"].split("x")[0] for icon in manifest["icons"]
                              if icon["type"] == "image/png")]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def performance_event(entry):
    return json.loads(entry["message"])["message"]


if __name__ == "__main__":
    PAGE_DIR, BUILD_DIR = (pathlib.Path(path).resolve() for path in sys.argv[1:3])
    PAGE, AXE_DIR = PAGE_DIR / "spokelength.html", BUILD_DIR / "axe"
    unittest.main(argv=[sys.argv[0], *sys.argv[3:]])
