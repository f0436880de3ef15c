// The page's main window: menus, machine view, command bar, the two panels, the about box
// and the 150 ms clock. Every decision and every pixel comes from the core's simulator.
import { MenuBar } from "./menus.js";
import { mnemonicKey, setMnemonicText } from "./mnemonic.js";
import { Panel } from "./panel.js";
import { MachineView } from "./machine-view.js";
import { AboutBox } from "./about-box.js";
import { MeasuresWindow } from "./measures.js";

// The GIF export of the desktop window writes files through a library the page lacks.
const PAGE_LEAVES_OUT = ["exportAnimation"];

export class App {
  constructor(core) {
    this.core = core;
    this.simulator = new core.Simulator();
    this.texts = core.texts();
    this.panels = [null, null]; // stator, rotor: created on first use
    this.timer = 0;
    this.periodMs = this.texts.tickPeriodMs;
    this.measures = null; // created on first use
    this.projector = false;
    this.window = document.getElementById("window");
    this.window.hidden = false;
    this.view = new MachineView(this.window, document.getElementById("client"), this.simulator);
    this.about = new AboutBox(this.texts);
    const menus = core.menus().map((menu) => ({ ...menu, items: menu.items.filter((i) => !PAGE_LEAVES_OUT.includes(i.command)) }));
    this.menuBar = new MenuBar(document.getElementById("menubar"), menus, (item, checked) => this.onMenu(item, checked));
    this.resetButton = document.getElementById("reset");
    this.animationButton = document.getElementById("animation");
    setMnemonicText(this.resetButton, this.texts.reset);
    this.resetButton.addEventListener("click", () => this.resetClock());
    this.animationButton.addEventListener("click", () => this.toggleAnimation());
    this.showAnimationCaption();
    document.addEventListener("keydown", (e) => this.onAltKey(e));
    document.addEventListener("keydown", (e) => this.onClockKey(e));
  }

  onMenu(item, checked) {
    switch (item.command) {
      case "quit":
        this.quit();
        break;
      case "openStator":
      case "openRotor":
        this.openPanel(item.command === "openRotor" ? 1 : 0);
        break;
      case "about":
        this.about.show();
        break;
      case "openMeasures":
        this.openMeasures();
        break;
      case "pace": // only the timer's period changes, never the step
        this.periodMs = item.argument;
        if (this.timer) {
          clearInterval(this.timer);
          this.timer = setInterval(() => this.tick(), this.periodMs);
        }
        break;
      case "projection":
        this.simulator.menuCommand(item.commandId, checked ? 1 : 0);
        this.projector = checked;
        for (const window of [...this.panels, this.measures]) window?.setProjector(checked);
        this.view.draw();
        break;
      default: // a presentation or a colour map
        this.simulator.menuCommand(item.commandId, item.argument);
        this.view.draw();
    }
  }

  openPanel(selector) {
    if (!this.panels[selector]) {
      this.simulator.openPanel(selector);
      this.panels[selector] = new Panel(this.core, this.simulator, selector, () => this.redrawAll());
      this.panels[selector].setProjector(this.projector);
    }
    this.panels[selector].open(this.view.clientOrigin());
  }

  openMeasures() {
    if (!this.measures) {
      this.measures = new MeasuresWindow(this.core, this.simulator, (on) => {
        this.simulator.setSequences(on);
        this.redrawAll();
      });
      this.measures.setProjector(this.projector);
    }
    this.measures.open(this.view.clientOrigin());
  }

  resetClock() {
    this.simulator.resetClock();
    this.redrawAll();
  }

  tick() {
    this.simulator.tick();
    this.redrawAll();
  }

  redrawAll() {
    this.view.draw();
    for (const panel of this.panels) panel?.drawPictures();
    this.measures?.refresh();
  }

  toggleAnimation() {
    const running = this.simulator.toggleAnimation();
    if (running && !this.timer) this.timer = setInterval(() => this.tick(), this.periodMs);
    if (!running && this.timer) {
      clearInterval(this.timer);
      this.timer = 0;
    }
    this.showAnimationCaption();
  }

  showAnimationCaption() {
    setMnemonicText(this.animationButton, this.captionOfAnimation());
  }

  // A page cannot close itself: "&Quitter" stops the clock and says the page may be closed.
  quit() {
    if (this.simulator.running()) this.toggleAnimation();
    for (const panel of this.panels) panel?.hide();
    this.window.hidden = true;
    document.getElementById("closed").hidden = false;
  }

  // Space starts and stops the clock, Home puts it back to zero, F11 fills the screen; a key
  // meant for a control or a menu stays with it.
  onClockKey(event) {
    if (event.altKey || event.ctrlKey || event.metaKey || this.window.hidden || this.about.isShown) return;
    const target = event.target;
    const inControl = ["BUTTON", "INPUT"].includes(target.tagName) ||
      (target !== document.body && !this.window.contains(target));
    if (event.key === "F11") {
      if (document.fullscreenElement) document.exitFullscreen();
      else document.documentElement.requestFullscreen?.();
    } else if (inControl || target.closest?.(".menu")) return;
    else if (event.key === " ") this.toggleAnimation();
    else if (event.key === "Home") this.resetClock();
    else return;
    event.preventDefault();
  }

  // Alt + an underlined letter: a command-bar button, else a menu.
  onAltKey(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || this.window.hidden || this.about.isShown) return;
    const key = event.key.toLowerCase();
    const button = [this.resetButton, this.animationButton].find(
      (b) => mnemonicKey(b === this.resetButton ? this.texts.reset : this.captionOfAnimation()) === key);
    if (button) button.click();
    else if (!this.menuBar.handleAltKey(event)) return;
    event.preventDefault();
  }

  captionOfAnimation() {
    return this.simulator.running() ? this.texts.stop : this.texts.animation;
  }
}
