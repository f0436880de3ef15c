// Setups in the page's address and files: a link opens the pixels vireflu-render draws for the
// same setup, "Enregistrer..." saves the bytes --save-setup writes, "Exporter l'animation..."
// the GIF of --period --animation, and a broken link leaves the fresh page with a sentence
// saying why.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { assertSamePixels, canvasBytes, launch, menu, open, pngBytes, render } from "./browser.mjs";

const dir = mkdtempSync(join(tmpdir(), "vireflu-setups-"));
let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// The README's synchronous machine; a six-step stator leaving a trace; a pulsating field in
// projector mode at pace x2 with two windows open, which only a setup file can give the tool;
// a trace under the three windows, which narrow the view once the setup is played.
const pulsating = join(dir, "pulsating.vireflu");
writeFileSync(pulsating, '{"vireflu-setup": 1, "stator-phases": 1, "presentation": "vecteur", "projection": true, ' +
  '"sequences": true, "pace": "x2", "windows": ["stator", "measures"], "ticks": 4}');
const docked = join(dir, "docked.vireflu");
writeFileSync(docked, '{"vireflu-setup": 1, "stator-phases": 3, "stator-angles": [0, 120, 240], "presentation": "trace", ' +
  '"windows": ["stator", "rotor", "measures"], "ticks": 20}');
// A four-pole distributed winding under a direct-current rotor, with "Bobinage" open.
const fourPole = join(dir, "four-pole.vireflu");
writeFileSync(fourPole, '{"vireflu-setup": 1, "stator-phases": 3, "stator-angles": [0, 240, 120], "rotor-phases": 1, ' +
  '"rotor-waveform": "continu", "rotation": 10, "pole-pairs": 2, "slots-per-pole-per-phase": 2, "coil-pitch": 5, ' +
  '"windows": ["winding", "measures"], "ticks": 9}');
const setups = [
  ["--stator-phases", "3", "--stator-angles", "0,240,120", "--rotor-phases", "1", "--rotor-waveform", "continu",
    "--rotation", "50", "--presentation", "couple", "--ticks", "7"],
  ["--stator-phases", "3", "--stator-waveform", "rectangulaire", "--rotor-phases", "3", "--rotor-angles", "0,120,240",
    "--rotation", "10", "--presentation", "trace", "--colour-map", "cao", "--ticks", "25"],
  ["--setup", pulsating],
  ["--setup", docked],
  ["--setup", fourPole],
];

for (const [i, options] of setups.entries()) {
  test(`setup ${i + 1}: its link shows the tool's pixels and saves the tool's document`, async () => {
    const link = render(...options, "--link").toString().trim();
    const page = await open(browser, { hash: `#${link}` });
    const size = await page.$eval("#view", (c) => `${c.width}x${c.height}`);
    const base = join(dir, String(i));
    render(...options, "--size", size, "--output", `${base}.png`, "--save-setup", `${base}.vireflu`);
    assertSamePixels(await canvasBytes(page, "#view"), await pngBytes(page, `${base}.png`), "machine view");
    const saving = page.waitForEvent("download");
    await (i === 0 ? page.keyboard.press("Control+S") : menu(page, "Général", "Enregistrer..."));
    const download = await saving;
    assert.equal(download.suggestedFilename(), "vireflu.vireflu");
    assert.equal(readFileSync(await download.path(), "utf8"), readFileSync(`${base}.vireflu`, "utf8"));
    assert.equal(await page.evaluate(() => location.hash), `#${link}`, "the address keeps the setup");
    const exporting = page.waitForEvent("download");
    await menu(page, "Général", "Exporter l'animation...");
    const gif = await exporting;
    render(...options.filter((o, k) => o !== "--ticks" && options[k - 1] !== "--ticks"), "--size", size, "--period",
      "--animation", `${base}.gif`);
    assert.ok(readFileSync(await gif.path()).equals(readFileSync(`${base}.gif`)), "the page's GIF is the tool's");
    assert.equal(await page.isVisible("#export"), false);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

test("Bobinage's lists change the machine and its Mesures; Annuler takes a choice back; a cage", async () => {
  const page = await open(browser, { hash: `#${render("--stator-phases", "3", "--stator-angles", "0,240,120", "--link")}` });
  await menu(page, "Vue", "Bobinage");
  await menu(page, "Vue", "Mesures");
  const summary = page.locator("#bobinage .winding-client > p").first();
  const synchronous = page.locator("#mesures tr", { hasText: "Vitesse de synchronisme" }).locator("td").last();
  assert.equal(await summary.textContent(), "6 encoches, 2 pôles, pas 3/3");
  await page.locator("#bobinage select").first().selectOption("2");
  assert.equal(await summary.textContent(), "12 encoches, 4 pôles, pas 3/3");
  assert.equal(await synchronous.textContent(), "1500 tr/min");
  assert.equal(await page.isVisible("#mesures tr:has-text('Facteur de bobinage')"), true);
  const link = await page.evaluate(() => location.hash.slice("#setup=".length));
  assert.match(Buffer.from(link, "base64url").toString(), /"pole-pairs": 2,/);
  await page.keyboard.press("Control+Z");
  assert.equal(await summary.textContent(), "6 encoches, 2 pôles, pas 3/3");
  assert.equal(await synchronous.textContent(), "3000 tr/min");
  assert.equal(await page.isVisible("#mesures tr:has-text('Facteur de bobinage')"), false);
  // A cage at standstill under two poles: its starting torque, half the four-pole one (w_s twice).
  await page.locator("#bobinage input[type=checkbox]").first().check();
  assert.match(await page.locator("#mesures tr", { hasText: "Couple du moteur" }).textContent(), /16,36 N·m/);
  const caged = await page.evaluate(() => location.hash.slice("#setup=".length));
  assert.match(Buffer.from(caged, "base64url").toString(), /"rotor-cage": true,/);
  // R2 doubled moves the curve; a cage without resistance is no circuit: the value comes back.
  const r2 = page.locator("#bobinage input[type=number]").nth(3);
  await r2.fill("3.6");
  await r2.dispatchEvent("change");
  assert.match(await page.locator("#mesures tr", { hasText: "Glissement du couple maximal" }).textContent(), /0,551/);
  await r2.fill("0");
  await r2.dispatchEvent("change");
  assert.equal(await r2.inputValue(), "3.6");
  assert.deepEqual(page.errors, []);
  await page.close();
});

const base64url = (text) => Buffer.from(text).toString("base64url");
const broken = [
  ["#setup=!!", /^Ce lien ne contient pas de réglage Vireflu lisible\.$/],
  [`#setup=${base64url('{"vireflu-setup": 9}')}`, /version plus récente de Vireflu \(format 9\)/],
  [`#setup=${base64url('{"vireflu-setup": 1, "<img src=x onerror=alert(1)>": 1}')}`, /^Ce montage ne peut pas être ouvert\. La clé « <img src=x onerror=alert\(1\)> » est inconnue/],
  ["#nothing", /^Ce lien ne contient pas de réglage Vireflu lisible\.$/],
  [`#setup=${base64url(`{"vireflu-setup": 1, "${"k".repeat(60000)}": 1}`)}`, /^Ce montage ne peut pas être ouvert\. La clé « k{56}\.\.\.k{20} » est inconnue/],
];

test("a broken link opens the fresh page and says why; a link pasted or a file picked afterwards opens", async () => {
  const fresh = await canvasBytes(await open(browser), "#view");
  for (const [hash, sentence] of broken) {
    const page = await open(browser, { hash });
    const alert = page.getByRole("alert");
    assert.match(await alert.locator("#message-text").textContent(), sentence, hash);
    assert.equal(await alert.locator("img").count(), 0, "the sentence is text, not markup");
    assert.ok((await canvasBytes(page, "#view")) === fresh, `${hash}: the fresh view`);
    await alert.getByRole("button", { name: "Fermer" }).click();
    assert.ok(await alert.isHidden());
    assert.deepEqual(page.errors, []);
    await page.close();
  }
  const page = await open(browser, { hash: broken[1][0] });
  const link = render(...setups[0], "--link").toString().trim();
  await page.evaluate((hash) => (location.hash = hash), link);
  await page.waitForFunction(() => document.getElementById("message").hidden);
  assert.ok((await canvasBytes(page, "#view")) !== fresh, "the pasted setup is shown");
  assert.equal(await page.evaluate(() => location.hash), `#${link}`);
  const choosing = page.waitForEvent("filechooser");
  await page.keyboard.press("Control+O");
  await (await choosing).setFiles(pulsating);
  await page.locator("#mesures").waitFor();
  assert.equal(await page.evaluate(() => location.hash), `#${render(...setups[2], "--link").toString().trim()}`);
  // The core reads the file's bytes: a byte-order mark or UTF-16 is refused as by the others.
  const text = readFileSync(pulsating, "utf8");
  for (const buffer of [Buffer.from(`\ufeff${text}`), Buffer.from(`\ufeff${text}`, "utf16le")]) {
    const picking = page.waitForEvent("filechooser");
    await page.keyboard.press("Control+O");
    await (await picking).setFiles({ name: "bom.vireflu", mimeType: "application/octet-stream", buffer });
    await page.waitForSelector("#message:not([hidden])");
    assert.match(await page.textContent("#message-text"),
      /^Ce fichier n'est pas un montage Vireflu\. Détail : le texte n'est pas du JSON lisible \(arrêt à l'octet 0\)/);
    await page.getByRole("alert").getByRole("button", { name: "Fermer" }).click();
  }
  assert.deepEqual(page.errors, []);
});

test("an animation needs an alternating supply, and Annuler stops it with nothing downloaded", async () => {
  const page = await open(browser);
  let downloads = 0;
  page.on("download", () => ++downloads);
  await menu(page, "Général", "Exporter l'animation...");
  assert.match(await page.locator("#message-text").textContent(), /^Aucune animation à exporter/);
  await page.evaluate((hash) => (location.hash = hash), render(...setups[0], "--link").toString().trim());
  await page.waitForFunction(() => document.getElementById("message").hidden);
  // The click lands between two frames, as a user's would.
  await page.evaluate(() => {
    const exporting = window.vireflu.animationExport.run();
    document.getElementById("export-cancel").click();
    return exporting;
  });
  assert.equal(await page.locator("#message-text").textContent(), "Exportation annulée : aucun fichier n'a été écrit.");
  assert.equal(await page.isVisible("#export"), false);
  assert.equal(downloads, 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});
