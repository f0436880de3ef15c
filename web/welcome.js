// The welcome of a first visit, docked beside the machine like the other windows: a line and
// three ways in. Once a way is chosen, the browser remembers it and the next visit goes
// without it.
import { makeDockedWindow } from "./dialog.js";

const WELCOMED = "vireflu-welcomed";

export class WelcomeWindow {
  // `ways` holds the actions of "lesson", "open" and "explore"; `onShownOrHidden` runs when
  // the window opens or closes.
  constructor(texts, dock, ways, onShownOrHidden) {
    this.onShownOrHidden = onShownOrHidden;
    this.dialog = makeDockedWindow("bienvenue", "welcome", texts.welcomeTitle, texts.close, () => this.choose(() => {}));
    const client = document.createElement("div");
    client.className = "welcome-client";
    client.append(Object.assign(document.createElement("p"), { textContent: texts.welcomeLine }));
    for (const [way, text] of [["lesson", texts.welcomeLesson], ["open", texts.welcomeOpen], ["explore", texts.welcomeExplore]]) {
      const button = Object.assign(document.createElement("button"), { type: "button", textContent: text });
      button.addEventListener("click", () => this.choose(ways[way]));
      client.append(button);
    }
    this.dialog.append(client);
    dock.append(this.dialog);
  }

  // Whether a visit chose a way before; a page whose storage is off welcomes every time.
  static get dismissed() {
    try {
      return localStorage.getItem(WELCOMED) !== null;
    } catch {
      return false;
    }
  }

  show() {
    this.dialog.hidden = false;
    this.onShownOrHidden();
  }

  choose(way) {
    try {
      localStorage.setItem(WELCOMED, "1");
    } catch {
      // Welcomed again next time.
    }
    this.dialog.hidden = true;
    this.onShownOrHidden();
    way();
  }

  get isShown() {
    return !this.dialog.hidden;
  }
}
