// The page in a real browser (Debian's Chromium, headless): open the help page's example,
// Run, and compare what the page shows and downloads with trelvo-batch's; the viewer's
// picture and exports; the single-byte rule on typed and pasted text; Open and Save's lines.
//
//   node tests/web/page_test.js PAGE_DIR TRELVO_BATCH SOURCE_DIR [SCREENSHOT]
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');
const { chromium } = require('playwright-core');

const [pageDir, batch, sourceDir, screenshot] = process.argv.slice(2);
const exampleDir = path.join(sourceDir, 'examples');

function batchOutput(option) {
    const run = spawnSync(path.resolve(batch), [option, 'help-example.txt'], { cwd: exampleDir });
    assert.equal(run.status, 0, `trelvo-batch ${option} failed`);
    return run.stdout;
}

async function downloadOf(page, button) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
    return { name: download.suggestedFilename(), bytes: fs.readFileSync(await download.path()) };
}

const editorBytes = async (page) =>
    Buffer.from((await page.inputValue('#deck')).replace(/\n/g, '\r\n'), 'latin1');

// Bar colours from the SVG: the deformed bars in element order.
async function deformedBarColours(page) {
    return page.$$eval('#view svg g.deformed-bar line', (lines) => lines.map((line) => {
        const hex = line.getAttribute('stroke');
        return [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16));
    }));
}

async function checkRunOnExample(page) {
    await page.click('text=Help Page');
    await page.click('text=Open the example deck');
    await page.click('#help');
    assert.equal(await page.isVisible('#help-pane'), false, 'Help Page closes the help again');
    await page.click('text=Run Trelvo');
    assert.equal(await page.isVisible('#message'), false, 'the example needs no message');
    const stdout = batchOutput('--stdout');
    assert.ok((await editorBytes(page)).equals(stdout), 'the report in the editor is not --stdout');
    const results = await downloadOf(page, '#save-results');
    assert.equal(results.name, 'help-example-RZ.TXT');
    assert.ok(results.bytes.equals(stdout), 'the results file is not --stdout');
    const json = await downloadOf(page, '#save-json');
    assert.ok(json.bytes.equals(batchOutput('--json')), 'the JSON is not --json');
}

// Node 2 of the example carries 50 along X; its bars run to (0,0) and (12,0) from (8,6).
// Balancing the node by hand gives bar 1 +41.7 (tension) and bar 2 -30.0 (compression):
// tension is drawn red, compression blue.
async function checkViewer(page, screenshot) {
    await page.click('text=Launch Vantrel');
    await page.waitForSelector('#view svg g.deformed-bar line');
    const [bar1, bar2, ...rest] = await deformedBarColours(page);
    assert.equal(rest.length, 0, 'two bars expected');
    assert.ok(bar1[0] > bar1[2], `bar 1 is in tension: red, not ${bar1}`);
    assert.ok(bar2[2] > bar2[0], `bar 2 is in compression: blue, not ${bar2}`);
    if (screenshot) await page.screenshot({ path: screenshot });
    const before = await page.innerHTML('#view');
    const box = await page.$eval('#view', (view) => view.getBoundingClientRect().toJSON());
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width / 2 + 80, box.y + box.height / 2 + 30, { steps: 4 });
    await page.mouse.up();
    assert.notEqual(await page.innerHTML('#view'), before, 'a drag turns the view');
    assert.equal(await page.$('#view svg g.element-number'), null, 'element numbers start off');
    await page.focus('#view');
    await page.keyboard.press('e');
    await page.waitForSelector('#view svg g.element-number');
    const svg = await downloadOf(page, '#export-svg');
    assert.equal(svg.name, 'help-example-RZ.svg');
    assert.match(svg.bytes.toString('utf8'), /<g class="deformed-bar">/);
    const png = await downloadOf(page, '#export-png');
    const pngSignature = Buffer.from('\x89PNG\r\n\x1a\n', 'latin1');
    assert.ok(png.bytes.subarray(0, 8).equals(pngSignature), 'a PNG file');
}

async function expectRefusal(page, insert) {
    const before = await page.inputValue('#deck');
    await insert();
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), /U\+20AC/);
    assert.equal(await page.inputValue('#deck'), before, 'the editor text must not change');
    await page.click('#message-ok');
}

// Open reads a line up to CR LF, a lone LF or a lone CR, the last line without its end; Save
// writes the lines joined by CR LF, each character its one byte.
// Unsaved text is replaced only once the user has said so. Runs after the editor was typed in.
async function checkOpenAndSave(page) {
    const file = {
        name: 'lines.txt', mimeType: 'text/plain', buffer: Buffer.from('T\xe9\nB\rC\r\n', 'latin1'),
    };
    const typed = await page.inputValue('#deck');
    const [question] = await Promise.all([
        page.waitForEvent('dialog'), page.setInputFiles('#open-file', file),
    ]);
    assert.equal(question.message(), 'The document has unsaved changes. Discard them?');
    await question.dismiss();
    assert.equal(await page.inputValue('#deck'), typed, 'Cancel keeps the unsaved text');
    page.once('dialog', (dialog) => dialog.accept());
    await page.setInputFiles('#open-file', file);
    await page.waitForFunction(() => document.getElementById('deck').value.startsWith('T'));
    const saved = await downloadOf(page, '#save');
    assert.equal(saved.name, 'lines.txt');
    const expected = Buffer.from('T\xe9\r\nB\r\nC', 'latin1');
    assert.ok(saved.bytes.equals(expected), `saved ${saved.bytes.toString('latin1')}`);
}

// The interface for embedding pages, on one bar along X (E 10, A 1, length 1) pulled by 5 at
// its free end: it stretches 5 x 1 / (10 x 1) = 0.5 under a stress of 5 / 1 = 5, in tension.
async function checkInterface(page) {
    const deck = 'ONE BAR\r\n2 1\r\n1 1 1 1 0 0 0 0 0 0\r\n2 0 1 1 1 0 0 5 0 0\r\n1 1 2 10 1\r\n';
    const { result, svg } = await page.evaluate((deck) => {
        const result = window.trelvo.analyse(deck, 'bar.txt');
        return { result, svg: window.trelvo.scene(result.document, { width: 400, height: 300 }) };
    }, deck);
    assert.match(result.document, /^2 +5\.000E-01 +0\.000E\+00/m, 'node 2 moves 0.5 along X');
    assert.match(result.document, /^1 +5\.000E\+00 +5\.000E\+00/m, 'stress and force 5');
    assert.equal(JSON.parse(result.json).elements[0].stress, 5);
    assert.deepEqual(result.messages, []);
    const bar = /<g class="deformed-bar">\s*<line [^>]*stroke="#(\w\w)\w\w(\w\w)"/.exec(svg);
    assert.ok(bar && parseInt(bar[1], 16) > parseInt(bar[2], 16), 'the bar is drawn red, in tension');
}

async function checkLatin1Rule(page) {
    await page.click('#deck');
    await expectRefusal(page, () => page.keyboard.insertText('x€'));
    await page.evaluate(() => navigator.clipboard.writeText('1 €'));
    await page.click('#deck');
    await expectRefusal(page, () => page.keyboard.press('Control+V'));
    await page.keyboard.insertText('é');
    assert.match(await page.inputValue('#deck'), /é/, 'a Latin-1 character is taken');
}

(async () => {
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [],
    });
    try {
        const context = await browser.newContext({
            acceptDownloads: true, viewport: { width: 1400, height: 900 },
        });
        await context.grantPermissions(['clipboard-read', 'clipboard-write']);
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(String(error)));
        await page.goto('file://' + path.resolve(pageDir, 'index.html'));
        await page.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
        await checkRunOnExample(page);
        await checkViewer(page, screenshot);
        await checkInterface(page);
        await checkLatin1Rule(page);
        await checkOpenAndSave(page);
        assert.deepEqual(errors, [], 'the page threw');
        console.log('the page in Chromium: report, downloads, viewer, interface, single-byte rule, Open and Save hold');
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error('FAILED:', error.message);
    process.exit(1);
});
