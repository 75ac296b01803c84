// The browser build played in headless Chromium as a person would: the page
// loads, the splash pages are clicked away, the cat is steered and jumps, the
// music plays after the first click, Escape ends the game; and a build that
// lacks a picture shows the error box.
//
//   node play_test.js SITE_DIR BROKEN_SITE_DIR SCREENSHOT_DIR
// BROKEN_SITE_DIR is the same page whose data lack data/star.png.
'use strict';

const assert = require('assert');
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, loadPicture, screenshotGame, pagePoint } = require('./browser_support');

const [site, brokenSite, screens] = process.argv.slice(2);
const root = path.resolve(__dirname, '../..');
fs.mkdirSync(screens, { recursive: true });

// Connects an AnalyserNode beside everything that connects to a context's
// output, so that the test can tell sound from silence.
function listenToAudio() {
  const contexts = [];
  window.zephraTestAudio = {
    states: () => contexts.map((c) => c.state),
    peak: () => {
      let peak = 0;
      for (const c of contexts) {
        const data = new Float32Array(c.testAnalyser.fftSize);
        c.testAnalyser.getFloatTimeDomainData(data);
        for (const v of data) peak = Math.max(peak, Math.abs(v));
      }
      return peak;
    },
  };
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function(target, ...rest) {
    const result = connect.call(this, target, ...rest);
    if (target instanceof AudioDestinationNode) {
      const context = target.context;
      if (!context.testAnalyser) {
        context.testAnalyser = context.createAnalyser();
        context.testAnalyser.fftSize = 2048;
        contexts.push(context);
      }
      connect.call(this, context.testAnalyser);
    }
    return result;
  };
}

async function openPage(browser, url, viewport) {
  const page = await browser.newPage({ viewport });
  const errors = [], console = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => console.push(`${message.type()}: ${message.text()}`));
  await page.addInitScript(listenToAudio);
  await page.goto(url);
  return { page, errors, console };
}

// How far the screen is from a picture stretched over it, where the picture
// is opaque (the game shows through the rest), in 4 x 4 blocks so that the
// comparison holds at any scale.
const pageCache = {};
function pageDifference(shot, file) {
  const page = pageCache[file] || (pageCache[file] = loadPicture(path.join(root, file)).resized(200, 150));
  const small = shot.resized(200, 150);
  let total = 0, count = 0;
  for (let y = 0; y < 150; ++y)
    for (let x = 0; x < 200; ++x) {
      const p = page.at(x, y), s = small.at(x, y);
      if (p[3] < 254) continue;
      total += Math.abs(p[0] - s[0]) + Math.abs(p[1] - s[1]) + Math.abs(p[2] - s[2]);
      count += 3;
    }
  return count ? total / count : 255;
}
function expectPage(shot, page, other) {
  const here = pageDifference(shot, page);
  assert.ok(here < 20, `the screen does not show ${page} (difference ${here.toFixed(1)})`);
  assert.ok(here < pageDifference(shot, other), `the screen looks more like ${other} than ${page}`);
}

async function click(page, x, y) {
  const at = await pagePoint(page, x, y);
  await page.mouse.move(at.x, at.y);
  await page.mouse.down();
  await page.mouse.up();
}

// Where the standing cat is drawn when the pointer has been in the middle.
const cat = { left: 360, top: 415, width: 80, height: 80 };

async function playThroughTheGame(browser, url) {
  // Wider than 4:3, so the canvas is scaled and has black bars beside it.
  const { page, errors, console } = await openPage(browser, url, { width: 1000, height: 700 });
  const shot = (name) => screenshotGame(page, path.join(screens, `${name}.png`));

  await waitFor('the page to start the game', () => page.evaluate(() => document.body.dataset.state === 'running'), 120);
  assert.strictEqual(await page.locator('#progress').isVisible(), false, 'the progress bar stays after loading');
  const box = await page.locator('#canvas').boundingBox();
  assert.ok(Math.abs(box.height - 700) < 1 && Math.abs(box.width - 700 * 4 / 3) < 1, `canvas shown at ${box.width} x ${box.height}`);
  assert.ok(Math.abs(box.x - (1000 - box.width) / 2) < 1, 'the canvas is not centred');
  assert.deepStrictEqual(await page.evaluate(() => [canvas.width, canvas.height]), [800, 600]);
  assert.strictEqual(await page.title(), 'Zephra Window');
  const corner = await page.screenshot({ clip: { x: 0, y: 0, width: 20, height: 20 } });
  assert.ok(corner.length > 0);

  // The first splash page, with the game running beneath it.
  let splash1;
  await waitFor('the first splash page', async () => {
    splash1 = await shot('1-splash');
    return pageDifference(splash1, 'data/splash.png') < 20;
  }, 120);
  expectPage(splash1, 'data/splash.png', 'data/splash2.png');
  const silentBefore = await page.evaluate(() => window.zephraTestAudio.states());
  assert.ok(silentBefore.every((s) => s !== 'running'), `sound before any click: ${silentBefore}`);

  // The first click turns the page and lets the sound start.
  await click(page, 400, 300);
  let splash2;
  await waitFor('the second splash page', async () => {
    splash2 = await shot('2-splash2');
    return pageDifference(splash2, 'data/splash2.png') < 20;
  }, 60);
  expectPage(splash2, 'data/splash2.png', 'data/splash.png');
  await waitFor('the page to play sound', () => page.evaluate(() =>
    window.zephraTestAudio.states().includes('running') && window.zephraTestAudio.peak() > 0.01), 30);

  // The second click ends the splash; the pointer stays in the middle.
  await click(page, 400, 300);
  let centred;
  await waitFor('play to begin', async () => {
    centred = await shot('3-playing');
    return pageDifference(centred, 'data/splash2.png') > 20 && pageDifference(centred, 'data/splash.png') > 20;
  }, 60);
  // The cat settles in the middle once it has walked there.
  await waitFor('the cat to stand still', async () => {
    const next = await shot('3-playing');
    const still = next.changedBox(centred, { left: 0, top: 120, width: 800, height: 480 }, 40) === null;
    centred = next;
    return still;
  }, 60);

  // The HUD: white text at the top left, the gold star below it.
  const white = (p) => p[0] >= 240 && p[1] >= 240 && p[2] >= 240;
  assert.ok(centred.count({ left: 0, top: 4, width: 90, height: 20 }, white) > 20, '"Points" is not drawn');
  assert.ok(centred.count({ left: 0, top: 24, width: 110, height: 20 }, white) > 20, '"Highscore" is not drawn');
  assert.ok(centred.count({ left: 300, top: 4, width: 200, height: 40 }, white) < 5, 'the sky is white where no text is');
  const gold = (p) => p[0] > 180 && p[1] > 120 && p[2] < 120;
  assert.ok(centred.count({ left: 0, top: 55, width: 20, height: 20 }, gold) > 40, 'the magic-jump icon is not drawn');

  // Pointer at the left edge: the cat runs left, leaving the middle.
  await page.mouse.move(...Object.values(await pagePoint(page, 0, 300)));
  let left;
  await waitFor('the cat to arrive on the left', async () => {
    left = await shot('4-left');
    const there = left.changedBox(centred, { left: 0, top: 120, width: 200, height: 480 }, 40);
    return there && there.left < 20;
  }, 60);
  const gone = left.changedBox(centred, { left: 200, top: 120, width: 600, height: 480 }, 40);
  assert.ok(gone, 'the cat did not leave the middle');
  assert.ok(gone.left >= cat.left - 4 && gone.right <= cat.left + cat.width + 4, `the middle changed at ${JSON.stringify(gone)}`);

  // And to the right edge.
  await page.mouse.move(...Object.values(await pagePoint(page, 799, 300)));
  let right;
  await waitFor('the cat to arrive on the right', async () => {
    right = await shot('5-right');
    const there = right.changedBox(left, { left: 600, top: 120, width: 200, height: 480 }, 40);
    return there && there.right > 780;
  }, 60);
  assert.ok(right.changedBox(left, { left: 0, top: 120, width: 200, height: 480 }, 40), 'the cat did not leave the left');

  // A left click jumps: the cat is soon well above the ground.
  await waitFor('the cat to stand on the right', async () => {
    const next = await shot('5-right');
    const still = next.changedBox(right, { left: 0, top: 120, width: 800, height: 480 }, 40) === null;
    right = next;
    return still;
  }, 60);
  await page.mouse.down();
  await page.mouse.up();
  await waitFor('the cat to jump', async () => {
    const moved = (await shot('6-jumping')).changedBox(right, { left: 600, top: 120, width: 200, height: 480 }, 40);
    return moved && moved.top < cat.top - 30;
  }, 60);

  // A right click on the page opens no menu: the page keeps it.
  const menuKept = await page.evaluate(() => {
    const event = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
    return !document.getElementById('canvas').dispatchEvent(event);
  });
  assert.ok(menuKept, 'a right click would open the browser menu');
  assert.strictEqual(await page.evaluate(() => document.scrollingElement.scrollHeight <= innerHeight), true, 'the page scrolls');

  // Escape ends the game: the page says so, and the canvas keeps showing
  // the last picture, unchanged over the browser's next frames.
  await page.keyboard.press('Escape');
  await waitFor('the page to say the game has ended', () => page.locator('#ended').isVisible(), 30);
  assert.match(await page.locator('#ended').textContent(), /ended/);
  assert.strictEqual(await page.locator('#canvas').isVisible(), true, 'the canvas is gone after Escape');
  const ended = await shot('7-ended');
  await page.evaluate(() => new Promise((resolve) => {
    let frames = 10;
    const next = () => (--frames ? requestAnimationFrame(next) : resolve());
    requestAnimationFrame(next);
  }));
  const later = await shot('8-ended-later');
  assert.ok(ended.difference(later) < 1, 'the picture still changes after the game ended');
  const black = new (ended.constructor)(800, 600);
  assert.ok(ended.difference(black) > 20, 'the canvas lost its last picture');
  assert.strictEqual(await page.locator('#error-box').count(), 0, 'an error box after Escape');
  assert.deepStrictEqual(errors, [], 'uncaught page errors');
  await page.close();
  return console;
}

// Keys reach the game without a click on the page first: Escape on the first
// splash page ends the game at once.
async function escapeOnTheSplashEndsTheGameWithoutAClick(browser, url) {
  const { page, errors } = await openPage(browser, url, { width: 640, height: 480 });
  await waitFor('the first splash page', async () =>
    pageDifference(await screenshotGame(page), 'data/splash.png') < 20, 120);
  await page.keyboard.press('Escape');
  await waitFor('the page to say the game has ended', () => page.locator('#ended').isVisible(), 30);
  assert.deepStrictEqual(errors, [], 'uncaught page errors');
  await page.close();
}

async function missingPictureShowsTheErrorBox(browser, url) {
  const { page, errors, console } = await openPage(browser, url, { width: 800, height: 600 });
  await waitFor('the error box', () => page.locator('#error-box').isVisible(), 120);
  await page.screenshot({ path: path.join(screens, '9-error.png') });
  const caption = await page.locator('#error-box h1').textContent();
  const message = await page.locator('#error-message').textContent();
  assert.strictEqual(caption, 'Error');
  assert.match(message, /File not found/);
  assert.match(message, /star\.png/);
  assert.strictEqual(await page.locator('#canvas').count(), 0, 'the canvas is still on the page');
  assert.ok(console.some((line) => line.includes('Error: File not found') && line.includes('star.png')),
            `the message is not in the console:\n${console.join('\n')}`);
  assert.deepStrictEqual(errors, [], 'uncaught page errors');
  await page.close();
}

(async () => {
  const browser = await launch();
  const servers = [];
  let failed = 0;
  const run = async (name, test, dir) => {
    const server = await serve(dir);
    servers.push(server);
    const started = Date.now();
    try {
      await test(browser, server.url);
      console.log(`[  PASSED  ] ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    } catch (error) {
      ++failed;
      console.log(`[  FAILED  ] ${name}: ${error.stack || error}`);
    }
  };
  try {
    await run('Page.PlaysThroughSplashSteeringJumpAndEscape', playThroughTheGame, site);
    await run('Page.EscapeOnTheSplashEndsTheGameWithoutAClick', escapeOnTheSplashEndsTheGameWithoutAClick, site);
    await run('Page.MissingPictureShowsTheErrorBox', missingPictureShowsTheErrorBox, brokenSite);
  } finally {
    await browser.close();
    servers.forEach((s) => s.close());
  }
  console.log(`Screenshots in ${path.resolve(screens)}`);
  process.exit(failed ? 1 : 0);
})();
