// Lessons in the page: a course page's link opens the lesson stopped at clock zero with the
// pixels vireflu-render draws for it, the animation waits for the prediction, the verdict
// quotes the simulator, and "Recommencer" and the menu open lessons again.
import assert from "node:assert/strict";
import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { assertSamePixels, canvasBytes, launch, menu, open, pngBytes, render } from "./browser.mjs";

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

const box = (page, selector) => page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
const animation = (page) => page.$eval("#animation", (b) => b.textContent);

test("a lesson's link, its question before the animation, the verdict and the lesson again", async () => {
  const page = await open(browser, { hash: "#lesson=trois-phases" });
  await page.waitForSelector("#lecon:not([hidden])");
  assert.equal(await page.textContent("#lecon .lesson-title"), "Trois phases");
  const [lesson, view] = [await box(page, "#lecon"), await box(page, "#view")];
  assert.ok(lesson.left >= view.right || lesson.top >= view.bottom, "the lesson beside the machine");
  const size = await page.$eval("#view", (c) => `${c.width}x${c.height}`);
  const png = join(mkdtempSync(join(tmpdir(), "vireflu-lessons-")), "lesson.png");
  render("--lesson", "trois-phases", "--size", size, "--output", png);
  // The lesson switches "Annotations" on, over the view: its pixels stay the tool's.
  assert.ok(await page.isVisible("#annotations"));
  assertSamePixels(await canvasBytes(page, "#view"), await pngBytes(page, png), "the lesson's setup");

  await page.keyboard.press(" ");
  await page.click("#animation");
  assert.equal(await animation(page), "Animation", "stopped until the prediction");
  await page.getByRole("button", { name: "Il pulse sur place, sans tourner" }).click();
  assert.equal(await page.textContent("#lecon .verdict"),
    "Ce n'est pas ce qui se passe. Le champ tourne dans le sens horaire à 3000 tr/min.");
  assert.match(await page.textContent("#lecon .follow-up"), /^Essayez : choisissez/);
  assert.equal(await animation(page), "Stop");
  const first = await canvasBytes(page, "#view");
  await page.waitForFunction((before) => window.rgbaBase64(document.getElementById("view")) !== before, first);

  await page.click("#lecon .restart");
  assert.equal(await animation(page), "Animation");
  assert.ok(await page.isHidden("#lecon .verdict"));
  assertSamePixels(await canvasBytes(page, "#view"), await pngBytes(page, png), "the lesson at clock zero again");
  await page.click("#lecon .show"); // "Montrer": no verdict, the simulator's figure
  assert.equal(await page.textContent("#lecon .verdict"), "Le champ tourne dans le sens horaire à 3000 tr/min.");

  await menu(page, "Leçons", "Le glissement");
  assert.equal(await page.textContent("#lecon .lesson-title"), "Le glissement");
  assert.equal(await page.evaluate(() => location.hash), "#lesson=glissement");
  await page.getByRole("button", { name: "0,04" }).click();
  assert.match(await page.textContent("#lecon .verdict"), /^Bonne prédiction\. Le glissement vaut 0,04 : /);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("a link to no lesson leaves the fresh page and says so, its escapes broken or not", async () => {
  for (const id of ["nope", "%", "%E0%A4%A"]) {
    const page = await open(browser, { hash: `#lesson=${id}` });
    await page.waitForSelector("#message:not([hidden])");
    assert.equal(await page.textContent("#message-text"), `Il n'y a pas de leçon « ${id} ».`);
    assert.equal(await page.$("#lecon:not([hidden])"), null);
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});
