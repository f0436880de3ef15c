// Setups outside the page: a "*.vireflu" file saved, or opened (picked or dropped on the
// page), the page's address copied, and the message line that says why a setup was refused.

const PASSING_MS = 2500; // how long a passing word such as "Lien copié" stays
const LARGEST_SETUP = 64 * 1024; // the core refuses anything larger, by its size

export class MessageLine {
  constructor() {
    this.element = document.getElementById("message");
    this.text = document.getElementById("message-text");
    this.timer = 0;
    document.getElementById("message-close").addEventListener("click", () => this.hide());
  }

  // A refusal stays until dismissed; a passing word goes by itself. The text may quote a
  // link's content, so it is only ever set as text.
  show(text, passing = false) {
    clearTimeout(this.timer);
    this.text.textContent = text;
    this.element.hidden = false;
    if (passing) this.timer = setTimeout(() => this.hide(), PASSING_MS);
  }

  hide() {
    clearTimeout(this.timer);
    this.element.hidden = true;
  }
}

// Downloads a Blob as a file named `name`.
export function saveFile(blob, name) {
  const url = URL.createObjectURL(blob);
  const link = Object.assign(document.createElement("a"), { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  // Not at once: a browser may still be reading the blob when the click returns.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// Whether `text` reached the clipboard. The clipboard API refuses pages it does not trust
// (some file:// pages, a page without focus), where copying a selection still works.
export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    const focused = document.activeElement;
    const area = Object.assign(document.createElement("textarea"), { value: text, readOnly: true });
    area.style.cssText = "position: fixed; left: 0; top: 0; opacity: 0";
    document.body.append(area);
    area.select();
    const copied = document.execCommand("copy");
    area.remove();
    focused?.focus?.();
    return copied;
  }
}

// A larger file is read only just past the limit, which the core then refuses by its size.
// The core gets the bytes as they are, so its reader alone decides: a text decoder would drop
// a byte-order mark or transcode UTF-16, which the format refuses.
// A course, which carries its lessons, has a larger limit.
const readText = (file, open, largest = LARGEST_SETUP) =>
  file.slice(0, largest + 1).arrayBuffer().then((bytes) => open(new Uint8Array(bytes)));

// Hands the bytes of a file picked in `input` to `open`.
export function watchPickedFile(input, open, largest = LARGEST_SETUP) {
  input.addEventListener("change", () => {
    const [file] = input.files;
    input.value = ""; // so the same file can be picked again
    if (file) readText(file, open, largest);
  });
}

// Hands the bytes of a file picked in `input`, or dropped anywhere on the page, to `open`.
export function watchSetupFiles(input, open) {
  watchPickedFile(input, open);
  // Without this, a file dropped on the page would replace the page.
  window.addEventListener("dragover", (e) => {
    if (e.dataTransfer.types.includes("Files")) e.preventDefault();
  });
  window.addEventListener("drop", (e) => {
    const [file] = e.dataTransfer.files;
    if (!file) return;
    e.preventDefault();
    readText(file, open);
  });
}
