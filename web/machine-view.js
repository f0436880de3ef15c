// The machine view: a canvas of the client area's exact device-pixel size that shows the
// core's frames. The page's layout (layout.js) gives the client its size.
import { showRgba, sizeCanvas } from "./pixels.js";

export class MachineView {
  constructor(client, simulator, describePeriodMs) {
    this.client = client;
    this.canvas = client.querySelector("#view");
    // "Annotations" lie on a canvas of their own over the frame, which stays the core's pixels.
    this.overlay = client.querySelector("#annotations");
    this.annotations = false;
    this.legend = false;
    this.textPixels = 12;
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

  // A new size lays the machine out anew and shows the same instant at that size, as the
  // desktop view does, without a new trace point. The layout
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
    sizeCanvas(this.overlay, width, height, deviceWidth, deviceHeight);
    this.draw(false);
  }

  setAnnotations(on) {
    this.annotations = on;
    this.overlay.hidden = !this.annotations && !this.legend;
    this.draw();
  }

  // "Légende": the colour scale's and the torque bar's words, also without the rest.
  setLegend(on) {
    this.legend = on;
    this.setAnnotations(this.annotations);
  }

  // The labels' size in CSS pixels, larger for a projector.
  setTextPixels(pixels) {
    this.textPixels = pixels;
  }

  // A frame after a command or a tick (`advance`), or the same instant shown anew.
  draw(advance = true) {
    showRgba(this.canvas, this.simulator.drawFrame(advance));
    if (this.annotations || this.legend) this.drawAnnotations();
    this.describe();
    // Read by the benchmark: the time from navigation to the first frame on screen.
    if (!this.shown) performance.mark("vireflu-first-frame");
    this.shown = true;
  }

  // The core's phase labels, clock, field's arrow and colour scale, at their pixels.
  drawAnnotations() {
    const context = this.overlay.getContext("2d");
    context.clearRect(0, 0, this.overlay.width, this.overlay.height);
    const { texts, arrow, scale, colours } = this.simulator.annotations(!this.annotations);
    const height = scale.bottom - scale.top;
    colours.forEach((colour, i) => {
      const top = scale.top + Math.trunc((height * i) / colours.length);
      context.fillStyle = colour;
      context.fillRect(scale.left, top, scale.right - scale.left, scale.top + Math.trunc((height * (i + 1)) / colours.length) - top);
    });
    if (arrow.length > 0) {
      context.strokeStyle = "rgb(0, 128, 0)";
      context.lineWidth = 2 * devicePixelRatio;
      context.beginPath();
      for (let i = 0; i < arrow.length; i += 2) context[i === 0 ? "moveTo" : "lineTo"](arrow[i], arrow[i + 1]);
      context.stroke();
    }
    context.fillStyle = "#000";
    context.font = `bold ${Math.round(this.textPixels * devicePixelRatio)}px "DejaVu Sans", Arial, sans-serif`;
    context.textBaseline = "middle";
    context.direction = "ltr"; // labels such as "1'" and "0°" read left to right in every language
    for (const { x, y, text, left } of texts) {
      context.textAlign = left ? "left" : "center";
      context.fillText(text, x, y);
    }
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
