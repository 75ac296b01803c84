// The browser build's figures, from one headless Chromium run: the game's
// frame work against a bare WebGL 2 floor drawing the same quads, in two
// forms: uploading the text overlay whole each frame, and uploading only the
// rows the HUD's text covers, as the engine does (all pages running side by
// side over the same seconds, so the shared machine's noise hits them
// alike), the time from page load to the first splash frame, and the sizes
// of the .wasm and the zip.
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
    const openFloor = async (query) => {
      const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
      page.on('pageerror', (error) => errors.push(error.message));
      await page.goto(server.url + 'bench/web/floor.html' + query);
      await waitFor('the floor to draw', () => page.evaluate(() => window.floorWork.length > 30), 60);
      return page;
    };
    const floor = await openFloor('');
    const bandFloor = await openFloor('?overlay=band');

    // Both pages draw at the display's rate; their work is sampled together,
    // in one-second blocks. The page's clock is coarse (0.1 ms without
    // cross-origin isolation), so a block's figure is its mean frame work,
    // and the medians are taken over the blocks.
    const gameBlocks = [], floorBlocks = [], bandBlocks = [], rewindBlocks = [];
    let gameFrameCount = 0, floorFrameCount = 0, bandFrameCount = 0;
    const take = async () => {
      const game_ = await game.evaluate(() => {
        const f = Module.zephraFrames, taken = { work: f.work.slice(), rewind: f.rewind.slice() };
        f.work.length = 0; f.rewind.length = 0;
        return taken;
      });
      const floor_ = await floor.evaluate(() => window.floorWork.splice(0));
      const band_ = await bandFloor.evaluate(() => window.floorWork.splice(0));
      return [game_, floor_, band_];
    };
    const mean = (values) => values.reduce((a, b) => a + b, 0) / values.length;
    await take();
    for (let block = 0; block < Seconds; ++block) {
      await new Promise((resolve) => setTimeout(resolve, 1000));
      const [gameFrames, floorWork, bandWork] = await take();
      if (!gameFrames.work.length || !floorWork.length || !bandWork.length) continue;
      gameBlocks.push(mean(gameFrames.work));
      rewindBlocks.push(mean(gameFrames.rewind));
      floorBlocks.push(mean(floorWork));
      bandBlocks.push(mean(bandWork));
      gameFrameCount += gameFrames.work.length;
      floorFrameCount += floorWork.length;
      bandFrameCount += bandWork.length;
    }
    if (errors.length) throw new Error(`page errors: ${errors.join('; ')}`);

    const gameMedian = median(gameBlocks), floorMedian = median(floorBlocks);
    const bandMedian = median(bandBlocks);
    console.log(`web: pouncer.wasm ${megabytes(path.join(build, 'pouncer.wasm'))} MB, ` +
                `pouncer-web.zip ${megabytes(path.join(build, 'pouncer-web.zip'))} MB`);
    console.log(`web: page load to first splash frame: ${firstSplash.toFixed(0)} ms`);
    console.log(`web: frame work, medians of ${gameBlocks.length} one-second means: game ` +
                `${gameMedian.toFixed(3)} ms (${gameFrameCount} frames), floor ${floorMedian.toFixed(3)} ms ` +
                `(${floorFrameCount} frames), ratio ${(gameMedian / floorMedian).toFixed(2)} (goal 1.10 or less)`);
    console.log(`web: against a floor uploading only the text rows: floor ${bandMedian.toFixed(3)} ms ` +
                `(${bandFrameCount} frames), ratio ${(gameMedian / bandMedian).toFixed(2)}`);
    console.log(`web: asyncify's rewind into the loop, median ${median(rewindBlocks).toFixed(3)} ms a frame`);
  } finally {
    await browser.close();
    server.close();
  }
})().catch((error) => { console.error(error.stack || error); process.exit(1); });
