// The web page's figures: the page's files as a web server sends them (gzip), the time
// from navigation to an interactive page in headless Chromium, and Run's analysis of the
// 50-node deck in the browser against trelvo-batch's in process (bench_json's --stdout
// median, on the deck it writes). Medians over repeats, printed as ratios to the goals.
//
//   node bench/web/web_bench.js [PAGE_DIR [BENCH_JSON]]
// Needs dist/web/ (tools/build-web.sh), bench_json (the test preset) and the browser driver
// (tools/web-check.sh installs it).
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { spawnSync } = require('child_process');

const root = path.resolve(__dirname, '../..');
const { chromium } = require(path.join(root, 'tests/web/node_modules/playwright-core'));
const pageDir = path.resolve(process.argv[2] || path.join(root, 'dist/web'));
const benchJson = path.resolve(process.argv[3] || path.join(root, 'build/test/bench/bench_json'));
const kLoads = 21;
const kRuns = 201;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function report(what, value, unit, goal) {
    console.log(`${what.padEnd(52)} ${value.toFixed(3).padStart(10)} ${unit.padEnd(3)} ` +
                `ratio to goal ${(value / goal).toFixed(2)}  (goal: <= ${goal} ${unit})`);
}

function sizes() {
    let total = 0;
    for (const name of fs.readdirSync(pageDir).sort()) {
        const bytes = fs.readFileSync(path.join(pageDir, name));
        const sent = zlib.gzipSync(bytes, { level: 9 }).length;
        const column = (value) => String(value).padStart(8);
        console.log(`  ${name.padEnd(20)} ${column(bytes.length)} bytes, ${column(sent)} gzip`);
        total += sent;
    }
    report('page and WebAssembly, gzip-compressed', total / 1024, 'KiB', 1024);
}

// bench_json's line: "... --json vs --stdout ...  JSON ms vs STDOUT ms  ratio ...".
function nativeRun() {
    const run = spawnSync(benchJson, { encoding: 'utf8' });
    const match = /([\d.]+) ms vs\s+([\d.]+) ms/.exec(run.stdout || '');
    if (run.status !== 0 || !match) throw new Error(`bench_json failed: ${run.stderr}`);
    const deck = fs.readFileSync(path.join(os.tmpdir(), 'trelvo-bench-json-50.txt'), 'latin1');
    return { milliseconds: Number(match[2]), deck };
}

async function interactiveTimes(browser) {
    const times = [];
    for (let load = 0; load < kLoads; ++load) {
        const page = await browser.newPage();
        await page.goto('file://' + path.join(pageDir, 'index.html'));
        await page.waitForSelector('body[data-ready="true"]');
        times.push(await page.evaluate(
            () => performance.getEntriesByName('trelvo-interactive')[0].startTime));
        await page.close();
    }
    return median(times);
}

// The analysis as Run makes it, timed inside the page, a few runs first to warm up.
async function browserRun(browser, deck) {
    const page = await browser.newPage();
    await page.goto('file://' + path.join(pageDir, 'index.html'));
    await page.waitForSelector('body[data-ready="true"]');
    return page.evaluate(({ deck, runs }) => {
        const times = [];
        for (let run = -10; run < runs; ++run) {
            const start = performance.now();
            const result = window.trelvo.analyse(deck, 'fifty.txt');
            const elapsed = performance.now() - start;
            if (result.messages.length) throw new Error('the 50-node deck did not analyse cleanly');
            if (run >= 0) times.push(elapsed);
        }
        times.sort((a, b) => a - b);
        return times[Math.floor(times.length / 2)];
    }, { deck, runs: kRuns });
}

(async () => {
    sizes();
    const native = nativeRun();
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [],
    });
    try {
        const interactive = await interactiveTimes(browser);
        report(`navigation to interactive, median of ${kLoads}`, interactive, 'ms', 300);
        const inBrowser = await browserRun(browser, native.deck);
        console.log(`Run on the 50-node deck: browser ${inBrowser.toFixed(3)} ms, ` +
                    `trelvo-batch in process ${native.milliseconds.toFixed(3)} ms (medians)`);
        report('browser vs native, 50-node deck (times native)', inBrowser / native.milliseconds,
               'x', 3);
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error('web_bench:', error.message);
    process.exit(1);
});
