// Shared by the browser tests: Debian's Chromium under playwright-core, the page opened from
// disk, and pixel reads of its canvases.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

export const pageUrl = pathToFileURL(process.env.VIREFLU_PAGE).href;

export function launch() {
  return chromium.launch({
    executablePath: "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
}

// A fresh page, opened at `hash` if given, with its first frame drawn; `errors` collects
// what it throws. `device` may add a touch screen (hasTouch, isMobile) or another browser
// language than French (locale). Unless `welcome`, the visit is not the first: no welcome.
export async function open(browser, { width = 1280, height = 800, scale = 1, hash = "", locale = "fr-FR", url = pageUrl,
  welcome = false, ...device } = {}) {
  const page = await browser.newPage({ viewport: { width, height }, deviceScaleFactor: scale, locale, ...device });
  page.errors = [];
  page.on("pageerror", (e) => page.errors.push(e.message));
  if (!welcome) await page.addInitScript(() => localStorage.setItem("vireflu-welcomed", "1"));
  await page.addInitScript(() => {
    window.rgbaBase64 = (canvas) => {
      const { data } = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height);
      let text = "";
      for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
      return btoa(text);
    };
  });
  await page.goto(url + hash);
  await page.waitForFunction(() => window.vireflu && document.getElementById("view").width > 0);
  return page;
}

export async function menu(page, title, item) {
  await page.getByRole("menubar").getByRole("menuitem", { name: title, exact: true }).click();
  await page.getByRole("menuitem", { name: item, exact: true }).click();
}

export const control = (page, panel, name) => page.locator(`#${panel} [data-name=${name}]`);

// The RGBA bytes of a canvas, as base64 (compact enough for a large frame).
export const canvasBytes = (page, selector) => page.$eval(selector, (canvas) => window.rgbaBase64(canvas));

// vireflu-render's PNG, decoded by the same browser without colour conversion.
export function pngBytes(page, path) {
  return page.evaluate(async (png) => {
    const blob = await (await fetch(`data:image/png;base64,${png}`)).blob();
    const bitmap = await createImageBitmap(blob, { colorSpaceConversion: "none", premultiplyAlpha: "none" });
    const canvas = Object.assign(document.createElement("canvas"), { width: bitmap.width, height: bitmap.height });
    canvas.getContext("2d").drawImage(bitmap, 0, 0);
    return window.rgbaBase64(canvas);
  }, readFileSync(path).toString("base64"));
}

// Equal RGBA bytes (Buffers or base64), or a message that says how many pixels differ.
export function assertSamePixels(actual, expected, what) {
  const [a, b] = [actual, expected].map((x) => (Buffer.isBuffer(x) ? x : Buffer.from(x, "base64")));
  let differ = a.length === b.length ? 0 : -1;
  for (let i = 0; differ >= 0 && i < a.length; i += 4) if (a.readUInt32LE(i) !== b.readUInt32LE(i)) ++differ;
  assert.ok(differ === 0, `${what}: ${differ < 0 ? `${a.length} bytes against ${b.length}` : `${differ} pixels differ`}`);
}

export const render = (...args) => execFileSync(process.env.VIREFLU_RENDER, args);
