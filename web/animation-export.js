// "E&xporter l'animation...": the core draws and encodes one period, a frame at a time, from
// clock zero on a copy of the state, so the running animation goes on, this modal box shows
// the progress and "Annuler" stops it between two frames. The GIF is then downloaded.
import { placeWithinPage } from "./dialog.js";
import { saveFile } from "./setup-files.js";

const NOTHING_TO_EXPORT = "Aucune animation à exporter : aucun enroulement n'est alimenté en « sinus » ou « rectangulaire » au-dessus de 0 Hz.";
const CANCELLED = "Exportation annulée : aucun fichier n'a été écrit.";
const TOO_MANY_COLOURS = "L'animation n'a pas pu être enregistrée : ses images ont plus de 256 couleurs.";
const FAILED = "L'animation n'a pas pu être enregistrée.";

export class AnimationExport {
  constructor(simulator, message) {
    this.simulator = simulator;
    this.message = message;
    this.backdrop = document.getElementById("export-backdrop");
    this.dialog = document.getElementById("export");
    this.progress = document.getElementById("export-progress");
    this.cancelButton = document.getElementById("export-cancel");
    this.cancelButton.addEventListener("click", () => (this.cancelled = true));
    this.dialog.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.cancelled = true;
      // "Annuler" is the box's only control: the focus stays on it.
      if (e.key === "Escape" || e.key === "Tab") e.preventDefault();
    });
  }

  get isShown() {
    return !this.backdrop.hidden;
  }

  async run() {
    const frames = this.simulator.startAnimation();
    if (!frames) {
      this.message.show(NOTHING_TO_EXPORT);
      return;
    }
    this.show(frames);
    const outcome = await this.encode(frames);
    const bytes = outcome === "ok" ? this.simulator.animationBytes().slice() : null;
    this.simulator.endAnimation();
    this.hide();
    if (bytes) saveFile(new Blob([bytes], { type: "image/gif" }), "vireflu.gif");
    else this.message.show(outcome === "cancelled" ? CANCELLED : outcome === "tooManyColours" ? TOO_MANY_COLOURS : FAILED);
  }

  // "ok" once the last frame is in; otherwise why the file is not whole.
  async encode(frames) {
    this.cancelled = false;
    for (let frame = 0; frame < frames; ++frame) {
      // The browser paints the progress and takes a click on "Annuler" between two frames.
      await new Promise((resolve) => setTimeout(resolve));
      if (this.cancelled) return "cancelled";
      const status = this.simulator.addAnimationFrame();
      if (status !== "ok") return status;
      this.progress.value = frame + 1;
    }
    return "ok";
  }

  show(frames) {
    this.returnFocus = document.activeElement;
    this.progress.max = frames;
    this.progress.value = 0;
    this.backdrop.hidden = false;
    placeWithinPage(this.dialog, (window.innerWidth - this.dialog.offsetWidth) / 2,
      (window.innerHeight - this.dialog.offsetHeight) / 3);
    this.cancelButton.focus();
  }

  hide() {
    this.backdrop.hidden = true;
    this.returnFocus?.focus();
  }
}
