// SPDX-License-Identifier: MIT
// The page's own script: it fits the canvas, shows the caption, hints and
// errors, hands the program the levels opened on the page and the presses
// of the map's buttons, and downloads the pictures its editor saves.
"use strict";
(function () {
  const canvas = document.getElementById("canvas");
  const stage = document.getElementById("stage");
  const caption = document.getElementById("caption");
  const hint = document.getElementById("hint");
  const errorBox = document.getElementById("error");
  const openButton = document.getElementById("open");
  const fileInput = document.getElementById("file");
  const copyButton = document.getElementById("copy");
  const levelStatus = document.getElementById("level-status");
  const linkField = document.getElementById("link");
  const refusalBox = document.getElementById("refusal");
  const recordButton = document.getElementById("record");
  const stopButton = document.getElementById("stop");
  const mouseBox = document.getElementById("mouse");
  // The map and the editor: each button presses the program's own, in the
  // order the program numbers them.
  const editorButtons = ["map", "edit", "new", "save"].map(function (id) { return document.getElementById(id); });
  const saveButton = document.getElementById("save");
  let started = false;
  let failed = false;
  // The link of the walk recorded or opened last, "LEVEL&walk=WALK".
  let walkLink = "";

  function showError(text) {
    failed = true;
    errorBox.textContent = (errorBox.hidden ? "" : errorBox.textContent + "\n") + text;
    errorBox.hidden = false;
    hint.textContent = "Quentavox has stopped. Reload the page to start it again.";
    for (const control of [openButton, copyButton, recordButton, stopButton, mouseBox, ...editorButtons]) control.disabled = true;
  }

  function stopped(what) {
    if (!failed) showError("Quentavox stopped: " + what);
  }

  // The largest whole scale at which the window's client area fits the
  // page, counted in the screen's own pixels so that every pixel of the
  // picture covers the same number of them.
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const scale = Math.max(1, Math.floor(Math.min(
      stage.clientWidth * ratio / canvas.width, stage.clientHeight * ratio / canvas.height)));
    canvas.style.width = canvas.width * scale / ratio + "px";
    canvas.style.height = canvas.height * scale / ratio + "px";
  }
  // The stage also shrinks when a refusal shows below it.
  new ResizeObserver(fit).observe(stage);
  new MutationObserver(fit).observe(canvas, { attributes: true, attributeFilter: ["width", "height"] });
  fit();

  // The program writes the frame rate into the window's caption, which here
  // is the page's title; it is shown above the picture too.
  new MutationObserver(function () { caption.textContent = document.title; })
    .observe(document.querySelector("title"), { childList: true, characterData: true, subtree: true });

  function showHint() {
    if (!started || failed) return;
    hint.textContent = document.activeElement === canvas
      ? "Walk and turn with the arrow keys."
      : "Click the picture, then walk and turn with the arrow keys.";
  }
  canvas.addEventListener("focus", showHint);
  // Keys released while the picture has no focus never reach the program;
  // on the desktop the window losing the focus releases them, and the
  // program hears of that from the same event here.
  canvas.addEventListener("blur", function () {
    window.dispatchEvent(new FocusEvent("blur"));
    showHint();
  });
  // Keys the game uses must not also scroll the page.
  const scrollKeys = new Set(["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", " ",
                              "PageUp", "PageDown", "Home", "End"]);
  canvas.addEventListener("keydown", function (event) {
    if (scrollKeys.has(event.key)) event.preventDefault();
    // The map's keys are the program's, not the browser's own save, undo,
    // find or next field.
    if (event.key === "Tab" || ((event.ctrlKey || event.metaKey) && /^[sfyz]$/i.test(event.key))) {
      event.preventDefault();
    }
  });
  canvas.addEventListener("contextmenu", function (event) { event.preventDefault(); });
  // SDL takes the canvas' mouse presses for itself, and so the browser no
  // longer gives it the focus on a click.
  canvas.addEventListener("mousedown", function () { canvas.focus(); });

  // Levels. A picture, chosen or dropped, is written into the program's
  // memory and handed to it as a file dropped on its window, so that the
  // same checks run as on the desktop; a level link from the address becomes
  // such a picture inside the program. A refused level leaves the game as it
  // was, and says why.

  // More than any level link and walk link take together: a longer one is
  // refused by its length alone, and is never copied whole into the program.
  const MOST_LINK_CHARACTERS = 4101 + "&walk=".length + 65536;
  const whenStarted = [];

  // Once the program has stopped, nothing more is handed to it.
  function onceStarted(action) {
    if (!started) whenStarted.push(action);
    else if (!failed) action();
  }

  // Calls a function the program exports for the page with a text, in
  // memory of the program's; returns what it gives, as text if it does.
  function call(name, text) {
    const bytes = Module.lengthBytesUTF8(text) + 1;
    const copy = Module._malloc(bytes);
    Module.stringToUTF8(text, copy, bytes);
    try {
      return Module.UTF8ToString(Module["_" + name](copy));
    } finally {
      Module._free(copy);
    }
  }

  function showRefusal(text) {
    refusalBox.textContent = text;
    refusalBox.hidden = false;
  }

  function openPicture(file) {
    if (!file || failed) return;
    file.arrayBuffer().then(function (bytes) {
      onceStarted(function () {
        // A file's name is all that is kept of where it came from; the
        // program's refusals name it so.
        const path = /^\.*$/.test(file.name) ? "level.bmp" : file.name.replace(/[\/\0]/g, "_");
        try {
          Module.FS.writeFile(path, new Uint8Array(bytes));
        } catch (error) {
          showRefusal(path + ": cannot be written into the program's memory (" + error + ")");
          return;
        }
        call("quentavoxOpenLevel", path);
      });
    }, function (error) {
      showRefusal(file.name + ": cannot be read: " + error.message);
    });
  }

  // "#level=LEVEL", or "#level=LEVEL&walk=WALK": a walk in its level, which
  // plays, then hands over.
  function openLink() {
    const found = /^#level=(.*)$/s.exec(location.hash);
    if (!found) return;
    onceStarted(function () {
      const text = found[1].slice(0, MOST_LINK_CHARACTERS);
      const walk = text.includes("&walk=");
      const problem = call(walk ? "quentavoxOpenWalkLink" : "quentavoxOpenLevelLink", text);
      if (problem) {
        showRefusal(problem.charAt(0).toUpperCase() + problem.slice(1) + ". The game goes on as it was.");
      } else if (walk) {
        walkLink = text;
        levelStatus.textContent = "Playing the walk link.";
      }
    });
  }
  window.addEventListener("hashchange", openLink);
  openLink();

  // The program says whether it took a level, and if not, why not.
  window.addEventListener("quentavoxlevel", function (event) {
    const level = event.detail;
    if (level.refusal) {
      showRefusal(level.refusal + "The game goes on as it was.");
      return;
    }
    refusalBox.hidden = true;
    linkField.hidden = true;
    levelStatus.textContent = "Playing " + level.file + ".";
    walkLink = "";
    // The address names a level only while that level is played.
    if (!level.fromLink && location.hash) history.replaceState(null, "", location.href.replace(/#.*$/s, ""));
  });

  openButton.addEventListener("click", function () { fileInput.click(); });
  fileInput.addEventListener("change", function () {
    openPicture(fileInput.files[0]);
    // The same file again, once repainted, is a change too.
    fileInput.value = "";
    canvas.focus();
  });

  // Walks. "Record" records the walk from here on in the program's memory;
  // "Stop" ends it, and "Copy link" then gives it with the level it began
  // in, until another level is opened.
  function recording(on) {
    Module._quentavoxRecord(on);
    recordButton.disabled = on;
    stopButton.disabled = !on;
    levelStatus.textContent = on ? "Recording…" : "";
    canvas.focus();
  }
  recordButton.addEventListener("click", function () { recording(true); });
  stopButton.addEventListener("click", function () { recording(false); });
  window.addEventListener("quentavoxwalk", function (event) {
    walkLink = event.detail.link;
    levelStatus.textContent = "Recorded a walk of " + event.detail.seconds.toFixed(1) + " s: " +
      (walkLink ? "Copy link gives it." : "too long for a link; Copy link gives the level alone.");
  });
  // A click into the picture then captures the pointer, whose sideways
  // motion turns; Escape frees it, which the program hears of here.
  function mouse(freed) { Module._quentavoxMouse(mouseBox.checked, freed); }
  mouseBox.addEventListener("change", function () { mouse(false); canvas.focus(); });
  document.addEventListener("pointerlockchange", function () { if (!document.pointerLockElement) mouse(true); });

  copyButton.addEventListener("click", function () {
    const link = location.href.replace(/#.*$/s, "") + "#level=" +
      (walkLink || Module.UTF8ToString(Module._quentavoxLevelLink()));
    // Where the browser keeps the clipboard to itself, the link is shown to copy by hand.
    function show() {
      linkField.value = link;
      linkField.hidden = false;
      linkField.focus();
      linkField.select();
      levelStatus.textContent = "Copy this link:";
    }
    if (!navigator.clipboard) {
      show();
      return;
    }
    navigator.clipboard.writeText(link).then(function () {
      linkField.hidden = true;
      levelStatus.textContent = "Link copied.";
      canvas.focus();
    }, show);
  });

  // The program answers a button in its next pass, as it does the key that
  // does the same (Tab, Ctrl+S). Save picture is for a level being edited.
  editorButtons.forEach(function (button, number) {
    button.addEventListener("click", function () {
      onceStarted(function () { Module._quentavoxPressButton(number); });
      if (button.id === "edit" || button.id === "new") saveButton.disabled = false;
      canvas.focus();
    });
  });
  // A picture the editor saves, by the button or Ctrl+S, is downloaded.
  window.addEventListener("quentavoxsave", function (event) {
    const url = URL.createObjectURL(new Blob([event.detail.bytes], { type: "image/bmp" }));
    const download = document.createElement("a");
    download.href = url;
    download.download = event.detail.name;
    download.click();
    setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
    levelStatus.textContent = "Saved " + event.detail.name + ".";
  });
  // The caption marks a level with unsaved edits, "Quentavox - level.bmp* -
  // 57fps"; leaving the page then asks first.
  window.addEventListener("beforeunload", function (event) {
    if (/\* - \d+fps$/.test(document.title)) {
      event.preventDefault();
      event.returnValue = "";
    }
  });

  // A picture dropped anywhere on the page is a level to open, never a page
  // for the browser to show instead.
  function carriesFiles(event) {
    return event.dataTransfer && Array.from(event.dataTransfer.types).includes("Files");
  }
  for (const type of ["dragenter", "dragover"]) {
    document.addEventListener(type, function (event) {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
      stage.classList.add("dropping");
    });
  }
  document.addEventListener("dragleave", function (event) {
    if (!event.relatedTarget) stage.classList.remove("dropping");
  });
  document.addEventListener("drop", function (event) {
    stage.classList.remove("dropping");
    if (!carriesFiles(event)) return;
    event.preventDefault();
    openPicture(event.dataTransfer.files[0]);
    canvas.focus();
  });

  const errorLine = /: run-time error: /;
  window.Module = {
    canvas: canvas,
    print: function (text) { console.log(text); },
    // Every run-time error is written to stderr as one line, then the
    // program stops; the line is shown on the page.
    printErr: function (text) {
      console.error(text);
      if (errorLine.test(text)) showError(text);
      // A walk played to its end, or to a key that took over.
      if (/^the walk link: played /.test(text)) levelStatus.textContent = "The walk link " + text.slice(15);
    },
    onRuntimeInitialized: function () {
      started = true;
      // The folder the pictures are written to, named as their files are.
      Module.FS.mkdir("/levels");
      Module.FS.chdir("/levels");
      for (const control of [openButton, copyButton, recordButton, mouseBox]) control.disabled = failed;
      for (const button of editorButtons) button.disabled = failed || button === saveButton;
      whenStarted.splice(0).forEach(onceStarted);
      canvas.focus();
      showHint();
    },
    onAbort: stopped,
  };
  // What stops the program other than its own run-time errors: a file that
  // cannot be fetched, a failure of the browser's.
  window.addEventListener("error", function (event) { stopped(event.message); });
  window.addEventListener("unhandledrejection", function (event) { stopped(event.reason); });

  // Browsers fetch no .wasm for a page opened from disk, and report the
  // failure only to the console.
  if (location.protocol === "file:") {
    showError("Quentavox must be opened from a web server, not as a file: see README.txt.");
  } else {
    const program = document.createElement("script");
    program.src = "quentavox.js";
    program.async = true;
    document.body.appendChild(program);
  }
})();
