// The lesson window, docked beside the machine like the others: the introduction and the
// question, then, once answered (or "Montrer"), whether the prediction was right, the
// simulator's figure in a sentence, the explanation and the follow-up. In a course it names
// the course and the lesson's place in it, leads to the next lesson and shows the course's
// end; in the teacher's view it shows the answer expected. The core decides what is right;
// this window only shows it.
import { element, makeDockedWindow } from "./dialog.js";

const paragraph = (className) => Object.assign(document.createElement("p"), { className });
const button = (text) => Object.assign(document.createElement("button"), { type: "button", textContent: text });

export class LessonWindow {
  // `answered(seconds)` takes the answer given after `seconds` on the question and lets the
  // animation run; `restart` opens the lesson again; `shownOrHidden` runs when the window
  // opens or closes; `left(own)` puts the user's own "Annotations" back; `closed` runs when
  // the user closes it; `next` goes on in a course.
  constructor(core, dock, { answered, restart, shownOrHidden, left, closed, next }) {
    this.run = new core.Lesson();
    this.onAnswered = answered;
    this.onShownOrHidden = shownOrHidden;
    this.onLeft = left;
    this.onClosed = closed;
    this.waiting = false;
    const texts = (this.texts = core.texts());
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
    this.restartButton.addEventListener("click", restart);
    this.nextButton = button("");
    this.nextButton.className = "next";
    this.nextButton.addEventListener("click", next);
    this.outcome = document.createElement("div");
    this.outcome.append(this.verdict, this.explanation, this.followUp, this.restartButton, this.nextButton);
    this.course = element("p", { className: "course" });
    this.expected = paragraph("expected");
    this.notes = paragraph("notes");
    this.teacher = element("div", { className: "teacher", hidden: true },
      element("p", { className: "teacher-heading", textContent: texts.forTeacher }), this.expected, this.notes);
    this.body = element("div", { className: "lesson-body" }, this.title, this.introduction, this.question, this.teacher,
      this.choices, this.typed, this.showButton, this.outcome);
    this.end = element("div", { className: "course-end", hidden: true });
    const client = (this.client = document.createElement("div"));
    client.className = "lesson-client";
    client.append(this.course, this.body, this.end);
    this.dialog.append(client);
    dock.append(this.dialog);
  }

  // Opens a shipped lesson's id or a lesson file's text on the simulator, "Annotations" being
  // `annotations`: what the core answers, the page's part of the setup or {error}. Until the
  // answer, the simulator holds back what would tell it. `place` is its place in a course.
  open(simulator, text, isId, annotations, place = null) {
    const opened = this.run.open(simulator, text, isId, annotations);
    if (opened.error === undefined) {
      this.simulator = simulator;
      this.start(opened, place);
    }
    return opened;
  }

  start(opened, place) {
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
    this.hasChoices = opened.choices.length > 0;
    this.body.hidden = false;
    this.end.hidden = true;
    this.setCourse(place);
    this.setTeacher(null);
    this.dialog.hidden = false;
    this.asked = performance.now();
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
    this.onAnswered((performance.now() - this.asked) / 1000);
  }

  // The course this lesson belongs to ({course, index, count, last}), or none.
  setCourse(place) {
    this.course.hidden = this.nextButton.hidden = !place;
    if (!place) return;
    const progress = this.texts.courseProgress.replace("%1", place.index + 1).replace("%2", place.count);
    this.course.textContent = `${place.course} · ${progress}`;
    this.nextButton.textContent = place.last ? this.texts.finishCourse : this.texts.nextLesson;
  }

  // The teacher's view of the lesson ({expected, notes}), or none.
  setTeacher(view) {
    this.teacher.hidden = !view;
    if (!view) return;
    this.expected.textContent = this.texts.expected.replace("%1", view.expected);
    this.notes.hidden = view.notes === undefined;
    this.notes.textContent = view.notes ?? "";
  }

  // "Terminer": the course's heading, its score and each lesson's outcome, as the core words
  // them, in place of the lesson.
  showEnd(end) {
    this.course.hidden = this.body.hidden = true;
    this.end.replaceChildren(element("p", { className: "course-heading", textContent: end.heading }),
      element("p", { textContent: end.score }),
      element("ul", {}, ...end.outcomes.map((text) => element("li", { textContent: text }))));
    this.end.hidden = false;
    this.onShownOrHidden();
  }

  // The shipped lesson shown, for the address; none for a file's or once closed.
  get id() {
    return this.isShown ? this.run.id() : "";
  }

  hide() {
    const shown = this.isShown;
    this.dialog.hidden = true;
    this.waiting = false;
    const own = this.simulator && this.run.leave(this.simulator);
    if (own !== undefined) this.onLeft(own);
    if (shown) this.onClosed();
    this.onShownOrHidden();
  }

  get isShown() {
    return !this.dialog.hidden;
  }
}
