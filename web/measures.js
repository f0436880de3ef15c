// The "Mesures" window: the core's air-gap curve and its numbers with their units and
// explanations, and the "Deux champs tournants" switch. Redrawn with every frame.
import { makeDockedWindow } from "./dialog.js";
import { devicePixels, showRgba, sizeCanvas } from "./pixels.js";

const NARROWEST_CURVE = 120; // on a page too narrow for the whole width

export class MeasuresWindow {
  // `onShownOrHidden` runs when the window opens or closes.
  constructor(core, simulator, dock, onSequences, onShownOrHidden) {
    this.simulator = simulator;
    this.onShownOrHidden = onShownOrHidden;
    this.curveLimit = Infinity;
    const texts = core.texts();
    this.dialog = makeDockedWindow("mesures", "measures", texts.measures, texts.close, () => this.hide());
    this.canvas = document.createElement("canvas");
    this.canvas.title = texts.curveTip;
    const legend = document.createElement("div");
    legend.className = "legend";
    for (const { name, colour } of core.measuresLegend())
      legend.append(Object.assign(document.createElement("span"), { textContent: name, style: `color: ${colour}` }));
    this.table = document.createElement("table");
    // Every row any machine shows; another winding's come last and only for it.
    // Each row's value cell by its label.
    this.values = new Map(core.everyMeasureRow().map((row) => {
      const line = this.table.insertRow();
      line.title = row.tip;
      line.insertCell().textContent = row.label;
      return [row.label, line.insertCell()];
    }));
    // A cage rotor's torque-speed curve, shown only for one.
    this.torqueCanvas = Object.assign(document.createElement("canvas"), { title: texts.torqueSpeedTip, hidden: true });
    const label = document.createElement("label");
    this.sequences = document.createElement("input");
    this.sequences.type = "checkbox";
    this.sequences.addEventListener("change", () => onSequences(this.sequences.checked));
    label.append(this.sequences, texts.sequences);
    label.title = texts.sequencesTip;
    const client = document.createElement("div");
    client.className = "measures-client";
    client.append(this.canvas, legend, this.table, this.torqueCanvas, label);
    this.dialog.append(client);
    this.dialog.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.hide();
    });
    dock.append(this.dialog);
  }

  open() {
    this.dialog.hidden = false;
    this.onShownOrHidden();
    this.refresh();
  }

  hide() {
    this.dialog.hidden = true;
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }

  // Narrows the curve so that the window is at most `width` wide, if it can; the core draws
  // the curve at any width, so it is never scaled.
  fitWidth(width) {
    this.curveLimit = Infinity;
    this.refresh();
    const excess = this.dialog.offsetWidth - width;
    if (excess <= 0) return;
    this.curveLimit = Math.max(NARROWEST_CURVE, this.canvas.offsetWidth - excess);
    this.refresh();
  }

  setSequences(on) {
    this.sequences.checked = on;
  }

  // Projector mode: the core's curve grows, the page's style sheet the text.
  setProjector() {
    this.refresh();
  }

  refresh() {
    if (this.dialog.hidden) return;
    // The core's size in CSS pixels, larger for a projector.
    const curve = this.simulator.measuresCurveSize();
    const cssWidth = Math.min(curve.width, this.curveLimit);
    const cssHeight = curve.height;
    const width = devicePixels(cssWidth);
    const height = devicePixels(cssHeight);
    sizeCanvas(this.canvas, cssWidth, cssHeight, width, height);
    showRgba(this.canvas, this.simulator.drawMeasuresCurve(width, height));
    const torque = this.simulator.drawTorqueSpeedCurve(width, height);
    this.torqueCanvas.hidden = torque.length === 0;
    if (torque.length) {
      sizeCanvas(this.torqueCanvas, cssWidth, cssHeight, width, height);
      showRgba(this.torqueCanvas, torque);
    }
    const shown = new Map(this.simulator.measuresRows().map((row) => [row.label, row.value]));
    for (const [label, cell] of this.values) {
      cell.parentElement.hidden = !shown.has(label);
      if (shown.has(label)) cell.textContent = shown.get(label);
    }
  }
}
