// The page's machine view and phase pictures hold exactly the pixels vireflu-render writes
// for the same commands, records, ticks and size.
import assert from "node:assert/strict";
import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { assertSamePixels, canvasBytes, control, launch, menu, open, pngBytes, render } from "./browser.mjs";

const dir = mkdtempSync(join(tmpdir(), "vireflu-web-"));
let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// Menu texts and CLI names; records as panel settings; rows cover the five presentations,
// the three colour maps, the three waveforms, the rotor on and off, and a 2x screen.
const scenarios = [
  { view: ["Entrefer:couleur", "entrefer"], map: ["Bleu Noir Rouge", "bleu-noir-rouge"], ticks: 5,
    stator: { phases: 3, angles: [0, 120, 240] } },
  { view: ["Vecteur", "vecteur"], map: ["Vert NoirRouge", "vert-noir-rouge"], ticks: 4,
    stator: { phases: 1, waveform: "continu" }, rotor: { phases: 3, rotation: 10 } },
  { view: ["Trace", "trace"], map: ["CAO", "cao"], ticks: 30, stator: { phases: 1 } },
  { view: ["Forces magnéto-motrices", "fmm"], map: ["Bleu Noir Rouge", "bleu-noir-rouge"], ticks: 7,
    stator: { phases: 3, waveform: "rectangulaire" }, rotor: { phases: 1, waveform: "continu" } },
  { view: ["Couple", "couple"], map: ["CAO", "cao"], ticks: 9, stator: { phases: 3, frequency: 30 },
    rotor: { phases: 3, angles: [0, 90, 180], rotation: 5, position: 30 } },
  { view: ["Couple", "couple"], map: ["Vert NoirRouge", "vert-noir-rouge"], ticks: 3, scale: 2,
    stator: { phases: 2, angles: [0, 90, 0] } },
];

// Sets a panel as a user would; the rotor panel with nothing to set still sends its record
// once (Enter), as the command-line run applies both records.
async function setPanel(page, panel, settings = { phases: 0 }) {
  await menu(page, "Vue", panel === "stator" ? "Stator" : "Rotor");
  for (let p = 1; p <= settings.phases; ++p) await control(page, panel, `phase${p}Check`).click();
  for (let p = 1; p <= settings.phases; ++p)
    if (settings.angles?.[p - 1]) await control(page, panel, `phase${p}Edit`).fill(String(settings.angles[p - 1]));
  if (settings.frequency) await control(page, panel, "frequencySlider").locator("input").fill(String(settings.frequency));
  if (settings.waveform) await control(page, panel, settings.waveform).click();
  if (settings.rotation) await control(page, panel, "rotationSlider").locator("input").fill(String(settings.rotation));
  if (settings.position) await control(page, panel, "initialPositionSlider").locator("input").fill(String(settings.position));
  if (settings.phases === 0) await page.keyboard.press("Enter");
}

function windingOptions(name, { phases = 0, angles = [0, 0, 0], frequency = 50, waveform } = {}) {
  const options = [`--${name}-phases`, phases, `--${name}-angles`, angles.join(","), `--${name}-frequency`, frequency];
  return (waveform ? [...options, `--${name}-waveform`, waveform] : options).map(String);
}

for (const s of scenarios) {
  test(`${s.view[1]}, ${s.map[1]}, ${s.ticks} ticks, scale ${s.scale ?? 1}`, async () => {
    const page = await open(browser, { scale: s.scale ?? 1 });
    // The windows first: each resizes the view, and a trace keeps the points drawn before.
    for (const window of ["Stator", "Rotor"]) await menu(page, "Vue", window);
    await menu(page, "Représentation", s.view[0]);
    await menu(page, "Couleur", s.map[0]);
    await setPanel(page, "stator", s.stator);
    await setPanel(page, "rotor", s.rotor);
    for (let t = 0; t < s.ticks; ++t) await page.evaluate(() => window.vireflu.tick());
    const sizeOf = (selector) => page.$eval(selector, (c) => `${c.width}x${c.height}`);
    const size = await sizeOf("#view");
    const picture = await sizeOf("#stator [data-name=phase1Frame] canvas");
    const base = join(dir, `${s.view[1]}-${s.scale ?? 1}`);
    render("--size", size, "--presentation", s.view[1], "--colour-map", s.map[1], "--ticks", String(s.ticks),
      ...windingOptions("stator", s.stator), ...windingOptions("rotor", s.rotor),
      "--rotation", String(s.rotor?.rotation ?? 0), "--initial-position", String(s.rotor?.position ?? 0),
      "--output", `${base}.png`, "--panel", "stator", "--panel-output", `${base}-stator.png`,
      "--picture-size", picture);
    const client = await page.$eval("#client", (c, scale) => `${c.clientWidth * scale}x${c.clientHeight * scale}`, s.scale ?? 1);
    assert.equal(size, client, "the view's canvas holds one pixel per device pixel");
    assertSamePixels(await canvasBytes(page, "#view"), await pngBytes(page, `${base}.png`), "machine view");
    // The panel's pictures, stacked phase 3 on top as the tool writes them.
    const pictures = [];
    for (let p = s.stator.waveform === "rectangulaire" ? 3 : s.stator.phases; p >= 1; --p)
      pictures.push(Buffer.from(await canvasBytes(page, `#stator [data-name=phase${p}Frame] canvas`), "base64"));
    assertSamePixels(Buffer.concat(pictures), await pngBytes(page, `${base}-stator.png`), `stator pictures ${picture}`);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}
