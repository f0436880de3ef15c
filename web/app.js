// The page's main window: menus, machine view, command bar, the two panels, the about box,
// the 150 ms clock and the setup in the address. Every decision and every pixel comes from
// the core's simulator.
import { MenuBar } from "./menus.js";
import { mnemonicKey, setMnemonicText } from "./mnemonic.js";
import { Panel } from "./panel.js";
import { MachineView } from "./machine-view.js";
import { Layout } from "./layout.js";
import { AboutBox } from "./about-box.js";
import { MeasuresWindow } from "./measures.js";
import { WindingWindow } from "./winding.js";
import { LessonWindow } from "./lesson.js";
import { CourseComposer } from "./course.js";
import { AnswersWindow } from "./answers.js";
import { LearningPlatform } from "./scorm.js";
import { WelcomeWindow } from "./welcome.js";
import { MessageLine, copyText, saveFile, watchPickedFile, watchSetupFiles } from "./setup-files.js";
import { AnimationExport } from "./animation-export.js";
import { linkLanguage, rememberLanguage } from "./i18n.js";

const LESSON_LINK = "lesson=";
const COURSE_LINK = "course=";
const LARGEST_COURSE = 1024 * 1024; // the core refuses anything larger, by its size

// "&Leçons", before the help menu: the shipped lessons under their themes, then a file's, then
// courses and the answers. A page with its course built in is the students': no composer, no
// package and no teacher's view.
function withLessons(menus, themes, texts, students) {
  const items = themes.flatMap(({ theme, lessons }) =>
    lessons.map(({ id, title }) => ({ text: title, command: "lesson", argument: id, group: theme, check: "none" })));
  items.push({ text: texts.openLesson, command: "openLesson", check: "none", separatorBefore: true });
  const item = (text, command, more = {}) => items.push({ text, command, check: "none", ...more });
  if (!students) {
    item(texts.openCourse, "openCourse", { separatorBefore: true });
    item(texts.composeCourse, "composeCourse");
    item(texts.exportScorm, "exportScorm");
  }
  item(texts.myAnswers, "answers", { separatorBefore: students });
  if (!students) item(texts.teacherView, "teacherView", { check: "toggle", checked: false, separatorBefore: true });
  return [...menus.slice(0, -1), { title: texts.lessons, items }, ...menus.slice(-1)];
}

// "Langue" in the help menu, before "A propos de Vireflu...": each language under its own name.
function withLanguages(menus, languages, spoken, heading) {
  const help = menus[menus.length - 1];
  const about = help.items.findIndex((item) => item.command === "about");
  const items = languages.map(({ code, name }, i) =>
    ({ text: name, command: "language", argument: code, group: heading.replace("&", ""), check: "oneOf",
      checked: code === spoken, separatorBefore: i === 0 }));
  const helpItems = [...help.items.slice(0, about), ...items, { ...help.items[about], separatorBefore: true },
    ...help.items.slice(about + 1)];
  return [...menus.slice(0, -1), { ...help, items: helpItems }];
}

// The address without its `lang=` (every one a pasted link holds): what it opens.
function linkWithoutLanguage() {
  return location.hash.slice(1).replace(/(^|&)lang=[^&]*/g, "").replace(/^&/, "");
}

// A lesson link's id; one whose escapes do not decode goes to the core as written, which
// refuses it as any unknown id.
function lessonId(escaped) {
  try {
    return decodeURIComponent(escaped);
  } catch {
    return escaped;
  }
}

export class App {
  constructor(core) {
    this.core = core;
    this.simulator = new core.Simulator();
    this.texts = core.texts();
    this.panels = [null, null]; // stator, rotor: created on first use
    this.timer = 0;
    this.periodMs = this.texts.tickPeriodMs;
    this.measures = null; // created on first use
    this.winding = null; // "Bobinage", created on first use
    this.lesson = null; // created with the first lesson
    this.lessonOpened = null; // how to open the lesson shown again: "Recommencer"
    this.course = new core.Course(); // the course followed, if any
    this.composer = null; // "Composer un parcours", created on first use
    this.teacher = false; // "Vue enseignant"
    this.platform = new LearningPlatform();
    // A page a teacher packed for a platform carries its course, which starts at once.
    this.builtInCourse = document.getElementById(core.builtInCourseId())?.textContent ?? null;
    this.projector = false;
    this.sequences = false; // "Deux champs tournants", for a "Mesures" window made later
    this.window = document.getElementById("window");
    this.window.hidden = false;
    this.view = new MachineView(document.getElementById("client"), this.simulator, this.texts.descriptionPeriodMs);
    this.welcome = null; // made for a first visit without a link
    this.layout = new Layout(document.getElementById("workspace"), document.getElementById("dock"),
      () => [this.welcome, ...this.panels, this.measures, this.winding, this.lesson, this.composer, this.answers]
        .filter(Boolean), () => this.view.fit());
    this.about = new AboutBox();
    // A language chosen in "Langue" or given by the link stays in the address.
    this.language = document.documentElement.lang;
    this.languageInLink = linkLanguage() !== null;
    const menus = withLanguages(withLessons(core.menus(), core.lessonMenu(), this.texts, this.builtInCourse !== null),
      core.languages(), this.language, this.texts.language);
    this.menuBar = new MenuBar(document.getElementById("menubar"), menus, (item, checked) => this.onMenu(item, checked));
    this.resetButton = document.getElementById("reset");
    this.animationButton = document.getElementById("animation");
    setMnemonicText(this.resetButton, this.texts.reset);
    this.resetButton.addEventListener("click", () => this.resetClock());
    this.animationButton.addEventListener("click", () => this.toggleAnimation());
    this.showAnimationCaption();
    document.addEventListener("keydown", (e) => this.onAltKey(e));
    document.addEventListener("keydown", (e) => this.onClockKey(e));
    // How the focus came, as the desktop tells: a control reached by Tab keeps Space.
    document.addEventListener("pointerdown", () => (this.tabbed = false), true);
    document.addEventListener("keydown", (e) => e.key === "Tab" && (this.tabbed = true), true);
    // A check box acts on Space's release: the clock's Space must not also tick it.
    document.addEventListener("keyup", (e) => {
      if (e.key === " " && this.spaceTaken) e.preventDefault();
      this.spaceTaken = false;
    });
    this.shortcuts = new Map(menus.flatMap((m) => m.items).filter((i) => i.shortcut).map((i) => [i.shortcut, i]));
    document.addEventListener("keydown", (e) => this.onShortcut(e));
    this.message = new MessageLine();
    this.animationExport = new AnimationExport(this.simulator, this.message, this.texts);
    // The page's own texts, in the language spoken.
    document.getElementById("menubar").setAttribute("aria-label", this.texts.menus);
    document.getElementById("view").setAttribute("aria-label", this.texts.machineView);
    document.getElementById("message-close").setAttribute("aria-label", this.texts.close);
    this.fileInput = document.getElementById("open-file");
    watchSetupFiles(this.fileInput, (text) => this.openSetup(text, false));
    this.lessonInput = document.getElementById("open-lesson");
    watchPickedFile(this.lessonInput, (text) => this.openLesson(text, false));
    this.courseInput = document.getElementById("open-course");
    watchPickedFile(this.courseInput, (bytes) => this.startCourse(bytes, false), LARGEST_COURSE);
    // Kept from the start, so that every answer is logged.
    this.answers = new AnswersWindow(core, this.texts, this.layout.dock, () => this.windowShownOrHidden());
    this.view.sized.then(() => {
      this.simulator.remember(this.pageSetup()); // the start, which a change can be taken back to
      // A link pasted into this tab's address changes only its fragment.
      window.addEventListener("hashchange", () => this.openLink());
      if (this.builtInCourse !== null) this.startCourse(this.builtInCourse, false);
      else if (linkWithoutLanguage()) this.openLink();
      else if (!WelcomeWindow.dismissed) this.showWelcome();
    });
    window.addEventListener("resize", () => this.projector && this.setProjector(true));
  }

  onMenu(item, checked) {
    switch (item.command) {
      case "openSetup":
        this.fileInput.click();
        break;
      case "saveSetup":
        saveFile(new Blob([this.simulator.setupDocument(this.pageSetup())], { type: "application/json" }), "vireflu.vireflu");
        break;
      case "language":
        this.switchLanguage(item.argument);
        return;
      case "exportAnimation":
        this.animationExport.run();
        break;
      case "copyLink":
        this.copyLink();
        break;
      case "openStator":
      case "openRotor":
        this.openPanel(item.command === "openRotor" ? 1 : 0);
        break;
      case "about":
        this.about.show(this.texts.aboutTitle, this.texts.aboutLines, true);
        break;
      case "shortcuts":
        this.about.show(this.texts.shortcutsTitle, this.texts.shortcutLines, false);
        break;
      case "conventions":
        this.about.show(this.texts.conventionsTitle, this.texts.conventionLines, false);
        break;
      case "lesson":
        this.openLesson(item.argument, true);
        break;
      case "openLesson":
        this.lessonInput.click();
        break;
      case "openCourse":
        this.courseInput.click();
        break;
      case "composeCourse":
        this.openComposer();
        break;
      case "exportScorm":
        this.openComposer();
        this.composer.exportScorm();
        break;
      case "answers":
        this.answers.open();
        this.layout.reveal(this.answers.dialog);
        break;
      case "teacherView":
        this.teacher = checked;
        this.showTeacher();
        break;
      case "openMeasures":
        this.openMeasures();
        break;
      case "openWinding":
        this.openWinding();
        break;
      case "pace":
        this.setPace(item.argument);
        break;
      case "undo":
        this.restore(this.simulator.undo());
        break;
      case "redo":
        this.restore(this.simulator.redo());
        break;
      case "resetAll":
        this.restore(this.simulator.resetAll());
        break;
      case "annotations":
        this.view.setAnnotations(checked);
        break;
      case "legend":
        this.view.setLegend(checked);
        break;
      case "projection":
        this.simulator.menuCommand(item.commandId, checked ? 1 : 0);
        this.setProjector(checked);
        this.view.draw();
        break;
      default: // a presentation or a colour map
        this.simulator.menuCommand(item.commandId, item.argument);
        this.view.draw();
    }
    this.keepLink();
  }

  // Only the timer's period changes, never the step.
  setPace(periodMs) {
    this.periodMs = periodMs;
    if (this.timer) {
      clearInterval(this.timer);
      this.timer = setInterval(() => this.tick(), this.periodMs);
    }
  }

  // Projector mode: every text at least twice its size, and 24 pixels on a screen of 1080
  // lines in proportion to the page's height (the core's rule), the panels' pictures larger.
  setProjector(on) {
    this.projector = on;
    const root = document.documentElement;
    root.classList.toggle("projector", on);
    const page = this.core.projectorTextPixels(13, window.innerHeight);
    root.style.setProperty("--projector-page", `${page}px`);
    root.style.setProperty("--projector-window", `${this.core.projectorTextPixels(11, window.innerHeight)}px`);
    // The menu bar stays a multiple of 8 CSS pixels high, so the view starts on a device pixel.
    root.style.setProperty("--projector-bar", `${Math.ceil((page * 1.5) / 8) * 8}px`);
    this.view.setTextPixels(on ? this.core.projectorTextPixels(12, window.innerHeight) : 12);
    for (const window of [...this.panels, this.measures]) window?.setProjector(on);
    this.winding?.refresh();
    this.layout.update();
  }

  // The welcome beside the machine: the lesson of the rotating field, a setup file, or the
  // machine as it is.
  showWelcome() {
    this.welcome ??= new WelcomeWindow(this.texts, this.layout.dock, {
      lesson: () => this.openLesson(this.texts.welcomeLessonId, true),
      open: () => this.fileInput.click(),
      explore: () => {},
    }, () => this.layout.update());
    this.welcome.show();
  }

  // "Annotations" on or off, as if chosen in the menu.
  showAnnotations(on) {
    this.menuBar.mark("annotations", () => on);
    this.view.setAnnotations(on);
  }

  // A window opened or closed moves the others in the dock and resizes the machine view.
  windowShownOrHidden() {
    this.layout.update();
    this.keepLink();
  }

  openPanel(selector) {
    if (!this.panels[selector]) {
      this.simulator.openPanel(selector);
      this.panels[selector] = new Panel(this.core, this.simulator, selector, this.layout.dock, () => {
        this.redrawAll();
        this.keepLink();
      }, () => this.windowShownOrHidden());
      this.panels[selector].setProjector(this.projector);
    }
    this.panels[selector].open();
    this.layout.reveal(this.panels[selector].dialog);
  }

  openMeasures() {
    if (!this.measures) {
      this.measures = new MeasuresWindow(this.core, this.simulator, this.layout.dock, (on) => {
        this.sequences = on;
        this.simulator.setSequences(on);
        this.redrawAll();
        this.keepLink();
      }, () => this.windowShownOrHidden());
      this.measures.setProjector(this.projector);
      this.measures.setSequences(this.sequences);
    }
    this.measures.open();
    this.layout.reveal(this.measures.dialog);
  }

  openWinding() {
    this.winding ??= new WindingWindow(this.core, this.texts, this.simulator, this.layout.dock, () => {
      for (const panel of this.panels) panel?.refresh(); // the clock is back to zero
      this.redrawAll();
      this.keepLink();
    }, () => this.windowShownOrHidden());
    this.winding.open();
    this.layout.reveal(this.winding.dialog);
  }

  resetClock() {
    this.simulator.resetClock();
    this.redrawAll();
    this.keepLink();
  }

  tick() {
    this.simulator.tick();
    this.redrawAll();
    this.simulator.remember(this.pageSetup()); // the ticks a setup taken back comes back to
  }

  // A setup taken back or forward, or the start's, shown as an opened one; it ends a lesson.
  restore(opened) {
    if (!opened) return;
    this.showingOpened = true;
    this.lesson?.hide();
    this.showOpened(opened, () => this.simulator.openSetup(opened.document, false), this.view.size);
  }

  redrawAll() {
    this.view.draw();
    for (const panel of this.panels) panel?.drawPictures();
    this.measures?.refresh();
  }

  // A clock that cannot start (no phase on, a lesson's prediction awaited) says why.
  toggleAnimation() {
    const why = this.simulator.whyStill();
    if (why) {
      this.message.show(why, true);
      return;
    }
    const running = this.simulator.toggleAnimation();
    if (running && !this.timer) this.timer = setInterval(() => this.tick(), this.periodMs);
    if (!running && this.timer) {
      clearInterval(this.timer);
      this.timer = 0;
    }
    this.showAnimationCaption();
    this.keepLink();
  }

  showAnimationCaption() {
    setMnemonicText(this.animationButton, this.captionOfAnimation());
  }

  // What only the page knows of its setup: the pace and the windows shown.
  pageSetup() {
    const shown = (window) => Boolean(window && !window.dialog.hidden);
    return {
      pace: this.periodMs,
      stator: shown(this.panels[0]),
      rotor: shown(this.panels[1]),
      measures: shown(this.measures),
      winding: shown(this.winding),
    };
  }

  // The address always holds the setup shown, replaced so that no history entry piles up.
  // The clock's ticks are left out until it stops: browsers throttle replaceState.
  // While a shipped lesson is shown, the address is the lesson's, for a course page to link;
  // while a course is followed, the course's.
  keepLink() {
    // Each change comes here: the core's history keeps the setup before it.
    if (!this.showingOpened) this.simulator.remember(this.pageSetup());
    const lesson = this.lesson?.id;
    const link = this.course.following() && this.builtInCourse === null ? this.course.link()
      : lesson ? `${LESSON_LINK}${lesson}` : this.simulator.setupLink(this.pageSetup());
    history.replaceState(null, "", `#${link}${this.languageInLink ? `&lang=${this.language}` : ""}`);
  }

  openLink() {
    const link = linkWithoutLanguage();
    if (link.startsWith(LESSON_LINK)) this.openLesson(lessonId(link.slice(LESSON_LINK.length)), true);
    else if (link.startsWith(COURSE_LINK)) this.startCourse(link, true);
    else if (link) this.openSetup(link, true);
  }

  // The page speaks another language at once: it opens again, from its address, in it.
  switchLanguage(code) {
    if (code === this.language) return;
    rememberLanguage(code);
    this.language = code;
    this.languageInLink = true;
    this.keepLink();
    location.reload();
  }

  // Opens a shipped lesson's id, or a lesson file's text: its setup with the clock at zero and
  // stopped, and the lesson window beside the machine. A refusal changes nothing. A lesson
  // opened outside the course followed ends it; `place` is the lesson's in the course.
  openLesson(text, isId, place = null) {
    const size = this.view.size;
    this.lesson ??= new LessonWindow(this.core, this.layout.dock, {
      answered: (seconds) => this.answered(seconds),
      restart: () => this.lessonOpened(),
      shownOrHidden: () => this.windowShownOrHidden(),
      left: (own) => {
        this.showAnnotations(own);
        this.measures?.refresh();
      },
      closed: () => this.course.stop(),
      next: () => this.nextCourseLesson(),
    });
    const opened = this.lesson.open(this.simulator, text, isId, this.view.annotations, place);
    if (opened.error !== undefined) {
      this.message.show(opened.error);
      return;
    }
    if (!place) this.course.stop();
    this.lessonOpened = () => this.openLesson(text, isId, place);
    this.showAnnotations(opened.annotations);
    this.showTeacher();
    this.showOpened(opened, () => this.lesson.run.open(this.simulator, text, isId, this.view.annotations), size);
  }

  // An answer given: logged, told to a platform or an embedding page, counted in the course
  // followed; what the question held back shows at once and the animation runs.
  answered(seconds) {
    const record = this.answers.add(this.simulator, seconds);
    const inCourse = this.course.following();
    if (inCourse) this.course.record(record.right);
    this.platform.answered(record, inCourse, this.lesson.hasChoices);
    this.redrawAll();
    if (!this.simulator.running()) this.toggleAnimation();
  }

  // Follows a course's file, link or built-in document from its first lesson. A refusal
  // changes nothing.
  startCourse(text, isLink) {
    const started = this.course.start(text, isLink);
    if (started.error !== undefined) this.message.show(started.error);
    else this.openCourseLesson();
  }

  openCourseLesson() {
    const place = this.course.current();
    this.openLesson(place.id ?? place.document, place.id !== undefined, place);
  }

  // "Leçon suivante", or after the last lesson "Terminer": the course's end as the core has it.
  nextCourseLesson() {
    if (!this.course.following()) return;
    if (!this.course.current().last) {
      if (this.course.next()) this.openCourseLesson();
      return;
    }
    const end = this.course.end();
    this.course.stop();
    this.lesson.showEnd(end);
    this.platform.ended(end);
    this.keepLink();
  }

  openComposer() {
    this.composer ??= new CourseComposer(this.core, this.texts, this.layout.dock, {
      start: (document) => {
        this.composer.hide();
        this.startCourse(document, false);
      },
      refused: (text) => this.message.show(text),
      accepted: () => this.message.hide(),
      passing: (text) => this.message.show(text, true),
      onShownOrHidden: () => this.windowShownOrHidden(),
    });
    this.composer.open();
    this.layout.reveal(this.composer.dialog);
  }

  // "Vue enseignant" over the lesson shown; never with a course built in.
  showTeacher() {
    if (!this.lesson?.isShown) return;
    this.lesson.setTeacher(this.teacher && this.builtInCourse === null ? this.core.teacherView(this.simulator) : null);
    this.layout.update();
  }

  // Opens a setup's text (a link's when `isLink`): the core sets the state, both panels'
  // models and the clock, stopped; the page sets what it keeps itself. A refusal changes
  // nothing and says why. The windows it opens or closes resize the view, and a trace is
  // laid out for the size it was played at: the core plays it again at the new size.
  openSetup(text, isLink) {
    const opened = this.simulator.openSetup(text, isLink);
    if (opened.error !== undefined) {
      this.message.show(opened.error);
      return;
    }
    this.showingOpened = true;
    this.lesson?.hide(); // a setup of one's own ends the lesson
    this.showOpened(opened, () => this.simulator.openSetup(text, isLink), this.view.size);
  }

  // Sets what the page keeps of an opened setup; `playAgain` plays it at the view's new size
  // when the windows changed it from `size`.
  showOpened(opened, playAgain, size) {
    // Its windows and checks are the setup's, not changes of their own.
    this.showingOpened = true;
    this.message.hide();
    clearInterval(this.timer);
    this.timer = 0;
    this.setPace(opened.pace);
    this.menuBar.mark("pace", (item) => item.argument === opened.pace);
    this.setProjector(opened.projection);
    this.menuBar.mark("projection", () => opened.projection);
    this.sequences = opened.sequences;
    this.measures?.setSequences(opened.sequences);
    [opened.stator, opened.rotor].forEach((shown, selector) => {
      if (shown) this.openPanel(selector);
      else this.panels[selector]?.hide();
    });
    if (opened.measures) this.openMeasures();
    else this.measures?.hide();
    if (opened.winding) this.openWinding();
    else this.winding?.hide();
    this.winding?.refresh();
    if (this.view.size !== size) playAgain();
    for (const panel of this.panels) panel?.refresh();
    this.redrawAll();
    this.showingOpened = false;
    if (opened.running) this.toggleAnimation();
    this.showAnimationCaption();
    this.keepLink();
  }

  async copyLink() {
    this.keepLink();
    if (await copyText(location.href)) this.message.show(this.texts.linkCopied, true);
  }

  // Ctrl+O, Ctrl+S, Ctrl+Z and Ctrl+Shift+Z act on setups rather than the browser's own page;
  // a text field keeps undoing its own typing.
  onShortcut(event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || this.modalShown) return;
    const key = event.key.toUpperCase();
    if (key === "Z" && event.target.closest?.("input, textarea")) return;
    const item = this.shortcuts.get(`Ctrl+${event.shiftKey ? "Shift+" : ""}${key}`);
    if (!item) return;
    event.preventDefault();
    this.menuBar.close();
    this.onMenu(item, false);
  }

  // Space starts and stops the clock, Home puts it back to zero, F11 fills the screen, as on
  // the desktop: from anywhere but a menu, a text field (which types them) or a button or
  // box reached by the keyboard (which Space presses); a slider has no use for Space.
  onClockKey(event) {
    if (event.altKey || event.ctrlKey || event.metaKey || this.modalShown) return;
    const target = event.target;
    const typing = target.matches?.("input:not([type=checkbox], [type=radio], [type=range]), textarea");
    const pressing = this.tabbed && target.matches?.("button, input[type=checkbox], input[type=radio]");
    const keeps = typing || target.closest?.(".menu") || (event.key === " " && pressing) ||
      (target !== document.body && !this.window.contains(target));
    if (event.key === "F11") {
      if (document.fullscreenElement) document.exitFullscreen();
      else document.documentElement.requestFullscreen?.();
    } else if (keeps) return;
    else if (event.key === " ") {
      this.spaceTaken = true;
      this.toggleAnimation();
    } else if (event.key === "Home" && !target.matches?.("input[type=range]")) this.resetClock();
    else return;
    event.preventDefault();
  }

  // Alt + an underlined letter: a command-bar button, else a menu.
  onAltKey(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || this.modalShown) return;
    const key = event.key.toLowerCase();
    const button = [this.resetButton, this.animationButton].find(
      (b) => mnemonicKey(b === this.resetButton ? this.texts.reset : this.captionOfAnimation()) === key);
    if (button) button.click();
    else if (!this.menuBar.handleAltKey(event)) return;
    event.preventDefault();
  }

  get modalShown() {
    return this.about.isShown || this.animationExport.isShown;
  }

  captionOfAnimation() {
    return this.simulator.running() ? this.texts.stop : this.texts.animation;
  }
}
