// The browser build's figures, from one headless Chromium run: the game's
// frame work against a bare WebGL 2 floor drawing the same quads, in two
// forms: uploading the text overlay whole each frame, and uploading it only
// before the first frame, as the engine does while the HUD's text stays the
// same, and the second form's frame issued from C through emscripten's glue
// with the game's kind of loop (c_floor.c: what the toolchain costs, apart
// from the engine and the game).
// All pages run side by side over the same seconds, so the shared machine's
// noise hits them alike. Also the time from page load to the first splash
// frame, and the sizes of the .wasm and the zip.
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
  const server = await serve(root, { isolated: true });
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
    // Each floor keeps its figures in window.floorWork and window.floorInterval.
    const openFloor = async (address) => {
      const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
      page.on('pageerror', (error) => errors.push(error.message));
      await page.goto(server.url + address);
      await waitFor(`${address} to draw`, () =>
        page.evaluate(() => window.floorWork && window.floorWork.length > 30), 60);
      return page;
    };
    const floor = await openFloor('bench/web/floor.html');
    const stillFloor = await openFloor('bench/web/floor.html?overlay=still');
    const cFloor = await openFloor(path.relative(root, build) + '/bench/c_floor.html');

    // The pages draw at the display's rate; their work is sampled together,
    // once a second. Served cross-origin isolated, their clocks resolve a few
    // microseconds, so each frame's figure counts, and the medians are taken
    // over all frames: a frame the machine held up moves them little.
    if (!(await game.evaluate(() => crossOriginIsolated)))
      throw new Error('the pages are not cross-origin isolated: their clocks are too coarse');
    const gameFrames = [], floorFrames = [], stillFrames = [], cFrames = [], rewinds = [];
    const gameIntervals = [], floorIntervals = [];
    const take = async () => {
      const game_ = await game.evaluate(() => {
        const f = Module.zephraFrames;
        const taken = { work: f.work.slice(), rewind: f.rewind.slice(), interval: f.interval.slice() };
        f.work.length = 0; f.rewind.length = 0; f.interval.length = 0;
        return taken;
      });
      const takeFloor = (page) => page.evaluate(() =>
        ({ work: window.floorWork.splice(0), interval: window.floorInterval.splice(0) }));
      return [game_, await takeFloor(floor), await takeFloor(stillFloor), await takeFloor(cFloor)];
    };
    await take();
    for (let second = 0; second < Seconds; ++second) {
      await new Promise((resolve) => setTimeout(resolve, 1000));
      const [game_, floor_, still_, c_] = await take();
      gameFrames.push(...game_.work);
      rewinds.push(...game_.rewind);
      gameIntervals.push(...game_.interval);
      floorFrames.push(...floor_.work);
      floorIntervals.push(...floor_.interval);
      stillFrames.push(...still_.work);
      cFrames.push(...c_.work);
    }
    if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);

    const gameMedian = median(gameFrames), floorMedian = median(floorFrames);
    const stillMedian = median(stillFrames), cMedian = median(cFrames);
    console.log(`web: pouncer.wasm ${megabytes(path.join(build, 'pouncer.wasm'))} MB, ` +
                `pouncer-web.zip ${megabytes(path.join(build, 'pouncer-web.zip'))} MB`);
    console.log(`web: page load to first splash frame: ${firstSplash.toFixed(0)} ms`);
    console.log(`web: frame work, medians over ${Seconds} s: game ${gameMedian.toFixed(3)} ms ` +
                `(${gameFrames.length} frames), floor uploading its whole overlay each frame ` +
                `${floorMedian.toFixed(3)} ms (${floorFrames.length} frames), ratio ${(gameMedian / floorMedian).toFixed(2)}`);
    console.log(`web: against a floor uploading its text only once, as the engine does while it stays: ` +
                `floor ${stillMedian.toFixed(3)} ms (${stillFrames.length} frames), ` +
                `ratio ${(gameMedian / stillMedian).toFixed(2)} (goal 1.10 or less)`);
    console.log(`web: the second floor's frame from C through emscripten: ${cMedian.toFixed(3)} ms ` +
                `(${cFrames.length} frames), ${(cMedian / stillMedian).toFixed(2)} of that floor; ` +
                `the game's ratio to it ${(gameMedian / cMedian).toFixed(2)}`);
    console.log(`web: asyncify's rewind into the loop, median ${median(rewinds).toFixed(3)} ms a frame`);
    // What a player sees: whether the game keeps the browser's frame rate as
    // the floor does (the pages share the machine, so the rate is its own).
    const gameInterval = median(gameIntervals), floorInterval = median(floorIntervals);
    console.log(`web: interval between drawn frames, medians: game ${gameInterval.toFixed(2)} ms ` +
                `(${(1000 / gameInterval).toFixed(1)} a second), floor ${floorInterval.toFixed(2)} ms ` +
                `(${(1000 / floorInterval).toFixed(1)} a second), ratio ${(gameInterval / floorInterval).toFixed(2)}`);
  } finally {
    await browser.close();
    server.close();
  }
})().catch((error) => { console.error(error.stack || error); process.exit(1); });
