// The browser build's figures, from one headless Chromium run: the game's
// frame work against a bare WebGL 2 floor drawing the same quads (both pages
// running side by side over the same seconds, so the shared machine's noise
// hits both alike), the time from page load to the first splash frame, and
// the sizes of the .wasm and the zip.
//
//   node bench_web.js BUILD_DIR     (BUILD_DIR inside the repository)
'use strict';

const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, pagePoint } = require('../../tests/web/browser_support');

const root = path.resolve(__dirname, '../..');
const build = path.resolve(process.argv[2] || path.join(root, 'build-web'));
const Seconds = 10;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const n = sorted.length;
  return n === 0 ? NaN : n % 2 ? sorted[(n - 1) / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
};
const megabytes = (file) => (fs.statSync(file).size / 1e6).toFixed(2);

(async () => {
  const server = await serve(root);
  const browser = await launch();
  try {
    const game = await browser.newPage({ viewport: { width: 800, height: 600 } });
    const errors = [];
    game.on('pageerror', (error) => errors.push(error.message));
    await game.goto(server.url + path.relative(root, build) + '/index.html');
    const firstSplash = await waitFor('the first drawn frame', () =>
      game.evaluate(() => window.Module && Module.zephraFrames && Module.zephraFrames.firstDrawn), 120);

    // Past the two splash pages, the cat standing in the middle.
    for (let i = 0; i < 2; ++i) {
      const at = await pagePoint(game, 400, 300);
      await game.mouse.click(at.x, at.y);
      await new Promise((resolve) => setTimeout(resolve, 1000));
    }
    const floor = await browser.newPage({ viewport: { width: 800, height: 600 } });
    floor.on('pageerror', (error) => errors.push(error.message));
    await floor.goto(server.url + 'bench/web/floor.html');
    await waitFor('the floor to draw', () => floor.evaluate(() => window.floorWork.length > 30), 60);

    // Both pages draw at the display's rate; their work is sampled together.
    await game.evaluate(() => { Module.zephraFrames.work.length = 0; Module.zephraFrames.rewind.length = 0; });
    await floor.evaluate(() => { window.floorWork.length = 0; });
    await new Promise((resolve) => setTimeout(resolve, Seconds * 1000));
    const gameFrames = await game.evaluate(() => ({ work: Module.zephraFrames.work, rewind: Module.zephraFrames.rewind }));
    const floorWork = await floor.evaluate(() => window.floorWork);
    if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);

    const gameMedian = median(gameFrames.work), floorMedian = median(floorWork);
    console.log(`web: pouncer.wasm ${megabytes(path.join(build, 'pouncer.wasm'))} MB, ` +
                `pouncer-web.zip ${megabytes(path.join(build, 'pouncer-web.zip'))} MB`);
    console.log(`web: page load to first splash frame: ${firstSplash.toFixed(0)} ms`);
    console.log(`web: frame work, medians over ${Seconds} s: game ${gameMedian.toFixed(3)} ms ` +
                `(${gameFrames.work.length} frames), floor ${floorMedian.toFixed(3)} ms ` +
                `(${floorWork.length} frames), ratio ${(gameMedian / floorMedian).toFixed(2)} (goal 1.10 or less)`);
    console.log(`web: asyncify's rewind into the loop, median ${median(gameFrames.rewind).toFixed(3)} ms a frame`);
  } finally {
    await browser.close();
    server.close();
  }
})().catch((error) => { console.error(error.stack || error); process.exit(1); });
