// The menu bar, built from the core's menu table: click or tap a title, or Alt + its
// underlined letter; arrows move, Enter or Space choose, Escape closes. Screen readers see a
// menu bar of titles (one Tab stop, the arrows between them), each opening a menu whose
// marked items are check boxes (a toggle) or radio buttons (the paces, the colour maps).
let menuCount = 0;
import { mnemonicKey, setMnemonicText } from "./mnemonic.js";

export class MenuBar {
  constructor(bar, menus, onChoose) {
    this.onChoose = onChoose;
    this.menus = menus.map((menu, index) => this.buildMenu(bar, menu, index));
    this.open = -1;
    document.addEventListener("pointerdown", (e) => {
      if (!bar.contains(e.target)) this.close();
    });
  }

  buildMenu(bar, menu, index) {
    const root = document.createElement("div");
    root.className = "menu";
    root.setAttribute("role", "none");
    const title = document.createElement("button");
    title.type = "button";
    title.id = `menu-title-${++menuCount}`;
    title.tabIndex = index === 0 ? 0 : -1;
    title.setAttribute("role", "menuitem");
    title.setAttribute("aria-haspopup", "menu");
    title.setAttribute("aria-expanded", "false");
    setMnemonicText(title, menu.title);
    const list = document.createElement("div");
    list.className = "menu-items";
    list.setAttribute("role", "menu");
    list.setAttribute("aria-labelledby", title.id);
    list.hidden = true;
    let group;
    const items = menu.items.map((item) => {
      if (item.separatorBefore) list.append(document.createElement("hr"));
      // Items of a group (the lessons of a theme) follow its heading, which is not chosen.
      if (item.group !== undefined && item.group !== group) {
        const heading = Object.assign(document.createElement("div"), { className: "menu-group", textContent: item.group });
        heading.setAttribute("role", "presentation");
        list.append(heading);
      }
      group = item.group;
      const button = document.createElement("button");
      button.type = "button";
      button.setAttribute("role", { none: "menuitem", toggle: "menuitemcheckbox", oneOf: "menuitemradio" }[item.check]);
      if (item.check !== "none") button.setAttribute("aria-checked", String(item.checked));
      button.tabIndex = -1;
      if (item.shortcut) {
        // Shown at the right; the key itself is announced through aria-keyshortcuts.
        const label = document.createElement("span");
        setMnemonicText(label, item.text);
        const keys = Object.assign(document.createElement("span"), { className: "shortcut", textContent: item.shortcut });
        keys.setAttribute("aria-hidden", "true");
        button.append(label, keys);
        button.setAttribute("aria-keyshortcuts", item.shortcut.replace("Ctrl", "Control"));
      } else {
        setMnemonicText(button, item.text);
      }
      button.addEventListener("click", () => this.choose(item));
      list.append(button);
      return { item, button };
    });
    title.addEventListener("click", () => (this.open === index ? this.close() : this.show(index, false)));
    title.addEventListener("pointerenter", () => {
      if (this.open >= 0 && this.open !== index) this.show(index, false);
    });
    title.addEventListener("keydown", (e) => this.onTitleKey(e, index));
    list.addEventListener("keydown", (e) => this.onListKey(e, index));
    root.append(title, list);
    bar.append(root);
    return { key: mnemonicKey(menu.title), title, list, items };
  }

  // Alt + a title's letter opens that menu with its first item focused.
  handleAltKey(event) {
    const index = this.menus.findIndex((m) => m.key === event.key.toLowerCase());
    if (index < 0) return false;
    this.show(index, true);
    return true;
  }

  show(index, focusFirst) {
    this.close();
    const menu = this.menus[index];
    this.open = index;
    menu.list.hidden = false;
    // Kept inside the page: moved left at its right edge, scrolling above its bottom.
    menu.list.style.left = menu.list.style.maxHeight = "";
    const box = menu.list.getBoundingClientRect();
    const beyond = box.right - document.documentElement.clientWidth;
    if (beyond > 0) menu.list.style.left = `${-Math.min(beyond, box.left)}px`;
    menu.list.style.maxHeight = `${window.innerHeight - box.top}px`;
    menu.title.setAttribute("aria-expanded", "true");
    this.menus.forEach((m, i) => (m.title.tabIndex = i === index ? 0 : -1));
    if (focusFirst) menu.items[0].button.focus();
  }

  close() {
    if (this.open < 0) return;
    const menu = this.menus[this.open];
    menu.list.hidden = true;
    menu.title.setAttribute("aria-expanded", "false");
    this.open = -1;
  }

  // A check item turns its mark over; one of a group takes the mark from the others.
  choose(item) {
    this.close();
    let checked = false;
    for (const menu of this.menus) {
      for (const entry of menu.items) {
        if (entry.item === item && item.check === "toggle") {
          checked = entry.button.getAttribute("aria-checked") !== "true";
          entry.button.setAttribute("aria-checked", String(checked));
        } else if (item.check === "oneOf" && entry.item.command === item.command) {
          entry.button.setAttribute("aria-checked", String(entry.item === item));
        }
      }
    }
    this.onChoose(item, checked);
  }

  // Sets the marks of a command's items without choosing any, as an opened setup asks.
  mark(command, isChecked) {
    for (const menu of this.menus)
      for (const { item, button } of menu.items)
        if (item.command === command) button.setAttribute("aria-checked", String(isChecked(item)));
  }

  // Left and Right go along the titles (keeping one open if one was), Down opens.
  onTitleKey(event, index) {
    if (event.key === "ArrowDown") this.show(index, true);
    else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
      const next = (index + (event.key === "ArrowRight" ? 1 : -1) + this.menus.length) % this.menus.length;
      if (this.open >= 0) this.show(next, false);
      this.focusTitle(next);
    } else if (event.key === "Escape") this.close();
    else return;
    event.preventDefault();
  }

  // The title that takes Tab into the bar is the one last reached.
  focusTitle(index) {
    this.menus.forEach((m, i) => (m.title.tabIndex = i === index ? 0 : -1));
    this.menus[index].title.focus();
  }

  onListKey(event, index) {
    const menu = this.menus[index];
    const buttons = menu.items.map((i) => i.button);
    const at = buttons.indexOf(document.activeElement);
    const step = (delta) => buttons[(at + delta + buttons.length) % buttons.length].focus();
    const other = (delta) => this.show((index + delta + this.menus.length) % this.menus.length, true);
    const byKey = menu.items.find((i) => mnemonicKey(i.item.text) === event.key.toLowerCase());
    if (event.key === "ArrowDown") step(1);
    else if (event.key === "ArrowUp") step(-1);
    else if (event.key === "ArrowRight") other(1);
    else if (event.key === "ArrowLeft") other(-1);
    else if (event.key === "Escape") {
      this.close();
      this.focusTitle(index);
    } else if (byKey && !event.altKey) this.choose(byKey.item);
    else return;
    event.preventDefault();
  }
}
