#include "qt/editor/qt_editor_control.h"

#include "qt/common/qt_conversions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace trelvo::qt {

QtEditorControl::QtEditorControl(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    // Both scroll bars come and go with the text, as in the usual edit control: an empty
    // document shows none.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setUndoRedoEnabled(true);
    // The selection stays visible, in the same colours, while another control has the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setBrush(QPalette::Inactive, role, colours.brush(QPalette::Active, role));
    setPalette(colours);
    connect(document(), &QTextDocument::contentsChange, this, &QtEditorControl::OnContentsChange);
}

QtEditorControl::~QtEditorControl() = default;

bool QtEditorControl::IsEmpty() const { return document()->characterCount() <= 1; }

namespace {

// A text whose every line end is already CR LF is what GetText gives back for it.
bool HasOnlyCrLfLineEnds(const std::string& text) {
    for (std::size_t i = text.find_first_of("\r\n"); i != std::string::npos;
         i = text.find_first_of("\r\n", i + 2))
        if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n')
            return false;
    return true;
}

} // namespace

std::string QtEditorControl::GetText() const {
    if (cacheValid_ && cachedRevision_ == revision_)
        return cachedText_;
    // The document's raw text in one piece: blocks are separated by U+2029, and no other
    // character is replaced (toPlainText would turn U+00A0 into a blank).
    const QString raw = document()->toRawText();
    // The document ends with a closing separator of its own, counted in characterCount.
    const qsizetype length = std::min<qsizetype>(raw.size(), document()->characterCount() - 1);
    std::string text;
    text.reserve(TextLength());
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = raw.at(i).unicode();
        if (c == QChar::ParagraphSeparator)
            text += "\r\n";
        else
            text += c < 0x100 ? static_cast<char>(c) : '?';
    }
    cachedText_ = std::move(text);
    cachedRevision_ = revision_;
    cacheValid_ = true;
    return cachedText_;
}

void QtEditorControl::SetText(const std::string& text) {
    EndEditGroup();
    setPlainText(qt::FromLatin1(text));
    rememberedEmptyLine_ = false;
    ++revision_;
    setTextCursor(QTextCursor(document()));
    if (HasOnlyCrLfLineEnds(text)) {
        cachedText_ = text;
        cachedRevision_ = revision_;
        cacheValid_ = true;
    }
}

int QtEditorControl::LineCount() const {
    if (IsEmpty())
        return rememberedEmptyLine_ ? 1 : 0;
    return document()->blockCount();
}

std::string QtEditorControl::GetLine(int line) const {
    if (line < 0 || line >= document()->blockCount())
        return {};
    return qt::ToLatin1(document()->findBlockByNumber(line).text());
}

int QtEditorControl::LineStart(int line) const {
    if (line < 0)
        return -1;
    if (line >= document()->blockCount())
        return TextEnd();
    return document()->findBlockByNumber(line).position();
}

int QtEditorControl::TextEnd() const { return document()->characterCount() - 1; }

void QtEditorControl::InsertLine(int line, const std::string& text) {
    if (line >= 0 && line < LineCount()) {
        InsertAt(LineStart(line), qt::FromLatin1(text + "\r\n"));
        return;
    }
    if (IsEmpty() && !rememberedEmptyLine_) {
        if (text.empty()) {
            // The text stays empty, but the next line added at the end starts a new line.
            rememberedEmptyLine_ = true;
            return;
        }
        InsertAt(0, qt::FromLatin1(text));
        return;
    }
    InsertAt(TextEnd(), qt::FromLatin1("\r\n" + text));
}

void QtEditorControl::SelectRange(int start, int end) {
    QTextCursor cursor = textCursor();
    if (start < 0) {
        cursor.setPosition(cursor.selectionEnd());
    } else {
        const TextRange range = SelectedRange(start, end, TextEnd());
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

void QtEditorControl::ReplaceSelection(const std::string& text) {
    BeginEditGroup();
    QTextCursor cursor = textCursor();
    cursor.insertText(qt::FromLatin1(text));
    setTextCursor(cursor);
    rememberedEmptyLine_ = false;
    ++revision_;
}

void QtEditorControl::InsertAt(int position, const QString& text) {
    BeginEditGroup();
    const QTextCursor selection = textCursor();
    const int anchor = selection.anchor();
    const int caret = selection.position();
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.insertText(text);
    if (textCursor().anchor() != anchor || textCursor().position() != caret) {
        QTextCursor kept(document());
        kept.setPosition(anchor);
        kept.setPosition(caret, QTextCursor::KeepAnchor);
        setTextCursor(kept);
    }
    rememberedEmptyLine_ = false;
    ++revision_;
}

void QtEditorControl::Undo() {
    EndEditGroup();
    undo();
}

void QtEditorControl::Cut() {
    EndEditGroup();
    cut();
}

void QtEditorControl::Copy() { copy(); }

void QtEditorControl::Paste() {
    EndEditGroup();
    paste();
}

void QtEditorControl::ApplyFont(const FontSpec& font, std::uint32_t colour) {
    EndEditGroup();
    setFont(qt::ToQFont(font, std::abs(font.pixelHeight)));
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Text, qt::FromColourRef(colour));
    setPalette(colours);
    document()->clearUndoRedoStacks();
    setTextCursor(QTextCursor(document()));
    ensureCursorVisible();
}

std::size_t QtEditorControl::TextLength() const {
    // Every block separator counts once in the character count and twice as CR LF.
    const int characters = document()->characterCount() - 1;
    const int lineEnds = document()->blockCount() - 1;
    return static_cast<std::size_t>(characters + lineEnds);
}

std::optional<int> QtEditorControl::FirstUnencodableLine() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        if (qt::FirstUnencodable(block.text()))
            return block.blockNumber() + 1;
    return std::nullopt;
}

void QtEditorControl::BeginEditGroup() {
    if (editGroupOpen_)
        return;
    QTextCursor(document()).beginEditBlock();
    editGroupOpen_ = true;
    QTimer::singleShot(0, this, &QtEditorControl::EndEditGroup);
}

void QtEditorControl::EndEditGroup() {
    if (!editGroupOpen_)
        return;
    editGroupOpen_ = false;
    QTextCursor(document()).endEditBlock();
}

void QtEditorControl::OnContentsChange(int, int, int) {
    ++revision_;
    // A remembered empty line belongs to an empty text only: any text forgets it.
    if (!IsEmpty())
        rememberedEmptyLine_ = false;
}

// The editor only ever holds characters one byte can hold, so that no later command meets
// a character it would have to change. A paste or drop is all or nothing.
void QtEditorControl::insertFromMimeData(const QMimeData* source) {
    EndEditGroup();
    if (const std::optional<char32_t> refused = qt::FirstUnencodable(source->text())) {
        emit insertRefused(*refused);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

// A file dragged from a file manager is the window's to open, not text to insert: left to
// the window, under which the editor lies.
void QtEditorControl::dragEnterEvent(QDragEnterEvent* event) {
    if (!qt::FirstLocalFile(*event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void QtEditorControl::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

// An input method's commit is typing: refused with the alert sound, composing goes on.
void QtEditorControl::inputMethodEvent(QInputMethodEvent* event) {
    if (!qt::FirstUnencodable(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QApplication::beep();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
    event->accept();
}

bool QtEditorControl::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (reservedKeys_.contains(QKeySequence(key->keyCombination()))) {
            key->ignore(); // not the editor's: the window's shortcut takes it
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void QtEditorControl::keyPressEvent(QKeyEvent* event) {
    EndEditGroup(); // the user's edits are steps of their own
    // Tab only ever moves the focus, even when there is no other control to move it to.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->ignore();
        return;
    }
    // Shift+Enter would insert a soft line break that no single byte can hold: every
    // Enter ends a line.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    if (qt::FirstUnencodable(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace trelvo::qt
