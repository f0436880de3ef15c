// "A propos de Vireflu" (with the icon) and "Raccourcis clavier": a modal box with the
// core's lines and "OK".
import { makeMovable, showModal } from "./dialog.js";

export class AboutBox {
  constructor() {
    this.backdrop = document.getElementById("about-backdrop");
    this.dialog = document.getElementById("about");
    this.ok = document.getElementById("about-ok");
    this.ok.addEventListener("click", () => this.hide());
    this.dialog.addEventListener("keydown", (e) => {
      if (e.key === "Escape" || e.key === "Enter") {
        this.hide();
        e.preventDefault();
      } else if (e.key === "Tab") {
        e.preventDefault(); // "OK" is the box's only control: the focus stays on it
      }
    });
    makeMovable(this.dialog, this.dialog.querySelector(".title-bar"));
  }

  get isShown() {
    return !this.backdrop.hidden;
  }

  show(title, lines, withIcon) {
    document.getElementById("about-title").textContent = title;
    document.getElementById("about-lines").replaceChildren(
      ...lines.map((line) => Object.assign(document.createElement("div"), { textContent: line })));
    this.dialog.querySelector("img").hidden = !withIcon;
    this.hide = showModal(this.backdrop, this.dialog, this.ok);
  }
}
