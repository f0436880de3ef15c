// The page laid out for the browser's window: the machine view in the space that the menus
// and the docked windows leave, no window over the machine, every control large enough to
// click or tap and above nothing it should be under, and no sideways scrolling.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { control, launch, menu, open } from "./browser.mjs";

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

const touch = { hasTouch: true, isMobile: true };
const viewports = [[1920, 1080], [1366, 768], [1280, 800], [390, 844, touch], [844, 390, touch], [320, 640],
  [1920, 1080, { projector: true }], [416, 912, { scale: 2.625, ...touch }]];
const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

for (const [width, height, { projector, ...device } = {}] of viewports) {
  test(`${width}x${height}${device.hasTouch ? ", touch" : ""}${projector ? ", projector" : ""} x${device.scale ?? 1}`, async () => {
    const page = await open(browser, { width, height, ...device });
    for (const window of ["Stator", "Rotor", "Mesures"]) await menu(page, "Vue", window);
    if (projector) {
      await page.getByRole("menubar").getByRole("menuitem", { name: "Couleur", exact: true }).click();
      await page.getByRole("menuitemcheckbox", { name: "Projection" }).click();
    }
    for (const p of [1, 2, 3]) await control(page, "stator", `phase${p}Check`).click();
    // Many presses in a window must not lift it over the menus.
    await page.$$eval("#stator, #rotor, #mesures", (windows) => windows.forEach((w) => {
      for (let i = 0; i < 50; ++i) w.dispatchEvent(new PointerEvent("pointerdown", { bubbles: true }));
    }));
    const boxes = await page.evaluate(() => {
      document.getElementById("dock").scrollTop = 0;
      return Object.fromEntries(["view", "workspace", "dock", "stator", "rotor", "mesures"].map(
        (id) => [id, document.getElementById(id).getBoundingClientRect().toJSON()]));
    });
    const { view, workspace, dock } = boxes;
    const ratio = device.scale ?? 1; // a view starting between two device pixels would be resampled
    assert.ok(Number.isInteger(view.x * ratio) && Number.isInteger(view.y * ratio), `the view at ${view.x}, ${view.y}`);
    const side = Math.min(view.width, view.height);
    const square = { x: view.x + (view.width - side) / 2, y: view.y + (view.height - side) / 2, width: side, height: side };
    for (const id of ["stator", "rotor", "mesures"]) assert.ok(!overlap(boxes[id], square), `${id} over the machine`);
    const beside = dock.x > workspace.x;
    const free = beside ? [dock.x - workspace.x, workspace.height] : [workspace.width, dock.y - workspace.y];
    assert.ok(side >= 0.6 * Math.min(...free), `the machine's square ${side} in ${free}`);
    assert.ok(view.width * view.height >= 0.4 * width * height - 1, `the view ${view.width}x${view.height}`);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), "no sideways scrolling");
    if (projector) {
      // For the back row: no text under 24 pixels on 1080 lines.
      const small = await page.evaluate(() => [...document.querySelectorAll("body *")].filter((e) =>
        e.checkVisibility() && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()) &&
        parseFloat(getComputedStyle(e).fontSize) < 24).map((e) => e.textContent.slice(0, 20)));
      assert.deepEqual(small, []);
    }

    // Every enabled button and check or radio label, then the items of an open menu, at least
    // 24 or 44 CSS pixels (touch) each way and reachable where it is.
    const least = device.hasTouch ? 44 : 24;
    const enabled = (root) => `${root} button:not(:disabled), ${root} label:not(:has(:disabled))`;
    for (const [title, roots] of [[null, ["#stator", "#rotor", "#mesures", ".command-bar", ".menu >"]], ["Vue", ["[role=menu]"]]]) {
      if (title) await page.getByRole("menubar").getByRole("menuitem", { name: title, exact: true }).click();
      const targets = page.locator(roots.map(enabled).join(", ")).locator("visible=true");
      const count = await targets.count();
      assert.ok(count >= (title ? 8 : 24), `${count} targets`);
      for (let i = 0; i < count; ++i) {
        const target = targets.nth(i);
        const box = await target.boundingBox();
        assert.ok(box.width >= least && box.height >= least, `"${await target.textContent()}": ${box.width}x${box.height}`);
        await target.click({ trial: true, timeout: 2000 });
      }
    }
    await page.keyboard.press("Escape");
    await menu(page, "?", "A propos de Vireflu...");
    await page.locator("#about-ok").click({ trial: true, timeout: 2000 });
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

// A phone turned: opening a window keeps the lesson's question in view beside the machine,
// and after many presses in a panel a box still opens inside the screen.
test("844x390, touch: the lesson's question in view, the about box on the screen", async () => {
  const page = await open(browser, { width: 844, height: 390, ...touch });
  await menu(page, "Leçons", "Trois phases");
  await menu(page, "Vue", "Stator");
  const [question, dock, stator] = await Promise.all(["#lecon .question", "#dock", "#stator .title-bar"].map(
    (s) => page.locator(s).boundingBox()));
  const inDock = (box) => box.y >= dock.y && box.y + box.height <= dock.y + dock.height;
  assert.ok(inDock(question) && inDock(stator), `the question at ${question.y}, Stator at ${stator.y}`);
  const up = page.locator("#stator .updown button >> visible=true").first();
  for (let i = 0; i < 40; ++i) await up.tap();
  await menu(page, "?", "A propos de Vireflu...");
  const about = await page.locator("#about").boundingBox();
  assert.ok(about.x >= 0 && about.y >= 0 && about.x + about.width <= 844 && about.y + about.height <= 390,
    JSON.stringify(about));
  assert.deepEqual(page.errors, []);
});
