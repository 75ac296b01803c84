// What the browser tests and the benchmark share: a static server for a
// build's page, headless Chromium, and pictures (PNG screenshots) in game
// pixels.
'use strict';

const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const { chromium } = require('playwright-core');

// The flags that give WebGL 2 on SwiftShader without a GPU or sandbox.
const chromiumFlags = ['--headless=new', '--no-sandbox', '--use-angle=swiftshader',
                       '--enable-unsafe-swiftshader'];

const mimeTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.data': 'application/octet-stream', '.css': 'text/css', '.png': 'image/png',
  '.jpg': 'image/jpeg',
};

// Serves root on 127.0.0.1 at a free port, as any static host would. With
// isolated, the pages are cross-origin isolated, which gives them a clock
// of a few microseconds instead of 0.1 ms (for the benchmark; the game needs
// no isolation).
function serve(directory, { isolated = false } = {}) {
  const root = path.resolve(directory);
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    let file = path.normalize(path.join(root, decodeURIComponent(url.pathname)));
    if (!file.startsWith(root)) { response.writeHead(403); response.end(); return; }
    if (url.pathname.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, body) => {
      if (error) { response.writeHead(404); response.end(); return; }
      const headers = { 'Content-Type': mimeTypes[path.extname(file)] || 'application/octet-stream' };
      if (isolated) {
        headers['Cross-Origin-Opener-Policy'] = 'same-origin';
        headers['Cross-Origin-Embedder-Policy'] = 'require-corp';
      }
      response.writeHead(200, headers);
      response.end(body);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
  }));
}

function launch() {
  const executablePath = process.env.ZEPHRA_CHROMIUM || '/usr/bin/chromium';
  return chromium.launch({ executablePath, args: chromiumFlags, headless: true });
}

// Waits until check() gives something truthy, polling; fails after seconds.
async function waitFor(what, check, seconds) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`timed out after ${seconds} s waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// An RGBA picture, 8 bits a channel, top row first.
class Picture {
  constructor(width, height, pixels) {
    this.width = width;
    this.height = height;
    this.pixels = pixels || Buffer.alloc(width * height * 4);
  }
  at(x, y) { const i = (y * this.width + x) * 4; return this.pixels.subarray(i, i + 4); }
  // Resampled to width x height by averaging the source pixels each covers.
  resized(width, height) {
    const out = new Picture(width, height);
    for (let y = 0; y < height; ++y) {
      const y0 = Math.floor(y * this.height / height), y1 = Math.max(y0 + 1, Math.floor((y + 1) * this.height / height));
      for (let x = 0; x < width; ++x) {
        const x0 = Math.floor(x * this.width / width), x1 = Math.max(x0 + 1, Math.floor((x + 1) * this.width / width));
        const sum = [0, 0, 0, 0];
        for (let sy = y0; sy < y1; ++sy)
          for (let sx = x0; sx < x1; ++sx) { const p = this.at(sx, sy); for (let c = 0; c < 4; ++c) sum[c] += p[c]; }
        const n = (y1 - y0) * (x1 - x0), o = out.at(x, y);
        for (let c = 0; c < 4; ++c) o[c] = Math.round(sum[c] / n);
      }
    }
    return out;
  }
  // Mean absolute difference of the colour channels, 0 to 255.
  difference(other) {
    let total = 0;
    for (let i = 0; i < this.pixels.length; i += 4)
      for (let c = 0; c < 3; ++c) total += Math.abs(this.pixels[i + c] - other.pixels[i + c]);
    return total / (this.width * this.height * 3);
  }
  // The smallest box around the pixels of the region that differ from other
  // by more than threshold in some channel, or null.
  changedBox(other, region, threshold) {
    let box = null;
    for (let y = region.top; y < region.top + region.height; ++y)
      for (let x = region.left; x < region.left + region.width; ++x) {
        const a = this.at(x, y), b = other.at(x, y);
        if (Math.abs(a[0] - b[0]) > threshold || Math.abs(a[1] - b[1]) > threshold || Math.abs(a[2] - b[2]) > threshold) {
          if (!box) box = { left: x, top: y, right: x + 1, bottom: y + 1 };
          box.left = Math.min(box.left, x); box.right = Math.max(box.right, x + 1);
          box.top = Math.min(box.top, y); box.bottom = Math.max(box.bottom, y + 1);
        }
      }
    return box;
  }
  count(region, predicate) {
    let n = 0;
    for (let y = region.top; y < region.top + region.height; ++y)
      for (let x = region.left; x < region.left + region.width; ++x) n += predicate(this.at(x, y)) ? 1 : 0;
    return n;
  }
}

// Decodes an 8-bit, non-interlaced RGB or RGBA PNG (what screenshots and the
// game's pictures are).
function decodePng(bytes) {
  let offset = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (offset < bytes.length) {
    const length = bytes.readUInt32BE(offset);
    const type = bytes.toString('latin1', offset + 4, offset + 8);
    const body = bytes.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      const depth = body[8], colour = body[9], interlace = body[12];
      if (depth !== 8 || (colour !== 2 && colour !== 6) || interlace !== 0)
        throw new Error(`unsupported PNG (depth ${depth}, colour type ${colour}, interlace ${interlace})`);
      channels = colour === 6 ? 4 : 3;
    } else if (type === 'IDAT') data.push(body);
    offset += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels, out = new Picture(width, height);
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? line[i - channels] : 0, up = previous[i];
      const upLeft = i >= channels ? previous[i - channels] : 0;
      let add = 0;
      if (filter === 1) add = left;
      else if (filter === 2) add = up;
      else if (filter === 3) add = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - upLeft, pa = Math.abs(p - left), pb = Math.abs(p - up), pc = Math.abs(p - upLeft);
        add = pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
      }
      line[i] = (line[i] + add) & 255;
    }
    for (let x = 0; x < width; ++x) {
      const o = out.at(x, y);
      for (let c = 0; c < channels; ++c) o[c] = line[x * channels + c];
      if (channels === 3) o[3] = 255;
    }
    previous = line;
  }
  return out;
}

function loadPicture(file) { return decodePng(fs.readFileSync(file)); }

// The canvas as the player sees it, resampled to the game's 800 x 600 pixels.
async function screenshotGame(page, saveAs) {
  const box = await page.locator('#canvas').boundingBox();
  const shot = await page.screenshot({ clip: box });
  if (saveAs) fs.writeFileSync(saveAs, shot);
  return decodePng(shot).resized(800, 600);
}

// A point in game pixels as a page position, wherever the canvas is shown.
async function pagePoint(page, x, y) {
  const box = await page.locator('#canvas').boundingBox();
  return { x: box.x + x * box.width / 800, y: box.y + y * box.height / 600 };
}

module.exports = { serve, launch, waitFor, Picture, decodePng, loadPicture, screenshotGame, pagePoint };
