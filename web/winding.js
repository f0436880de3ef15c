// "Bobinage": the stator's pole pairs, slots per pole and per phase, coil pitch and a cut
// phase, each a list the core ranges; a line naming the winding and its star of slots.
import { makeDockedWindow } from "./dialog.js";
import { devicePixels, showRgba, sizeCanvas } from "./pixels.js";

const STAR_LINES = 10; // the star is this many text lines high, for a projector too

export class WindingWindow {
  // `onChosen` runs after a list's choice reached the core; `onShownOrHidden` when the window
  // opens or closes.
  constructor(core, texts, simulator, dock, onChosen, onShownOrHidden) {
    this.simulator = simulator;
    this.onShownOrHidden = onShownOrHidden;
    this.dialog = makeDockedWindow("bobinage", "winding", texts.winding, texts.close, () => this.hide());
    const client = document.createElement("div");
    client.className = "winding-client";
    this.lists = simulator.windingControls().map((control, index) => {
      const label = Object.assign(document.createElement("label"), { title: control.tip });
      const list = document.createElement("select");
      list.addEventListener("change", () => {
        this.simulator.chooseWindingValue(index, Number(list.value));
        this.refresh();
        onChosen();
      });
      label.append(Object.assign(document.createElement("span"), { textContent: control.label }), list);
      client.append(label);
      return list;
    });
    const cageLabel = Object.assign(document.createElement("label"), { className: "switch", title: texts.cageTip });
    this.cage = Object.assign(document.createElement("input"), { type: "checkbox" });
    this.cage.addEventListener("change", () => {
      this.simulator.setCage(this.cage.checked);
      this.refresh();
      onChosen();
    });
    cageLabel.append(this.cage, texts.cage);
    const freeLabel = Object.assign(document.createElement("label"), { className: "switch", title: texts.freeTip });
    this.free = Object.assign(document.createElement("input"), { type: "checkbox" });
    const loadLabel = document.createElement("label");
    this.load = Object.assign(document.createElement("input"), { type: "number", step: "0.1", min: -10000, max: 10000 });
    const freeChosen = () => {
      this.simulator.setFreeRotor(this.free.checked, Number(this.load.value) || 0);
      this.refresh();
      onChosen();
    };
    this.free.addEventListener("change", freeChosen);
    this.load.addEventListener("change", freeChosen);
    freeLabel.append(this.free, texts.free);
    loadLabel.append(Object.assign(document.createElement("span"), { textContent: texts.load }), this.load);
    client.append(cageLabel, freeLabel, loadLabel);
    this.diagram = document.createElement("canvas");
    this.diagram.setAttribute("role", "img");
    this.diagram.setAttribute("aria-label", texts.circuit);
    this.diagram.title = texts.circuit;
    client.append(this.diagram);
    // The cage's circuit; a value it cannot take puts the shown one back.
    this.circuit = core.circuitFields().map((field) => {
      const label = document.createElement("label");
      const input = Object.assign(document.createElement("input"), { type: "number", step: "0.001", min: field.minimum, max: field.maximum });
      input.addEventListener("change", () => {
        this.simulator.setCircuit(this.circuit.map((box) => Number(box.value)));
        this.refresh();
        onChosen();
      });
      label.append(Object.assign(document.createElement("span"), { textContent: field.label }), input);
      client.append(label);
      return input;
    });
    this.summary = document.createElement("p");
    this.canvas = document.createElement("canvas");
    this.canvas.setAttribute("role", "img");
    this.canvas.setAttribute("aria-label", texts.slotStar);
    client.append(this.summary, Object.assign(document.createElement("p"), { textContent: texts.slotStar }), this.canvas);
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

  // The lists, the line and the star as the core has the winding (a choice, a setup opened).
  refresh() {
    if (this.dialog.hidden) return;
    this.simulator.windingControls().forEach((control, index) => {
      const list = this.lists[index];
      list.replaceChildren();
      for (let value = control.minimum; value <= control.maximum; ++value) {
        const text = value === control.minimum && control.noneText ? control.noneText : String(value);
        list.append(Object.assign(document.createElement("option"), { value, textContent: text }));
      }
      list.value = String(control.current);
    });
    const cage = this.simulator.cage();
    this.cage.checked = cage.on;
    this.free.checked = cage.free;
    this.load.value = String(cage.loadNm);
    this.free.disabled = this.load.disabled = !cage.on;
    this.circuit.forEach((box, k) => {
      box.value = String(cage.circuit[k]);
      box.disabled = !cage.on;
    });
    this.summary.textContent = this.simulator.windingSummary();
    const line = parseFloat(getComputedStyle(this.summary).fontSize);
    sizeCanvas(this.diagram, 16 * line, 5 * line, devicePixels(16 * line), devicePixels(5 * line));
    showRgba(this.diagram, this.simulator.drawEquivalentCircuit(this.diagram.width, this.diagram.height));
    const css = STAR_LINES * line;
    const size = devicePixels(css);
    sizeCanvas(this.canvas, css, css, size, size);
    showRgba(this.canvas, this.simulator.drawSlotStar(size));
  }
}
