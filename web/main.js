// Starts the page: the core's WebAssembly module, then the main window.
import { App } from "./app.js";
import { chooseLanguage, speak } from "./i18n.js";

if (typeof WebAssembly !== "object") {
  document.getElementById("no-wasm").hidden = false;
} else {
  // createVireflu is the compiled core's module factory, loaded by the script before this
  // one. The app stays reachable from the console, the browser tests and the benchmark.
  const core = await createVireflu();
  speak(core, chooseLanguage(core));
  window.vireflu = new App(core);
}
