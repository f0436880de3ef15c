// "Composer un parcours": a teacher lines up shipped lessons and lessons of their own under a
// title and an optional pass mark, then starts the course, saves it, copies its link or
// packs it for a learning platform. The core reads and writes the course; this window only
// keeps the list.
import { actionButton, element, makeDockedWindow } from "./dialog.js";
import { copyText, saveFile, watchPickedFile } from "./setup-files.js";

// The page as the browser received it, before anything changed its document: what a package
// carries, the core putting the course into it.
const RECEIVED_PAGE = `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;

let composerFields = 0;

export class CourseComposer {
  // `start` follows a course's document; `refused` shows a refusal's sentence, `accepted`
  // takes it away, and `passing` shows a passing word; `onShownOrHidden` runs when the window
  // opens or closes.
  constructor(core, texts, dock, { start, refused, accepted, passing, onShownOrHidden }) {
    this.core = core;
    this.refused = refused;
    this.onShownOrHidden = onShownOrHidden;
    this.entries = []; // {id} or {document}, with the title shown
    this.dialog = makeDockedWindow("parcours", "composer", texts.composer, texts.close, () => this.hide());
    const field = (text, control) => {
      control.id = `composer-field-${++composerFields}`;
      return element("div", { className: "composer-field" }, element("label", { htmlFor: control.id, textContent: text }), control);
    };
    this.title = element("input", { type: "text", maxLength: 120 });
    this.passMark = element("input", { type: "number", min: 0, max: 100, step: 1 });
    this.shipped = element("select", {}, ...core.lessonMenu().map(({ theme, lessons }) =>
      element("optgroup", { label: theme }, ...lessons.map(({ id, title }) => element("option", { value: id, textContent: title })))));
    this.list = element("select", { size: 8 });
    this.ownInput = element("input", { type: "file", accept: ".json,application/json", hidden: true });
    watchPickedFile(this.ownInput, (bytes) => {
      const own = core.ownLesson(bytes);
      if (own.error !== undefined) refused(own.error);
      else {
        accepted();
        this.add({ document: own.document, title: own.title });
      }
    });
    const moves = element("div", { className: "composer-row" },
      actionButton(texts.moveUp, () => this.move(-1)), actionButton(texts.moveDown, () => this.move(1)),
      actionButton(texts.removeLesson, () => this.move(0)));
    const chosen = () => this.compose();
    const buttons = element("div", { className: "composer-row" },
      actionButton(texts.startCourse, () => {
        const written = chosen();
        if (written !== null) start(written);
      }, "start"),
      actionButton(texts.saveCourse, () => {
        const written = chosen();
        if (written !== null) saveFile(new Blob([written], { type: "application/json" }), "parcours.json");
      }),
      actionButton(texts.copyCourseLink, async () => {
        const written = chosen();
        if (written !== null && await copyText(`${location.href.split("#")[0]}#${core.courseLink(written)}`))
          passing(texts.linkCopied);
      }),
      actionButton(texts.exportCourse, () => this.exportScorm()));
    this.dialog.append(element("div", { className: "composer-client" },
      field(texts.courseTitle, this.title), field(texts.passMark, this.passMark),
      field(texts.shippedLessons, this.shipped),
      element("div", { className: "composer-row" },
        actionButton(texts.addLesson, () => this.add({ id: this.shipped.value, title: this.shipped.selectedOptions[0].text })),
        actionButton(texts.addOwnLesson, () => this.ownInput.click())),
      field(texts.courseLessons, this.list), moves, buttons, this.ownInput));
    this.dialog.addEventListener("keydown", (e) => e.key === "Escape" && this.hide());
    dock.append(this.dialog);
  }

  add(entry) {
    this.entries.push(entry);
    this.showList(this.entries.length - 1);
  }

  // Moves the lesson chosen in the list up (-1) or down (1), or removes it (0).
  move(step) {
    const at = this.list.selectedIndex;
    if (at < 0) return;
    const [entry] = this.entries.splice(at, 1);
    const to = Math.min(Math.max(at + step, 0), this.entries.length);
    if (step !== 0) this.entries.splice(to, 0, entry);
    this.showList(Math.min(to, this.entries.length - 1));
  }

  showList(selected) {
    this.list.replaceChildren(...this.entries.map(({ title }, i) => element("option", { value: i, textContent: `${i + 1}. ${title}` })));
    this.list.selectedIndex = selected;
  }

  // The course's document as the core writes it, or null once its refusal is shown.
  compose() {
    const mark = this.passMark.value.trim() === "" ? null : this.passMark.valueAsNumber;
    const composed = this.core.composeCourse(this.title.value, Number.isFinite(mark) ? mark : null,
      this.entries.map(({ id, document }) => (id !== undefined ? { id } : { document })));
    if (composed.error === undefined) return composed.document;
    this.refused(composed.error);
    return null;
  }

  // The course packed for a learning platform; with no lesson yet, the window is only opened.
  exportScorm() {
    if (this.entries.length === 0) return;
    const written = this.compose();
    if (written !== null)
      saveFile(new Blob([this.core.scormPackage(RECEIVED_PAGE, written)], { type: "application/zip" }), "parcours-scorm.zip");
  }

  open() {
    this.dialog.hidden = false;
    this.onShownOrHidden();
  }

  hide() {
    this.dialog.hidden = true;
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }
}
