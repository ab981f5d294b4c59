#include "forms/controls/safe_plain_text_edit.h"

#include <QMimeData>

namespace rt {

bool SafePlainTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText() && !isReadOnly();
}

void SafePlainTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source)) return;
    const QString text = source->text();
    if (text.isEmpty()) return;
    // Only the text, whatever other formats came with it.
    QMimeData plain;
    plain.setText(text);
    QPlainTextEdit::insertFromMimeData(&plain);
}

}  // namespace rt
