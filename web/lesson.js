// The lesson window, docked beside the machine like the others: the introduction and the
// question, then, once answered (or "Montrer"), whether the prediction was right, the
// simulator's figure in a sentence, the explanation and the follow-up. The core decides
// what is right; this window only shows it.
import { makeDockedWindow } from "./dialog.js";

const paragraph = (className) => Object.assign(document.createElement("p"), { className });
const button = (text) => Object.assign(document.createElement("button"), { type: "button", textContent: text });

export class LessonWindow {
  // `onAnswered` lets the animation run; `onRestart` opens the lesson again; `onShownOrHidden`
  // runs when the window opens or closes; `onLeft` puts the user's own "Annotations" back.
  constructor(core, dock, onAnswered, onRestart, onShownOrHidden, onLeft) {
    this.run = new core.Lesson();
    this.onAnswered = onAnswered;
    this.onShownOrHidden = onShownOrHidden;
    this.onLeft = onLeft;
    this.waiting = false;
    const texts = core.texts();
    this.dialog = makeDockedWindow("lecon", "lesson", texts.lesson, texts.close, () => this.hide());
    this.title = paragraph("lesson-title");
    this.introduction = paragraph("introduction");
    this.question = paragraph("question");
    this.choices = document.createElement("div");
    this.choices.className = "choices";
    this.number = Object.assign(document.createElement("input"), { type: "text", inputMode: "decimal" });
    this.numberButton = button(texts.answer);
    this.numberButton.addEventListener("click", () => this.answer(-1, this.number.value));
    this.typed = document.createElement("div");
    this.typed.className = "typed";
    this.typed.append(this.number, this.numberButton);
    this.showButton = button(texts.show);
    this.showButton.className = "show";
    this.showButton.addEventListener("click", () => this.answer(-2, ""));
    this.verdict = paragraph("verdict");
    this.explanation = paragraph("explanation");
    this.followUp = paragraph("follow-up");
    this.restartButton = button(texts.restart);
    this.restartButton.className = "restart";
    this.restartButton.addEventListener("click", onRestart);
    this.outcome = document.createElement("div");
    this.outcome.append(this.verdict, this.explanation, this.followUp, this.restartButton);
    const client = (this.client = document.createElement("div"));
    client.className = "lesson-client";
    client.append(this.title, this.introduction, this.question, this.choices, this.typed, this.showButton, this.outcome);
    this.dialog.append(client);
    dock.append(this.dialog);
  }

  // Opens a shipped lesson's id or a lesson file's text on the simulator, "Annotations" being
  // `annotations`: what the core answers, the page's part of the setup or {error}. Until the
  // answer, the simulator holds back what would tell it.
  open(simulator, text, isId, annotations) {
    const opened = this.run.open(simulator, text, isId, annotations);
    if (opened.error === undefined) {
      this.simulator = simulator;
      this.start(opened);
    }
    return opened;
  }

  start(opened) {
    this.waiting = true;
    this.title.textContent = opened.title;
    this.introduction.textContent = opened.introduction;
    this.question.textContent = opened.question;
    this.choices.replaceChildren(...opened.choices.map((text, index) => {
      const choice = button(text);
      choice.addEventListener("click", () => this.answer(index, ""));
      return choice;
    }));
    this.typed.hidden = !opened.typed;
    this.number.value = "";
    for (const control of [this.number, this.numberButton]) control.disabled = false;
    this.showButton.hidden = false;
    this.outcome.hidden = true;
    this.dialog.hidden = false;
    this.onShownOrHidden();
    // Kept short at the top of a short dock, the window shows its question first.
    this.client.scrollTop = this.question.offsetTop - this.client.offsetTop;
  }

  answer(choice, typed) {
    if (!this.waiting) return;
    const said = this.run.answer(this.simulator, choice, typed);
    if (!said.answered) return;
    this.waiting = false;
    [...this.choices.children].forEach((b, i) => {
      b.disabled = true;
      b.setAttribute("aria-pressed", String(i === choice));
    });
    for (const control of [this.number, this.numberButton]) control.disabled = true;
    this.showButton.hidden = true;
    this.verdict.textContent = said.verdict;
    this.explanation.textContent = said.explanation;
    this.followUp.hidden = said.followUp === undefined;
    this.followUp.textContent = said.followUp ?? "";
    this.outcome.hidden = false;
    this.onShownOrHidden();
    this.onAnswered();
  }

  // The shipped lesson shown, for the address; none for a file's or once closed.
  get id() {
    return this.isShown ? this.run.id() : "";
  }

  hide() {
    this.dialog.hidden = true;
    this.waiting = false;
    const own = this.simulator && this.run.leave(this.simulator);
    if (own !== undefined) this.onLeft(own);
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }
}
