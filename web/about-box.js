// "A propos de Vireflu": a modal box with the icon, the core's three lines and "OK".
import { makeMovable, placeWithinPage } from "./dialog.js";

export class AboutBox {
  constructor(texts) {
    this.backdrop = document.getElementById("about-backdrop");
    this.dialog = document.getElementById("about");
    this.ok = document.getElementById("about-ok");
    document.getElementById("about-title").textContent = texts.aboutTitle;
    document.getElementById("about-lines").replaceChildren(
      ...texts.aboutLines.map((line) => Object.assign(document.createElement("div"), { textContent: line })));
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

  show() {
    this.returnFocus = document.activeElement;
    this.backdrop.hidden = false;
    placeWithinPage(this.dialog, (window.innerWidth - this.dialog.offsetWidth) / 2,
      (window.innerHeight - this.dialog.offsetHeight) / 3);
    this.ok.focus();
  }

  hide() {
    this.backdrop.hidden = true;
    this.returnFocus?.focus();
  }
}
