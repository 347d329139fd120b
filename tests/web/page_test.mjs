// SPDX-License-Identifier: MIT
// The page for the web, tested in headless Chromium: served from the built
// folder on 127.0.0.1 and driven over the DevTools protocol on a pipe, with
// nothing but node's own modules.
//
//   node page_test.mjs first_frame|caption|keys|error|missing_wasm|from_file|requests|open_level|level_link
//
// SITE names the folder to serve; RENDER_REFERENCE the native build's
// reference renderer (tests/e2e/render_reference), which says whether a
// picture of the canvas is a view the program's own renderer draws.
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
// What a player downloads at most, compressed as servers send it.
const MOST_GZIPPED_BYTES = 400 * 1024;
// Ticks of one key hold that the reference tool searches: 24 s of holding.
const MAX_TICKS = 3000;
// The render box in the client area, centred as the program places it.
const LEFT = 12;
const TOP = 12;

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
    const types = {
        ".html": "text/html; charset=utf-8",
        ".js": "text/javascript",
        ".wasm": "application/wasm",
        ".txt": "text/plain; charset=utf-8",
    };
    const served = [];
    const server = http.createServer((request, response) => {
        let name = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
        served.push(name);
        if (name.endsWith("/")) name += "index.html";
        const file = path.join(folder, path.normalize(name));
        if (!file.startsWith(folder + path.sep) || missing.includes(path.basename(file))) {
            response.writeHead(404).end();
            return;
        }
        fs.readFile(file, (error, data) => {
            if (error) {
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
        this.profile = fs.mkdtempSync(path.join(WORK, "profile."));
        this.process = spawn(CHROMIUM, [
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--disable-dev-shm-usage", `--user-data-dir=${this.profile}`, "--remote-debugging-pipe",
            "--window-size=1024,768", "about:blank",
        ], { stdio: ["ignore", "ignore", fs.openSync(path.join(WORK, "chromium.log"), "w"), "pipe", "pipe"] });
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        let buffer = Buffer.alloc(0);
        this.process.stdio[4].on("data", (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            for (let end; (end = buffer.indexOf(0)) >= 0; buffer = buffer.subarray(end + 1)) {
                this.receive(JSON.parse(buffer.subarray(0, end).toString()));
            }
        });
        this.exited = new Promise((resolve) => this.process.on("exit", resolve));
    }

    receive(message) {
        if (message.id === undefined) {
            for (const listener of this.listeners) listener(message);
            return;
        }
        const call = this.pending.get(message.id);
        this.pending.delete(message.id);
        if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
        else call.resolve(message.result);
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
// caption, the first frames the program puts on the canvas, the keys, and
// whatever the page's content policy blocked (a fetch from elsewhere among
// them, which then never shows as a request).
const RECORDER = `(() => {
    const seen = window.__seen = { titles: [], frames: [], keys: [], blocked: [] };
    document.addEventListener("securitypolicyviolation", (event) => seen.blocked.push(event.blockedURI));
    new MutationObserver(() => {
        if (seen.titles[seen.titles.length - 1] !== document.title) seen.titles.push(document.title);
    }).observe(document, { childList: true, characterData: true, subtree: true });
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
        if (seen.frames.length < 2) {
            seen.frames.push({ at: performance.now(), width: image.width, height: image.height, data: image.data.slice() });
        }
        return put.call(this, image, ...rest);
    };
    for (const type of ["keydown", "keyup"]) {
        window.addEventListener(type, (event) => seen.keys.push({
            type, key: event.key, at: event.timeStamp, prevented: event.defaultPrevented, target: event.target.id }));
    }
})();`;

// RGBA bytes as base64, for carrying pixels out of the page.
const BASE64 = `(bytes) => {
    let text = "";
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(text);
}`;

class Page {
    constructor(browser, sessionId, origin) {
        this.browser = browser;
        this.sessionId = sessionId;
        this.origin = origin;
        this.requests = [];
        this.errors = [];
        this.console = [];
        this.dialogs = [];
        browser.listeners.push((event) => {
            if (event.sessionId !== sessionId) return;
            const params = event.params;
            if (event.method === "Network.requestWillBeSent") this.requests.push(params.request.url);
            if (event.method === "Runtime.exceptionThrown") this.errors.push(params.exceptionDetails.exception?.description ?? params.exceptionDetails.text);
            if (event.method === "Runtime.consoleAPICalled") this.console.push(params.args.map((arg) => arg.value ?? arg.description).join(" "));
            if (event.method === "Page.javascriptDialogOpening") {
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

    // The canvas as it shows now, or the first frame the program drew.
    async pixels(which = "current") {
        const image = which === "first"
            ? "window.__seen.frames[0]"
            : "(() => { const c = document.getElementById('canvas'); return c.getContext('2d').getImageData(0, 0, c.width, c.height); })()";
        const { width, height, data } = await this.evaluate(`(() => { const image = ${image};
            return { width: image.width, height: image.height, data: (${BASE64})(image.data) }; })()`);
        return { width, height, data: Buffer.from(data, "base64") };
    }

    // The error the page shows, once it shows one.
    async shownError() {
        const shown = await waitUntil(60, "no error shown on the page",
            () => this.evaluate("(e => e && !e.hidden && e.textContent)(document.getElementById('error'))"));
        console.log(`shown: ${shown}`);
        return shown;
    }

    async firstFrame() {
        await waitUntil(60, "no frame was drawn", () => this.evaluate("window.__seen.frames.length > 0"));
        return this.pixels("first");
    }

    async click(selector) {
        const { x, y } = await this.evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
            return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
        for (const type of ["mousePressed", "mouseReleased"]) {
            await this.send("Input.dispatchMouseEvent", { type, x, y, button: "left", clickCount: 1 });
        }
    }

    async key(type, name, code) {
        await this.send("Input.dispatchKeyEvent", {
            type, key: name, code: name, windowsVirtualKeyCode: code, nativeVirtualKeyCode: code });
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

    // What the page shows of the level: the status beside its buttons and
    // the refusal, once `check` holds for them.
    async level(what, check) {
        return waitUntil(60, what, async () => {
            // Null until the page has replaced the blank one it opened in.
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
        const { x, y } = await this.evaluate(`(() => { const r = document.getElementById("canvas").getBoundingClientRect();
            return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
        const data = { items: [], files: [file], dragOperationsMask: 1 };
        for (const type of ["dragEnter", "dragOver", "drop"]) await this.send("Input.dispatchDragEvent", { type, x, y, data });
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
function writeBmp(file, { width, height, data }) {
    const row = Math.ceil((width * 3) / 4) * 4;
    const bmp = Buffer.alloc(54 + row * height);
    bmp.write("BM", 0);
    bmp.writeUInt32LE(bmp.length, 2);
    bmp.writeUInt32LE(54, 10);
    bmp.writeUInt32LE(40, 14);
    bmp.writeInt32LE(width, 18);
    bmp.writeInt32LE(height, 22);
    bmp.writeUInt16LE(1, 26);
    bmp.writeUInt16LE(24, 28);
    bmp.writeUInt32LE(row * height, 34);
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const from = (y * width + x) * 4;
            const to = 54 + (height - 1 - y) * row + x * 3;
            bmp[to] = data[from + 2];
            bmp[to + 1] = data[from + 1];
            bmp[to + 2] = data[from];
        }
    }
    fs.writeFileSync(file, bmp);
    return file;
}

// The level picture the program is built from, some cells painted over in
// other colours, [x, y, [red, green, blue]], as a file in WORK.
const LEVEL = new URL("../fixtures/map.bmp", import.meta.url);
function paintedLevel(name, cells) {
    const bmp = fs.readFileSync(LEVEL);
    for (const [x, y, [red, green, blue]] of cells) {
        const at = 54 + (63 - y) * 64 * 3 + x * 3;
        bmp.set([blue, green, red], at);
    }
    const file = path.join(WORK, name);
    fs.writeFileSync(file, bmp);
    return file;
}
const GREEN = [0, 255, 0];
// A wall just ahead of the start, where the player looks.
const wallAhead = () => paintedLevel("wall ahead.bmp", [[2, 4, GREEN]]);

// Runs the reference tool; its line on a match, or the failure with its line.
function reference(...args) {
    if (!RENDER_REFERENCE) fail("RENDER_REFERENCE must name the native reference renderer");
    try {
        return execFileSync(RENDER_REFERENCE, args, { encoding: "utf8" }).trim();
    } catch (error) {
        fail(`${args[0] === "--window" ? args[1] : args[0]}: ${(error.stdout || error.message).trim()}`);
    }
}

const scenarios = {
    // The first frame on the canvas is, over the whole client area, the
    // window the native program paints for the start position; the canvas is
    // shown at the largest whole scale that fits the page, unsmoothed.
    async first_frame(page) {
        const first = await page.firstFrame();
        if (`${first.width} x ${first.height}` !== "339 x 259") fail(`the client area is ${first.width} x ${first.height}, not 339 x 259`);
        const at = await page.evaluate("window.__seen.frames[0].at");
        console.log(`first frame ${Math.round(at)} ms after the page began to load`);
        console.log(reference("--window", writeBmp(path.join(WORK, "first.bmp"), first), `${LEFT}`, `${TOP}`));

        const layout = await page.evaluate(`(() => { const c = document.getElementById('canvas'), s = document.getElementById('stage');
            const r = c.getBoundingClientRect(), ratio = window.devicePixelRatio;
            return { scale: r.width * ratio / c.width, high: r.height * ratio / c.height, room: [s.clientWidth * ratio, s.clientHeight * ratio],
                     size: [c.width, c.height], rendering: getComputedStyle(c).imageRendering }; })()`);
        console.log(`shown at scale ${layout.scale} in ${layout.room.join(" x ")} pixels`);
        const [width, height] = layout.size;
        const [roomWidth, roomHeight] = layout.room;
        if (!Number.isInteger(layout.scale) || layout.high !== layout.scale || layout.scale < 1) fail(`not a whole scale: ${JSON.stringify(layout)}`);
        if ((layout.scale + 1) * width <= roomWidth && (layout.scale + 1) * height <= roomHeight) fail(`scale ${layout.scale + 1} would fit too`);
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
            if (!rate) fail(`malformed caption "${title}"`);
            if (rate[1] < 1 || rate[1] > 200) fail(`implausible frame rate in "${title}"`);
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
        const walked = reference(writeBmp(path.join(WORK, "walked.bmp"), await page.stillFrame()), `${LEFT}`, `${TOP}`, `Up:${MAX_TICKS}`);
        console.log(`after holding up for 1.5 s: ${walked}`);
        if (walked.startsWith("0 ticks")) fail("holding up did not walk");

        await page.hold("ArrowRight", RIGHT, 1500);
        const turned = reference(writeBmp(path.join(WORK, "turned.bmp"), await page.stillFrame()), `${LEFT}`, `${TOP}`,
            `Up:${walked.split(" ")[0]}`, `Right:${MAX_TICKS}`);
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
        const shown = await page.shownError();
        if (!/^Quentavox: run-time error: cannot open the window/.test(shown)) fail(`unexpected error shown: ${shown}`);
        const hint = await page.evaluate("document.getElementById('hint').textContent");
        if (!/stopped/.test(hint)) fail(`the page still says "${hint}"`);
    },

    // A page whose .wasm is missing on the server says so on the page.
    async missing_wasm(page) {
        const shown = await page.shownError();
        if (!/^Quentavox stopped: /.test(shown)) fail(`unexpected error shown: ${shown}`);
    },

    // Opened as a file, where browsers do not fetch the .wasm, the page says
    // that it must be served.
    async from_file(page) {
        const shown = await page.shownError();
        if (!/must be opened from a web server/.test(shown) || page.requests.some((url) => url.endsWith(".wasm"))) fail(`unexpected error shown: ${shown}`);
    },

    // The page, the program and its .wasm are all it fetches, from its own
    // server, while it starts and runs; the program is small to download.
    // A picture opened with the button becomes the level: the view is that
    // level's from where the player stood. One dropped on the page that
    // breaks the rules is refused in the program's own lines and changes
    // nothing; the game goes on.
    async open_level(page) {
        await page.firstFrame();
        const good = wallAhead();
        await page.chooseFile(good);
        await page.level("the good picture was not taken", (shown) => shown.status === "Playing wall ahead.bmp.");
        const taken = await page.stillFrame();
        console.log(reference("--level", good, "--window", writeBmp(path.join(WORK, "taken.bmp"), taken), `${LEFT}`, `${TOP}`));

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
        const hint = await page.evaluate("document.getElementById('hint').textContent");
        if (/stopped/.test(hint)) fail(`the page says "${hint}"`);
    },

    // "Copy link" gives a link to the level played, which opened in another
    // page shows that level and gives the same link again. A link changed
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
        console.log(reference("--level", good, "--window", writeBmp(path.join(WORK, "linked.bmp"), await linked.stillFrame()), `${LEFT}`, `${TOP}`));
        if (await linked.copiedLink() !== link) fail("the linked level's own link differs");
        await linked.checkRequests();

        const at = link.length - 3;
        const changed = link.slice(0, at) + (link[at] === "A" ? "B" : "A") + link.slice(at + 1);
        const broken = await Page.open(page.browser, page.origin, "", changed);
        const { refusal } = await broken.level("the changed link was not refused", (shown) => shown.refusal);
        console.log(`refused: ${refusal}`);
        if (!/^The level link's checksum does not match its cells/.test(refusal)) fail(`unexpected refusal: ${refusal}`);
        await sleep(500);
        console.log(reference("--window", writeBmp(path.join(WORK, "broken.bmp"), await broken.stillFrame()), `${LEFT}`, `${TOP}`));
        await broken.checkRequests();
    },

    async requests(page, served) {
        await page.firstFrame();
        await sleep(2000);
        const names = [...new Set(served)].sort();
        console.log(`served: ${names.join(" ")}`);
        if (names.join(" ") !== "/ /quentavox.js /quentavox.wasm") fail(`the page asked for ${names.join(" ")}`);
        console.log(`requested: ${page.requests.join(" ")}`);

        const gzipped = ["quentavox.js", "quentavox.wasm"].map((name) =>
            zlib.gzipSync(fs.readFileSync(path.join(SITE, name)), { level: 9 }).length);
        const total = gzipped[0] + gzipped[1];
        console.log(`gzipped: quentavox.js ${gzipped[0]} + quentavox.wasm ${gzipped[1]} = ${total} bytes`);
        if (total > MOST_GZIPPED_BYTES) fail(`${total} bytes gzipped, more than ${MOST_GZIPPED_BYTES}`);
    },
};

// What a scenario changes before the page's scripts run, and which files
// the server leaves out.
const setups = {
    // emscripten fills ENV with the program's environment before main();
    // the setter adds a variable to it as it is made.
    error: `(() => {
        let env;
        Object.defineProperty(window, "ENV", { configurable: true, get: () => env,
            set: (value) => { value.SDL_VIDEODRIVER = "none"; env = value; } });
    })();`,
};
const missing = { missing_wasm: ["quentavox.wasm"] };

async function main() {
    const name = process.argv[2];
    const scenario = scenarios[name] ?? fail(`no scenario "${name}": ${Object.keys(scenarios).join(", ")}`);
    const { server, origin, served } = await serve(SITE, missing[name]);
    const browser = new Chromium();
    let page;
    let passed = false;
    try {
        const url = name === "from_file" ? `file://${path.join(SITE, "index.html")}` : `${origin}/`;
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
