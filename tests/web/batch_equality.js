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
    const engineMessage = /^[^\n]*:\d+: field /.test(text.stderr.split(deck).join('')) ? '' : text.stderr;
    if (engineMessage && !(result.messages.length && engineMessage.startsWith(batchStyle(deck, result.messages[0]))))
        problems.push(`message differs: ${JSON.stringify(result.messages[0])} vs ${JSON.stringify(text.stderr)}`);
    const json = runBatch('--json', deck);
    if (!Buffer.from(result.json, 'utf8').equals(json.stdout))
        problems.push('JSON differs from --json');
    return problems;
}

require(path.resolve(moduleFile))().then((trelvo) => {
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
    process.exit(failures || decks.length < 2 ? 1 : 0);
});
