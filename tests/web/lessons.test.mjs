// Lessons in the page: a course page's link opens the lesson stopped at clock zero with the
// pixels vireflu-render draws for it, the animation waits for the prediction, nothing tells
// the answer before it, the verdict quotes the simulator, and "Recommencer" and the menu open
// lessons again.
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
const description = (page) => page.getAttribute("#view", "aria-description");
const slip = (page) => page.locator("#mesures tr", { hasText: "Glissement" }).locator("td").nth(1).textContent();
// The annotations' arrow is their one green.
const arrowPixels = (page) => page.$eval("#annotations", (canvas) => {
  const { data } = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
  let count = 0;
  for (let i = 0; i < data.length; i += 4) if (data[i + 1] > 90 && data[i] < 60 && data[i + 2] < 60) ++count;
  return count;
});

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
  // Before the prediction neither the arrow nor the description tells the field's sense.
  assert.equal(await arrowPixels(page), 0);
  assert.match(await description(page), /Champ : après votre réponse\./);
  assert.doesNotMatch(await description(page), /horaire|trigonométrique/);

  await page.keyboard.press(" ");
  await page.click("#animation");
  assert.equal(await animation(page), "Animation", "stopped until the prediction");
  await page.getByRole("button", { name: "Il pulse sur place, sans tourner" }).click();
  assert.equal(await page.textContent("#lecon .verdict"),
    "Ce n'est pas ce qui se passe. Le champ tourne dans le sens horaire à 3000 tr/min.");
  assert.match(await page.textContent("#lecon .follow-up"), /^Essayez : choisissez/);
  assert.equal(await animation(page), "Stop");
  assert.ok(await arrowPixels(page) > 0);
  assert.match(await description(page), /Champ sens horaire, -3000 tr\/min\./);
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
  assert.ok(await page.isHidden("#annotations"), "the last lesson's annotations end with it");
  await menu(page, "Vue", "Mesures");
  assert.equal(await slip(page), "après votre réponse");
  await page.getByRole("button", { name: "0,04" }).click();
  assert.match(await page.textContent("#lecon .verdict"), /^Bonne prédiction\. Le glissement vaut 0,04 : /);
  assert.equal(await slip(page), "4,00 %");
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
