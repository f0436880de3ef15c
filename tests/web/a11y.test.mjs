// axe-core over the page (injected into the test's copy of it, never built into
// vireflu.html): no violation of WCAG 2.2 A and AA with every window open, a menu open, in
// every colour map, in projector mode and with the keys box shown.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { after, before, test } from "node:test";
import { control, launch, menu, open } from "./browser.mjs";

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"];

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

async function audit(page, state) {
  const result = await page.evaluate((tags) => window.axe.run(document, { runOnly: { type: "tag", values: tags } }), TAGS);
  const found = result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  assert.deepEqual(found, [], state);
  return result;
}

test("WCAG 2.2 AA: every window open, menus, colour maps, projector mode, the keys box", async () => {
  const page = await open(browser);
  await page.addScriptTag({ content: axeSource });
  for (const item of ["Stator", "Rotor", "Mesures"]) await menu(page, "Vue", item);
  for (const item of ["Composer un parcours...", "Mes réponses"]) await menu(page, "Leçons", item);
  for (const name of ["phase1Check", "phase2Check", "phase3Check"]) await control(page, "stator", name).click();
  await control(page, "rotor", "phase1Check").click();
  const rules = new Set();
  for (const map of ["Bleu Noir Rouge", "Vert NoirRouge", "CAO", "Bleu Blanc Orange", "Projection"]) {
    await page.getByRole("menubar").getByRole("menuitem", { name: "Couleur", exact: true }).click();
    await page.getByRole("menu").getByText(map, { exact: true }).click();
    for (const pass of (await audit(page, map)).passes) rules.add(pass.id);
  }
  await page.getByRole("menubar").getByRole("menuitem", { name: "Vue", exact: true }).click();
  await audit(page, "the Vue menu open, its paces as radio items");
  await page.keyboard.press("Escape");
  await menu(page, "?", "Raccourcis clavier");
  await audit(page, "Raccourcis clavier");
  const described = await page.locator("#view").getAttribute("aria-description");
  assert.match(described, /^Stator : phases 1, 2, 3 en sinus\. Rotor : phase 1 en .*Présentation : Entrefer:couleur\.$/);
  console.log(`The view's description: ${described}`);
  const version = await page.evaluate(() => window.axe.version);
  console.log(`axe-core ${version}, tags ${TAGS.join(" ")}: 0 violations; ${rules.size} rules passed: ${[...rules].sort().join(" ")}`);
});

test("WCAG 2.2 AA in English and in Arabic, a lesson beside every window", async () => {
  for (const [locale, hash] of [["en-US", "#lesson=trois-phases"], ["fr-FR", "#lesson=glissement&lang=ar"]]) {
    const page = await open(browser, { locale, hash });
    await page.addScriptTag({ content: axeSource });
    await page.evaluate(() => [0, 1].forEach((panel) => window.vireflu.openPanel(panel)) || window.vireflu.openMeasures());
    await audit(page, `${locale} ${hash}`);
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});
