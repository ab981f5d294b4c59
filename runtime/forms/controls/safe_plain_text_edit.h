#pragma once

#include <QPlainTextEdit>

#include <memory>

namespace rt {

// The multi-line editor of text boxes.
//
// Everything the clipboard or a drop brings in (Ctrl+V, Shift+Insert, the
// middle button, dropping) passes through here: only its plain text is
// inserted, and data without text inserts nothing. The toolkit's own editor
// crashes on clipboard data that has no formats at all, which is what an
// empty clipboard hands over.
//
// A line too long for the toolkit to lay out quickly is shown in pieces (see
// soft_breaks.h). What the program and the user get stays the text itself:
// text(), the positions, the selection, copies and undo know nothing of the
// pieces. While pieces are shown the editor keeps the text and its undo
// history itself; otherwise the toolkit's document is the only copy.
class SafePlainTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SafePlainTextEdit(QWidget* parent = nullptr);
    ~SafePlainTextEdit() override;

    // The text, with LF line ends.
    QString text() const;
    qsizetype textLength() const;
    // Replaces the whole text; undo cannot bring back the old one.
    void setText(const QString& text);
    // Replaces the whole text as one step the user can undo.
    void replaceAll(const QString& text);

    // The selection, in positions of the text (from 0, start <= end).
    qsizetype selectionStart() const;
    qsizetype selectionEnd() const;
    QString selectedText() const;
    // Selects from `anchor` to `position`, each taken as the end of the text
    // when beyond it; the caret stands at `position`.
    void select(qsizetype anchor, qsizetype position);
    // Replaces the selection, or inserts at the caret, as one undo step.
    void replaceSelection(const QString& text);

    bool showsPieces() const { return m_pieces != nullptr; }

    // Undo and redo of the user's and the program's changes.
    void undoStep();
    void redoStep();

signals:
    // The text changed, by the user or through the functions above.
    void textEdited();

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Pieces;

    void documentChanged(int at, int removed, int added);
    void followChange(int at, int removed, int added);
    void changeSettled();
    bool wouldMakeLongLine(const QString& inserted) const;
    void startPieces(const QString& text);
    void replaceText(qsizetype from, qsizetype to, const QString& text, bool record);
    void showWhole(const QString& text);
    void tidy(qsizetype from, qsizetype to);
    void keepBreaksOutOfKeys(const QKeyEvent& key);
    void stepThroughHistory(bool back);
    int shownPosition(qsizetype textPosition, bool beforeBreak = false) const;

    std::unique_ptr<Pieces> m_pieces;  // while some line is shown in pieces
    bool m_showing = false;            // the document is changed to show the text
    bool m_changed = false;            // the text changed; textEdited not yet sent
    // The toolkit's text as text() returns it, kept while one event is handled.
    mutable QString m_text;
    mutable bool m_textKnown = false;
};

}  // namespace rt
