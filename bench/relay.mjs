// A TCP relay on the loopback that stands for an online participant's
// network: every chunk, in each direction, is held for `delayMs` ± `jitterMs`
// (uniform), but never delivered before the chunk sent ahead of it, so each
// direction keeps its byte order. An end or a reset is passed on in its turn.
//
// The program serves only pages addressed to it as 127.0.0.1:<port> or
// localhost:<port> (its own port), and its page socket takes only an Origin
// equal to that address. The program listens on 127.0.0.1, so the relay
// listens on the IPv6 loopback, ::1, at the program's port, and the browser is
// told that `localhost` is that address: the page keeps an address the program accepts, unchanged, while all
// of its traffic (documents, pictures, the event stream, the socket) passes
// the relay. Nothing is rewritten.
import net from 'node:net';
import { performance } from 'node:perf_hooks';

export const RELAY_HOST = '::1';

// Chromium's flag that sends `localhost` to the relay.
export const localhostTo = (relay) => `--host-resolver-rules=MAP localhost [${relay.host}]`;

// Starts relaying `host`:`port` to `to` ({ host, port }). Resolves to
// { host, port, requests, close() }; `requests` lists the request line of every
// HTTP request the clients sent, for checking that the traffic went this way.
export async function startRelay(to, { host = RELAY_HOST, port = to.port, delayMs = 40,
  jitterMs = 10 } = {}) {
  const delay = () => delayMs + (2 * Math.random() - 1) * jitterMs;
  const open = new Set();
  const requests = [];
  const server = net.createServer({ allowHalfOpen: true, noDelay: true }, (client) => {
    const upstream = net.connect({ host: to.host, port: to.port, allowHalfOpen: true,
      noDelay: true });
    // Requests have no bodies here; a socket's upgrade ends them.
    let head = '';
    const watch = (chunk) => {
      head += chunk.toString('latin1');
      for (let end; (end = head.indexOf('\r\n\r\n')) >= 0; head = head.slice(end + 4)) {
        requests.push(head.slice(0, head.indexOf('\r\n')));
        if (/\r\nupgrade:\s*websocket/i.test(head.slice(0, end))) return client.off('data', watch);
      }
    };
    client.on('data', watch);
    for (const socket of [client, upstream]) {
      open.add(socket);
      socket.on('close', () => open.delete(socket));
    }
    forward(client, upstream, delay);
    forward(upstream, client, delay);
  });
  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, resolve);
  });
  return {
    host,
    port: server.address().port,
    requests,
    close: () => new Promise((resolve) => {
      server.close(() => resolve());
      open.forEach((socket) => socket.destroy());
    }),
  };
}

// One direction: a queue in order of delivery, drained by one timer.
function forward(from, to, delay) {
  const queue = [];  // { at, chunk } or { at, end: 'end' | 'reset' }
  let timer = null;
  let last = 0;
  const push = (item) => {
    last = Math.max(performance.now() + delay(), last);
    queue.push({ ...item, at: last });
    if (!timer) drain();
  };
  const drain = () => {
    timer = null;
    while (queue.length && queue[0].at <= performance.now()) {
      const item = queue.shift();
      if (to.destroyed) return;
      if (item.chunk) {
        to.write(item.chunk);
      } else if (item.end === 'end') {
        to.end();
      } else {
        to.destroy();
      }
    }
    if (queue.length) timer = setTimeout(drain, Math.max(1, queue[0].at - performance.now()));
  };
  from.on('data', (chunk) => push({ chunk }));
  from.on('end', () => push({ end: 'end' }));
  from.on('error', () => {});
  // Closed without its end: a reset, or the other side gone.
  from.on('close', () => from.readableEnded || push({ end: 'reset' }));
  to.on('error', () => from.destroy());
}
