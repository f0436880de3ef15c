// The page's languages: the browser's, a link's or the one chosen in "Langue", remembered;
// Arabic mirrors the windows but never the machine; a pseudo-language 40 % longer than
// French, accents added, fits every control.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { after, before, test } from "node:test";
import { assertSamePixels, canvasBytes, launch, open } from "./browser.mjs";

const dir = mkdtempSync(join(tmpdir(), "vireflu-languages-"));
let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

const language = (page) => page.evaluate(() => [document.documentElement.lang, document.documentElement.dir]);
const titles = (page) => page.$$eval(".menu > button", (buttons) => buttons.map((b) => b.textContent));

test("the browser's language, then a link's, then the one chosen in Langue, which stays", async () => {
  const page = await open(browser, { locale: "de-DE" });
  assert.deepEqual(await language(page), ["de", "ltr"]);
  assert.deepEqual((await titles(page)).slice(0, 2), ["Allgemein", "Bearbeiten"]);
  await page.goto(`${page.url().split("#")[0]}#lang=es`);
  await page.reload();
  await page.waitForFunction(() => window.vireflu);
  assert.deepEqual(await language(page), ["es", "ltr"]);
  await page.getByRole("menubar").getByRole("menuitem", { name: "Ayuda", exact: true }).click();
  await page.getByRole("menuitemradio", { name: "English", exact: true }).click();
  await page.waitForFunction(() => document.documentElement.lang === "en");
  assert.match(await page.evaluate(() => location.hash), /&lang=en$/, "the address carries the choice");
  // The browser stores the choice on its own time: the next visit must find it kept.
  await page.waitForFunction(() => localStorage.getItem("vireflu-language") === "en");
  await page.goto(page.url().split("#")[0]);
  await page.waitForFunction(() => window.vireflu);
  assert.deepEqual((await titles(page)).slice(0, 2), ["General", "Edit"], "remembered without the link");
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("Arabic: the windows mirrored, the machine drawn as in French", async () => {
  const setup = `#setup=${Buffer.from('{"vireflu-setup": 1, "stator-phases": 3, "stator-angles": [0, 120, 240], ' +
    '"windows": ["stator", "measures"], "ticks": 3}').toString("base64url")}`;
  const french = await open(browser, { hash: setup });
  // A link pasted with two languages speaks the last.
  const arabic = await open(browser, { hash: `#lang=de&${setup.slice(1)}&lang=ar` });
  assert.deepEqual(await language(arabic), ["ar", "rtl"]);
  const box = (page, selector) => page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
  assert.ok((await box(arabic, "#dock")).right <= (await box(arabic, "#client")).left, "the windows left of the machine");
  const check = await box(arabic, "#stator [data-name=phase1Check]");
  const panel = await box(arabic, "#stator");
  assert.ok(check.left > panel.left + panel.width / 2, "the check boxes on the right of their panel");
  assertSamePixels(await canvasBytes(arabic, "#view"), await canvasBytes(french, "#view"), "machine view");
  await arabic.screenshot({ path: join(dir, "arabic.png") });
  assert.deepEqual([...french.errors, ...arabic.errors], []);
});

test("a pseudo-language 40 % longer fits every control", async () => {
  // The English catalogue replaced by French texts accented and lengthened.
  const html = readFileSync(process.env.VIREFLU_PAGE, "utf8");
  const catalogue = JSON.parse(html.match(/<script id="catalogue" type="application\/json">(.*?)<\/script>/s)[1]);
  const pad = (n) => Array.from({ length: n }, (_, i) => (i % 6 === 5 ? " " : "é")).join("");
  const pseudo = (text) => text.replace(/a/g, "â").replace(/e/g, "ë").replace(/o/g, "ö") + pad(Math.floor(text.length * 0.4));
  catalogue.en = Object.fromEntries(Object.entries(catalogue.de).map(([context, texts]) =>
    [context, Object.fromEntries(Object.keys(texts).map((french) => [french, pseudo(french)]))]));
  const copy = join(dir, "pseudo.html");
  writeFileSync(copy, html.replace(/(<script id="catalogue" type="application\/json">).*?(<\/script>)/s,
    (_, start, end) => start + JSON.stringify(catalogue).replaceAll("</script", "<\\/script") + end));
  const page = await open(browser, { locale: "en-US", url: pathToFileURL(copy).href, width: 1366, height: 768,
    hash: `#lesson=trois-phases` });
  for (const window of ["Stator", "Rotor"]) await page.evaluate((w) => window.vireflu.openPanel(w), window === "Rotor" ? 1 : 0);
  await page.evaluate(() => window.vireflu.openMeasures());
  assert.match((await titles(page))[0], /é$/);
  const [shown, clipped] = await page.$$eval("button, label, .title-bar span, td, p, .legend span", (elements) => {
    const visible = elements.filter((e) => e.offsetParent !== null);
    return [visible.length, visible.filter((e) => e.scrollWidth > e.clientWidth + 1).map((e) => e.textContent)];
  });
  assert.ok(shown > 60, `${shown} texts measured`);
  assert.deepEqual(clipped, []);
  assert.deepEqual(page.errors, []);
});
