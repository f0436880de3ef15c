// Starts the page: the core's WebAssembly module, then the main window.
import { App } from "./app.js";

if (typeof WebAssembly !== "object") {
  document.getElementById("no-wasm").hidden = false;
} else {
  // createVireflu is the compiled core's module factory, loaded by the script before this
  // one. The app stays reachable from the console, the browser tests and the benchmark.
  window.vireflu = new App(await createVireflu());
}
