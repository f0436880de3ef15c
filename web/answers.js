// "Mes réponses": every answer given in the page, kept by the browser in the core's log and
// listed, exported as CSV or JSON, or cleared. A stored log the core refuses is left as it is
// until the user clears it; a browser that keeps nothing keeps this visit's answers.
import { actionButton, element, makeDockedWindow } from "./dialog.js";
import { saveFile } from "./setup-files.js";

const ANSWERS_KEY = "vireflu-answers";

// The stored log ("" for none yet), or null when the browser keeps nothing for the page.
function storedAnswers() {
  try {
    return localStorage.getItem(ANSWERS_KEY) ?? "";
  } catch {
    return null;
  }
}

export class AnswersWindow {
  constructor(core, texts, dock, onShownOrHidden) {
    this.texts = texts;
    this.onShownOrHidden = onShownOrHidden;
    this.log = new core.Answers();
    const stored = storedAnswers();
    this.thisVisitOnly = stored === null;
    this.refusal = this.log.load(stored ?? "");
    this.dialog = makeDockedWindow("reponses", "answers", texts.answersTitle, texts.close, () => this.hide());
    this.note = element("p", { className: "answers-note" });
    this.rows = element("tbody");
    const heads = [texts.answerDate, texts.answerLesson, texts.answerGiven, texts.answerResult, texts.answerSeconds];
    this.table = element("table", {}, element("thead", {}, element("tr", {},
      ...heads.map((text) => element("th", { scope: "col", textContent: text })))), this.rows);
    this.buttons = element("div", { className: "answers-buttons" },
      actionButton(texts.exportCsv, () => saveFile(new Blob([this.log.csv()], { type: "text/csv" }), "reponses.csv")),
      actionButton(texts.exportJson, () => saveFile(new Blob([this.log.document()], { type: "application/json" }), "reponses.json")),
      actionButton(texts.clearAnswers, () => this.clear()));
    this.dialog.append(element("div", { className: "answers-client" }, this.note, this.table, this.buttons));
    this.dialog.addEventListener("keydown", (e) => e.key === "Escape" && this.hide());
    dock.append(this.dialog);
  }

  // The answer just given to the lesson taken, after `seconds` on its question: added to the
  // log stored now (another tab may have added to it), which is written back unless refused.
  add(simulator, seconds) {
    const stored = this.thisVisitOnly ? null : storedAnswers();
    if (stored !== null) this.refusal = this.log.load(stored);
    const record = this.log.add(simulator, seconds, Date.now() / 1000);
    if (record && stored !== null && !this.refusal) this.store(() => localStorage.setItem(ANSWERS_KEY, this.log.document()));
    this.refresh();
    return record;
  }

  store(write) {
    try {
      write();
    } catch {
      this.thisVisitOnly = true; // storage full or turned off since
    }
  }

  clear() {
    if (!confirm(this.texts.confirmClear)) return;
    this.log.clear();
    this.refusal = "";
    if (!this.thisVisitOnly) this.store(() => localStorage.removeItem(ANSWERS_KEY));
    this.refresh();
  }

  open() {
    this.dialog.hidden = false;
    this.refresh();
    this.onShownOrHidden();
  }

  hide() {
    this.dialog.hidden = true;
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }

  refresh() {
    if (this.dialog.hidden) return;
    const answers = this.log.list();
    const lang = document.documentElement.lang;
    this.note.textContent = this.refusal ||
      (this.thisVisitOnly ? this.texts.answersThisVisit : answers.length === 0 ? this.texts.noAnswers : "");
    this.note.hidden = !this.note.textContent;
    this.table.hidden = answers.length === 0;
    this.rows.replaceChildren(...answers.map((a) => element("tr", { className: a.right ? "right" : "wrong" },
      ...[new Date(a.at).toLocaleString(lang), a.title, a.kind === "shown" ? this.texts.show : a.answer,
        a.right ? this.texts.answerRight : this.texts.answerWrong, a.seconds.toLocaleString(lang)]
        .map((text) => element("td", { textContent: text })))));
  }
}
