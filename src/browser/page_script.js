(function () {
  var seq = /*@SEQ@*/0, src = "/@PREFIX@/events", es = null, retry = null, gone = false;
  function shut() {
    if (retry) { clearTimeout(retry); retry = null; }
    if (es) { es.close(); es = null; }
  }
  function open() {
    if (gone || es) return;
    es = new EventSource(src + "?seq=" + seq);
    es.addEventListener("navigate", function (e) {
      var n = Number(e.lastEventId);
      if (n > seq) { seq = n; location.replace(e.data); }
    });
    es.addEventListener("quit", function () { gone = true; shut(); });
    es.onerror = function () {
      // A stream closed for good (as some browsers do when a navigation is
      // answered with 204) is opened anew.
      if (es && es.readyState === 2) {
        es = null;
        if (!gone) retry = setTimeout(open, 200);
      }
    };
  }
  // Pages kept in the back-forward cache must not hold a connection.
  addEventListener("pagehide", shut);
  addEventListener("pageshow", function (e) { if (e.persisted) open(); });
  open();
})();
