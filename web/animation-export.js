// "E&xporter l'animation...": the core draws and encodes one period, a frame at a time, from
// clock zero on a copy of the state, so the running animation goes on, this modal box shows
// the progress and "Annuler" stops it between two frames. The GIF is then downloaded.
import { showModal } from "./dialog.js";
import { saveFile } from "./setup-files.js";

export class AnimationExport {
  constructor(simulator, message, texts) {
    this.simulator = simulator;
    this.message = message;
    this.texts = texts;
    this.backdrop = document.getElementById("export-backdrop");
    this.dialog = document.getElementById("export");
    this.progress = document.getElementById("export-progress");
    this.cancelButton = document.getElementById("export-cancel");
    document.getElementById("export-title").textContent = texts.exportTitle;
    document.getElementById("export-label").textContent = texts.exporting;
    this.cancelButton.textContent = texts.cancel;
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
      this.message.show(this.texts.nothingToExport);
      return;
    }
    this.show(frames);
    const outcome = await this.encode(frames);
    const bytes = outcome === "ok" ? this.simulator.animationBytes().slice() : null;
    this.simulator.endAnimation();
    this.hide();
    if (bytes) saveFile(new Blob([bytes], { type: "image/gif" }), "vireflu.gif");
    else {
      const why = { cancelled: "exportCancelled", tooManyColours: "tooManyColours" }[outcome] ?? "exportFailed";
      this.message.show(this.texts[why]);
    }
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
    this.progress.max = frames;
    this.progress.value = 0;
    this.hide = showModal(this.backdrop, this.dialog, this.cancelButton);
  }
}
