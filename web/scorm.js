// What the page tells whoever launched it: a learning platform's SCORM 1.2 run-time when one
// is found, and the page that embeds it through messages (docs/course-files.md). Without
// either, nothing changes. The core has scored the course; this only passes it on.

const API_LEVELS = 7; // parents searched for the run-time, as SCORM 1.2's discovery does

// The run-time's API object in `start` or one of its parents. A frame of another origin
// throws when read: it has no API for us, though its parent may.
function apiAbove(start) {
  let frame = start;
  for (let level = 0; level <= API_LEVELS; ++level) {
    try {
      if (frame.API) return frame.API;
    } catch {
      // Not ours to read.
    }
    let parent = null;
    try {
      parent = frame.parent;
    } catch {
      return null;
    }
    if (!parent || parent === frame) return null;
    frame = parent;
  }
  return null;
}

function findScormApi() {
  let opener = null;
  try {
    opener = window.opener;
  } catch {
    // An opener of another origin.
  }
  return apiAbove(window) ?? (opener ? apiAbove(opener) : null);
}

// SCORM 1.2's CMITimespan, "HHHH:MM:SS.SS".
function timespan(seconds) {
  const hundredths = Math.min(Math.round(Math.max(0, seconds) * 100), 9999 * 360000 + 359999);
  const two = (n) => String(n).padStart(2, "0");
  return `${String(Math.floor(hundredths / 360000)).padStart(4, "0")}:${two(Math.floor(hundredths / 6000) % 60)}:` +
    `${two(Math.floor(hundredths / 100) % 60)}.${two(hundredths % 100)}`;
}

export class LearningPlatform {
  constructor() {
    this.api = findScormApi();
    this.started = performance.now();
    this.finished = false;
    if (this.api && this.call("LMSInitialize", "") !== "true") this.api = null;
    // A platform that kept interactions from an earlier session goes on after them.
    const kept = this.api ? Number.parseInt(this.call("LMSGetValue", "cmi.interactions._count"), 10) : 0;
    this.interactions = Number.isInteger(kept) && kept > 0 ? kept : 0;
    window.addEventListener("pagehide", () => this.finish());
  }

  // Each call guarded: a run-time may throw, or answer with a boolean rather than "true".
  call(name, ...args) {
    try {
      return String(this.api[name](...args));
    } catch {
      return "false";
    }
  }

  set(element, value) {
    this.call("LMSSetValue", element, String(value));
  }

  // Every answer goes to an embedding page; one given in a course is an interaction too,
  // committed at once so that a tab closed loses none. "Montrer" is of the lesson's type.
  answered(record, inCourse, hasChoices) {
    tellEmbedder({ type: "answer", ...record });
    if (!this.api || this.finished || !inCourse) return;
    const n = `cmi.interactions.${this.interactions++}`;
    this.set(`${n}.id`, record.lesson.replace(/\s/g, "-"));
    const choice = record.kind === "choice" || (record.kind === "shown" && hasChoices);
    this.set(`${n}.type`, choice ? "choice" : "numeric");
    if (record.response) this.set(`${n}.student_response`, record.response);
    this.set(`${n}.result`, record.right ? "correct" : "wrong");
    this.set(`${n}.latency`, timespan(record.seconds));
    this.call("LMSCommit", "");
  }

  // "Terminer": the score and status the core gave, then the session ends.
  ended(end) {
    tellEmbedder({ type: "course-end", title: end.title, right: end.right, lessons: end.lessons,
      percent: end.percent, status: end.status, outcomes: end.results });
    if (!this.api || this.finished) return;
    this.set("cmi.core.score.raw", end.percent);
    this.set("cmi.core.score.min", 0);
    this.set("cmi.core.score.max", 100);
    this.set("cmi.core.lesson_status", end.status);
    this.finish();
  }

  finish() {
    if (!this.api || this.finished) return;
    this.finished = true;
    this.set("cmi.core.session_time", timespan((performance.now() - this.started) / 1000));
    this.call("LMSCommit", "");
    this.call("LMSFinish", "");
  }
}

// A message to the page that embeds this one, if any. It holds only what the student did,
// so any origin may read it.
function tellEmbedder(message) {
  if (window.parent === window) return;
  try {
    window.parent.postMessage({ source: "vireflu", ...message }, "*");
  } catch {
    // A parent gone away.
  }
}
