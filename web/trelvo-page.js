// The Trelvo page: the deck editor, Run and the viewer, on the WebAssembly module. Whatever
// the desktop program computes (the document, the report, the messages, the picture) comes
// from the module; this script only moves text and events between it and the page.
'use strict';

(function () {
    const $ = (id) => document.getElementById(id);
    const engineReady = createTrelvoModule();

    // The embedding interface, documented in the README. Strings whose characters are bytes
    // (Latin-1) go in; the document comes back the same way.
    function makeApi(module) {
        return {
            analyse(deckText, name = 'deck.txt') {
                const result = module.analyse(deckText, name);
                return { document: result.document, json: result.json, messages: result.messages };
            },
            scene(documentText, options = {}) {
                const result = module.scene(documentText, options);
                if (result.error !== undefined) throw new Error(result.error);
                return result.svg;
            },
        };
    }
    window.trelvo = {
        ready: engineReady.then((module) => Object.assign(window.trelvo, makeApi(module))),
    };

    // The editor shows lines joined by LF; the document has them joined by CR LF.
    const toEditor = (text) => text.replace(/\r\n/g, '\n');
    const toDocument = (text) => text.replace(/\n/g, '\r\n');
    const latin1Bytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));
    const bytesAsText = (bytes) => {
        let text = '';
        for (let i = 0; i < bytes.length; i += 8192)
            text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
        return text;
    };
    const baseName = (name) => name.replace(/^.*[\\/]/, '');
    const stem = (name) => name.replace(/\.[^.]*$/, '');

    function firstOutsideLatin1(text) {
        for (const character of text) {
            const code = character.codePointAt(0);
            if (code > 0xff) return code;
        }
        return undefined;
    }

    function download(name, bytesOrText, type) {
        const url = URL.createObjectURL(new Blob([bytesOrText], { type }));
        const link = Object.assign(document.createElement('a'), { href: url, download: name });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 10000);
    }

    function setStatus(text) { $('status').textContent = text; }

    // The desktop program's message boxes, one after the other, each until OK.
    const pendingMessages = [];
    function showMessages(messages) {
        pendingMessages.push(...messages);
        if (!$('message').open) showNextMessage();
    }
    function showNextMessage() {
        const message = pendingMessages.shift();
        if (!message) return;
        $('message-title').textContent = message.title;
        $('message-text').textContent = message.text;
        $('message').showModal();
        $('message-ok').focus();
    }

    // A page that only embeds the interface has none of this page's controls.
    if (!$('deck')) return;

    engineReady.then((engine) => {
        const api = window.trelvo;
        const editor = $('deck');
        const state = {
            name: 'deck.txt',       // the document's name, as the desktop names it after Run
            fileBytes: null,        // the bytes of the last Open, Run reads them while unchanged
            snapshot: '',           // the editor text they gave
            loadedSize: 0,          // what Save checks, from the last Open
            results: null,          // {name, document, json} of the last Run
        };
        let shownText = editor.value;
        let view = null;

        function showDocument(name, text, fileBytes, loadedSize) {
            state.name = name;
            editor.value = toEditor(text);
            shownText = editor.value;
            state.snapshot = editor.value;
            state.fileBytes = fileBytes;
            state.loadedSize = loadedSize;
            $('document-name').textContent = '— ' + baseName(name);
        }

        // One gate before text the user has not saved is replaced: the browser has no
        // three-way question, so OK discards and Cancel keeps the text (Save is a download).
        const hasUnsavedText = () => editor.value !== state.snapshot;
        function mayDiscardText() {
            return !hasUnsavedText() ||
                window.confirm('The document has unsaved changes. Discard them?');
        }
        window.addEventListener('beforeunload', (event) => {
            if (hasUnsavedText()) event.preventDefault();
        });

        function openBytes(name, bytes) {
            if (!mayDiscardText()) return;
            const text = bytesAsText(bytes);
            const loaded = engine.openDocument(text);
            showDocument(name, loaded.text, text, loaded.loadedSize);
            setStatus(`Opened ${baseName(name)}.`);
            if (view) showInViewer();
        }

        function refuseLongDocument(loadedSize) {
            if (loadedSize <= engine.loadedSizeLimit()) return false;
            showMessages([{ title: 'Warning', text: engine.tooLongText() }]);
            return true;
        }

        // What Save writes: the editor's lines joined by CR LF, a byte a character.
        const editorBytes = () => toDocument(editor.value);

        // Open: a file chooser, or a file dropped anywhere on the page.
        $('open').addEventListener('click', () => $('open-file').click());
        $('open-file').addEventListener('change', async (event) => {
            const file = event.target.files[0];
            if (file) openBytes(file.name, new Uint8Array(await file.arrayBuffer()));
            event.target.value = '';
        });
        document.addEventListener('dragover', (event) => {
            if (event.dataTransfer.types.includes('Files')) event.preventDefault();
        });
        document.addEventListener('drop', async (event) => {
            const file = event.dataTransfer.files[0];
            if (!file) return;
            event.preventDefault();
            openBytes(file.name, new Uint8Array(await file.arrayBuffer()));
        });

        $('save').addEventListener('click', () => {
            if (refuseLongDocument(state.loadedSize)) return;
            const text = editorBytes();
            download(baseName(state.name), latin1Bytes(text), 'text/plain');
            state.snapshot = editor.value;
            state.fileBytes = text;
            setStatus(`Saved ${baseName(state.name)}.`);
        });

        // The single-byte rule: text holding a character one byte cannot hold is refused
        // whole, with the desktop's message, and the editor keeps what it had.
        function refuse(code) {
            showMessages([{ title: 'Warning', text: engine.insertRefusedText(code) }]);
        }
        editor.addEventListener('beforeinput', (event) => {
            const inserted = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
            const code = firstOutsideLatin1(inserted);
            if (code === undefined) return;
            event.preventDefault();
            refuse(code);
        });
        // Input that could not be stopped beforehand (an input method's composition) is undone.
        editor.addEventListener('input', () => {
            const code = firstOutsideLatin1(editor.value);
            if (code === undefined) {
                shownText = editor.value;
                return;
            }
            const caret = Math.max(0, editor.selectionStart - (editor.value.length - shownText.length));
            editor.value = shownText;
            editor.setSelectionRange(caret, caret);
            refuse(code);
        });

        // Run: the deck is what the file holds, as on the desktop; an edited deck is run as
        // Save would write it. The report goes into the editor and the document takes the
        // results name.
        function run() {
            const deck = editor.value === state.snapshot && state.fileBytes !== null
                ? state.fileBytes : editorBytes();
            const result = engine.analyse(deck, state.name);
            const resultsName = engine.resultsFileName(state.name);
            showDocument(resultsName, result.document, toDocument(toEditor(result.document)),
                         state.loadedSize);
            state.results = { name: baseName(resultsName), document: result.document, json: result.json,
                              loadedSize: result.loadedSize };
            $('save-results').disabled = false;
            $('save-json').disabled = false;
            setStatus(result.inputError ? 'The deck was refused: no report.'
                : `Report inserted after the deck; results ${baseName(resultsName)}.`);
            showMessages(result.messages);
            if (view) showInViewer();
        }
        $('run').addEventListener('click', run);

        $('save-results').addEventListener('click', () => {
            if (refuseLongDocument(state.results.loadedSize)) return;
            download(state.results.name, latin1Bytes(state.results.document), 'text/plain');
        });
        $('save-json').addEventListener('click', () => {
            download(stem(state.results.name.replace(/-RZ\.TXT$/, '')) + '.json', state.results.json,
                     'application/json');
        });

        // The help page, with its example deck one click away.
        $('help-text').textContent = toEditor(engine.helpText());
        $('help').addEventListener('click', () => {
            const shown = $('help-pane').hidden;
            $('help-pane').hidden = !shown;
            $('help').setAttribute('aria-expanded', String(shown));
            if (shown) $('help-text').focus();
        });
        $('open-example').addEventListener('click', () => {
            const example = engine.helpExampleDeck();
            openBytes('help-example.txt', latin1Bytes(example));
            editor.focus();
        });

        // The viewer pane: the desktop viewer's view state, driven by the page's events.
        const viewBox = $('view');
        let shownSize = { width: 0, height: 0 };
        function viewSize() {
            return { width: Math.max(200, viewBox.clientWidth),
                     height: Math.max(200, viewBox.clientHeight) };
        }
        function render() {
            if (!view || !view.hasModel()) return;
            const size = viewSize();
            if (shownSize.width && (size.width !== shownSize.width || size.height !== shownSize.height))
                view.resize(shownSize.width, shownSize.height, size.width, size.height);
            shownSize = size;
            viewBox.innerHTML = view.svg(size.width, size.height);
        }
        function syncControls() {
            for (const box of document.querySelectorAll('[data-option]'))
                box.checked = view.option(box.dataset.option);
            $('magnification').value = String(Number(view.magnification().toPrecision(6)));
        }
        function showInViewer() {
            const outcome = view.load(editorBytes(), state.name);
            viewBox.innerHTML = '';
            shownSize = { width: 0, height: 0 };
            $('view-status').textContent = outcome.error ?? outcome.warning ?? (outcome.title || '');
            if (!view.hasModel()) return;
            syncControls();
            render();
        }
        $('launch').addEventListener('click', () => {
            const shown = $('viewer-pane').hidden;
            $('viewer-pane').hidden = !shown;
            $('launch').setAttribute('aria-expanded', String(shown));
            if (!shown) return;
            view = view ?? new engine.View();
            showInViewer();
            viewBox.focus();
        });
        new ResizeObserver(() => render()).observe(viewBox);

        const pointAt = (event) => {
            const box = viewBox.getBoundingClientRect();
            return [event.clientX - box.left, event.clientY - box.top];
        };
        viewBox.addEventListener('pointerdown', (event) => {
            if (!view || (event.button !== 0 && event.button !== 1)) return;
            event.preventDefault();
            viewBox.focus();
            viewBox.setPointerCapture(event.pointerId);
            view.beginDrag(event.button === 1 || event.shiftKey, ...pointAt(event));
        });
        viewBox.addEventListener('pointermove', (event) => {
            if (!view) return;
            if (view.dragTo(...pointAt(event))) return render();
            const hover = view.hoverAt(...pointAt(event));
            if (hover !== undefined) {
                $('view-status').textContent = hover;
                render();
            }
        });
        const endDrag = () => view && view.endDrag();
        viewBox.addEventListener('pointerup', endDrag);
        viewBox.addEventListener('pointercancel', endDrag);
        // A wheel notch is 120 units (eighths of a degree); a browser scrolls about 100 pixels.
        viewBox.addEventListener('wheel', (event) => {
            if (!view) return;
            event.preventDefault();
            const perDelta = [1.2, 40, 400][event.deltaMode] ?? 1.2;
            view.zoomAt(-event.deltaY * perDelta, ...pointAt(event));
            render();
        }, { passive: false });
        const keyTurns = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
        // The desktop viewer's keys for its toggles.
        const keyOptions = { n: 'nodeNumbers', e: 'elementNumbers', u: 'undeformed', l: 'loads',
                             s: 'supports', r: 'reactions' };
        viewBox.addEventListener('keydown', (event) => {
            if (!view || event.ctrlKey || event.altKey || event.metaKey) return;
            const centre = [viewSize().width / 2, viewSize().height / 2];
            const option = keyOptions[event.key.toLowerCase()];
            if (option) {
                view.setOption(option, !view.option(option));
                syncControls();
            } else if (event.key.toLowerCase() === 'a') {
                view.setMagnification(view.initialMagnification());
                syncControls();
            } else if (event.key in keyTurns) view.turn(keyTurns[event.key]);
            else if (event.key === 'Home') view.reset();
            else if (event.key === '+' || event.key === '=') view.zoomAt(120, ...centre);
            else if (event.key === '-') view.zoomAt(-120, ...centre);
            else return;
            event.preventDefault();
            render();
        });
        $('reset-view').addEventListener('click', () => { view?.reset(); render(); });
        for (const box of document.querySelectorAll('[data-option]'))
            box.addEventListener('change', () => {
                view?.setOption(box.dataset.option, box.checked);
                render();
            });
        $('magnification').addEventListener('change', () => {
            const value = Number($('magnification').value);
            if (view && Number.isFinite(value) && value >= 0) view.setMagnification(value);
            render();
        });
        $('auto-magnification').addEventListener('click', () => {
            view?.setMagnification(view.initialMagnification());
            if (view) syncControls();
            render();
        });

        // Exports are the picture as a file: no highlight, the fixed colours, made by the
        // same call an embedding page uses.
        function exportedSvg() {
            const options = { ...viewSize(), magnification: view.magnification(), camera: view.camera(),
                              name: state.name };
            for (const box of document.querySelectorAll('[data-option]'))
                options[box.dataset.option] = view.option(box.dataset.option);
            return api.scene(editorBytes(), options);
        }
        const exportName = (extension) => stem(baseName(state.name)) + extension;
        $('export-svg').addEventListener('click', () => {
            if (view?.hasModel()) download(exportName('.svg'), exportedSvg(), 'image/svg+xml');
        });
        $('export-png').addEventListener('click', () => {
            if (!view?.hasModel()) return;
            const size = viewSize();
            const image = new Image();
            image.onload = () => {
                const canvas = Object.assign(document.createElement('canvas'), size);
                canvas.getContext('2d').drawImage(image, 0, 0);
                canvas.toBlob((blob) => download(exportName('.png'), blob, 'image/png'), 'image/png');
            };
            image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(exportedSvg());
        });

        // The desktop program's keys: F5 runs, F6 opens the viewer, F1 the help page.
        document.addEventListener('keydown', (event) => {
            const button = { F1: 'help', F5: 'run', F6: 'launch' }[event.key] ||
                (event.ctrlKey && { o: 'open', s: 'save' }[event.key]);
            if (!button) return;
            event.preventDefault();
            $(button).click();
        });
        $('message').addEventListener('close', showNextMessage);

        for (const button of document.querySelectorAll('[data-needs-engine]')) button.disabled = false;
        setStatus('Ready: write or open a deck, then Run Trelvo.');
        document.body.dataset.ready = 'true';
        performance.mark('trelvo-interactive');
    }, (error) => setStatus('The engine could not be loaded: ' + error));

    for (const button of document.querySelectorAll('[data-needs-engine]')) button.disabled = true;
})();
