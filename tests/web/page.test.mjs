// The page as a whole: start-up, menus, about box, "&Quitter", odd sizes, and a browser
// without WebAssembly. Every page here is opened from disk (file://).
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { canvasBytes, control, launch, menu, open, pageUrl } from "./browser.mjs";

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// The first frame is that of "Entrefer:couleur" in "Bleu Noir Rouge", whose pixels
// pixels.test.mjs compares with the tool's.
test("start-up: the air gap in Bleu Noir Rouge at pace x1, the clock stopped", async () => {
  const page = await open(browser);
  const first = await canvasBytes(page, "#view");
  await menu(page, "Représentation", "Entrefer:couleur");
  await menu(page, "Couleur", "Bleu Noir Rouge");
  assert.ok((await canvasBytes(page, "#view")) === first, "the same frame");
  assert.deepEqual(await page.$$eval("[aria-checked=true]", (items) => items.map((i) => i.textContent)),
    ["Cadence x1", "Français"]);
  assert.equal(await page.locator("#animation").textContent(), "Animation");
  assert.deepEqual(page.errors, []);
});

const lessons = ["Une seule phase", "Trois phases", "Deux phases inversées", "Deux phases à 90°",
  "Fréquence et vitesse", "Courant continu", "Au synchronisme", "L'angle de couple", "Un rotor entraîné contre le champ",
  "Le glissement", "La fréquence des courants du rotor", "L'harmonique 5 de l'onduleur", "L'harmonique 7 de l'onduleur"];

test("menus: the French titles and items, with their access keys", async () => {
  const page = await open(browser);
  const menus = await page.$$eval(".menu", (roots) => roots.map((r) => [r.firstChild.innerHTML,
    [...r.querySelectorAll(".menu-items [role^=menuitem]")].map((b) => b.textContent)]));
  assert.deepEqual(menus, [
    ["<u>G</u>énéral", ["Ouvrir...Ctrl+O", "Enregistrer...Ctrl+S", "Copier le lien", "Exporter l'animation...",
      "Quitter"]],
    ["É<u>d</u>ition", ["AnnulerCtrl+Z", "RétablirCtrl+Shift+Z", "Tout réinitialiser"]],
    ["<u>R</u>eprésentation", ["Entrefer:couleur", "Vecteur", "Trace", "Forces magnéto-motrices", "Couple"]],
    ["<u>V</u>ue", ["Stator", "Rotor", "Mesures", "Annotations", "Cadence x1/4", "Cadence x1/2", "Cadence x1", "Cadence x2",
      "Cadence x4"]],
    ["<u>C</u>ouleur", ["Bleu Noir Rouge", "Vert NoirRouge", "CAO", "Bleu Blanc Orange", "Projection"]],
    ["<u>L</u>eçons", [...lessons, "Ouvrir une leçon..."]],
    ["<u>?</u>", ["Raccourcis clavier", "Conventions de signe", "Français", "English", "Deutsch", "Español", "Italiano", "Português", "العربية",
      "A propos de Vireflu..."]],
  ]);
  assert.deepEqual(await page.$$eval(".menu-group", (themes) => themes.map((t) => t.textContent)), ["Le champ d'une phase",
    "Le champ tournant", "Fréquence et vitesse", "La machine synchrone", "La machine asynchrone", "Les harmoniques",
    "Langue"]);
  assert.equal(await page.locator(".menu-items hr").count(), 7,
    "above Quitter, Tout réinitialiser, the paces, Projection, a lesson file, the languages and A propos");
  assert.deepEqual(await page.$$eval("[aria-keyshortcuts]", (items) => items.map((i) => i.getAttribute("aria-keyshortcuts"))),
    ["Control+O", "Control+S", "Control+Z", "Control+Shift+Z"]);
  // Alt + letter opens a menu; arrows and Enter choose; Escape closes.
  const first = await canvasBytes(page, "#view");
  await page.keyboard.press("Alt+r");
  for (const key of ["ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "Enter"]) await page.keyboard.press(key);
  assert.ok((await canvasBytes(page, "#view")) !== first, "Couple shows the torque bar");
  await page.keyboard.press("Control+z");
  assert.equal(await canvasBytes(page, "#view"), first, "Ctrl+Z takes Couple back");
  await page.keyboard.press("Alt+c");
  await page.keyboard.press("Escape");
  assert.equal(await page.locator(".menu-items:visible").count(), 0);
  assert.deepEqual(page.errors, []);
});

// A single phase pulsates: "Mesures" shows two halves, and "Deux champs tournants" draws
// them turning oppositely (the direct field's angle rises, the inverse one's falls).
// Space runs the clock; Home puts it back to zero; the pace changes only the period.
test("Mesures: a single phase split into two fields turning oppositely", async () => {
  const page = await open(browser);
  await menu(page, "Vue", "Stator");
  await control(page, "stator", "phase1Check").click();
  await menu(page, "Vue", "Mesures");
  const row = (label) => page.locator("#mesures tr", { hasText: label }).locator("td").nth(1).textContent();
  const angle = async (label) => Number((await row(label)).match(/(\d+) °$/)[1]);
  assert.equal(await row("Stator direct"), "50,0 %  270 °");
  assert.equal(await row("Stator inverse"), "50,0 %  90 °");
  const plain = await canvasBytes(page, "#view");
  await page.locator("#mesures input[type=checkbox]").check();
  assert.ok((await canvasBytes(page, "#view")) !== plain, "two more vectors in the view");
  await page.getByRole("menubar").getByRole("menuitem", { name: "Vue", exact: true }).click();
  await page.getByRole("menuitemradio", { name: "Cadence x4" }).click();
  await page.evaluate(() => document.activeElement.blur()); // the keys go to the window
  await page.keyboard.press(" ");
  await page.waitForFunction(() => [...document.querySelectorAll("#mesures tr")].some(
    (tr) => tr.textContent.startsWith("Stator direct") && !tr.textContent.endsWith(" 270 °")));
  await page.keyboard.press(" ");
  const [direct, inverse] = [await angle("Stator direct"), await angle("Stator inverse")];
  assert.ok(direct > 270 && inverse < 90 && Math.abs(direct - 270 - (90 - inverse)) <= 1, `${direct} ${inverse}`);
  await page.keyboard.press("Home");
  assert.equal(await row("Stator direct"), "50,0 %  270 °");
  assert.deepEqual(page.errors, []);
});

test("about box, then Quitter: the animation stops and the page says it can be closed", async () => {
  const page = await open(browser);
  await menu(page, "?", "A propos de Vireflu...");
  assert.equal(await page.locator("#about").innerText(), "A propos de Vireflu\nVireflu version 2.0\n" +
    "Simulateur pédagogique, 2026\nLe champ tournant des machines triphasées\nOK");
  await page.keyboard.press("Enter");
  assert.ok(await page.locator("#about").isHidden());
  await menu(page, "Général", "Quitter");
  assert.ok(await page.locator("#window").isHidden());
  assert.equal(await page.locator("#closed").innerText(), "Vireflu est arrêté : vous pouvez fermer cette page.");
  assert.equal(await page.evaluate(() => window.vireflu.simulator.running()), false);
});

test("sizes from a few pixels to 4K keep drawing without an error", async () => {
  const page = await open(browser);
  const widths = [];
  for (const [width, height] of [[3, 2], [1, 1], [3840, 2160], [500, 300]]) {
    await page.setViewportSize({ width, height });
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    await page.evaluate(() => window.vireflu.tick());
    widths.push(await page.$eval("#view", (c) => c.width));
  }
  assert.deepEqual(widths, [3, 1, 3840, 500], "with no window open, the view spans the page");
  assert.deepEqual(page.errors, []);
});

test("a browser without WebAssembly gets one sentence", async () => {
  const page = await browser.newPage();
  await page.addInitScript(() => delete window.WebAssembly);
  await page.goto(pageUrl);
  assert.match(await page.locator("#no-wasm").innerText(), /^Vireflu a besoin de WebAssembly/);
  assert.ok(await page.locator("#window").isHidden());
});
