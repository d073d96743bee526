#pragma once

#include "editor/platform.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

#include <cstdint>

namespace trelvo::qt {

// The document editor: a plain-text widget that keeps the line and position rules of the
// editor text model. Each block of the document is one line, so a block separator is the
// one-character line end the positions count; the whole text joins the lines with CR LF.
class QtEditorControl : public QPlainTextEdit, public EditorControl {
    Q_OBJECT
public:
    explicit QtEditorControl(QWidget* parent = nullptr);
    ~QtEditorControl() override;

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    int LineCount() const override;
    std::string GetLine(int line) const override;
    int LineStart(int line) const override;
    int TextEnd() const override;
    void InsertLine(int line, const std::string& text) override;
    void SelectRange(int start, int end) override;
    void ReplaceSelection(const std::string& text) override;

    void Undo() override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void ApplyFont(const FontSpec& font, std::uint32_t colour) override;
    std::uint64_t Revision() const override { return revision_; }
    std::size_t TextLength() const override;
    std::optional<int> FirstUnencodableLine() const override;

    // Keys that belong to the window's accelerators: the editor lets them go by, so that
    // the window's command runs instead of the editor's own key binding.
    void SetReservedKeys(const QList<QKeySequence>& keys) { reservedKeys_ = keys; }

    // Edits made through the text operations while a command runs are gathered into one
    // undo step; this closes the step. It also closes by itself once the event loop runs.
    void EndEditGroup();

signals:
    // A paste or drop held a character one byte cannot hold, so nothing was inserted.
    void insertRefused(char32_t character);
    // A right click or the menu key: the window shows the editor's menu there (screen
    // coordinates), in place of the widget's own.
    void contextMenuRequested(const QPoint& globalPosition);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    bool IsEmpty() const;
    void BeginEditGroup();
    // Inserts at a position with a cursor of its own; the selection keeps its positions.
    void InsertAt(int position, const QString& text);
    void OnContentsChange(int position, int removed, int added);

    std::uint64_t revision_ = 0;
    // The whole text as GetText last built it, valid while the revision is unchanged:
    // Replace, Find and the Run button's check need it after every change at most once.
    mutable std::string cachedText_;
    mutable std::uint64_t cachedRevision_ = 0;
    mutable bool cacheValid_ = false;
    bool rememberedEmptyLine_ = false;
    bool editGroupOpen_ = false;
    QList<QKeySequence> reservedKeys_;
};

} // namespace trelvo::qt
