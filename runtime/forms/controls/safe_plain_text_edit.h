#pragma once

#include <QPlainTextEdit>

namespace rt {

// The multi-line editor of text boxes. Everything the clipboard or a drop
// brings in (Ctrl+V, Shift+Insert, the middle button, dropping) passes through
// here: only its plain text is inserted, and data without text inserts nothing.
// The toolkit's own editor crashes on clipboard data that has no formats at
// all, which is what an empty clipboard hands over.
class SafePlainTextEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace rt
