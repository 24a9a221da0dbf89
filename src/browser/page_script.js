(function () {
  var seq = /*@SEQ@*/0, number = /*@NUMBER@*/0, swap = /*@SWAP@*/false;
  var diodeFrames = /*@PHOTODIODE@*/0;
  var base = "/@PREFIX@/", es = null, retry = null, gone = false;
  var self = document.currentScript;

  // ---- The event stream: navigations pushed by the program, and its end.
  function shut() {
    if (retry) { clearTimeout(retry); retry = null; }
    if (es) { es.close(); es = null; }
    if (ws) { ws.onclose = null; ws.close(); ws = null; ready = false; }
    dropStage(false);
  }
  function open() {
    if (gone || es) return;
    es = new EventSource(base + "events?seq=" + seq);
    es.addEventListener("navigate", function (e) {
      var n = Number(e.lastEventId);
      if (n > seq) { seq = n; location.replace(e.data); }
    });
    // Nothing staged is shown once the program has let the page go.
    es.addEventListener("quit", function () { gone = true; dropStage(false); shut(); });
    es.onerror = function () {
      // A stream closed for good (as some browsers do when a navigation is
      // answered with 204) is opened anew.
      if (es && es.readyState === 2) {
        es = null;
        if (!gone) retry = setTimeout(open, 200);
      }
    };
    connect();
  }

  // ---- The throw picture and the pictures kept at hand for it. A picture
  // shown again in one document would start at its last frame: each throw
  // gets a fresh blob: URL of the prefetched file, decoded before it is shown.
  function throwPicture(root) {
    return root.querySelector("img.throw") || root.querySelector('img[src*="anim/"]');
  }
  function pathOf(img) { return new URL(img.getAttribute("src"), document.baseURI).pathname; }
  var first = throwPicture(document), picturePath = first ? pathOf(first) : "", pictures = {};
  function stage(path) {
    var img = new Image();
    img.src = URL.createObjectURL(pictures[path].blob);
    pictures[path].img = img;
    return img.decode().catch(function () {});
  }
  function prefetch(urls) {
    return Promise.all(urls.map(function (url) {
      if (pictures[url]) return null;
      return fetch(url).then(function (r) { return r.ok ? r.blob() : null; }).then(function (blob) {
        if (!blob) return null;
        pictures[url] = { blob: blob };
        return stage(url);
      }, function () {});
    }));
  }

  // ---- The socket: swaps, followed links, clock pings, onset reports.
  var ws = null, ready = false, reports = [];
  function send(message) {
    if (!ws || ws.readyState !== 1) return false;
    ws.send(JSON.stringify(message));
    return true;
  }
  function connect() {
    if (gone || ws || !first || !window.WebSocket) return;
    ws = new WebSocket("ws://" + location.host + base + "socket");
    ws.binaryType = "arraybuffer";
    ws.onopen = function () {
      send({ type: "hello", path: location.pathname, picture: swap ? picturePath : "" });
      while (reports.length && send(reports[0])) reports.shift();
    };
    ws.onmessage = function (e) {
      if (typeof e.data !== "string") { receivePage(new Uint8Array(e.data)); return; }
      var m = JSON.parse(e.data);
      if (m.type === "ping") {
        send({ type: "pong", time: performance.now() });
      } else if (m.type === "pictures") {
        prefetch(m.urls).then(function () { ready = send({ type: "ready" }); });
      } else if (m.type === "go") {
        if (staged && staged.id === m.id && staged.n === m.n) staged.go = true;
      } else if (m.type === "navigate") {
        location.replace(m.url);
      }
    };
    ws.onclose = function () {
      ws = null;
      ready = false;
      // A throw sent over it may have been lost: the participant may throw again.
      throwing = false;
      dropStage(false);
      if (!gone) setTimeout(connect, 500);
    };
  }

  // Where the page would go: over the socket while it can be swapped, else
  // by loading the page in place of this one, adding no history entry.
  // The program takes every throw it is sent, so the page sends one throw at
  // a time: a second click of a double click (or a bouncing switch) or key
  // press before the program's answer replaced this page goes nowhere.
  var throwing = false;
  function follow(href) {
    var url = new URL(String(href), document.baseURI), clicked = performance.now();
    if (window.event && window.event.timeStamp > 0) clicked = window.event.timeStamp;
    if (ours(url) && /2to[134]/.test(url.pathname)) {
      if (throwing) return;
      throwing = true;
    }
    var link = url.pathname.slice(url.pathname.lastIndexOf("/") + 1);
    // A throw held ready is shown only once its message is on its way.
    var message = { type: "follow", url: url.href, clicked: clicked };
    if (!(swap && ready && send(message))) location.replace(url.href);
    else if (throwing && !url.search && !url.hash) choose(link);
  }
  function ours(url) {
    return url.origin === location.origin && url.pathname.indexOf(base + "html/") === 0;
  }
  document.addEventListener("click", function (e) {
    if (e.defaultPrevented || e.button !== 0 || e.ctrlKey || e.shiftKey || e.metaKey ||
        e.altKey) return;
    var a = e.target.closest ? e.target.closest("a[href]") : null;
    if (!a || (a.target && a.target !== "_self") || a.hasAttribute("download")) return;
    var url = new URL(a.href);
    if (!ours(url)) return;
    e.preventDefault();
    follow(url.href);
  });

  // ---- History can't take the participant out of the game: links add no
  // entries (above), nor, where the browser lets a page see its navigations,
  // the key handler's `window.location=`; the Back and Forward keys and mouse
  // buttons, a swipe, and history.back() and its kin in a page do nothing.
  // Whatever still reaches the server the program sends back to the page it
  // shows.
  addEventListener("keydown", function (e) {
    var k = e.key, t = e.target || {};
    var typing = /^(INPUT|TEXTAREA|SELECT)$/.test(t.tagName || "") || t.isContentEditable;
    if ((e.altKey && (k === "ArrowLeft" || k === "ArrowRight")) || k === "BrowserBack" ||
        k === "BrowserForward" || (k === "Backspace" && !typing)) e.preventDefault();
  }, true);
  ["mousedown", "mouseup", "auxclick"].forEach(function (type) {
    addEventListener(type, function (e) {
      if (e.button === 3 || e.button === 4) e.preventDefault();
    }, true);
  });
  document.documentElement.style.overscrollBehaviorX = "none";
  history.back = history.forward = history.go = function () {};
  if (window.navigation) {
    navigation.addEventListener("navigate", function (e) {
      if (!e.cancelable || e.hashChange || e.downloadRequest) return;
      if (e.navigationType === "traverse") {
        e.preventDefault();
      } else if (e.navigationType === "push" && ours(new URL(e.destination.url))) {
        e.preventDefault();
        follow(e.destination.url);
      }
    });
  }
  // The page's own scripts run with a window whose location setter follows.
  var shimLocation = {
    assign: follow, replace: follow,
    get href() { return location.href; }, set href(v) { follow(v); },
    toString: function () { return location.href; }
  };
  var shimWindow = new Proxy(window, {
    get: function (t, k) {
      if (k === "location") return shimLocation;
      var v = Reflect.get(t, k);
      return typeof v === "function" ? v.bind(t) : v;
    },
    set: function (t, k, v) {
      if (k === "location") { follow(v); return true; }
      return Reflect.set(t, k, v);
    }
  });
  function runScripts(root) {
    root.querySelectorAll("script").forEach(function (s) {
      var type = (s.getAttribute("type") || "").toLowerCase();
      if (s === self || s.src || (type && type.indexOf("javascript") < 0)) return;
      try {
        new Function("window", s.text.replace(/^\s*<!--/, ""))(shimWindow);
      } catch (e) {
        console.error(e);
      }
    });
  }

  // A page sent over the socket: one JSON line, then the page file's bytes.
  function receivePage(data) {
    var received = performance.now();
    var split = data.indexOf(10);
    var head = JSON.parse(new TextDecoder().decode(data.subarray(0, split)));
    var text = new TextDecoder(document.characterSet).decode(data.subarray(split + 1));
    if (head.type === "stage") receiveStage(head, text);
    else if (head.type === "choice") receiveChoice(head, text);
    else receiveSwap(head, text, received);
  }

  // ---- Staged throws. The page the program will show next comes ahead with
  // its due time: its picture goes into the document at once, decoded and
  // hidden over the shown one (a hidden animation holds its first frame), and
  // is revealed in a frame's callback, which lands it in that frame. A frame's
  // presentation is predicted as its start plus the lower quartile of earlier
  // reveals' frame-start-to-onset times. The page tells the program the first frame
  // predicted at or after the due time (again when its frames' phase moves)
  // and reveals only with the program's "go" for that prediction in hand: the
  // program then fires the throw's tick at that moment, and the tick's swap,
  // the same bytes, confirms what is shown. Without a "go" in time the swap
  // shows the throw as it would without staging.
  var staged = null, frameGaps = [], lastFrame = 0, leads = [];
  function quantile(list, q, fallback) {
    if (!list.length) return fallback;
    var s = list.slice().sort(function (a, b) { return a - b; });
    return s[Math.floor(q * (s.length - 1))];
  }
  function keep(list, value) { list.push(value); if (list.length > 31) list.shift(); }
  function framePeriod() { return quantile(frameGaps, 0.5, 1000 / 60); }
  // Low rather than central: a frame presented late (the first after a page
  // load, a busy moment) must not make the next throw show a frame early.
  function frameLead() {
    // Without Element Timing the onset is read a frame after the frame that shows it.
    return quantile(leads, 0.25, elementTiming ? framePeriod() * 0.4 : framePeriod() + 1);
  }
  // The page `text` prepared: its picture decoded, hidden over the shown one.
  function prepare(text) {
    var doc = new DOMParser().parseFromString(text, "text/html");
    var picture = throwPicture(doc.body), cover = throwPicture(document.body);
    var kept = picture && pictures[pathOf(picture)];
    if (!cover || !kept || !kept.img) return null;  // the swap shows it
    var img = kept.img;
    stage(pathOf(picture));
    Array.prototype.forEach.call(picture.attributes, function (a) {
      if (a.name !== "src") img.setAttribute(a.name, a.value);
    });
    // Watched from its reveal on: hidden, it is not what the participant saw.
    img.removeAttribute("elementtiming");
    hideOver(img, cover);
    return { text: text, img: img, cover: cover, style: picture.getAttribute("style"),
      shownAt: 0, w: null };
  }
  function receiveStage(head, text) {
    dropStage(true);
    var s = staged = prepare(text);
    if (!s) return;
    s.id = head.id;
    s.due = head.due;
    s.n = 0;
    s.img.decode().catch(function () {}).then(function () {
      if (staged === s) { lastFrame = 0; requestAnimationFrame(aim); }
    });
  }
  // The subject's possible throws, by their links' file names.
  var choices = {}, choicesId = 0;
  function receiveChoice(head, text) {
    if (head.id !== choicesId) { dropChoices(); choicesId = head.id; }
    var c = prepare(text);
    if (c) choices[head.link] = c;
  }
  function dropChoices(kept) {
    Object.keys(choices).forEach(function (link) {
      if (choices[link] !== kept) choices[link].img.remove();
    });
    choices = {};
  }
  // A throw to `link` held ready is shown in the next frame.
  var chosen = null;
  function choose(link) {
    var c = choices[link];
    dropChoices(c);
    if (!c) return;
    chosen = c;
    var ahead = !c.img.parentNode;
    if (ahead) hideOver(c.img, c.cover, true);
    requestAnimationFrame(function (ts) {
      if (!ahead && chosen === c) reveal(c, ts);
      else requestAnimationFrame(function (t) { if (chosen === c) reveal(c, t); });
    });
  }
  function discard(s) {
    s.img.remove();
    s.cover.style.visibility = "";
    if (s.w && watching.indexOf(s.w) >= 0) watching.splice(watching.indexOf(s.w), 1);
    release(s);
  }
  // Drops what is staged, but for a throw already revealed unless `shown`:
  // that one was committed by the program and is confirmed by its swap.
  function dropStage(shown) {
    if (!shown) {
      dropChoices();
      if (chosen && !chosen.shownAt) { var c = chosen; chosen = null; discard(c); }
    }
    var s = staged;
    if (!s || (s.shownAt && !shown)) return;
    staged = null;
    discard(s);
  }
  // Firefox (the browser without Element Timing) plays a hidden animation
  // on: there the picture goes in only two frames before it is revealed.
  function hideOver(img, cover, now) {
    var r = cover.getBoundingClientRect();
    img.style.cssText = "position:absolute;margin:0;box-sizing:border-box;opacity:0;" +
        "pointer-events:none;left:" + (r.left + scrollX) + "px;top:" + (r.top + scrollY) +
        "px;width:" + r.width + "px;height:" + r.height + "px";
    // Beside the body, not in it: what the page shows is the page file's.
    if (elementTiming || now) document.documentElement.appendChild(img);
  }
  function aim(ts) {
    var s = staged;
    if (!s || s.shownAt || s.missed) return;
    if (lastFrame && ts - lastFrame < 100) keep(frameGaps, ts - lastFrame);
    lastFrame = ts;
    var period = framePeriod(), predicted = ts + frameLead();
    if (s.at && !s.img.parentNode && predicted + 2.5 * period >= s.at) {
      hideOver(s.img, s.cover, true);
    }
    if (s.at && Math.abs(predicted - s.at) < period / 2) {
      if (s.go) reveal(s, ts); else miss(s);
      return;
    }
    if (s.at && predicted > s.at) { miss(s); return; }
    // The frame predicted still where it was said to be, or a fresh one.
    var onGrid = s.at && Math.abs(predicted + Math.round((s.at - predicted) / period) * period -
        s.at) <= 2;
    if (!onGrid && (frameGaps.length >= 5 || s.due - predicted < 100)) {
      s.at = predicted + Math.max(1, Math.ceil((s.due - predicted) / period)) * period;
      s.n += 1;
      s.go = false;
      send({ type: "staged", id: s.id, n: s.n, at: s.at });
    }
    requestAnimationFrame(aim);
  }
  // The game's swap that waited for `s` goes in now.
  function release(s) {
    var held = s.held;
    s.held = null;
    if (held) receiveSwap.apply(null, held);
  }
  // The frame passed unrevealed: the tick's swap, if it came, shows the throw.
  function miss(s) {
    s.missed = true;
    release(s);
  }
  function reveal(s, ts) {
    s.shownAt = ts;
    s.img.setAttribute("elementtiming", "throw");
    s.img.style.opacity = "1";
    s.cover.style.visibility = "hidden";
    flash(true);
    var w = s.w = { number: 0, img: s.img, url: s.img.src, frameStart: ts };
    watching.push(w);
    requestAnimationFrame(function () {
      w.frame = performance.now();
      settle(w, false);
      w.timer = setTimeout(function () { settle(w, true); }, 1000);
    });
    // After this frame's rendering.
    var held = s.held;
    s.held = null;
    if (held) setTimeout(function () { receiveSwap.apply(null, held); }, 0);
  }

  // Puts the page file `text` in place of the shown page, as loading it
  // would show it: title and head, body, throw picture, key handler.
  function receiveSwap(head, text, received) {
    // The tick fired on the program's clock a little before the frame it was
    // committed to on ours (the clocks' estimate is off by a few ms): the
    // picture still waits for that frame, or for a tenth of a second at most.
    var s0 = staged;
    if (s0 && s0.go && !s0.shownAt && !s0.missed && !s0.held && s0.text === text) {
      s0.held = [head, text, received];
      setTimeout(function () { if (s0.held && !s0.shownAt) miss(s0); }, 100);
      return;
    }
    var doc = new DOMParser().parseFromString(text, "text/html");
    var body = document.adoptNode(doc.body), picture = throwPicture(body), shown = picture;
    dropChoices();
    var c = chosen;
    // The program answered a chosen throw before the frame it is revealed in:
    // its swap waits for that frame.
    if (c && !c.shownAt && c.text === text) {
      c.held = [head, text, received];
      return;
    }
    chosen = null;
    if (c && c.text !== text) { discard(c); c = null; }
    var s = c || staged, confirms = s && s.shownAt && s.text === text;
    // A stage this swap does not confirm: the swap wins; one for a later
    // throw stays, over the new page's picture.
    if (!c && s && !confirms && (s.shownAt || s.text === text)) dropStage(true);
    if (confirms) {
      if (s === staged) staged = null;
      if (s.style === null) s.img.removeAttribute("style"); else s.img.setAttribute("style", s.style);
      if (picture) picture.replaceWith(s.img);
      picture = null;
    }
    if (picture) {
      picturePath = pathOf(picture);
      var kept = pictures[picturePath];
      if (kept && kept.img) {
        shown = kept.img;
        Array.prototype.forEach.call(picture.attributes, function (a) {
          if (a.name !== "src") shown.setAttribute(a.name, a.value);
        });
        picture.replaceWith(shown);
        stage(picturePath);
      }
    }
    // Head: what the new page has that the shown one lacks, and no more.
    var olds = Array.prototype.slice.call(document.head.childNodes);
    var news = Array.prototype.slice.call(doc.head.childNodes);
    olds.forEach(function (o) {
      var i = news.findIndex(function (n) { return n.isEqualNode(o); });
      if (i < 0) o.remove(); else news.splice(i, 1);
    });
    news.forEach(function (n) { document.head.appendChild(document.adoptNode(n)); });
    document.onkeypress = null;
    throwing = false;
    var old = document.body;
    document.documentElement.replaceChild(body, old);
    var oldPicture = throwPicture(old);
    if (oldPicture && oldPicture.src.indexOf("blob:") === 0) URL.revokeObjectURL(oldPicture.src);
    runScripts(document.documentElement);
    if (head.seq > seq) seq = head.seq;
    number = head.number;
    if (confirms) {
      s.w.number = number;
      s.w.received = received;
      settle(s.w, false);
      shown = s.img;
    } else {
      presented(number, shown, received);
    }
    if (staged && shown) {
      staged.cover = shown;
      hideOver(staged.img, shown);
    }
  }

  // ---- When the page's picture reached the screen: its Element Timing
  // render time, else the second animation frame after it was put in place.
  var entries = window.PerformanceObserver && PerformanceObserver.supportedEntryTypes || [];
  // Each shown picture is watched until it is reported: under load the entry
  // may come after the next throw has replaced it (and then names no element).
  var elementTiming = entries.indexOf("element") >= 0, watching = [];
  if (elementTiming) {
    new PerformanceObserver(function (list) {
      list.getEntries().forEach(function (entry) {
        watching.slice().forEach(function (w) {
          if ((entry.element === w.img || entry.url === w.url) && entry.renderTime > 0) {
            w.render = entry.renderTime;
            settle(w, false);
          }
        });
      });
    }).observe({ type: "element", buffered: true });
  }
  function settle(w, late) {
    if (!w.number || w.sent || !(w.render || (w.frame && (late || !elementTiming)))) return;
    w.sent = true;
    watching.splice(watching.indexOf(w), 1);
    clearTimeout(w.timer);
    var report = { type: "onset", number: w.number, time: w.render || w.frame };
    // A sample over a frame is a missed frame, not the usual lead.
    var lead = report.time - w.frameStart;

    if (w.frameStart && !late && lead < framePeriod() * (elementTiming ? 1 : 1.5)) keep(leads, lead);
    if (w.received > 0) report.received = w.received;
    if (!send(report) && reports.length < 64) reports.push(report);
  }
  // The page of navigation `n` shows `img`: the patch flashes from the frame
  // that shows it, and its onset is reported.
  // `received`: when the page had what it shows, on the page's clock; it
  // bounds the program's estimate of that clock.
  function presented(n, img, received) {
    if (!img) return;
    img.setAttribute("elementtiming", "throw");
    var w = n ? { number: n, img: img, url: img.src, received: received } : null;
    if (w) watching.push(w);
    var shown = function () {
      flash(false);
      if (!w) return;
      requestAnimationFrame(function () {
        requestAnimationFrame(function () {
          w.frame = performance.now();
          settle(w, false);
          w.timer = setTimeout(function () { settle(w, true); }, 1000);
        });
      });
    };
    if (img.complete) shown(); else img.decode().then(shown, shown);
  }

  // ---- The photodiode patch: black, white from each presented throw for a
  // set number of frames.
  var patch = null, flashes = 0;
  if (diodeFrames > 0) {
    patch = document.createElement("div");
    patch.style.cssText = "position:fixed;left:0;bottom:0;width:40px;height:40px;margin:0;" +
        "background:#000;z-index:2147483647;pointer-events:none";
    document.documentElement.appendChild(patch);
  }
  // `inFrame`: called in the callback of the frame that shows the throw.
  function flash(inFrame) {
    if (!patch) return;
    var run = ++flashes, left = inFrame ? diodeFrames : diodeFrames + 1;
    patch.style.background = "#fff";
    // Else the first callback runs before the frame that shows the throw.
    var tick = function () {
      if (run !== flashes) return;
      if (--left <= 0) patch.style.background = "#000"; else requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
  }

  // ---- What the window is, for the session record: the browser and its
  // version and the screen at once, the frame rate over 30 animation frames.
  // Each once a run; a page left too soon leaves it to the next page.
  function reportFacts() {
    function once(key, query) {
      key = "volleta-" + key + base;
      try { if (sessionStorage.getItem(key)) return; } catch (e) {}
      fetch(base + "facts?" + query, { cache: "no-store" }).then(function (r) {
        try { if (r.ok) sessionStorage.setItem(key, "1"); } catch (e) {}
      }, function () {});
    }
    browserName(function (name) {
      once("browser", "browser=" + encodeURIComponent(name) + "&screen=" + screen.width + "x" +
          screen.height);
    });
    var frames = 0, t0 = 0;
    function frame(t) {
      if (frames++ === 0) t0 = t;
      if (frames <= 30) requestAnimationFrame(frame);
      else once("hz", "hz=" + (30000 / (t - t0)).toFixed(1));
    }
    requestAnimationFrame(frame);
  }
  function browserName(done) {
    var ua = navigator.userAgent, m = /Firefox\/([\d.]+)/.exec(ua);
    if (m) { done("Firefox " + m[1]); return; }
    var fallback = function () {
      m = /(Edg|Chrome)\/([\d.]+)/.exec(ua);
      done(m ? (m[1] === "Edg" ? "Microsoft Edge " : "Chrome ") + m[2] : ua);
    };
    var data = navigator.userAgentData;
    if (!data || !data.getHighEntropyValues) { fallback(); return; }
    data.getHighEntropyValues(["fullVersionList"]).then(function (v) {
      // The browser's own brand ("Google Chrome", "Microsoft Edge"), else Chromium's.
      var list = (v.fullVersionList || []).filter(function (b) {
        return !/Not.?A.?Brand/i.test(b.brand);
      });
      var own = list.filter(function (b) { return !/^Chromium$|Headless/.test(b.brand); })[0];
      var pick = own || list.filter(function (b) { return b.brand === "Chromium"; })[0];
      if (pick) done(pick.brand + " " + pick.version); else fallback();
    }, fallback);
  }

  // Pages kept in the back-forward cache must not hold a connection.
  addEventListener("pagehide", shut);
  addEventListener("pageshow", function (e) { if (e.persisted) open(); });
  var load = performance.getEntriesByType ? performance.getEntriesByType("navigation")[0] : null;
  presented(number, first, load && load.responseStart);
  open();
  reportFacts();
})();
