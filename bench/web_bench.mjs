// The web edition's figures in headless Chromium: a "Couple" frame at 600x560 and at the
// view's full size in a 1920x1080 window rendered and shown, the core's frame at 2000x2000 beside the native one, the time from navigation to
// the first drawn frame, and the page's size.
// Usage: node bench/web_bench.mjs build-web/vireflu.html [build/bench/vireflu_bench]
import { execFileSync } from "node:child_process";
import { statSync } from "node:fs";
import { resolve } from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const [pagePath, nativeBench] = process.argv.slice(2);
const url = pathToFileURL(resolve(pagePath)).href;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
// French, as the menu item it chooses below is named.
const page = await browser.newPage({ viewport: { width: 1920, height: 1080 }, locale: "fr-FR" });

const firstFrame = [];
for (let run = 0; run < 7; ++run) {
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName("vireflu-first-frame").length > 0);
  firstFrame.push(await page.evaluate(() => performance.getEntriesByName("vireflu-first-frame")[0].startTime));
}

// Three phases on each winding, "Couple", then frames timed one by one between ticks.
const frameTimes = await page.evaluate(([width, height, count]) => {
  const app = window.vireflu;
  const { simulator, view } = app;
  simulator.openPanel(0);
  simulator.openPanel(1);
  for (const selector of [0, 1]) for (const phase of [1, 2, 3]) simulator.phaseClicked(selector, phase, true);
  app.onMenu(app.core.menus().flatMap((menu) => menu.items).find((item) => item.text === "Couple"));
  // Running, as an animated page is: the view's description then follows at most once a second.
  simulator.toggleAnimation();
  const times = (w, h, draw) => {
    simulator.resizeView(w, h);
    Object.assign(view.canvas, { width: w, height: h });
    const result = [];
    for (let i = 0; i < count; ++i) {
      simulator.tick();
      const start = performance.now();
      draw();
      result.push(performance.now() - start);
    }
    return result;
  };
  const full = [view.canvas.width, view.canvas.height];
  return {
    fullSize: full.join("x"),
    full: times(...full, () => view.draw()),
    shown: times(width, height, () => view.draw()),
    core2000: times(2000, 2000, () => simulator.renderFrame()),
    rgba2000: times(2000, 2000, () => simulator.drawFrame(true)),
  };
}, [600, 560, 200]);
await browser.close();

let native = "not measured";
if (nativeBench) {
  const json = JSON.parse(execFileSync(nativeBench, ["--benchmark_filter=^Frame/couple_2000x2000$",
    "--benchmark_format=json", "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"]));
  const entry = json.benchmarks.find((b) => b.aggregate_name === "median");
  const ms = (time) => (time / { ns: 1e6, us: 1e3, ms: 1 }[entry.time_unit]).toFixed(2);
  native = `${ms(entry.real_time)} ms wall, ${ms(entry.cpu_time)} ms CPU`;
}
console.log(`Couple 600x560 rendered and shown, median: ${median(frameTimes.shown).toFixed(2)} ms (target <= 2 ms)`);
console.log(`Couple ${frameTimes.fullSize} (1920x1080 window), median: ${median(frameTimes.full).toFixed(2)} ms (target <= 2 ms)`);
console.log(`Core frame 2000x2000 in the page, median:   ${median(frameTimes.core2000).toFixed(2)} ms ` +
  `(${median(frameTimes.rgba2000).toFixed(2)} ms with the RGBA copy); native ${native}`);
console.log(`Navigation to first frame, median:          ${median(firstFrame).toFixed(0)} ms (target <= 500 ms)`);
console.log(`vireflu.html:                               ${(statSync(pagePath).size / 1e6).toFixed(3)} MB (target <= 1.5 MB)`);
