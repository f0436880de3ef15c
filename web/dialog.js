// Floating dialogs: moved by their title bar with a mouse, a pen or a finger, raised when
// touched, kept reachable inside the page.

let topLayer = 10;

export function raise(dialog) {
  dialog.style.zIndex = String(++topLayer);
}

export function makeMovable(dialog, titleBar) {
  dialog.addEventListener("pointerdown", () => raise(dialog));
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

// The title bar stays inside the page, so the dialog can always be moved back.
export function placeWithinPage(dialog, left, top) {
  const maxLeft = Math.max(0, window.innerWidth - 40);
  const maxTop = Math.max(0, window.innerHeight - 20);
  dialog.style.left = `${Math.min(Math.max(left, 40 - dialog.offsetWidth), maxLeft)}px`;
  dialog.style.top = `${Math.min(Math.max(top, 0), maxTop)}px`;
}

// Shows a floating dialog: at `origin` the first time, afterwards where it was left; raised.
export function showDialog(dialog, origin) {
  if (!dialog.dataset.placed) {
    placeWithinPage(dialog, origin.left, origin.top);
    dialog.dataset.placed = "yes";
  }
  dialog.hidden = false;
  raise(dialog);
}
