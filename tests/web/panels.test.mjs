// The "Stator" and "Rotor" panels: layout and first state, the rules between their
// controls, the angle fields' filter, the keyboard, and a three-phase run.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { canvasBytes, control, launch, menu, open } from "./browser.mjs";

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// Each control as a short code: "-" hidden, else "e" or "d" (enabled, disabled), then "x"
// when checked; angle fields add their text and labels are their text.
function codes(page, panel) {
  return page.$$eval(`#${panel} [data-name]`, (elements) => Object.fromEntries(elements.map((e) => {
    const input = e.querySelector("input") ?? (e.tagName === "INPUT" ? e : null);
    if (e.hidden) return [e.dataset.name, "-"];
    if (e.className === "label") return [e.dataset.name, e.textContent];
    const state = (input?.disabled ? "d" : "e") + (input?.checked ? "x" : "");
    return [e.dataset.name, input?.type === "text" ? `${state}:${input.value}` : state];
  })));
}

async function expectCodes(page, panel, expected) {
  const actual = await codes(page, panel);
  for (const [name, code] of Object.entries(expected)) assert.equal(actual[name], code, `${panel} ${name}`);
}

test("both panels open with the template's controls and first state", async () => {
  const page = await open(browser);
  await menu(page, "Vue", "Stator");
  await menu(page, "Vue", "Rotor");
  assert.deepEqual(await page.$$eval(".panel .title-bar span", (s) => s.map((e) => e.textContent)), ["Stator", "Rotor"]);
  const tops = await page.$$eval("#stator [data-name$=Check]", (checks) => checks.map((c) => c.getBoundingClientRect().top));
  assert.ok(tops[0] > tops[1] && tops[1] > tops[2], `phase 3 on top, as in the template: ${tops}`);
  await expectCodes(page, "stator", { phase1Check: "e", phase2Check: "d", phase3Check: "d", sinus: "d",
    continu: "d", rectangulaire: "d", phase1Frame: "-", phase1Edit: "-", frequencySlider: "-", frequencyLabel: "" });
  await expectCodes(page, "rotor", { phase1Check: "e", continu: "d", frequencyLabel: "-",
    rotationLabel: "fréquence de rotation: 0 Hz", initialPositionLabel: "position initiale: 0 degré" });
  assert.equal(await control(page, "rotor", "rectangulaire").count(), 0);
});

// Action on the stator panel, then the codes it leads to.
const rules = [
  ["phase1Check", { phase2Check: "e", phase3Check: "d", sinus: "ex", phase1Frame: "e", phase1Edit: "e:0", frequencyLabel: "fréquence stator: 50 Hz" }],
  ["phase2Check", { phase2Check: "ex", phase3Check: "e", phase2Frame: "e", phase2Edit: "e:0" }],
  ["continu", { continu: "ex", phase2Check: "d", phase3Check: "d", phase2Frame: "-", phase1Edit: "-", frequencySlider: "-" }],
  ["rectangulaire", { rectangulaire: "ex", phase2Check: "dx", phase3Check: "dx", phase3Frame: "e", phase1Edit: "-", frequencySlider: "e" }],
  ["sinus", { sinus: "ex", phase2Check: "e", phase3Check: "d", phase2Frame: "-", phase1Edit: "e:0" }],
  ["phase1Check", { phase1Check: "e", phase2Check: "d", sinus: "d", phase1Frame: "-", frequencySlider: "-" }],
];

test("panel rules: phases 2 and 3 only with phase 1, continu, rectangulaire", async () => {
  const page = await open(browser);
  await menu(page, "Vue", "Stator");
  for (const [name, expected] of rules) {
    await control(page, "stator", name).click();
    await expectCodes(page, "stator", expected);
  }
});

test("angle fields take digits and spaces, typed over or pasted, and hold 0..360 with a hint", async () => {
  const page = await open(browser);
  await page.context().grantPermissions(["clipboard-read", "clipboard-write"]);
  await menu(page, "Vue", "Stator");
  await control(page, "stator", "phase1Check").click();
  const field = control(page, "stator", "phase1Edit");
  const paste = async (text) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await field.press("Control+v");
  };
  // A click selects the field's text, so what is typed replaces it (the field holds three).
  for (const [action, text, value] of [["type", "4a5-", "45"], ["paste", "1x", ""], ["paste", "2 ", "2 "],
    ["type", "9999", "360"], ["paste", "7", "7"], ["type", "240", "240"], ["type", "+.,e", "240"]]) {
    if (action === "type") await field.evaluate((f) => f.blur());
    await (action === "type" ? field.click() : field.fill(""));
    await (action === "type" ? field.pressSequentially(text) : paste(text));
    assert.equal(await field.inputValue(), value, `${action} ${text}`);
    if (value === "360") assert.equal(await page.locator("#stator .angle-hint").textContent(), "Angle limité à 360°");
  }
});

test("keyboard: Space, Tab, arrows, Enter and Escape in a panel", async () => {
  const page = await open(browser);
  await page.keyboard.press("Alt+v");
  await page.keyboard.press("s");
  for (const key of ["Space", "Tab", "Space", "Tab", "Tab", "ArrowDown"]) await page.keyboard.press(key);
  await expectCodes(page, "stator", { phase1Check: "ex", phase2Check: "d", continu: "ex", frequencySlider: "-" });
  for (const key of ["ArrowUp", "Tab", "ArrowRight", "Tab", "ArrowUp", "ArrowUp", "Enter"]) await page.keyboard.press(key);
  await expectCodes(page, "stator", { sinus: "ex", frequencyLabel: "fréquence stator: 51 Hz", phase1Edit: "e:2" });
  await page.keyboard.press("Escape");
  assert.ok(await page.locator("#stator").isHidden());
  await menu(page, "Vue", "Stator");
  assert.equal(await page.evaluate(() => document.activeElement.closest("[data-name]").dataset.name), "phase1Edit");
});

test("three phases run: the vector turns, the cursors move, Initialisation brings back the first picture", async () => {
  const page = await open(browser);
  await menu(page, "Représentation", "Vecteur");
  await menu(page, "Vue", "Stator");
  for (const p of [1, 2, 3]) await control(page, "stator", `phase${p}Check`).click();
  await control(page, "stator", "phase2Edit").fill("120");
  await control(page, "stator", "phase3Edit").fill("240");
  const pictures = ["#view", "#stator [data-name=phase1Frame] canvas", "#stator [data-name=phase3Frame] canvas"];
  const shot = () => Promise.all(pictures.map((p) => canvasBytes(page, p)));
  const first = await shot();
  await page.keyboard.press("Alt+a");
  assert.equal(await page.locator("#animation").textContent(), "Stop");
  await page.waitForFunction((view) => window.rgbaBase64(document.getElementById("view")) !== view, first[0], { polling: 100 });
  await page.getByRole("button", { name: "Stop" }).click();
  const later = await shot();
  later.forEach((bytes, i) => assert.ok(bytes !== first[i], `${pictures[i]} moved`));
  assert.equal(await page.locator("#animation").textContent(), "Animation");
  await page.getByRole("button", { name: "Initialisation" }).click();
  assert.ok((await shot()).every((bytes, i) => bytes === first[i]), "the first pictures again");
  assert.deepEqual(page.errors, []);
});
