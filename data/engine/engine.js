"use strict";
// The engine page: hosts one Ruffle player, routes loads of vorlen: URLs, and carries
// commands from the control (runJavaScript) and events back to it (the "bridge" object of
// the web channel).

// Fetch cannot reach the application's own scheme here; XMLHttpRequest can. The Response
// gets its real url: the engine reads it as the movie's own address and query string.
(function () {
  const nativeFetch = window.fetch.bind(window);
  window.fetch = function (input, init) {
    const raw = typeof input === "string" ? input : input instanceof URL ? input.href : input.url;
    const url = new URL(raw, document.baseURI).href;
    if (!url.startsWith("vorlen:")) return nativeFetch(input, init);
    return new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.open((init && init.method) || "GET", url);
      request.responseType = "arraybuffer";
      request.onload = () => {
        const headers = new Headers();
        const type = request.getResponseHeader("Content-Type");
        if (type) headers.set("Content-Type", type);
        const status = request.status >= 200 && request.status <= 599 ? request.status : 200;
        const response = new Response(request.response, { status: status, headers: headers });
        Object.defineProperty(response, "url", { value: url });
        resolve(response);
      };
      request.onerror = () => reject(new TypeError("cannot load " + url));
      request.send(init && init.body ? init.body : null);
    });
  };
})();

window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = {
  polyfills: false,
  autoplay: "on",
  unmuteOverlay: "hidden",
  splashScreen: false,
  contextMenu: "off",
  showSwfDownload: false,
  warnOnUnsupportedContent: false,
  allowScriptAccess: true,
  letterbox: "on",
  preferredRenderer: "canvas",
  logLevel: "error",
};

const vorlen = {
  // The kinds of failure the control is told of (EngineBridge::Failure).
  failure: { refused: 0, panic: 1, engineBroken: 2 },
  bridge: null,
  player: null,
  serial: 0,        // the load the events belong to
  hostReady: false,
  queue: [],        // host calls made before the host movie registered its callbacks
  actionScript3: false,
  hostExpected: false,
  frameRate: 12,
  // The stage is drawn transparent; the page paints the background under it: the colour the
  // control set (BGColor) or else the movie's own. So BGColor takes effect at once, also
  // after the load.
  backgroundOverride: "",
  movieBackground: "#FFFFFF",

  start() {
    vorlen.prewarm();
    new QWebChannel(qt.webChannelTransport, (channel) => {
      vorlen.bridge = channel.objects.bridge;
      vorlen.bridge.pageReady();
      if (vorlen.warm) vorlen.bridge.engineReady();
    });
  },

  // Starting the engine (compiling its WebAssembly) is the slow part of the first load:
  // it starts with the page, on a blank movie, and the first real load waits for it.
  warming: null,
  warm: false,
  prewarm() {
    const player = window.RufflePlayer.newest().createPlayer();
    player.style.cssText = "position:absolute;width:1px;height:1px;visibility:hidden";
    document.getElementById("stage").appendChild(player);
    vorlen.warming = new Promise((resolve) => {
      const done = () => {
        if (!vorlen.warming) return;
        try { player.remove(); } catch (e) { /* already gone */ }
        vorlen.warming = null;
        vorlen.warm = true;
        if (vorlen.bridge) vorlen.bridge.engineReady();
        resolve();
      };
      player.addEventListener("loadedmetadata", done);
      setTimeout(done, 30000);
      player.ruffle().load({ url: "blank.swf", autoplay: "off", splashScreen: false }).catch(done);
    });
  },

  // Loads a movie into a fresh player (a movie that broke the previous one leaves no trace).
  load(url, options, serial, ticket) {
    if (vorlen.warming) {
      vorlen.warming.then(() => vorlen.load(url, options, serial, ticket));
      return;
    }
    const stage = document.getElementById("stage");
    if (vorlen.player) {
      try { vorlen.player.remove(); } catch (e) { /* already gone */ }
    }
    vorlen.serial = serial;
    vorlen.hostReady = false;
    vorlen.queue = [];
    vorlen.actionScript3 = !!options.actionScript3;
    vorlen.hostExpected = !!options.host;
    vorlen.frameRate = options.frameRate || 0;
    vorlen.backgroundOverride = options.backgroundColor || "";
    vorlen.movieBackground = "#FFFFFF";
    vorlen.paintBackground();
    const player = window.RufflePlayer.newest().createPlayer();
    vorlen.player = player;
    // The stage is transparent: the element and its container show the page background.
    player.style.background = "transparent";
    stage.appendChild(player);
    player.onFSCommand = (command, args) => {
      if (vorlen.bridge) vorlen.bridge.fsCommand(String(command), String(args));
    };
    vorlen.watch(player, serial);
    player.addEventListener("loadedmetadata", () => {
      if (player !== vorlen.player) return;
      const m = player.ruffle().metadata || {};
      if (m.frameRate && !options.forceFrameRate) vorlen.frameRate = m.frameRate;
      if (m.backgroundColor) vorlen.movieBackground = m.backgroundColor;
      vorlen.paintBackground();
      vorlen.bridge.loaded(serial, m.numFrames || 0, !!m.isActionScript3, m.width || 0, m.height || 0);
      vorlen.whenPainted(ticket, true, false);
    });
    const config = {
      url: url,
      allowScriptAccess: true,
      autoplay: "on",
      unmuteOverlay: "hidden",
      splashScreen: false,
      contextMenu: "off",
      quality: options.quality || "high",
      scale: options.scale || "showAll",
      forceScale: false,
      wmode: "transparent",
    };
    if (options.maxExecutionDuration) config.maxExecutionDuration = options.maxExecutionDuration;
    if (options.forceFrameRate) config.frameRate = options.forceFrameRate;
    player.ruffle().load(config).catch((e) => {
      // "Ruffle is panicking": an earlier panic left the engine unusable in this page before
      // this movie could start; the control loads the page and the movie again.
      if (player !== vorlen.player) return;
      const text = String(e);
      vorlen.bridge.failed(serial, text, /panick/i.test(text) ? vorlen.failure.engineBroken : vorlen.failure.refused);
    });
  },

  // The engine shows its own screen when it fails (a movie it refuses, a panic): that screen
  // is hidden at once and the control told why. A panic may leave the engine unusable for
  // every later movie of the page, so the control starts a fresh page.
  watch(player, serial) {
    const root = player.shadowRoot;
    if (!root || typeof MutationObserver === "undefined") return;
    const observer = new MutationObserver(() => {
      if (player !== vorlen.player) {
        observer.disconnect();
        return;
      }
      const panic = root.getElementById("panic");
      const overlay = root.getElementById("message-overlay");
      if (overlay) overlay.remove();
      if (!panic) return;
      observer.disconnect();
      player.style.visibility = "hidden";
      vorlen.paintBackground();
      // The first sentence of the engine's explanation, without its bidirectional marks.
      const body = root.getElementById("panic-body");
      const text = (body ? body.textContent : "").replace(/[\u2068\u2069]/g, "").trim();
      const sentence = (text.match(/^[^.!?]*[.!?]?/) || [""])[0].trim();
      if (vorlen.bridge) vorlen.bridge.failed(serial, "the Flash engine failed: " + (sentence || "unknown error"), vorlen.failure.panic);
    });
    observer.observe(root, { childList: true, subtree: true });
  },

  unload() {
    if (vorlen.player) {
      try { vorlen.player.remove(); } catch (e) { /* already gone */ }
    }
    vorlen.player = null;
    vorlen.hostReady = false;
    vorlen.queue = [];
    vorlen.paintBackground();
  },

  // Calls a callback of the host movie, or keeps it until the host is ready.
  host(name, ...args) {
    if (!vorlen.player) return;
    if (!vorlen.hostReady || vorlen.queue.length) {
      vorlen.queue.push([name, args]);
      return;
    }
    return vorlen.callMovie(name, ...args);
  },

  // Runs then once the host is ready, in order with the host calls made before.
  afterHost(then) {
    if (!vorlen.player) return;
    if (!vorlen.hostReady || vorlen.queue.length) vorlen.queue.push([null, [then]]);
    else then();
  },

  // Runs the queued host calls, outside the movie's own call (the engine takes no calls
  // while it runs the movie).
  flush() {
    const queue = vorlen.queue;
    vorlen.queue = [];
    for (const [name, args] of queue) {
      if (name === null) args[0]();
      else vorlen.callMovie(name, ...args);
    }
  },

  // SetVariable and TCallLabel of an ActionScript 3 movie: the movie's own callbacks
  // (vorlenSetVariable, vorlenCallLabel) when it registered them, else the frame host.
  hasOwnCallback(name) {
    return !!vorlen.player && Object.prototype.hasOwnProperty.call(vorlen.player, name);
  },
  setVariable(name, levelPath, value) {
    if (vorlen.hasOwnCallback("vorlenSetVariable")) vorlen.callMovie("vorlenSetVariable", name, value);
    else vorlen.host("vorlenSet", levelPath, value);
  },
  callLabel(target, label) {
    if (vorlen.hasOwnCallback("vorlenCallLabel")) vorlen.callMovie("vorlenCallLabel", target, label);
  },
  callMovie(name, ...args) {
    try {
      return vorlen.player.ruffle().callExternalInterface(name, ...args);
    } catch (e) {
      return undefined;
    }
  },

  // Goes to a frame through the host and tells the control once the engine has painted it
  // (two animation frames later).
  gotoFrame(frame, play, ticket) {
    const player = vorlen.player;
    vorlen.afterHost(() =>
      vorlen.whenFrameLoaded(player, frame, () => {
        vorlen.callMovie("vorlenGoto", frame, play);
        vorlen.whenPainted(ticket, false, false);
      })
    );
  },

  // Runs then once the engine has read the movie up to frame, or has stopped reading it for
  // a second (a movie cut short). Only the ActionScript 3 frame host says how far it is.
  whenFrameLoaded(player, frame, then) {
    let last = -1;
    let since = performance.now();
    const check = () => {
      if (player !== vorlen.player) return;
      const loaded = vorlen.callMovie("vorlenLoaded");
      const total = vorlen.callMovie("vorlenTotal");
      if (typeof loaded !== "number" || loaded >= frame || loaded >= total) return then();
      const now = performance.now();
      if (loaded !== last) {
        last = loaded;
        since = now;
      } else if (now - since > 1000) {
        return then();
      }
      setTimeout(check, 10);
    };
    check();
  },

  whenPainted(ticket, waitTick = true, afterHostReady = true) {
    // The engine paints on its movie frame ticks: wait one frame of the movie, then two
    // animation frames for the paint to land. After a jump the host asks for the redraw
    // itself, so the animation frames are enough. The first frame of a movie does not wait
    // for the host; what acts through the host does.
    const period = waitTick ? 1000 / Math.max(1, Math.min(vorlen.frameRate || 12, 120)) : -5;
    const afterHost = () => {
      setTimeout(() => {
        requestAnimationFrame(() => requestAnimationFrame(() => {
          if (vorlen.bridge) vorlen.bridge.painted(ticket);
        }));
      }, period + 5);
    };
    if (!afterHostReady || !vorlen.hostExpected || !vorlen.player) afterHost();
    else vorlen.afterHost(afterHost);
  },

  // The frame the engine painted last, as a PNG data address ("" when there is none).
  capture() {
    const root = vorlen.player && vorlen.player.shadowRoot;
    const canvas = root && root.querySelector("canvas");
    if (!canvas || canvas.width === 0 || canvas.height === 0) return "";
    try {
      const shot = document.createElement("canvas");
      shot.width = canvas.width;
      shot.height = canvas.height;
      const context = shot.getContext("2d");
      context.fillStyle = vorlen.currentBackground();
      context.fillRect(0, 0, shot.width, shot.height);
      context.drawImage(canvas, 0, 0);
      return shot.toDataURL("image/png");
    } catch (e) {
      return "";
    }
  },

  suspend() {
    if (vorlen.player) vorlen.player.ruffle().suspend();
  },
  resume() {
    if (vorlen.player) vorlen.player.ruffle().resume();
  },
  volume(level) {
    if (vorlen.player) vorlen.player.ruffle().volume = level;
  },
  // color: "#RRGGBB", or "" for the movie's own background.
  background(color) {
    vorlen.backgroundOverride = color;
    vorlen.paintBackground();
  },
  currentBackground() {
    return vorlen.backgroundOverride || (vorlen.player ? vorlen.movieBackground : "#000");
  },
  paintBackground() {
    document.body.style.background = vorlen.currentBackground();
  },
};

// Called by the host movie (ExternalInterface.call).
function vorlenHostReady() {
  vorlen.hostReady = true;
  setTimeout(vorlen.flush, 0);
  if (vorlen.bridge) vorlen.bridge.hostReady(vorlen.serial);
}

function vorlenFrame(frame, total, playing) {
  if (vorlen.bridge) vorlen.bridge.frame(vorlen.serial, Number(frame), Number(total), !!playing);
}
