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
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), "no sideways scrolling");

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
