// The pilot's automated participant, added to every page a pilot serves. It
// acts as a participant would, through the page itself: on the start page it
// clicks the link on to the connection screen, and on a game page where it
// holds the ball (loaded or swapped in) it clicks the link of the player its
// strategy picks, each after a response time. element.click() runs the page's own handlers and its
// real navigation, exactly as a mouse click does.
(function () {
  // Filled in by the server; response times are study milliseconds, waited
  // for in real time divided by the pilot's speed.
  var pilot = /*@PILOT@*/{ strategy: "random", seed: 1, minMs: 500, maxMs: 2000, speed: 1 };
  var store = window.sessionStorage;

  // A seeded generator (mulberry32) whose state lives in the tab's session
  // storage, so that one game's draws go on from page to page.
  function random() {
    var state = store.getItem("volleta-pilot-state");
    var a = ((state === null ? pilot.seed : Number(state)) + 0x6d2b79f5) | 0;
    store.setItem("volleta-pilot-state", String(a));
    var t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  }

  function later(action) {
    var ms = pilot.minMs + random() * (pilot.maxMs - pilot.minMs);
    return setTimeout(action, ms / pilot.speed);
  }

  // The player a link throws to, or 0.
  function target(link) {
    var m = /^2to([0-9])\.htm$/.exec(link.getAttribute("href") || "");
    return m ? Number(m[1]) : 0;
  }

  function choose(players) {
    switch (pilot.strategy) {
      case "left":
        return players.indexOf(1) >= 0 ? 1 : players[0];
      case "right":
        return players.indexOf(3) >= 0 ? 3 : players[players.length - 1];
      case "round": {
        var turn = Number(store.getItem("volleta-pilot-turn") || 0);
        store.setItem("volleta-pilot-turn", String(turn + 1));
        return players[turn % players.length];
      }
      default:
        return players[Math.floor(random() * players.length)];
    }
  }

  // Acts on the page shown: the one loaded, then each one the program swaps
  // in for it (the body replaced). An action still waiting when its page goes
  // is dropped, as a participant's would be.
  var pending = 0;
  function act() {
    clearTimeout(pending);
    var links = Array.prototype.slice.call(document.querySelectorAll("a[href]"));
    var onward = links.filter(function (a) {
      return /connecting/.test(a.getAttribute("href"));
    })[0];
    if (onward) {
      pending = later(function () { onward.click(); });
      return;
    }
    // Only links a participant could see: a 3-player game hides Player 4's.
    var byPlayer = {};
    links.forEach(function (a) {
      var p = target(a);
      if (p && !byPlayer[p] && a.getClientRects().length > 0) byPlayer[p] = a;
    });
    var players = Object.keys(byPlayer).map(Number).sort(function (x, y) { return x - y; });
    if (players.length === 0) return;
    pending = later(function () { byPlayer[choose(players)].click(); });
  }
  new MutationObserver(function (changes) {
    if (changes.some(function (c) {
      return Array.prototype.indexOf.call(c.addedNodes, document.body) >= 0;
    })) {
      act();
    }
  }).observe(document.documentElement, { childList: true });
  act();
})();
