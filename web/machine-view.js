// The main window's frame and its machine view: a square sized like the desktop window
// (half the page's width, within its height; the whole width on a narrow page), and a
// canvas of the view's exact device-pixel size that shows the core's frames.
import { devicePixels, showRgba, sizeCanvas } from "./pixels.js";

const NARROW_PAGE = 800;

export class MachineView {
  constructor(frame, client, simulator) {
    this.frame = frame;
    this.client = client;
    this.canvas = client.querySelector("canvas");
    this.simulator = simulator;
    // Settled at the first size: the trace of a setup played before would be laid out for none.
    this.sized = new Promise((resolve) => (this.settleSized = resolve));
    window.addEventListener("resize", () => this.placeWindow());
    this.placeWindow();
    // Watching the device-pixel box also catches a move to a screen of another density.
    const observer = new ResizeObserver(([entry]) => this.onResize(entry));
    try {
      observer.observe(client, { box: "device-pixel-content-box" });
    } catch {
      observer.observe(client);
    }
  }

  placeWindow() {
    const width = window.innerWidth < NARROW_PAGE ? window.innerWidth : window.innerWidth / 2;
    const side = Math.max(0, Math.floor(Math.min(width, window.innerHeight)));
    this.frame.style.width = `${side}px`;
    this.frame.style.height = `${side}px`;
  }

  // A new size lays the machine out anew and draws it, as the desktop view does.
  onResize(entry) {
    const { width, height } = entry.contentRect;
    const deviceWidth = devicePixels(width);
    const deviceHeight = devicePixels(height);
    this.simulator.resizeView(deviceWidth, deviceHeight);
    sizeCanvas(this.canvas, width, height, deviceWidth, deviceHeight);
    this.draw();
    this.settleSized();
  }

  draw() {
    showRgba(this.canvas, this.simulator.drawFrame());
    // Read by the benchmark: the time from navigation to the first frame on screen.
    if (!this.shown) performance.mark("vireflu-first-frame");
    this.shown = true;
  }

  // Where the panels first open: the top-left corner of the view, in page coordinates.
  clientOrigin() {
    const box = this.client.getBoundingClientRect();
    return { left: box.left + window.scrollX, top: box.top + window.scrollY };
  }
}
