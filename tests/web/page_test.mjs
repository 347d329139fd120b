// SPDX-License-Identifier: MIT
// The page for the web, tested in headless Chromium: served from the built
// folder on 127.0.0.1 and driven over the DevTools protocol on a pipe, with
// nothing but node's own modules.
//
//   node page_test.mjs first_frame|caption|keys|error|missing_wasm|from_file|requests|open_level|level_link|walk
//                      |angle_tables|edit
//
// SITE names the folder to serve; RENDER_REFERENCE the native build's
// reference renderer (tests/e2e/render_reference), which says whether a
// picture of the canvas is a view the program's own renderer draws;
// TABLES_SITE and NATIVE_TABLES the folder of the angle tables' page and the
// native program that prints them.
// Pictures and logs go into a fresh folder, kept when the test fails.

import { execFileSync, spawn } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";

const SITE = path.resolve(process.env.SITE ?? fail("SITE must name the folder to serve"));
const RENDER_REFERENCE = process.env.RENDER_REFERENCE ?? "";
const CHROMIUM = process.env.CHROMIUM ?? "/usr/bin/chromium";
const WORK = fs.mkdtempSync(path.join(process.env.TMPDIR ?? os.tmpdir(), "quentavox-web."));
// The browser's key codes of the arrows, sent with their key events.
const UP = 38;
const RIGHT = 39;
// What a player downloads at most, compressed as servers send it: some
// 363 KB with walks, the map and its editor, and room for a little more.
const MOST_GZIPPED_BYTES = 400 * 1024;
// Ticks of one key hold that the reference tool searches: 24 s of holding.
const MAX_TICKS = 3000;
// The render box in the client area, centred as the program places it.
const BOX = ["12", "12"];

function fail(message) {
    throw new Error(message);
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function waitUntil(seconds, what, check) {
    const deadline = Date.now() + seconds * 1000;
    for (;;) {
        const result = await check();
        if (result) return result;
        if (Date.now() > deadline) fail(`${what} within ${seconds} s`);
        await sleep(100);
    }
}

// The folder, as any static server would serve it. `missing` names files
// that answer 404, as on a site where they were never uploaded.
function serve(folder, missing = []) {
    const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm" };
    const served = [];
    const server = http.createServer((request, response) => {
        let name = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
        served.push(name);
        if (name.endsWith("/")) name += "index.html";
        const file = path.join(folder, path.normalize(name));
        fs.readFile(file, (error, data) => {
            if (error || !file.startsWith(folder + path.sep) || missing.includes(path.basename(file))) {
                response.writeHead(404).end();
                return;
            }
            const type = types[path.extname(file)] ?? "application/octet-stream";
            response.writeHead(200, { "Content-Type": type, "Cache-Control": "no-store" }).end(data);
        });
    });
    return new Promise((resolve) => {
        server.listen(0, "127.0.0.1", () => resolve({ server, origin: `http://127.0.0.1:${server.address().port}`, served }));
    });
}

// Headless Chromium with a profile of its own, speaking the DevTools
// protocol on fds 3 (commands in) and 4 (answers and events out), each
// message ending in a NUL byte.
class Chromium {
    constructor() {
        const profile = fs.mkdtempSync(path.join(WORK, "profile."));
        this.process = spawn(CHROMIUM, [
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--disable-dev-shm-usage", `--user-data-dir=${profile}`, "--remote-debugging-pipe",
            "--window-size=1024,768", "about:blank",
        ], { stdio: ["ignore", "ignore", fs.openSync(path.join(WORK, "chromium.log"), "w"), "pipe", "pipe"] });
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        let buffer = Buffer.alloc(0);
        this.process.stdio[4].on("data", (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            for (let end; (end = buffer.indexOf(0)) >= 0; buffer = buffer.subarray(end + 1)) {
                const message = JSON.parse(buffer.subarray(0, end).toString());
                const call = this.pending.get(message.id);
                this.pending.delete(message.id);
                if (!call) this.listeners.forEach((listener) => listener(message));
                else if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
                else call.resolve(message.result);
            }
        });
        this.exited = new Promise((resolve) => this.process.on("exit", resolve));
    }

    send(method, params = {}, sessionId = undefined) {
        const id = this.nextId++;
        this.process.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + "\0");
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
    }

    async close() {
        this.send("Browser.close").catch(() => {});
        const timer = setTimeout(() => this.process.kill("SIGKILL"), 5000);
        await this.exited;
        clearTimeout(timer);
    }
}

// What the page does, recorded from before its first script runs: each
// caption, the first frames the program puts on the canvas, the keys, what
// the page's content policy blocked (a fetch from elsewhere among them,
// which then never shows as a request), and what the program told the page
// of each level.
const RECORDER = `(() => {
    const seen = window.__seen = { titles: [], frames: [], keys: [], blocked: [], levels: [] };
    document.addEventListener("securitypolicyviolation", (event) => seen.blocked.push(event.blockedURI));
    window.addEventListener("quentavoxlevel", (event) => seen.levels.push(event.detail));
    new MutationObserver(() => {
        if (seen.titles[seen.titles.length - 1] !== document.title) seen.titles.push(document.title);
    }).observe(document, { childList: true, characterData: true, subtree: true });
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
        if (seen.frames.length < 2) seen.frames.push({ at: performance.now(), width: image.width, height: image.height, data: image.data.slice() });
        return put.call(this, image, ...rest);
    };
    for (const type of ["keydown", "keyup"]) {
        window.addEventListener(type, (event) => seen.keys.push({
            type, key: event.key, at: event.timeStamp, prevented: event.defaultPrevented, target: event.target.id }));
    }
})();`;

class Page {
    constructor(browser, sessionId, origin) {
        Object.assign(this, { browser, sessionId, origin, requests: [], errors: [], console: [], dialogs: [] });
        browser.listeners.push(({ method, params, sessionId: from }) => {
            if (from !== sessionId) return;
            if (method === "Network.requestWillBeSent") this.requests.push(params.request.url);
            if (method === "Runtime.exceptionThrown") this.errors.push(params.exceptionDetails.exception?.description ?? params.exceptionDetails.text);
            if (method === "Runtime.consoleAPICalled") this.console.push(params.args.map((arg) => arg.value ?? arg.description).join(" "));
            if (method === "Page.javascriptDialogOpening") {
                this.dialogs.push(params.message);
                this.send("Page.handleJavaScriptDialog", { accept: true }).catch(() => {});
            }
        });
    }

    static async open(browser, origin, setup = "", url = `${origin}/`) {
        const { targetId } = await browser.send("Target.createTarget", { url: "about:blank" });
        const { sessionId } = await browser.send("Target.attachToTarget", { targetId, flatten: true });
        const page = new Page(browser, sessionId, origin);
        for (const domain of ["Page", "Runtime", "Network"]) await page.send(`${domain}.enable`);
        // A headless page never has the focus of a window on a desktop;
        // without it nothing on the page takes the keyboard focus.
        await page.send("Emulation.setFocusEmulationEnabled", { enabled: true });
        await page.send("Page.addScriptToEvaluateOnNewDocument", { source: RECORDER + setup });
        await page.send("Page.navigate", { url });
        return page;
    }

    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }

    async evaluate(expression) {
        const { result, exceptionDetails } = await this.send("Runtime.evaluate", { expression, returnByValue: true, awaitPromise: true });
        if (exceptionDetails) fail(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
        return result.value;
    }

    // The canvas as it shows now, or the first frame the program drew, as
    // RGBA bytes carried out of the page in base64.
    async pixels(which = "current") {
        const image = which === "first" ? "window.__seen.frames[0]"
            : "(c => c.getContext('2d').getImageData(0, 0, c.width, c.height))(document.getElementById('canvas'))";
        const { width, height, data } = await this.evaluate(`(() => { const image = ${image}; let text = "";
            for (let i = 0; i < image.data.length; i += 0x8000) text += String.fromCharCode(...image.data.subarray(i, i + 0x8000));
            return { width: image.width, height: image.height, data: btoa(text) }; })()`);
        return { width, height, data: Buffer.from(data, "base64") };
    }

    // The error the page shows, once it shows one, which must match `expected`.
    async shownError(expected) {
        const shown = await waitUntil(60, "no error shown on the page",
            () => this.evaluate("(e => e && !e.hidden && e.textContent)(document.getElementById('error'))"));
        console.log(`shown: ${shown}`);
        if (!expected.test(shown)) fail(`unexpected error shown: ${shown}`);
    }

    async firstFrame() {
        await waitUntil(60, "no frame was drawn", () => this.evaluate("window.__seen.frames.length > 0"));
        return this.pixels("first");
    }

    async centre(selector) {
        return this.evaluate(`(r => ({ x: r.left + r.width / 2, y: r.top + r.height / 2 }))(
            document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect())`);
    }

    async click(selector) {
        const { x, y } = await this.centre(selector);
        for (const type of ["mousePressed", "mouseReleased"]) await this.send("Input.dispatchMouseEvent", { type, x, y, button: "left", clickCount: 1 });
    }

    async key(type, name, code) {
        await this.send("Input.dispatchKeyEvent", { type, key: name, code: name, windowsVirtualKeyCode: code, nativeVirtualKeyCode: code });
    }

    async hold(name, code, ms) {
        await this.key("rawKeyDown", name, code);
        await sleep(ms);
        await this.key("keyUp", name, code);
    }

    // Waits until two pictures of the canvas half a second apart are the same.
    async stillFrame() {
        let earlier = await this.pixels();
        return waitUntil(30, "the view kept changing", async () => {
            await sleep(500);
            const later = await this.pixels();
            const same = later.data.equals(earlier.data);
            earlier = later;
            return same && later;
        });
    }

    // What the page shows of the level, the status beside its buttons and
    // the refusal, once `check` holds for them. Null until the page has
    // replaced the blank one it opened in.
    async level(what, check) {
        return waitUntil(60, what, async () => {
            const shown = await this.evaluate(`(status => status && { status: status.textContent,
                refusal: (e => e.hidden ? "" : e.textContent)(document.getElementById("refusal")),
                error: (e => e.hidden ? "" : e.textContent)(document.getElementById("error")) })(document.getElementById("level-status"))`);
            if (shown?.error) fail(`the program stopped: ${shown.error}`);
            return shown && check(shown) && shown;
        });
    }

    // A picture chosen with "Open level…", as the file chooser gives it.
    async chooseFile(file) {
        await this.click("#open");
        const { result } = await this.send("Runtime.evaluate", { expression: "document.getElementById('file')" });
        await this.send("DOM.setFileInputFiles", { files: [file], objectId: result.objectId });
    }

    // A file dragged from the desktop and dropped on the canvas.
    async dropFile(file) {
        const { x, y } = await this.centre("#canvas");
        for (const type of ["dragEnter", "dragOver", "drop"]) {
            await this.send("Input.dispatchDragEvent", { type, x, y, data: { items: [], files: [file], dragOperationsMask: 1 } });
        }
    }

    // The link "Copy link" puts into the clipboard.
    async copiedLink() {
        await this.evaluate("navigator.clipboard.writeText('')");
        await this.click("#copy");
        await this.level("the link was not copied", (shown) => shown.status === "Link copied.");
        return this.evaluate("navigator.clipboard.readText()");
    }

    // Everything the page asked for came from its own server.
    async checkRequests() {
        const blocked = await this.evaluate("window.__seen.blocked");
        if (blocked.length) fail(`the page tried to fetch what its policy blocks: ${blocked.join(" ")}`);
        const foreign = this.requests.filter((url) => !url.startsWith(`${this.origin}/`) && !url.startsWith("data:"));
        if (foreign.length) fail(`the page fetched from elsewhere: ${foreign.join(" ")}`);
        if (this.dialogs.length) fail(`the page opened a dialog: ${this.dialogs.join(" | ")}`);
    }
}

// A 24-bit BMP, bottom row first, which the reference tool reads.
function writeBmp(name, { width, height, data }) {
    const row = Math.ceil((width * 3) / 4) * 4;
    const bmp = Buffer.alloc(54 + row * height);
    bmp.write("BM", 0);
    [[2, bmp.length], [10, 54], [14, 40], [18, width], [22, height], [34, row * height]].forEach(([at, value]) => bmp.writeUInt32LE(value, at));
    bmp.writeUInt16LE(1, 26);
    bmp.writeUInt16LE(24, 28);
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const from = (y * width + x) * 4;
            bmp.set([data[from + 2], data[from + 1], data[from]], 54 + (height - 1 - y) * row + x * 3);
        }
    }
    const file = path.join(WORK, name);
    fs.writeFileSync(file, bmp);
    return file;
}

// The level picture the program is built from, some cells painted over in
// other colours, [x, y, [red, green, blue]], as a file in WORK.
const LEVEL = new URL("../fixtures/map.bmp", import.meta.url);
function paintedLevel(name, cells) {
    const bmp = fs.readFileSync(LEVEL);
    for (const [x, y, [red, green, blue]] of cells) bmp.set([blue, green, red], 54 + (63 - y) * 64 * 3 + x * 3);
    const file = path.join(WORK, name);
    fs.writeFileSync(file, bmp);
    return file;
}
// A wall just ahead of the start, where the player looks.
const wallAhead = (name = "wall ahead.bmp") => paintedLevel(name, [[2, 4, [0, 255, 0]]]);

// Runs the reference tool; its line on a match, or the failure with its line.
function reference(...args) {
    if (!RENDER_REFERENCE) fail("RENDER_REFERENCE must name the native reference renderer");
    try {
        return execFileSync(RENDER_REFERENCE, args, { encoding: "utf8" }).trim();
    } catch (error) {
        fail(`${args.join(" ")}: ${(error.stdout || error.message).trim()}`);
    }
}

const scenarios = {
    // The first frame on the canvas is, over the whole client area, the
    // window the native program paints for the start position; the canvas is
    // shown at the largest whole scale that fits the page, unsmoothed.
    async first_frame(page) {
        const first = await page.firstFrame();
        if (`${first.width} x ${first.height}` !== "339 x 259") fail(`the client area is ${first.width} x ${first.height}, not 339 x 259`);
        console.log(`first frame ${Math.round(await page.evaluate("window.__seen.frames[0].at"))} ms after the page began to load`);
        console.log(reference("--window", writeBmp("first.bmp", first), ...BOX));

        const layout = await page.evaluate(`(() => { const c = document.getElementById('canvas'), s = document.getElementById('stage');
            const r = c.getBoundingClientRect(), ratio = window.devicePixelRatio;
            return { scale: r.width * ratio / c.width, high: r.height * ratio / c.height, room: [s.clientWidth * ratio, s.clientHeight * ratio],
                     size: [c.width, c.height], rendering: getComputedStyle(c).imageRendering }; })()`);
        console.log(`shown at scale ${layout.scale} in ${layout.room.join(" x ")} pixels`);
        const next = layout.scale + 1;
        if (!Number.isInteger(layout.scale) || layout.high !== layout.scale || layout.scale < 1) fail(`not a whole scale: ${JSON.stringify(layout)}`);
        if (next * layout.size[0] <= layout.room[0] && next * layout.size[1] <= layout.room[1]) fail(`scale ${next} would fit too`);
        if (layout.rendering !== "pixelated") fail(`the canvas is drawn ${layout.rendering}`);
    },

    // The page's title, shown above the canvas too, is the window caption:
    // "Quentavox", then "Quentavox - 1fps" from the first pass, then a frame
    // rate about once a second.
    async caption(page) {
        await waitUntil(60, "fewer than four captions", () => page.evaluate("window.__seen.titles.length >= 4"));
        const titles = await page.evaluate("window.__seen.titles");
        console.log(`captions seen: ${titles.join(" | ")}`);
        if (titles[0] !== "Quentavox") fail(`the page was not titled "Quentavox" first`);
        if (titles[1] !== "Quentavox - 1fps") fail(`the first pass did not write "Quentavox - 1fps"`);
        for (const title of titles.slice(1)) {
            const rate = /^Quentavox - (\d+)fps$/.exec(title);
            if (!rate || rate[1] < 1 || rate[1] > 200) fail(`malformed or implausible caption "${title}"`);
        }
        const [title, shown] = await page.evaluate("[document.title, document.getElementById('caption').textContent]");
        if (shown !== title) fail(`above the canvas "${shown}", but the title is "${title}"`);
    },

    // Keys reach the game only while the canvas has the focus, which one
    // click gives it; arrows do not scroll the page. Holding up walks and
    // holding right turns, and each still frame afterwards is exactly a view
    // reachable by holding those keys from the start.
    async keys(page) {
        const start = await page.firstFrame();
        await page.stillFrame();
        await page.evaluate("document.activeElement.blur()");
        await page.hold("ArrowUp", UP, 300);
        await sleep(300);
        if (!(await page.pixels()).data.equals(start.data)) fail("a key reached the game while the canvas had no focus");

        await page.click("#canvas");
        if (!(await page.evaluate("document.activeElement.id === 'canvas'"))) fail("a click did not give the canvas the focus");
        await page.hold("ArrowUp", UP, 1500);
        const walked = reference(writeBmp("walked.bmp", await page.stillFrame()), ...BOX, `Up:${MAX_TICKS}`);
        console.log(`after holding up for 1.5 s: ${walked}`);
        if (walked.startsWith("0 ticks")) fail("holding up did not walk");

        await page.hold("ArrowRight", RIGHT, 1500);
        const turned = reference(writeBmp("turned.bmp", await page.stillFrame()), ...BOX, `Up:${walked.split(" ")[0]}`, `Right:${MAX_TICKS}`);
        console.log(`after holding right for 1.5 s: ${turned}`);
        if (turned.startsWith("0 ticks")) fail("holding right did not turn");

        // A key still held when the canvas loses the focus is let go, as on
        // the desktop when the window loses it; otherwise it would turn on
        // for good, its release going elsewhere.
        await page.key("rawKeyDown", "ArrowRight", RIGHT);
        await sleep(300);
        await page.evaluate("document.getElementById('canvas').blur()");
        await page.stillFrame();
        await page.key("keyUp", "ArrowRight", RIGHT);

        const keys = await page.evaluate("window.__seen.keys");
        const scrolling = keys.filter((key) => key.type === "keydown" && key.target === "canvas" && !key.prevented);
        if (scrolling.length) fail(`arrow keys were left to scroll the page: ${JSON.stringify(scrolling)}`);
        if (await page.evaluate("window.scrollY") !== 0) fail("the page scrolled");
    },

    // A run-time error shows on the page, as the line the program writes to
    // stderr, and no dialog blocks the page. SDL is given a video driver
    // that does not exist, so the window cannot be opened.
    async error(page) {
        await page.shownError(/^Quentavox: run-time error: cannot open the window/);
        const hint = await page.evaluate("document.getElementById('hint').textContent");
        if (!/stopped/.test(hint)) fail(`the page still says "${hint}"`);
    },

    // A page whose .wasm is missing on the server says so on the page.
    async missing_wasm(page) {
        await page.shownError(/^Quentavox stopped: /);
    },

    // Opened as a file, where browsers do not fetch the .wasm, the page says
    // that it must be served.
    async from_file(page) {
        await page.shownError(/must be opened from a web server/);
        if (page.requests.some((url) => url.endsWith(".wasm"))) fail("the page asked for the .wasm");
    },

    // The page, its script, the program and its .wasm are all it fetches,
    // from its own server, while it starts and runs, under a policy that
    // runs no script written into the page; the program is small to download.
    async requests(page, served) {
        await page.firstFrame();
        await sleep(2000);
        const names = [...new Set(served)].sort();
        console.log(`served: ${names.join(" ")}`);
        if (names.join(" ") !== "/ /page.js /quentavox.js /quentavox.wasm") fail(`the page asked for ${names.join(" ")}`);
        const policy = await page.evaluate("document.querySelector('meta[http-equiv=Content-Security-Policy]').content");
        if (/script-src[^;]*'unsafe-inline'/.test(policy)) fail(`the page's policy lets scripts in the page run: ${policy}`);

        const gzipped = ["quentavox.js", "quentavox.wasm"].map((name) => zlib.gzipSync(fs.readFileSync(path.join(SITE, name)), { level: 9 }).length);
        const total = gzipped[0] + gzipped[1];
        console.log(`gzipped: quentavox.js ${gzipped[0]} + quentavox.wasm ${gzipped[1]} = ${total} bytes`);
        if (total > MOST_GZIPPED_BYTES) fail(`${total} bytes gzipped, more than ${MOST_GZIPPED_BYTES}`);
    },

    // A picture opened with the button becomes the level: the view is that
    // level's from where the player stood. One dropped on the page that
    // breaks the rules is refused in the program's own lines and changes
    // nothing; the game goes on. So are levels opened faster than the
    // program can take them, past the eighth.
    async open_level(page) {
        await page.firstFrame();
        const good = wallAhead();
        await page.chooseFile(good);
        await page.level("the good picture was not taken", (shown) => shown.status === "Playing wall ahead.bmp.");
        const taken = await page.stillFrame();
        console.log(reference("--level", good, "--window", writeBmp("taken.bmp", taken), ...BOX));

        const bad = paintedLevel("bad.bmp", [[0, 10, [0, 0, 0]], [2, 2, [255, 0, 0]], [5, 5, [250, 0, 0]]]);
        await page.dropFile(bad);
        const { refusal } = await page.level("no refusal shown", (shown) => shown.refusal);
        console.log(`refused: ${refusal}`);
        for (const line of ["bad.bmp: error: pixel (0, 10): ", "bad.bmp: error: pixel (2, 2): ", "bad.bmp: error: pixel (5, 5): ",
                            "bad.bmp: 3 errors, 0 warnings\n", "The game goes on as it was."]) {
            if (!refusal.includes(line)) fail(`the refusal does not say "${line}"`);
        }
        await sleep(500);
        if (!(await page.stillFrame()).data.equals(taken.data)) fail("the refused picture changed the view");

        await page.evaluate(`(() => { const name = "none.bmp", bytes = Module.lengthBytesUTF8(name) + 1, text = Module._malloc(bytes);
            Module.stringToUTF8(name, text, bytes);
            for (let i = 0; i < 9; ++i) Module._quentavoxOpenLevel(text);
            Module._free(text); })()`);
        const told = await waitUntil(30, "not every level was answered",
            () => page.evaluate("(levels => levels.length >= 11 && levels.slice(2).map(level => level.refusal))(window.__seen.levels)"));
        if (!told[0].startsWith("none.bmp: not opened: 8 levels are waiting") || told.slice(1).some((line) => !/does not exist/.test(line))) {
            fail(`the page was told: ${told.join(" | ")}`);
        }
    },

    // "Copy link" gives a link to the level played, which opened in another
    // page shows that level and gives the same link again. A picture named
    // like the level from a link is a picture all the same. A link changed
    // by one letter is refused, and the built-in level stays.
    async level_link(page) {
        await page.browser.send("Browser.grantPermissions", { origin: page.origin, permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
        await page.firstFrame();
        const builtIn = await page.copiedLink();
        const good = wallAhead();
        await page.chooseFile(good);
        await page.level("the good picture was not taken", (shown) => shown.status === "Playing wall ahead.bmp.");
        const link = await page.copiedLink();
        console.log(`links: built-in ${builtIn.length} characters, with a wall ahead ${link.length}`);
        if (!link.startsWith(`${page.origin}/#level=1`) || link === builtIn) fail(`"Copy link" gave ${link}`);

        const linked = await Page.open(page.browser, page.origin, "", link);
        await linked.level("the linked level was not taken", (shown) => shown.status === "Playing the level link.");
        console.log(reference("--level", good, "--window", writeBmp("linked.bmp", await linked.stillFrame()), ...BOX));
        if (await linked.copiedLink() !== link) fail("the linked level's own link differs");
        await linked.chooseFile(wallAhead("the level link"));
        const named = await waitUntil(60, "the picture was not answered",
            () => linked.evaluate("window.__seen.levels.length > 1 && JSON.stringify([window.__seen.levels[1], location.hash])"));
        if (named !== '[{"file":"the level link","fromLink":false,"refusal":""},""]') fail(`a picture named as a linked level: ${named}`);
        await linked.checkRequests();

        const at = link.length - 3;
        const broken = await Page.open(page.browser, page.origin, "", link.slice(0, at) + (link[at] === "A" ? "B" : "A") + link.slice(at + 1));
        const { refusal } = await broken.level("the changed link was not refused", (shown) => shown.refusal);
        console.log(`refused: ${refusal}`);
        if (!/^The level link's checksum does not match its cells/.test(refusal)) fail(`unexpected refusal: ${refusal}`);
        await sleep(500);
        console.log(reference("--window", writeBmp("broken.bmp", await broken.stillFrame()), ...BOX));
        await broken.checkRequests();
    },

    // A walk recorded with "Record" and "Stop" travels in the link "Copy
    // link" then gives; opened in another page it plays to the pose it was
    // recorded to, shows the frame the recording ended on, and hands over.
    // The shipped demo's walk, recorded on Linux, ends here where it did.
    async walk(page) {
        await page.browser.send("Browser.grantPermissions", { origin: page.origin, permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
        await page.firstFrame();
        await page.click("#record");
        await page.hold("ArrowUp", UP, 600);
        await page.hold("ArrowRight", RIGHT, 400);
        await page.click("#stop");
        await page.level("no walk was recorded", (shown) => /^Recorded a walk of /.test(shown.status));
        const recorded = await page.stillFrame();
        const link = await page.copiedLink();
        console.log(`walk link: ${link.length} characters`);
        const ended = /^The walk link played (\d+) of \1 ticks; the final pose equals the recording's$/;
        const played = await Page.open(page.browser, page.origin, "", link);
        console.log((await played.level("the walk link did not play to its end", (shown) => ended.test(shown.status))).status);
        if (!(await played.stillFrame()).data.equals(recorded.data)) fail("the walk ended on another frame than it was recorded on");
        await played.checkRequests();

        const shipped = fs.readFileSync(new URL("../fixtures/wall_walk.link", import.meta.url), "utf8");
        const demo = await Page.open(page.browser, page.origin, "", `${page.origin}/#level=${shipped}`);
        console.log((await demo.level("the shipped walk did not play to its end", (shown) => ended.test(shown.status))).status);
        const demoFile = new URL("../../bench/wall_walk.qvd", import.meta.url).pathname;
        console.log(reference("--demo", demoFile, writeBmp("shipped.bmp", await demo.stillFrame()), ...BOX));
    },

    // The sine and tangent tables, filled in the browser, are the native
    // build's bit for bit (tests/angle_tables.cpp prints both).
    async angle_tables(page) {
        const native = execFileSync(process.env.NATIVE_TABLES, { encoding: "utf8" }).trim().split("\n");
        const entry = /^\d+ [0-9a-f]{8} [0-9a-f]{8}$/;
        const shown = await waitUntil(60, "the browser printed no tables", () => {
            const lines = page.console.filter((line) => entry.test(line));
            return lines.length >= native.length && lines;
        });
        const differing = native.filter((line, i) => shown[i] !== line);
        console.log(`${native.length} degrees of both tables; the browser's differ at ${differing.length}`);
        if (differing.length) fail(`native and browser entries differ: ${differing.slice(0, 4).join(" | ")} ...`);
    },

    // Edit puts the editor beside the view in the same canvas; a drag on
    // its map paints walls; "Copy link" then gives the level as edited,
    // which another page plays; "Save picture" downloads a BMP of exactly
    // those cells, which the reference tool (as the level check) takes, and
    // the caption no longer marks the level unsaved. Leaving the page with
    // unsaved edits asks first.
    async edit(page) {
        await page.browser.send("Browser.grantPermissions", { origin: page.origin, permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"] });
        await page.browser.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: WORK });
        await page.firstFrame();
        await page.click("#edit");
        await waitUntil(60, "the canvas did not grow for the map", () => page.evaluate("document.getElementById('canvas').width === 607"));
        // Cells (10, 20) to (20, 20) of the map, flipped, right of the view's 339 pixels.
        const point = (x, y) => page.evaluate(`(r => ({ x: r.left + ${341 + (63 - x) * 4 + 2} * r.width / 607,
            y: r.top + ${Math.floor(360 / 2) - 172 + 2 + y * 4 + 2} * r.height / 360 }))(document.getElementById('canvas').getBoundingClientRect())`);
        const [from, to] = [await point(10, 20), await point(20, 20)];
        await page.send("Input.dispatchMouseEvent", { type: "mouseMoved", ...from });
        await page.send("Input.dispatchMouseEvent", { type: "mousePressed", ...from, button: "left", buttons: 1, clickCount: 1 });
        await page.send("Input.dispatchMouseEvent", { type: "mouseMoved", ...to, button: "left", buttons: 1 });
        await page.send("Input.dispatchMouseEvent", { type: "mouseReleased", ...to, button: "left", clickCount: 1 });
        await waitUntil(60, "the caption marked no unsaved edit", () => page.evaluate("/^Quentavox - level.bmp\\* - /.test(document.title)"));
        const edited = paintedLevel("edited.bmp", Array.from({ length: 11 }, (_, i) => [10 + i, 20, [255, 255, 0]]));

        const link = await page.copiedLink();
        const linked = await Page.open(page.browser, page.origin, "", link);
        await linked.level("the edited level's link was not taken", (shown) => shown.status === "Playing the level link.");
        await linked.checkRequests();

        await page.click("#save");
        const saved = path.join(WORK, "level.bmp");
        await waitUntil(60, "no picture was downloaded", () => fs.existsSync(saved) && fs.statSync(saved).size === 12342);
        if (!fs.readFileSync(saved).equals(fs.readFileSync(edited))) fail("the picture saved is not the level edited");
        console.log(reference("--level", saved, "--window", writeBmp("linked.bmp", await linked.stillFrame()), ...BOX));
        await waitUntil(60, "the caption still marks the level unsaved", () => page.evaluate("/^Quentavox - level.bmp - /.test(document.title)"));

        // The status line below the canvas may have grown since, and the canvas been fitted anew.
        const again = await point(10, 20);
        await page.send("Input.dispatchMouseEvent", { type: "mousePressed", ...again, button: "right", buttons: 2, clickCount: 1 });
        await page.send("Input.dispatchMouseEvent", { type: "mouseReleased", ...again, button: "right", clickCount: 1 });
        await waitUntil(60, "the caption marked no unsaved edit", () => page.evaluate("/\\* - /.test(document.title)"));
        await page.send("Page.navigate", { url: `${page.origin}/?elsewhere` });
        await waitUntil(30, "leaving with unsaved edits asked nothing", () => page.dialogs.length > 0);
        page.dialogs.length = 0;
    },
};

// What a scenario changes before the page's scripts run: emscripten fills
// ENV with the program's environment before main(), and the setter adds a
// variable to it as it is made. Which files the server leaves out.
const setups = {
    error: `Object.defineProperty(window, "ENV", { configurable: true, get() { return this.__env; },
        set(value) { value.SDL_VIDEODRIVER = "none"; this.__env = value; } });`,
};
const missing = { missing_wasm: ["quentavox.wasm"] };

async function main() {
    const name = process.argv[2];
    const scenario = scenarios[name] ?? fail(`no scenario "${name}": ${Object.keys(scenarios).join(", ")}`);
    const tables = name === "angle_tables";
    const { server, origin, served } = await serve(tables ? path.resolve(process.env.TABLES_SITE) : SITE, missing[name]);
    const browser = new Chromium();
    let page;
    let passed = false;
    try {
        const url = name === "from_file" ? `file://${path.join(SITE, "index.html")}` : `${origin}/${tables ? "angle_tables.html" : ""}`;
        page = await Page.open(browser, url.startsWith("file:") ? "file://" : origin, setups[name] ?? "", url);
        await scenario(page, served);
        await page.checkRequests();
        if (!["missing_wasm", "from_file"].includes(name) && page.errors.length) fail(`uncaught errors on the page: ${page.errors.join(" | ")}`);
        passed = true;
        console.log("PASS");
    } finally {
        if (!passed && page) {
            console.error(`page console:\n  ${page.console.join("\n  ")}`);
            if (page.errors.length) console.error(`page errors:\n  ${page.errors.join("\n  ")}`);
            console.error(`pictures and logs kept in ${WORK}`);
        }
        await browser.close();
        server.close();
        if (passed) fs.rmSync(WORK, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exitCode = 1;
});
