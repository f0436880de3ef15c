// The about box's dialog: moved by its title bar with a mouse, a pen or a finger, kept
// reachable inside the page. It lies on the modal layer, so it needs no raising; the other
// windows are docked (layout.js) and never move.

export function makeMovable(dialog, titleBar) {
  titleBar.addEventListener("pointerdown", (event) => {
    if (event.target !== titleBar && event.target.tagName === "BUTTON") return;
    const startX = event.clientX - dialog.offsetLeft;
    const startY = event.clientY - dialog.offsetTop;
    titleBar.setPointerCapture(event.pointerId);
    const move = (e) => placeWithinPage(dialog, e.clientX - startX, e.clientY - startY);
    const stop = () => {
      titleBar.removeEventListener("pointermove", move);
      titleBar.removeEventListener("pointerup", stop);
      titleBar.removeEventListener("pointercancel", stop);
    };
    titleBar.addEventListener("pointermove", move);
    titleBar.addEventListener("pointerup", stop);
    titleBar.addEventListener("pointercancel", stop);
    event.preventDefault();
  });
}

// What the user sees of the page: on a phone zoomed in, less than the page's window.
function seen() {
  const v = window.visualViewport;
  return v ? { left: v.offsetLeft, top: v.offsetTop, width: v.width, height: v.height }
    : { left: 0, top: 0, width: window.innerWidth, height: window.innerHeight };
}

// The title bar stays in sight, so the dialog can always be moved back.
export function placeWithinPage(dialog, left, top) {
  const view = seen();
  const maxLeft = view.left + Math.max(0, view.width - 40);
  const maxTop = view.top + Math.max(0, view.height - 20);
  dialog.style.left = `${Math.min(Math.max(left, view.left + 40 - dialog.offsetWidth), maxLeft)}px`;
  dialog.style.top = `${Math.min(Math.max(top, view.top), maxTop)}px`;
}

// Shows a modal box on its backdrop, a third of the way down what is seen of the page, with
// the focus on `focused`; the function it returns hides it and gives the focus back where it
// was.
export function showModal(backdrop, dialog, focused) {
  const returnFocus = document.activeElement;
  backdrop.hidden = false;
  const view = seen();
  placeWithinPage(dialog, view.left + (view.width - dialog.offsetWidth) / 2,
    view.top + Math.max(0, view.height - dialog.offsetHeight) / 3);
  focused.focus({ preventScroll: true });
  return () => {
    backdrop.hidden = true;
    returnFocus?.focus();
  };
}

// A window for the dock, hidden until opened: a title bar with its caption and a close button.
export function makeDockedWindow(id, className, caption, closeLabel, onClose) {
  const dialog = Object.assign(document.createElement("div"), { id, className: `dialog ${className}`, hidden: true });
  dialog.setAttribute("role", "dialog");
  dialog.setAttribute("aria-label", caption);
  const titleBar = document.createElement("div");
  titleBar.className = "title-bar";
  const close = Object.assign(document.createElement("button"), { type: "button", tabIndex: -1, textContent: "×" });
  close.setAttribute("aria-label", closeLabel);
  close.addEventListener("click", onClose);
  titleBar.append(Object.assign(document.createElement("span"), { textContent: caption }), close);
  dialog.append(titleBar);
  return dialog;
}

// An element of `tag` with `properties` set and `children` appended.
export function element(tag, properties = {}, ...children) {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
}

// A button of a window's own that does `act` when pressed.
export function actionButton(text, act, className = "") {
  const made = element("button", { type: "button", textContent: text, className });
  made.addEventListener("click", act);
  return made;
}
