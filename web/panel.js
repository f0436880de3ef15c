// A "Stator" or "Rotor" panel: a docked window built from the core's template table. It
// shows the state of the core's panel model and forwards every user action to it.
import { makeDockedWindow } from "./dialog.js";
import { devicePixels, showRgba, sizeCanvas } from "./pixels.js";

const PICTURE_INSET = 4; // the picture lies inside the frame's edge and black line

// Projector mode draws the pictures one and a half times larger; corners are scaled, not
// sizes, as the desktop panel does.
const scaled = (pixels, projector) => (projector ? pixels * 2 : pixels);
const placement = (control, projector) => {
  const [left, top] = [scaled(control.left, projector), scaled(control.top, projector)];
  const width = scaled(control.left + control.width, projector) - left;
  return { left, top, width, height: scaled(control.top + control.height, projector) - top };
};

export class Panel {
  // `onShownOrHidden` runs when the panel opens or closes, before it takes the focus.
  constructor(core, simulator, selector, dock, onRedraw, onShownOrHidden) {
    this.core = core;
    this.simulator = simulator;
    this.selector = selector;
    this.onRedraw = onRedraw;
    this.onShownOrHidden = onShownOrHidden;
    const layout = core.panelTemplate(selector);
    this.controls = []; // [role, element, template entry] of every control with a role
    this.placed = []; // [element, template entry] of every control
    this.frames = [null, null, null];
    this.buildDialog(layout, dock);
    for (const control of layout.controls) this.buildControl(control);
    this.placeInRows(layout.controls);
    this.setProjector(false);
    this.refresh();
  }

  buildDialog(layout, dock) {
    // Named by winding, whatever the language of its caption.
    this.dialog = makeDockedWindow(this.selector === 1 ? "rotor" : "stator", "panel", layout.caption, this.core.texts().close,
      () => this.hide());
    this.client = document.createElement("div");
    this.client.className = "panel-client";
    // Tab and Shift+Tab go round the panel's controls, as in a dialog: focus reaching either
    // end is sent on to the other.
    const [start, end] = [0, 1].map(() => Object.assign(document.createElement("div"), { tabIndex: 0 }));
    start.addEventListener("focus", () => this.tabbables().at(-1)?.focus());
    end.addEventListener("focus", () => this.tabbables()[0]?.focus());
    // Says why a typed angle became 360; read out by screen readers as it appears.
    this.hint = Object.assign(document.createElement("p"), { className: "angle-hint" });
    this.hint.setAttribute("role", "status");
    this.dialog.append(start, this.client, this.hint, end);
    this.dialog.addEventListener("keydown", (e) => this.onKey(e));
    this.dialog.addEventListener("focusin", (e) => (this.lastFocus = e.target));
    dock.append(this.dialog);
  }

  buildControl(control) {
    const element = this.createElement(control);
    if (control.name) element.dataset.name = control.name;
    this.nameForScreenReaders(element, control);
    this.placed.push([element, control]);
    if (control.role !== undefined) this.controls.push([control.role, element, control]);
  }

  // Controls without a text of their own carry the core's spoken name and description; a
  // phase picture reads as an image.
  nameForScreenReaders(element, control) {
    if (!control.spokenName) return;
    const target = element.querySelector("input, canvas") ?? element;
    if (target.tagName === "CANVAS") target.setAttribute("role", "img");
    if (control.kind === "updown") {
      target.setAttribute("role", "group");
      const [up, down] = element.querySelectorAll("button");
      up.setAttribute("aria-label", control.stepUpName);
      down.setAttribute("aria-label", control.stepDownName);
    }
    target.setAttribute("aria-label", control.spokenName);
    if (control.spokenDescription) target.setAttribute("aria-description", control.spokenDescription);
    if (control.tip) element.title = control.tip;
  }

  // The template's rows, top to bottom, each control in its row's next column: a control
  // joins a row when its middle lies level with the row's first control, and one inside a
  // group box goes into that box. The template's sizes were too small to touch; the rows keep
  // its arrangement and the elements stay in its order, which is the Tab order.
  placeInRows(controls) {
    const element = new Map(this.placed.map(([e, control]) => [control, e]));
    const groups = controls.filter((c) => c.kind === "group");
    const boxOf = (c) => groups.find((g) => c !== g && c.left >= g.left && c.top >= g.top &&
      c.left + c.width <= g.left + g.width && c.top + c.height <= g.top + g.height);
    for (const [control, e] of element) (boxOf(control) ? element.get(boxOf(control)) : this.client).append(e);
    const rows = [];
    for (const c of controls.filter((c) => !boxOf(c)).sort((a, b) => a.top - b.top || a.left - b.left)) {
      const row = rows.at(-1);
      if (row && c.top + c.height / 2 < row[0].top + row[0].height) row.push(c);
      else rows.push([c]);
    }
    rows.forEach((row, r) => row.forEach((control, column) => {
      const style = element.get(control).style;
      style.gridRow = String(r + 1);
      style.gridColumn = column === row.length - 1 ? `${column + 1} / -1` : String(column + 1);
    }));
    this.client.style.gridTemplateColumns = `repeat(${Math.max(...rows.map((row) => row.length))}, auto)`;
  }

  createElement(control) {
    const act = (handler, ...args) => this.act(handler, ...args);
    switch (control.kind) {
      case "group": {
        const group = document.createElement("div");
        group.className = "group";
        const legend = document.createElement("span");
        legend.textContent = control.text;
        group.append(legend);
        return group;
      }
      case "check":
      case "radio": {
        const label = document.createElement("label");
        const input = document.createElement("input");
        input.type = control.kind === "check" ? "checkbox" : "radio";
        if (control.kind === "radio") input.name = `waveform${this.selector}`;
        input.addEventListener("change", () =>
          control.kind === "check"
            ? act("phaseClicked", control.phase, input.checked)
            : act("waveformClicked", control.waveform));
        label.append(input, control.text);
        return label;
      }
      case "frame": {
        const frame = document.createElement("div");
        frame.className = "phase-frame";
        frame.append(document.createElement("canvas"));
        this.frames[control.phase - 1] = frame;
        if (control.phase === 1) this.frameSize = control;
        return frame;
      }
      case "field": {
        const field = document.createElement("input");
        field.className = "angle-field";
        field.inputMode = "numeric";
        field.maxLength = this.core.texts().angleFieldLength;
        field.addEventListener("beforeinput", (e) => {
          const text = e.data ?? e.dataTransfer?.getData("text/plain") ?? "";
          if (e.inputType.startsWith("insert") && !this.core.isAngleFieldText(text)) e.preventDefault();
        });
        field.addEventListener("input", () => {
          const typed = field.value;
          act("angleChanged", control.phase, typed);
          if (this.core.isAngleAboveRange(typed)) this.showHint(this.core.texts().angleHeld);
        });
        // Reached by a click or Tab, the field selects its text, so typing replaces the value;
        // the click's own release would otherwise put the caret back after the digits.
        field.addEventListener("focus", () => {
          field.select();
          field.addEventListener("mouseup", (e) => e.preventDefault(), { once: true });
        });
        field.addEventListener("keydown", (e) => {
          if (e.key !== "ArrowUp" && e.key !== "ArrowDown") return;
          act("angleStepped", control.phase, e.key === "ArrowUp" ? 1 : -1);
          e.preventDefault();
        });
        return field;
      }
      case "updown":
        return this.createUpDown(control);
      case "trackbar": {
        const box = document.createElement("div");
        box.className = "trackbar";
        const slider = document.createElement("input");
        slider.type = "range";
        slider.min = "0";
        slider.max = String(control.maximum);
        slider.addEventListener("input", () => act("sliderMoved", control.slider, Number(slider.value)));
        box.append(slider);
        return box;
      }
      default: {
        const label = document.createElement("div");
        label.className = "label";
        return label;
      }
    }
  }

  // The up/down control beside an angle field; the core's template places the two.
  createUpDown(control) {
    const box = document.createElement("div");
    box.className = "updown";
    for (const [text, delta] of [["▲", 1], ["▼", -1]]) {
      const button = document.createElement("button");
      button.type = "button";
      button.tabIndex = -1;
      button.textContent = text;
      button.addEventListener("click", () => this.act("angleStepped", control.phase, delta));
      box.append(button);
    }
    return box;
  }

  // Shown for a few seconds, long enough to be read at the back of the class.
  showHint(text) {
    this.hint.textContent = text;
    clearTimeout(this.hintTimer);
    this.hintTimer = setTimeout(() => (this.hint.textContent = ""), 4000);
  }

  // Projector mode: the pictures twice as large (the page's style sheet makes the text so, and
  // the core draws the pictures' lines three times thicker).
  setProjector(on) {
    this.projector = on;
    for (const [element, control] of this.placed) {
      if (control.kind !== "frame") continue;
      const box = placement(control, on);
      element.style.width = `${box.width}px`;
      element.style.height = `${box.height}px`;
    }
    this.drawPictures();
  }

  act(handler, ...args) {
    const redraw = this.simulator[handler](this.selector, ...args);
    this.refresh();
    if (redraw === 2) this.onRedraw();
    else if (redraw === 1) this.drawPictures();
  }

  // Copies the model's state into the controls; unchanged texts are left alone, so the
  // caret of a field being typed in does not move.
  refresh() {
    const state = this.simulator.panelState(this.selector);
    for (const [role, element, control] of this.controls) {
      const s = state.controls[role];
      element.hidden = !s.visible;
      const input = element.querySelector("input") ?? (element.tagName === "INPUT" ? element : null);
      for (const target of [input, ...element.querySelectorAll("button")]) if (target) target.disabled = !s.enabled;
      element.classList.toggle("disabled", !s.enabled);
      if (control.kind === "check") input.checked = s.checked;
      if (control.kind === "radio") input.checked = state.waveform === control.waveform;
      if (control.kind === "field" && input.value !== s.angleText) input.value = s.angleText;
      if (control.kind === "trackbar") input.value = String(s.position);
      if (control.kind === "label") element.textContent = s.text;
    }
  }

  // Every picture takes its size from the phase-1 frame, less the inset on each side.
  drawPictures() {
    if (!this.isShown) return;
    const frame = placement(this.frameSize, this.projector);
    const cssWidth = frame.width - 2 * PICTURE_INSET;
    const cssHeight = frame.height - 2 * PICTURE_INSET;
    const width = devicePixels(cssWidth);
    const height = devicePixels(cssHeight);
    this.frames.forEach((frame, index) => {
      const canvas = frame.firstChild;
      const bytes = this.simulator.drawPhasePicture(this.selector, index + 1, width, height);
      canvas.hidden = bytes.length === 0;
      sizeCanvas(canvas, cssWidth, cssHeight, width, height);
      showRgba(canvas, bytes);
    });
  }

  // Shows the panel as it was left, with the keyboard focus.
  open() {
    this.dialog.hidden = false;
    this.onShownOrHidden();
    this.drawPictures();
    const kept = this.lastFocus && this.client.contains(this.lastFocus) && isFocusable(this.lastFocus);
    // The page scrolls the dock to the window itself (Layout.reveal).
    (kept ? this.lastFocus : this.tabbables()[0])?.focus({ preventScroll: true });
  }

  // The controls Tab stops at, in template order; a waveform group only at its checked button.
  tabbables() {
    return [...this.client.querySelectorAll("input")].filter(
      (input) => isFocusable(input) && (input.type !== "radio" || input.checked));
  }

  hide() {
    this.dialog.hidden = true;
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }

  // Enter sends the values once more and the panel stays; Escape hides it.
  onKey(event) {
    if (event.key === "Enter") this.act("enterPressed");
    else if (event.key === "Escape") this.hide();
    else return;
    event.preventDefault();
  }
}

// A control the model hides keeps its place in the panel, but not the focus.
function isFocusable(element) {
  return !element.disabled && !element.closest("[hidden]") && element.offsetParent !== null;
}
