// The machine view: a canvas of the client area's exact device-pixel size that shows the
// core's frames. The page's layout (layout.js) gives the client its size.
import { showRgba, sizeCanvas } from "./pixels.js";

export class MachineView {
  constructor(client, simulator, describePeriodMs) {
    this.client = client;
    this.canvas = client.querySelector("canvas");
    this.simulator = simulator;
    this.describePeriodMs = describePeriodMs;
    this.describedAt = -Infinity;
    this.size = "";
    // Settled at the first size: the trace of a setup played before would be laid out for none.
    this.sized = new Promise((resolve) => (this.settleSized = resolve));
    // Watching the device-pixel box also catches a move to a screen of another density.
    const observer = new ResizeObserver(() => {
      this.fit();
      this.settleSized();
    });
    try {
      observer.observe(client, { box: "device-pixel-content-box" });
    } catch {
      observer.observe(client);
    }
  }

  // A new size lays the machine out anew and draws it, as the desktop view does. The layout
  // calls it at once rather than wait for the observer, so no frame is drawn at the old size.
  fit() {
    const box = this.client.getBoundingClientRect();
    const { width, height } = box;
    // The browser snaps the box's edges to device pixels: a canvas of exactly the pixels
    // between them is shown unresampled, even where the box starts between two pixels.
    const snapped = (start, end) => Math.max(0, Math.round(end * devicePixelRatio) - Math.round(start * devicePixelRatio));
    const deviceWidth = snapped(box.left, box.right);
    const deviceHeight = snapped(box.top, box.bottom);
    const size = [width, height, deviceWidth, deviceHeight].join();
    if (size === this.size) return;
    this.size = size;
    this.simulator.resizeView(deviceWidth, deviceHeight);
    sizeCanvas(this.canvas, width, height, deviceWidth, deviceHeight);
    this.draw();
  }

  draw() {
    showRgba(this.canvas, this.simulator.drawFrame());
    this.describe();
    // Read by the benchmark: the time from navigation to the first frame on screen.
    if (!this.shown) performance.mark("vireflu-first-frame");
    this.shown = true;
  }

  // The core's description of the machine, read by a screen reader on demand: it follows every
  // drawing, but while the clock runs at most once a period, so it never chatters.
  describe() {
    const now = performance.now();
    if (this.simulator.running() && now - this.describedAt < this.describePeriodMs) return;
    this.describedAt = now;
    const text = this.simulator.describe();
    if (this.canvas.getAttribute("aria-description") !== text) this.canvas.setAttribute("aria-description", text);
  }
}
