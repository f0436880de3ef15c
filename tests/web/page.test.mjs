// The page as a whole: start-up, the welcome, menus, about box, the clock's keys, odd sizes,
// and a browser without WebAssembly. Every page here is opened from disk (file://).
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
  "Le glissement", "La fréquence des courants du rotor", "Jamais au synchronisme",
  "Le moteur en charge", "La résistance du rotor", "Le courant de démarrage", "Au-dessus du synchronisme",
  "Le freinage à contre-courant", "L'harmonique 5 de l'onduleur", "L'harmonique 7 de l'onduleur",
  "La plaque d'un moteur", "Plus de pôles, un champ plus lent", "Le pas raccourci", "Le facteur de bobinage", "Une phase coupée"];

test("menus: the French titles and items, with their access keys", async () => {
  const page = await open(browser);
  const menus = await page.$$eval(".menu", (roots) => roots.map((r) => [r.firstChild.innerHTML,
    [...r.querySelectorAll(".menu-items [role^=menuitem]")].map((b) => b.textContent)]));
  assert.deepEqual(menus, [
    ["<u>G</u>énéral", ["Ouvrir...Ctrl+O", "Enregistrer...Ctrl+S", "Copier le lien", "Exporter l'animation..."]],
    ["É<u>d</u>ition", ["AnnulerCtrl+Z", "RétablirCtrl+Shift+Z", "Tout réinitialiser"]],
    ["<u>R</u>eprésentation", ["Entrefer:couleur", "Vecteur", "Trace", "Forces magnéto-motrices", "Couple"]],
    ["<u>V</u>ue", ["Stator", "Rotor", "Mesures", "Bobinage", "Annotations", "Légende", "Cadence x1/4", "Cadence x1/2", "Cadence x1", "Cadence x2",
      "Cadence x4"]],
    ["<u>C</u>ouleur", ["Bleu Noir Rouge", "Vert NoirRouge", "CAO", "Bleu Blanc Orange", "Projection"]],
    ["<u>L</u>eçons", [...lessons, "Ouvrir une leçon...", "Ouvrir un parcours...", "Composer un parcours...",
      "Exporter pour une plateforme (SCORM)...", "Mes réponses", "Vue enseignant"]],
    ["<u>?</u>", ["Raccourcis clavier", "Conventions de signe", "Français", "English", "Deutsch", "Español", "Italiano", "Português", "العربية",
      "A propos de Vireflu..."]],
  ]);
  assert.deepEqual(await page.$$eval(".menu-group", (themes) => themes.map((t) => t.textContent)), ["Le champ d'une phase",
    "Le champ tournant", "Fréquence et vitesse", "La machine synchrone", "La machine asynchrone", "Les harmoniques",
    "Les bobinages", "Langue"]);
  assert.equal(await page.locator(".menu-items hr").count(), 8,
    "above Tout réinitialiser, the paces, Projection, a lesson file, the courses, Vue enseignant, the languages and A propos");
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
  await menu(page, "?", "A propos de Vireflu..."); // the page has no "Quitter": it cannot close itself
  assert.equal(await page.locator("#about").innerText(), "A propos de Vireflu\nVireflu version 2.0\n" +
    "Simulateur pédagogique, 2026\nLe champ tournant des machines triphasées\nOK");
  await page.keyboard.press("Enter");
  assert.ok(await page.locator("#about").isHidden());
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

// A first visit without a link: the welcome stands beside the machine, and its lesson and any
// answer set the field turning. The next visit goes without it.
test("the welcome: a turning field two clicks away, then remembered", async () => {
  const page = await open(browser, { welcome: true });
  const [welcome, view] = await Promise.all(["#bienvenue", "#view"].map((s) => page.locator(s).boundingBox()));
  assert.ok(welcome.x >= view.x + view.width, "beside the machine, not over it");
  await page.getByRole("button", { name: "Commencer par une leçon" }).click();
  await page.locator("#lecon .choices button").nth(2).click();
  assert.ok(await page.evaluate(() => window.vireflu.simulator.running()));
  assert.match(await page.locator("#lecon .verdict").textContent(), /Le champ tourne dans le sens horaire/);
  await page.goto(pageUrl);
  await page.waitForFunction(() => window.vireflu && document.getElementById("view").width > 0);
  assert.equal(await page.locator("#bienvenue").count(), 0);
  assert.deepEqual(page.errors, []);
});

// Space runs and stops the clock from a check box or a slider clicked in a panel, as on the
// desktop; a button reached by Tab keeps Space, which presses it.
test("Space from a panel's controls", async () => {
  const page = await open(browser);
  await menu(page, "Vue", "Stator");
  const running = () => page.evaluate(() => window.vireflu.simulator.running());
  await control(page, "stator", "phase1Check").click();
  await page.keyboard.press(" ");
  assert.ok(await running());
  await page.locator("#stator input[type=range]").first().click();
  await page.keyboard.press(" ");
  assert.ok(!(await running()));
  assert.ok(await control(page, "stator", "phase1Check").locator("input").isChecked());
  await page.locator("#reset").focus();
  await page.keyboard.press("Tab");
  await page.keyboard.press(" "); // "Animation", reached by Tab, pressed
  assert.ok(await running());
  assert.deepEqual(page.errors, []);
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
