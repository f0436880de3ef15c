// The page's language. Its texts come from the catalogue of the desktop's translation files
// (scripts/page_catalogue.py), inlined in the page: the core translates what it hands over,
// the page sets its language and direction. French, in which the texts are written, is the
// default.
const STORED = "vireflu-language";
const CATALOGUE = JSON.parse(document.getElementById("catalogue")?.textContent || "{}");

// The address's own `lang=`, beside a setup or a lesson: "#setup=...&lang=de"; the last
// where a pasted link holds several.
export function linkLanguage() {
  return new URLSearchParams(location.hash.slice(1)).getAll("lang").at(-1) ?? null;
}

// The link's language, else the one chosen in "Langue" before, else the browser's preferred
// languages in order; the core takes the first it speaks.
export function chooseLanguage(core) {
  let stored = null;
  try {
    stored = localStorage.getItem(STORED);
  } catch {
    // A page whose storage is off still starts, in the browser's language.
  }
  return core.chooseLanguage([linkLanguage(), stored, ...navigator.languages].filter(Boolean));
}

export function rememberLanguage(code) {
  try {
    localStorage.setItem(STORED, code);
  } catch {
    // Remembered for this visit only, by the address.
  }
}

// Speaks `code` from now on: the core's texts, <html lang>, and right to left where the
// language reads so (the machine's pictures are drawn as they are, never mirrored).
export function speak(core, code) {
  core.speak(code, CATALOGUE[code]);
  const language = core.languages().find((l) => l.code === code);
  document.documentElement.lang = code;
  document.documentElement.dir = language?.rightToLeft ? "rtl" : "ltr";
}
