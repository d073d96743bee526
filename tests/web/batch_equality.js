// The web module against trelvo-batch on every example and corpus deck: the results text
// must equal `--stdout` byte for byte, the JSON line `--json`, and the engine's message the
// one the batch writes to standard error.
//
//   node tests/web/batch_equality.js MODULE_JS TRELVO_BATCH SOURCE_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const [moduleFile, batch, sourceDir] = process.argv.slice(2);
if (!sourceDir) {
    console.error('usage: batch_equality.js MODULE_JS TRELVO_BATCH SOURCE_DIR');
    process.exit(2);
}

function decksUnder(folder, extension) {
    return fs.readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
        const full = path.join(folder, entry.name);
        if (entry.isDirectory()) return decksUnder(full, extension);
        return entry.name.endsWith(extension) ? [full] : [];
    });
}

function runBatch(option, deck) {
    const run = spawnSync(batch, [option, deck], { cwd: sourceDir, encoding: 'buffer' });
    return { status: run.status, stdout: run.stdout, stderr: run.stderr.toString('utf8') };
}

// The first message box, as the batch writes it: "DECK: TITLE", then the text.
function batchStyle(deck, message) {
    return `${deck}: ${message.title}\n${message.text}\n`;
}

function checkDeck(trelvo, deck) {
    const bytes = fs.readFileSync(path.join(sourceDir, deck));
    const result = trelvo.analyse(bytes.toString('latin1'), deck);
    const problems = [];
    const text = runBatch('--stdout', deck);
    const documentBytes = Buffer.from(result.document, 'latin1');
    if (text.status === 0 && !documentBytes.equals(text.stdout))
        problems.push('results text differs from --stdout');
    if ((text.status === 2) !== result.inputError)
        problems.push(`batch status ${text.status} but inputError ${result.inputError}`);
    // The batch writes the engine's message first, then one line a misread field.
    const misreadFirst = /^[^\n]*:\d+: field /.test(text.stderr.split(deck).join(''));
    const engineMessage = misreadFirst ? '' : text.stderr;
    const first = result.messages[0];
    if (engineMessage && !(first && engineMessage.startsWith(batchStyle(deck, first))))
        problems.push(`message differs: ${JSON.stringify(first)} vs ${JSON.stringify(text.stderr)}`);
    const json = runBatch('--json', deck);
    if (!Buffer.from(result.json, 'utf8').equals(json.stdout))
        problems.push('JSON differs from --json');
    return problems;
}

// The module's C++ library has no floating-point std::to_chars; the shortest text that
// stands in for it must read back to the value with no more digits than JavaScript's own
// shortest text of the number has.
function checkShortestDecimals(trelvo) {
    const words = new DataView(new ArrayBuffer(8));
    const values = [0.1, 100, 1e16, 1e21, 1e-7, 5e-324, 1.7976931348623157e308,
                    123456789012345680000, -2.5e-5];
    // Powers of two, where the values below lie closer together than those above.
    for (let power = -1074; power <= 1023; ++power) values.push(2 ** power);
    for (let seed = 12345, i = 0; i < 20000; ++i) {
        seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
        words.setUint32(0, seed);
        seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
        words.setUint32(4, seed);
        const value = words.getFloat64(0);
        if (Number.isFinite(value)) values.push(value);
    }
    const significant = (text) =>
        text.replace(/^-/, '').replace(/e.*$/, '').replace('.', '').replace(/^0+|0+$/g, '').length;
    // A whole number in fixed notation has every digit of its exact value, as "%.0f" writes
    // it (2 ** 55 is 36028797018963968), unlike JavaScript's own text of it; any other text
    // has no more significant digits than JavaScript's.
    const digitsRight = (text, value) => /^-?\d+$/.test(text)
        ? text === BigInt(value).toString()
        : significant(text) <= significant(value.toExponential());
    const problems = [];
    for (const value of values) {
        const text = trelvo.shortestDecimal(value);
        if (!/^-?(\d+(\.\d+)?|\d(\.\d+)?e[+-]\d{2,3})$/.test(text) || Number(text) !== value ||
            !digitsRight(text, value))
            problems.push(`${value} written as ${text}`);
    }
    return problems;
}

require(path.resolve(moduleFile))().then((trelvo) => {
    const numberProblems = checkShortestDecimals(trelvo);
    for (const problem of numberProblems.slice(0, 10)) console.error(`FAILED: ${problem}`);
    const decks = [
        ...decksUnder(path.join(sourceDir, 'examples'), '.txt'),
        ...decksUnder(path.join(sourceDir, 'tests', 'corpus'), '.deck'),
    ].map((deck) => path.relative(sourceDir, deck)).sort();
    let failures = 0;
    for (const deck of decks) {
        const problems = checkDeck(trelvo, deck);
        for (const problem of problems) console.error(`FAILED: ${deck}: ${problem}`);
        failures += problems.length ? 1 : 0;
    }
    console.log(`${decks.length - failures} of ${decks.length} decks give trelvo-batch's bytes`);
    process.exit(failures || numberProblems.length || decks.length < 2 ? 1 : 0);
});
