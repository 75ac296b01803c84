// Runs a test program built with zephra_browser_test (the platform contract)
// in a page in headless Chromium and acts there as its user: the program asks
// for a pointer move, a click or a key (window.zephraTestDriver), and gets
// its answer once the browser has sent the trusted event through its own
// input path. The program's output goes to this console; the exit status is
// the tests' result.
//
//   node platform_test.js PROGRAM.js [--gtest_filter=...]
'use strict';

const path = require('path');
const { serve, launch } = require('./browser_support');

const [program, ...programArguments] = process.argv.slice(2);
if (!program) {
  console.error('usage: node platform_test.js PROGRAM.js [gtest arguments]');
  process.exit(2);
}
const name = path.basename(program);
// Far beyond what the suite takes on a loaded machine; only a program that
// hangs reaches it.
const limitSeconds = 600;

// The canvas at a place of the page's choosing, away from the edges so that
// the pointer can be outside it on every side, at its drawing buffer's size.
const page = `<!doctype html>
<html><head><meta charset="utf-8"><title>platform contract</title>
<style>
  html, body { margin: 0; background: #000; overflow: hidden; }
  #canvas { position: absolute; left: 40px; top: 30px; display: block; }
</style></head>
<body><canvas id="canvas"></canvas>
<script>
var Module = {
  arguments: ${JSON.stringify(programArguments)},
  zephraStderr: [],
  print: function(line) { console.log(line); },
  printErr: function(line) { Module.zephraStderr.push(line); console.error(line); },
  zephraTestDone: function(status) { window.zephraTestResult(status); },
  onAbort: function(what) { window.zephraTestResult('aborted: ' + what); },
};
</script>
<script src="${name}"></script>
</body></html>`;

// The user's hands: one request per call, done when its events have reached
// the page.
async function act(tab, request) {
  const [verb, ...words] = request.split(' ');
  const numbers = words.map(Number);
  switch (verb) {
    case 'move':
      await tab.mouse.move(numbers[0], numbers[1]);
      return true;
    case 'moveThrough': {
      const [count, x0, y0, spanX, spanY] = numbers;
      for (let i = 0; i < count; ++i) await tab.mouse.move(x0 + i % spanX, y0 + i % spanY);
      return true;
    }
    case 'down': await tab.mouse.down({ button: words[0] }); return true;
    case 'up': await tab.mouse.up({ button: words[0] }); return true;
    case 'click':
      await tab.mouse.down({ button: words[0] });
      await tab.mouse.up({ button: words[0] });
      return true;
    case 'keyDown': await tab.keyboard.down(words[0]); return true;
    case 'keyUp': await tab.keyboard.up(words[0]); return true;
    case 'keyPress': await tab.keyboard.press(words[0]); return true;
    case 'focus':
      await tab.bringToFront();
      return tab.evaluate(() => document.hasFocus());
    default:
      throw new Error(`unknown request from the program: ${request}`);
  }
}

async function main() {
  const site = await serve(path.dirname(path.resolve(program)));
  const browser = await launch();
  let status = 1;
  try {
    const tab = await browser.newPage({ viewport: { width: 1024, height: 768 } });
    let finish;
    const result = new Promise((resolve) => { finish = resolve; });
    tab.on('console', (message) => {
      const text = message.text();
      if (message.type() === 'error') process.stderr.write(`${text}\n`);
      else process.stdout.write(`${text}\n`);
    });
    tab.on('pageerror', (error) => finish(`uncaught page error: ${error.message}`));
    await tab.exposeFunction('zephraTestDriver', (request) => act(tab, request));
    await tab.exposeFunction('zephraTestResult', (value) => finish(value));
    await tab.route(`${site.url}test.html`, (route) =>
      route.fulfill({ contentType: 'text/html; charset=utf-8', body: page }));
    await tab.goto(`${site.url}test.html`);
    const limit = setTimeout(() => finish(`no result after ${limitSeconds} s`), limitSeconds * 1000);
    const value = await result;
    clearTimeout(limit);
    if (typeof value === 'number') {
      status = value;
    } else {
      console.error(`${name}: ${value}`);
    }
  } finally {
    await browser.close();
    site.close();
  }
  return status;
}

main().then((status) => process.exit(status), (error) => {
  console.error(`${name}: ${error.stack || error}`);
  process.exit(1);
});
