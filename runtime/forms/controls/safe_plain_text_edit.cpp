#include "forms/controls/safe_plain_text_edit.h"

#include "forms/controls/edit_history.h"
#include "forms/controls/soft_breaks.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace rt {

// The text while some line is shown in pieces, and where the pieces break.
struct SafePlainTextEdit::Pieces {
    QString text;
    SoftBreaks breaks;
    EditHistory history;
    // The shown range changed since the pieces were last put in order.
    qsizetype untidyFrom = -1;
    qsizetype untidyTo = -1;

    qsizetype shownLength() const { return text.size() + breaks.size(); }
    void untidy(qsizetype from, qsizetype to)
    {
        untidyFrom = untidyFrom < 0 ? from : std::min(untidyFrom, from);
        untidyTo = std::max(untidyTo, to);
    }
    // The shown characters of a range, as the document held them before a
    // change: the text's own with U+2029 for every paragraph end.
    QString shownBefore(qsizetype at, qsizetype length) const
    {
        QString shown;
        for (qsizetype i = at; i < at + length; ++i) {
            const QChar c =
                breaks.isBreakAt(i) ? QChar::ParagraphSeparator : text[breaks.toText(i)];
            shown += c == QLatin1Char('\n') ? QChar::ParagraphSeparator : c;
        }
        return shown;
    }
};

namespace {

QString withLineFeedsOf(QString shown)
{
    shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return shown;
}

// The document's characters from `at`, paragraph ends as U+2029.
QString documentText(QTextDocument* document, qsizetype at, qsizetype length)
{
    QTextCursor cursor(document);
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + length), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

}  // namespace

SafePlainTextEdit::SafePlainTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &SafePlainTextEdit::documentChanged);
    connect(document(), &QTextDocument::contentsChanged, this, &SafePlainTextEdit::changeSettled);
}

SafePlainTextEdit::~SafePlainTextEdit() = default;

QString SafePlainTextEdit::text() const
{
    if (m_pieces) return m_pieces->text;
    // Reading a large document is costly; searches read it again and again.
    if (m_textKnown) return m_text;
    // The raw text keeps non-breaking spaces; paragraphs end in U+2029.
    m_text = withLineFeedsOf(document()->toRawText());
    m_textKnown = true;
    // Kept only while the current event is handled: a large document is not
    // held twice while the user goes on working.
    QTimer::singleShot(0, this, [this] {
        m_text = QString();
        m_textKnown = false;
    });
    return m_text;
}

qsizetype SafePlainTextEdit::textLength() const
{
    return m_pieces ? m_pieces->text.size() : document()->characterCount() - 1;
}

void SafePlainTextEdit::setText(const QString& text)
{
    m_textKnown = false;
    QString fed;
    if (longestLine(text) > longLine) fed = withLineFeeds(text);
    if (fed.isNull() || longestLine(fed) <= longLine) {
        m_pieces.reset();
        document()->setUndoRedoEnabled(true);
        const QScopedValueRollback<bool> showing(m_showing, true);
        setPlainText(text);
        return;
    }
    if (!m_pieces) startPieces({});
    m_pieces->history.clear();
    showWhole(fed);
}

void SafePlainTextEdit::replaceAll(const QString& text)
{
    if (!m_pieces && longestLine(text) <= longLine) {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        cursor.endEditBlock();
        return;
    }
    if (!m_pieces) startPieces(this->text());
    replaceText(0, m_pieces->text.size(), text, true);
}

int SafePlainTextEdit::shownPosition(qsizetype textPosition, bool beforeBreak) const
{
    return int(m_pieces ? m_pieces->breaks.toShown(textPosition, beforeBreak) : textPosition);
}

qsizetype SafePlainTextEdit::selectionStart() const
{
    const int start = textCursor().selectionStart();
    return m_pieces ? m_pieces->breaks.toText(start) : start;
}

qsizetype SafePlainTextEdit::selectionEnd() const
{
    const int end = textCursor().selectionEnd();
    return m_pieces ? m_pieces->breaks.toText(end) : end;
}

QString SafePlainTextEdit::selectedText() const
{
    if (m_pieces) return m_pieces->text.mid(selectionStart(), selectionEnd() - selectionStart());
    return withLineFeedsOf(textCursor().selectedText());
}

void SafePlainTextEdit::select(qsizetype anchor, qsizetype position)
{
    const qsizetype length = textLength();
    anchor = std::clamp<qsizetype>(anchor, 0, length);
    position = std::clamp<qsizetype>(position, 0, length);
    // A selection takes in no soft break at either of its ends.
    QTextCursor cursor = textCursor();
    cursor.setPosition(shownPosition(anchor, anchor > position));
    cursor.setPosition(shownPosition(position, position > anchor), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool SafePlainTextEdit::wouldMakeLongLine(const QString& inserted) const
{
    const QTextCursor cursor = textCursor();
    const QTextDocument* doc = document();
    return doc->findBlock(cursor.selectionStart()).length() +
               doc->findBlock(cursor.selectionEnd()).length() + longestLine(inserted) >
           longLine;
}

void SafePlainTextEdit::replaceSelection(const QString& text)
{
    if (!m_pieces && !wouldMakeLongLine(text)) {
        textCursor().insertText(text);
        return;
    }
    if (!m_pieces) startPieces(this->text());
    replaceText(selectionStart(), selectionEnd(), text, true);
}

void SafePlainTextEdit::undoStep()
{
    stepThroughHistory(true);
}

void SafePlainTextEdit::redoStep()
{
    stepThroughHistory(false);
}

void SafePlainTextEdit::stepThroughHistory(bool back)
{
    if (isReadOnly()) return;
    if (!m_pieces) {
        back ? undo() : redo();
        return;
    }
    EditHistory& history = m_pieces->history;
    if (const auto edit = back ? history.undo() : history.redo())
        replaceText(edit->at, edit->at + edit->removed.size(), edit->inserted, false);
}

// From here on the text and the undo history are kept here: the toolkit's
// undo would bring back soft breaks as line ends.
void SafePlainTextEdit::startPieces(const QString& text)
{
    m_pieces = std::make_unique<Pieces>();
    m_pieces->text = text;
    document()->setUndoRedoEnabled(false);
}

void SafePlainTextEdit::showWhole(const QString& text)
{
    m_pieces->text = text;
    const QString shown = m_pieces->breaks.show(text);
    const QScopedValueRollback<bool> showing(m_showing, true);
    setPlainText(shown);
}

// A change of the text made here: shown at once, with the pieces its long
// lines need.
void SafePlainTextEdit::replaceText(qsizetype from, qsizetype to, const QString& text, bool record)
{
    Pieces& p = *m_pieces;
    const QString inserted = withLineFeeds(text);
    if (document()->characterCount() != p.shownLength() + 1) {
        // Inside a change the toolkit has not finished (a drop moving text):
        // the document goes on as the user's change, followed when it ends.
        textCursor().insertText(inserted);
        return;
    }
    TextEdit edit{from, p.text.mid(from, to - from), inserted};
    if (from == 0 && to == p.text.size()) {
        showWhole(inserted);
        select(inserted.size(), inserted.size());
    } else {
        const int shownFrom = shownPosition(from);
        const int shownTo = std::max(shownFrom, shownPosition(to, true));
        SoftBreaks own;
        const QString shown = own.show(inserted);
        {
            const QScopedValueRollback<bool> showing(m_showing, true);
            QTextCursor cursor(document());
            cursor.setPosition(shownFrom);
            cursor.setPosition(shownTo, QTextCursor::KeepAnchor);
            cursor.insertText(shown);
        }
        p.breaks.replace(shownFrom, shownTo - shownFrom, shown.size(), own.positions());
        p.text.replace(from, to - from, inserted);
        tidy(shownFrom, shownFrom + shown.size());
        select(from + inserted.size(), from + inserted.size());
    }
    if (record) {
        p.history.record(std::move(edit), false);
    } else {
        p.history.closeStep();
    }
    emit textEdited();
}

void SafePlainTextEdit::documentChanged(int at, int removed, int added)
{
    m_textKnown = false;
    if (m_showing) return;
    if (m_pieces) {
        followChange(at, removed, added);
        return;
    }
    m_changed = true;
    // A line typed past the length the toolkit lays out quickly. Only the
    // lines at either end of a change can have grown: every text inserted
    // at once was looked at before (see wouldMakeLongLine).
    const QTextDocument* doc = document();
    if (doc->findBlock(at).length() - 1 > longLine ||
        doc->findBlock(at + added).length() - 1 > longLine) {
        startPieces(this->text());
        m_pieces->untidy(at, at + added);
        // What was typed can still be undone; the toolkit's older history
        // is gone with its document's.
        if (removed == 0)
            m_pieces->history.record({at, {}, withLineFeedsOf(documentText(document(), at, added))},
                                     true);
    }
}

// The user changed the shown document: the same change, without the soft
// breaks it removed, is made to the text.
void SafePlainTextEdit::followChange(int at, int removed, int added)
{
    Pieces& p = *m_pieces;
    // A change reaching the document's last paragraph end counts it, though
    // it stays.
    const qsizetype beyond = at + removed - p.shownLength();
    if (beyond > 0) {
        removed -= int(beyond);
        added -= int(beyond);
    }
    if (removed < 0 || added < 0) return;
    const QString now = documentText(document(), at, added);
    if (removed == added && now == p.shownBefore(at, removed)) return;  // formats only
    const qsizetype from = p.breaks.toText(at);
    const qsizetype to = p.breaks.toText(at + removed);
    TextEdit edit{from, p.text.mid(from, to - from), withLineFeedsOf(now)};
    p.breaks.replace(at, removed, added);
    p.untidy(at, at + added);
    if (edit.removed.isEmpty() && edit.inserted.isEmpty()) return;  // only soft breaks went
    p.text.replace(from, to - from, edit.inserted);
    p.history.record(std::move(edit), true);
    m_changed = true;
}

// The document has taken a change whole: the pieces are put in order and
// the change is announced.
void SafePlainTextEdit::changeSettled()
{
    if (m_showing) return;
    if (m_pieces && m_pieces->untidyFrom >= 0) {
        const qsizetype from = std::exchange(m_pieces->untidyFrom, -1);
        const qsizetype to = std::exchange(m_pieces->untidyTo, -1);
        tidy(from, to);
    }
    if (std::exchange(m_changed, false)) emit textEdited();
}

// Puts the pieces around a shown range in order: a soft break that leaves a
// piece empty, or joins two short ones, goes; a piece grown past longLine is
// broken again. Only what is shown changes.
void SafePlainTextEdit::tidy(qsizetype from, qsizetype to)
{
    Pieces& p = *m_pieces;
    QTextDocument* doc = document();
    if (doc->characterCount() != p.shownLength() + 1) return;
    const QScopedValueRollback<bool> showing(m_showing, true);
    QTextBlock first = doc->findBlock(int(std::clamp<qsizetype>(from, 0, p.shownLength())));
    QTextBlock last = doc->findBlock(int(std::clamp<qsizetype>(to, 0, p.shownLength())));
    if (first.previous().isValid()) first = first.previous();
    if (last.next().isValid()) last = last.next();
    const qsizetype start = first.position();
    qsizetype end = last.position() + last.length() - 1;

    const std::vector<qsizetype>& breaks = p.breaks.positions();
    const auto firstBreak = std::lower_bound(breaks.begin(), breaks.end(), start) - breaks.begin();
    for (auto i = std::upper_bound(breaks.begin(), breaks.end(), end) - breaks.begin();
         i-- > firstBreak;) {
        const qsizetype at = breaks[size_t(i)];
        const QTextBlock before = doc->findBlock(int(at));
        const int joined = before.length() - 1 + before.next().length() - 1;
        if (before.length() > 1 && before.next().length() > 1 && joined > pieceLength) continue;
        QTextCursor cursor(doc);
        cursor.setPosition(int(at));
        cursor.deleteChar();
        p.breaks.replace(at, 1, 0);
        --end;
    }

    std::vector<std::pair<int, QString>> tooLong;  // start and text of each
    for (QTextBlock block = doc->findBlock(int(start)); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.length() - 1 > longLine) tooLong.emplace_back(block.position(), block.text());
    }
    for (auto piece = tooLong.rbegin(); piece != tooLong.rend(); ++piece) {
        const std::vector<qsizetype> cuts = pieceBreaks(piece->second);
        for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut) {
            const qsizetype at = piece->first + *cut;
            QTextCursor cursor(doc);
            cursor.setPosition(int(at));
            cursor.insertText(QString(QChar::ParagraphSeparator));
            p.breaks.replace(at, 0, 1, {0});
        }
    }
}

bool SafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText() && !isReadOnly();
}

void SafePlainTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source)) return;
    const QString text = source->text();
    if (text.isEmpty()) return;
    if (m_pieces || wouldMakeLongLine(text)) {
        if (!m_pieces) startPieces(this->text());
        replaceText(selectionStart(), selectionEnd(), text, true);
        return;
    }
    // Only the text, whatever other formats came with it.
    QMimeData plain;
    plain.setText(text);
    QPlainTextEdit::insertFromMimeData(&plain);
}

QMimeData* SafePlainTextEdit::createMimeDataFromSelection() const
{
    if (!m_pieces) return QPlainTextEdit::createMimeDataFromSelection();
    auto* data = new QMimeData;
    data->setText(selectedText());
    return data;
}

bool SafePlainTextEdit::event(QEvent* event)
{
    // Undo and redo reach keyPressEvent even while the document has no
    // history of its own.
    if (m_pieces && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void SafePlainTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (!m_pieces) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        undoStep();
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        redoStep();
        return;
    }
    keepBreaksOutOfKeys(*event);
    const int before = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    const int after = textCursor().position();
    // A caret that only stepped over a soft break steps on by a character.
    if (m_pieces && arrow && std::abs(after - before) == 1 &&
        m_pieces->breaks.isBreakAt(std::min(before, after))) {
        moveCursor(after > before ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter,
                   event->modifiers() & Qt::ShiftModifier ? QTextCursor::KeepAnchor
                                                          : QTextCursor::MoveAnchor);
    }
}

// Keys that change the text act on the text's characters, never on a soft
// break alone: Backspace after one and Delete before one take the character
// beyond it, and a selection of soft breaks only is taken as the caret.
void SafePlainTextEdit::keepBreaksOutOfKeys(const QKeyEvent& key)
{
    const bool backspace = key.key() == Qt::Key_Backspace, del = key.key() == Qt::Key_Delete;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (key.text().isEmpty() && !backspace && !del && !enter) return;
    const SoftBreaks& breaks = m_pieces->breaks;
    QTextCursor cursor = textCursor();
    const int position = cursor.position();
    if (cursor.hasSelection()) {
        if (breaks.toText(cursor.selectionStart()) != breaks.toText(cursor.selectionEnd())) return;
        cursor.clearSelection();
    } else if (backspace && position > 0 && breaks.isBreakAt(position - 1)) {
        cursor.setPosition(position - 1);
    } else if (del && breaks.isBreakAt(position)) {
        cursor.setPosition(position + 1);
    } else {
        return;
    }
    setTextCursor(cursor);
}

void SafePlainTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_pieces) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    QMenu* menu = createStandardContextMenu(event->pos());
    for (QAction* action : menu->actions()) {
        const bool undoing = action->objectName() == QLatin1String("edit-undo");
        if (!undoing && action->objectName() != QLatin1String("edit-redo")) continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                undoing ? &SafePlainTextEdit::undoStep : &SafePlainTextEdit::redoStep);
        action->setEnabled(!isReadOnly() &&
                           (undoing ? m_pieces->history.canUndo() : m_pieces->history.canRedo()));
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace rt
