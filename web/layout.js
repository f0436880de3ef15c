// The page's layout under the menus: the machine view in the largest area left, and the open
// windows ("Stator", "Rotor", "Mesures") docked beside it on a wide page or below it on a
// narrow or portrait one, never over it. The dock scrolls, and so does a window taller than
// the dock, whose title bar stays in sight.

const GAP = 6; // between docked windows and around them, as in style.css
const LEAST_BELOW = 0.4; // of the height, for windows docked below a machine that would take it all
const LEAST_VIEW = 0.4; // of the page's area, what the machine view keeps whatever is docked
const SHORT_DOCK = 480; // a dock lower than this (a phone turned) keeps the lesson at its top

export class Layout {
  // `windows` gives the page's windows made so far: each with its `dialog`, `isShown`, and
  // for "Mesures" a `fitWidth(room)` that narrows its curve. `placed` runs after each change.
  constructor(workspace, dock, windows, placed) {
    this.workspace = workspace;
    this.dock = dock;
    this.windows = windows;
    this.placed = placed;
    window.addEventListener("resize", () => this.update());
  }

  update() {
    this.dockWindows(this.windows().filter((w) => w.isShown));
    this.placed();
  }

  // Chooses the side that leaves the larger machine: beside, the dock takes the width a
  // square machine leaves (at least the widest window's, at most all in one row); below, the
  // height it leaves, yet enough to use the windows.
  dockWindows(shown) {
    this.dock.hidden = shown.length === 0;
    this.workspace.classList.remove("beside", "below");
    this.dock.style.width = this.dock.style.height = "";
    if (shown.length === 0) return;
    this.dock.classList.add("measuring"); // every window at its own size
    for (const w of shown) w.fitWidth?.(Infinity);
    const sizes = shown.map((w) => [w.dialog.offsetWidth, w.dialog.offsetHeight]);
    const edge = this.dock.offsetWidth - this.dock.clientWidth + 2 * GAP; // scroll bar and padding
    const { clientWidth: width, clientHeight: height } = this.workspace;
    const widest = Math.max(...sizes.map(([w]) => w)) + edge;
    const oneRow = sizes.reduce((sum, [w]) => sum + w, GAP * (sizes.length - 1)) + edge;
    // On a small screen the windows give way to the machine: they scroll instead.
    const leastView = LEAST_VIEW * window.innerWidth * window.innerHeight;
    const besideWidth = Math.min(Math.max(width - height, widest), Math.max(oneRow, widest),
      width - Math.ceil(leastView / Math.max(1, height)));
    const belowHeight = Math.min(wrappedHeight(sizes, width - edge) + 2 * GAP,
      Math.max(height - width, Math.round(height * LEAST_BELOW)), height - Math.ceil(leastView / Math.max(1, width)));
    const beside = Math.min(width - besideWidth, height) >= Math.min(width, height - belowHeight);
    for (const w of shown) w.fitWidth?.((beside ? besideWidth : width) - edge);
    this.dock.classList.remove("measuring");
    this.workspace.classList.add(beside ? "beside" : "below");
    if (beside) this.dock.style.width = `${Math.max(0, besideWidth)}px`;
    else this.dock.style.height = `${Math.max(0, belowHeight)}px`;
    this.dock.classList.toggle("short", this.dock.clientHeight < SHORT_DOCK);
  }

  // Scrolls the dock to a window just opened, below the lesson a short dock keeps at its top.
  reveal(dialog) {
    const pinned = this.dock.classList.contains("short") && this.dock.querySelector(".lesson:not([hidden])");
    const below = pinned && pinned !== dialog ? pinned.offsetHeight + GAP : 0;
    this.dock.scrollTop += dialog.getBoundingClientRect().top - this.dock.getBoundingClientRect().top - GAP - below;
  }
}

// The height of windows of `sizes` wrapped in rows `room` wide, as the dock's flex box lays them.
function wrappedHeight(sizes, room) {
  let height = 0;
  let rowWidth = 0;
  let rowHeight = 0;
  for (const [w, h] of sizes) {
    if (rowWidth > 0 && rowWidth + GAP + w > room) {
      height += rowHeight + GAP;
      rowWidth = rowHeight = 0;
    }
    rowWidth += (rowWidth > 0 ? GAP : 0) + w;
    rowHeight = Math.max(rowHeight, h);
  }
  return height + rowHeight;
}
