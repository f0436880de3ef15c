// Courses in the page: the SCORM package vireflu-render makes, launched by a platform's SCORM
// 1.2 run-time (scorm-again) in a host page, reports each answer and the score and finishes;
// the page that embeds it hears the same; a hostile course link or stored log is refused in
// one sentence and changes nothing; "Mes réponses" exports a row per answer.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { launch, menu, open, render } from "./browser.mjs";

let browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// The entries of a zip of stored files, as the core writes them: name → bytes.
function storedEntries(zip) {
  const entries = new Map();
  for (let at = 0; zip.readUInt32LE(at) === 0x04034b50;) {
    assert.equal(zip.readUInt16LE(at + 8), 0, "stored, uncompressed");
    const [size, nameLength] = [zip.readUInt32LE(at + 18), zip.readUInt16LE(at + 26)];
    const start = at + 30 + nameLength + zip.readUInt16LE(at + 28);
    entries.set(zip.toString("utf8", at + 30, at + 30 + nameLength), zip.subarray(start, start + size));
    at = start + size;
  }
  return entries;
}

const timespan = /^\d{2,4}:\d\d:\d\d(\.\d\d?)?$/; // SCORM 1.2's CMITimespan
const teacherView = (page) => page.getByRole("menuitemcheckbox", { name: "Vue enseignant" });
const expected = async (page) => (await page.textContent("#lecon .expected")).replace("Réponse attendue : ", "");

test("a SCORM package reports two answers, the score and the end to its platform and its embedding page", async () => {
  // The teacher's view tells the right choices; it shows nothing until asked for.
  const teacher = await open(browser, { hash: "#lesson=trois-phases" });
  assert.ok(await teacher.isHidden("#lecon .teacher"));
  await teacher.getByRole("menubar").getByRole("menuitem", { name: "Leçons" }).click();
  await teacherView(teacher).click();
  const right = await expected(teacher);
  await menu(teacher, "Leçons", "Le glissement");
  const slip = await expected(teacher);
  const wrong = (await teacher.locator("#lecon .choices button").allTextContents()).find((c) => c !== slip);
  await teacher.close();

  const zip = join(mkdtempSync(join(tmpdir(), "vireflu-course-")), "course.zip");
  render("--scorm", zip, "--course", "trois-phases,glissement");
  const entries = storedEntries(readFileSync(zip));
  const manifest = entries.get("imsmanifest.xml").toString();
  assert.match(manifest, /<schemaversion>1\.2<\/schemaversion>/);
  assert.equal(manifest.match(/<organization\s/g).length, 1);
  const items = [...manifest.matchAll(/<item\s[^>]*identifierref="([^"]+)"/g)];
  const resources = [...manifest.matchAll(/<resource\s([^>]*)>/g)];
  assert.equal(items.length, 1);
  assert.equal(resources.length, 1);
  assert.match(resources[0][1], new RegExp(`identifier="${items[0][1]}"`));
  assert.match(resources[0][1], /adlcp:scormtype="sco"/);
  assert.match(resources[0][1], /href="vireflu\.html"/);
  for (const name of entries.keys())
    if (name !== "imsmanifest.xml") assert.ok(manifest.includes(`<file href="${name}"/>`), name);

  // A platform serves the package under the page that holds the run-time.
  const host = `<!DOCTYPE html><html><head><script src="/scorm12.js"></script><script>
    window.API = new Scorm12API({ logLevel: 5 });
    window.messages = [];
    addEventListener("message", (e) => messages.push(e.data));
    </script></head><body style="margin: 0"><iframe src="/package/vireflu.html" title="Vireflu"
    style="border: 0; width: 100vw; height: 100vh"></iframe></body></html>`;
  const runtime = readFileSync(new URL("../../node_modules/scorm-again/dist/scorm12.js", import.meta.url));
  const server = createServer((request, response) => {
    const file = request.url === "/" ? host : request.url === "/scorm12.js" ? runtime
      : entries.get(request.url.replace("/package/", ""));
    response.writeHead(file ? 200 : 404, { "content-type": request.url.endsWith(".js") ? "text/javascript" : "text/html" });
    response.end(file);
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  const page = await browser.newPage({ viewport: { width: 1366, height: 768 }, locale: "fr-FR" });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  const frame = page.frameLocator("iframe");
  await frame.locator("#lecon:not([hidden])").waitFor();
  assert.equal(await frame.locator("#lecon .course").textContent(), "Parcours Vireflu · Leçon 1 sur 2");
  // The students' page: no teacher's view, no composer.
  assert.equal(await frame.locator(".menu-items button", { hasText: /Vue enseignant|Composer/ }).count(), 0);
  await frame.getByRole("button", { name: right, exact: true }).click();
  await frame.getByRole("button", { name: "Leçon suivante" }).click();
  assert.equal(await frame.locator("#lecon .course").textContent(), "Parcours Vireflu · Leçon 2 sur 2");
  await frame.getByRole("button", { name: wrong, exact: true }).click();
  await frame.getByRole("button", { name: "Terminer" }).click();
  assert.equal(await frame.locator("#lecon .course-heading").textContent(), "Parcours terminé : Parcours Vireflu");
  assert.match(await frame.locator("#lecon .course-end").textContent(), /Bonnes réponses : 1 sur 2 \(50 %\)\./);

  const kept = await page.evaluate(() => ({ cmi: API.renderCommitCMI(true).cmi, finished: API.isTerminated() }));
  assert.ok(kept.finished, "LMSFinish called");
  assert.equal(kept.cmi.core.score.raw, "50");
  assert.deepEqual([kept.cmi.core.score.min, kept.cmi.core.score.max], ["0", "100"]);
  assert.match(kept.cmi.core.lesson_status, /^(passed|failed|completed)$/);
  assert.match(kept.cmi.core.session_time, timespan);
  const interactions = Object.values(kept.cmi.interactions);
  assert.deepEqual(interactions.map((i) => [i.id, i.type, i.result]),
    [["trois-phases", "choice", "correct"], ["glissement", "choice", "wrong"]]);
  for (const i of interactions) {
    assert.match(i.student_response, /^[a-d]$/);
    assert.match(i.latency, timespan);
  }
  const messages = await page.evaluate(() => messages.filter((m) => m.source === "vireflu"));
  assert.deepEqual(messages.map((m) => [m.type, m.right]), [["answer", true], ["answer", false], ["course-end", 1]]);
  assert.deepEqual(messages[2].outcomes, [{ lesson: "trois-phases", right: true }, { lesson: "glissement", right: false }]);
  assert.equal(messages[2].percent, 50);
  await page.close();
  server.close();
});

const base64url = (text) => Buffer.from(text).toString("base64url");
const hostileLog = '{"vireflu-answers": 1, "answers": [{"lesson": "<img src=x onerror=alert(1)>", "title": "t", ' +
  '"kind": "choice", "answer": "", "response": "a", "right": true, "seconds": 1, "at": "2026-01-01T00:00:00Z"}]}';

test("a hostile course link or stored log is refused in one sentence; Mes réponses exports a row per answer", async () => {
  for (const [hash, sentence] of [
    ["#course=!!", /^Ce lien ne contient pas de parcours Vireflu\.$/],
    [`#course=${base64url('{"vireflu-course": 1, "title": "x", "lessons": ["<img src=x onerror=alert(1)>"]}')}`,
      /^Ce parcours ne peut pas être ouvert\. .*lessons\[0\]/],
  ]) {
    const page = await open(browser, { hash });
    assert.match(await page.textContent("#message-text"), sentence);
    assert.equal(await page.locator("#message img").count(), 0, "text, not markup");
    assert.ok(await page.isHidden("#lecon"));
    assert.deepEqual(page.errors, []);
    await page.close();
  }

  const page = await open(browser, { hash: "#lesson=trois-phases" });
  await page.evaluate((log) => localStorage.setItem("vireflu-answers", log), hostileLog);
  await page.reload();
  await page.locator("#lecon:not([hidden])").waitFor();
  await page.locator("#lecon .choices button").first().click();
  assert.equal(await page.evaluate(() => localStorage.getItem("vireflu-answers")), hostileLog, "nothing overwritten");
  await menu(page, "Leçons", "Mes réponses");
  assert.match(await page.textContent("#reponses .answers-note"), /^Ce journal de réponses ne peut pas être lu\. .*answers\[0\]\.lesson/);
  assert.equal(await page.locator("#reponses tbody tr").count(), 1, "this visit's answer");
  page.once("dialog", (dialog) => dialog.accept());
  await page.getByRole("button", { name: "Effacer" }).click();
  assert.equal(await page.evaluate(() => localStorage.getItem("vireflu-answers")), null);
  assert.ok(await page.isHidden("#reponses table"));

  for (const lesson of ["Trois phases", "Le glissement"]) {
    await menu(page, "Leçons", lesson);
    await page.locator("#lecon .show").click();
  }
  const exporting = page.waitForEvent("download");
  await page.getByRole("button", { name: "Exporter en CSV" }).click();
  const csv = await exporting;
  assert.equal(csv.suggestedFilename(), "reponses.csv");
  const rows = readFileSync(await csv.path(), "utf8").trimEnd().split("\r\n");
  assert.equal(rows.length, 3);
  assert.match(rows[1], /,trois-phases,Trois phases,shown,/);
  const saving = page.waitForEvent("download");
  await page.getByRole("button", { name: "Exporter en JSON" }).click();
  assert.equal(readFileSync(await (await saving).path(), "utf8"), await page.evaluate(() => localStorage.getItem("vireflu-answers")));
  assert.deepEqual(page.errors, []);
  await page.close();
});
