// An online study on this machine: `volleta serve` on the loopback behind
// Debian's nginx with TLS (a self-signed certificate for 127.0.0.1 made here),
// as a lab would host it, and a return server standing for the recruiter's
// completion page. Everything runs in the caller's temporary folder.
import { spawn, execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import fs from 'node:fs/promises';
import http from 'node:http';
import net from 'node:net';
import path from 'node:path';
import readline from 'node:readline';
import { command, ownEnvironment, within } from './game_run.mjs';

export const NGINX = process.env.NGINX_PATH || '/usr/sbin/nginx';
export const haveNginx = () => existsSync(NGINX);

// A port free on 127.0.0.1 now (nginx must be told its ports before it starts).
export const freePort = () => new Promise((resolve, reject) => {
  const server = net.createServer().on('error', reject);
  server.listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// Waits for `child` to end, killing it after `ms`; its exit code or signal.
export async function stop(child, signal = 'SIGTERM', ms = 60000) {
  if (child.exitCode !== null || child.signalCode !== null) return child.exitCode ?? child.signalCode;
  const exited = new Promise((resolve) => child.once('exit', (code, sig) => resolve(code ?? sig)));
  child.kill(signal);
  const result = await within(exited, ms);
  if (result === 'timeout') child.kill('SIGKILL');
  return result;
}

// The reverse proxy's site: TLS, WebSocket upgrades, no buffering (the event
// stream), timeouts above the abandon time, no access log. With several
// serves the study link is routed by the participant's ID; the game's own
// requests carry no ID, so the link's answer leaves it in a cookie they are
// routed by.
function nginxConf(dir, port, backends) {
  const temp = ['client_body', 'proxy', 'fastcgi', 'uwsgi', 'scgi']
    .map((name) => `${name}_temp_path ${dir}/${name};`).join(' ');
  return `daemon off;
master_process off;
worker_processes 1;
pid ${dir}/nginx.pid;
error_log ${dir}/error.log warn;
events { worker_connections 512; }
http {
  access_log off;
  ${temp}
  map $http_upgrade $connection_upgrade { default upgrade; '' close; }
  map $arg_PROLIFIC_PID $study_route { '' $cookie_study_route; default $arg_PROLIFIC_PID; }
  upstream volleta {
    hash $study_route consistent;
    ${backends.map((p) => `server 127.0.0.1:${p};`).join(' ')}
  }
  server {
    listen 127.0.0.1:${port} ssl;
    ssl_certificate ${dir}/cert.pem;
    ssl_certificate_key ${dir}/key.pem;
    proxy_http_version 1.1;
    proxy_set_header Host $http_host;
    proxy_set_header Upgrade $http_upgrade;
    proxy_set_header Connection $connection_upgrade;
    proxy_set_header X-Forwarded-For $remote_addr;
    proxy_set_header X-Forwarded-Proto $scheme;
    proxy_buffering off;
    proxy_read_timeout 3600s;
    proxy_send_timeout 3600s;
    location = / {
      add_header Set-Cookie "study_route=$arg_PROLIFIC_PID; Path=/; Secure; HttpOnly; SameSite=Lax" always;
      proxy_pass http://volleta;
    }
    location / { proxy_pass http://volleta; }
  }
}
`;
}

// nginx on 127.0.0.1 in front of the serves listening on `backends`; its
// own folder under `root` holds the certificate, the configuration, its pid,
// error log and temporary files.
export async function startNginx(root, backends) {
  const dir = await fs.mkdtemp(path.join(root, 'nginx-'));
  execFileSync('openssl', ['req', '-x509', '-newkey', 'ec', '-pkeyopt', 'ec_paramgen_curve:prime256v1',
    '-nodes', '-keyout', `${dir}/key.pem`, '-out', `${dir}/cert.pem`, '-days', '2',
    '-subj', '/CN=127.0.0.1', '-addext', 'subjectAltName=IP:127.0.0.1'], { stdio: 'ignore' });
  const port = await freePort();
  await fs.writeFile(`${dir}/nginx.conf`, nginxConf(dir, port, backends));
  const child = spawn(NGINX, ['-p', dir, '-e', `${dir}/error.log`, '-c', `${dir}/nginx.conf`],
    { stdio: ['ignore', 'inherit', 'inherit'] });
  // Ready once it accepts connections.
  for (;;) {
    if (child.exitCode !== null) {
      throw new Error(`nginx ended: ${await fs.readFile(`${dir}/error.log`, 'utf8').catch(() => '')}`);
    }
    const open = await new Promise((resolve) => net.connect(port, '127.0.0.1')
      .on('connect', function () { this.destroy(); resolve(true); })
      .on('error', () => resolve(false)));
    if (open) break;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return { child, port, origin: `https://127.0.0.1:${port}`, stop: () => stop(child) };
}

// `volleta serve` on `folder` listening on `port`, with `origin` as its public
// URL; resolves once it has printed the study link. stdout and stderr are kept.
export async function startServe(root, folder, port, origin, args = []) {
  const child = spawn(...command(['serve', '--folder', folder, '--listen', `127.0.0.1:${port}`,
    '--public-url', origin, ...args]), { env: ownEnvironment(root), stdio: ['ignore', 'pipe', 'pipe'] });
  let stdout = '', stderr = '';
  child.stdout.on('data', (chunk) => { stdout += chunk; });
  child.stderr.on('data', (chunk) => { stderr += chunk; process.stderr.write(chunk); });
  const exited = new Promise((resolve) => child.once('exit', (code, sig) => resolve(code ?? sig)));
  const link = await within(Promise.race([exited.then(() => null), new Promise((resolve) =>
    readline.createInterface({ input: child.stdout }).on('line', (line) =>
      line.includes(origin) && resolve(line.trim())))]), 60000);
  if (!link || link === 'timeout') {
    child.kill('SIGKILL');
    throw new Error(`serve printed no study link: ${stderr}`);
  }
  return { child, port, link, stdout: () => stdout, stderr: () => stderr, stop: () => stop(child) };
}

// The recruiter's completion page: records the query of every visit.
export async function startReturnServer() {
  const visits = [];
  const server = http.createServer((req, res) => {
    visits.push(new URL(req.url, 'http://127.0.0.1').searchParams);
    res.writeHead(200, { 'Content-Type': 'text/html' }).end('<title>done</title>submitted');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}/done`;
  return { base, visits, close: () => new Promise((resolve) => server.close(resolve)) };
}

// One line of CSV (RFC 4180 quoting) as its fields.
export function csvFields(line) {
  const fields = [];
  const re = /(?:^|,)(?:"((?:[^"]|"")*)"|([^,]*))/g;
  let m;
  while ((m = re.exec(line.replace(/\r?\n$/, ''))) !== null) {
    fields.push(m[1] !== undefined ? m[1].replaceAll('""', '"') : m[2]);
    if (re.lastIndex === line.length) break;
  }
  return fields;
}

// The session record as objects by column name.
export async function sessions(folder) {
  const text = await fs.readFile(path.join(folder, 'log', 'sessions.csv'), 'utf8').catch(() => '');
  const [header, ...lines] = text.split('\r\n').filter(Boolean);
  if (!header) return [];
  const names = csvFields(header);
  return lines.map((line) => Object.fromEntries(csvFields(line).map((v, i) => [names[i], v])));
}

// Plays the game shown in `page` from its start page until the page leaves
// the program's origin (for the return URL): the subject throws to Player 1
// whenever the ball is theirs. `holding(n)` runs each time before the
// subject's n-th throw, while the game waits for it. The limit only catches
// a hang.
export async function playOnline(page, origin, { holding = async () => {}, limitMs = 120000 } = {}) {
  const deadline = Date.now() + limitMs;
  await page.click('a.button');
  let throws = 0;
  while (page.url().startsWith(origin)) {
    if (Date.now() > deadline) throw new Error(`no end of the game; at ${page.url()}`);
    const selector = 'td.player.p1 a[href^="2to"]';
    if (!(await page.$(selector).catch(() => null))) {
      await page.waitForTimeout(100).catch(() => {});
      continue;
    }
    await holding(throws + 1);
    const link = await page.$(selector).catch(() => null);
    if (!link || !(await link.click({ timeout: 5000 }).then(() => true, () => false))) continue;
    throws++;
    // Until the throw has replaced the page (or a navigation its handle).
    await page.waitForFunction((a) => !a.isConnected, link, { timeout: 10000 }).catch(() => {});
  }
  return throws;
}
