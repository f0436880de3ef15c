// The "Mesures" window: the core's air-gap curve and its numbers with their units and
// explanations, and the "Deux champs tournants" switch. Redrawn with every frame.
import { makeMovable, showDialog } from "./dialog.js";
import { devicePixels, showRgba, sizeCanvas } from "./pixels.js";

const CURVE = { width: 372, height: 150 }; // CSS pixels; one and a half times for a projector

export class MeasuresWindow {
  constructor(core, simulator, onSequences, onHide) {
    this.simulator = simulator;
    this.onHide = onHide;
    this.projector = false;
    this.dialog = document.createElement("div");
    this.dialog.className = "dialog measures";
    this.dialog.id = "mesures";
    this.dialog.setAttribute("role", "dialog");
    this.dialog.setAttribute("aria-label", "Mesures");
    const titleBar = document.createElement("div");
    titleBar.className = "title-bar";
    const caption = document.createElement("span");
    caption.textContent = "Mesures";
    const close = document.createElement("button");
    close.type = "button";
    close.textContent = "×";
    close.addEventListener("click", () => this.hide());
    titleBar.append(caption, close);
    this.canvas = document.createElement("canvas");
    this.canvas.title = "Force magnétomotrice le long de l'entrefer, de 0 à 360°.";
    const legend = document.createElement("div");
    legend.className = "legend";
    for (const { name, colour } of core.measuresLegend())
      legend.append(Object.assign(document.createElement("span"), { textContent: name, style: `color: ${colour}` }));
    this.table = document.createElement("table");
    this.values = this.simulator.measuresRows().map((row) => {
      const line = this.table.insertRow();
      line.title = row.tip;
      line.insertCell().textContent = row.label;
      return line.insertCell();
    });
    const label = document.createElement("label");
    this.sequences = document.createElement("input");
    this.sequences.type = "checkbox";
    this.sequences.addEventListener("change", () => onSequences(this.sequences.checked));
    label.append(this.sequences, "Deux champs tournants");
    label.title = "Dessine les champs direct (bleu) et inverse (orange) dans la coupe.";
    const client = document.createElement("div");
    client.className = "measures-client";
    client.append(this.canvas, legend, this.table, label);
    this.dialog.append(titleBar, client);
    this.dialog.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.hide();
    });
    makeMovable(this.dialog, titleBar);
    document.body.append(this.dialog);
  }

  open(origin) {
    showDialog(this.dialog, origin);
    this.refresh();
  }

  hide() {
    this.dialog.hidden = true;
    this.onHide();
  }

  setSequences(on) {
    this.sequences.checked = on;
  }

  setProjector(on) {
    this.projector = on;
    this.dialog.classList.toggle("projector", on);
    this.refresh();
  }

  refresh() {
    if (this.dialog.hidden) return;
    const scale = this.projector ? 1.5 : 1;
    const cssWidth = Math.trunc(CURVE.width * scale);
    const cssHeight = Math.trunc(CURVE.height * scale);
    const width = devicePixels(cssWidth);
    const height = devicePixels(cssHeight);
    sizeCanvas(this.canvas, cssWidth, cssHeight, width, height);
    showRgba(this.canvas, this.simulator.drawMeasuresCurve(width, height));
    this.simulator.measuresRows().forEach((row, i) => (this.values[i].textContent = row.value));
  }
}
