#pragma once

#include "values/numbers.h"
#include "values/variant.h"

#include <QString>

namespace rt {
class TextBox;
}

namespace editor3 {

// The search both dialogs run: forward from their own position with InStr,
// in the comparison mode of their "Match Case" box (1 ignores case, 0 exact).
struct SearchState {
    rt::Variant& startPos;  // 1-based position where the next search begins
    rt::Variant& foundPos;  // position of the last match, 0 for none
    const QString& findText;
    int compareMode;
};

// One Find Next in `box`: selects the next match at or after startPos and
// moves startPos one character past the match's start, so that overlapping
// matches are found one after another. At the end of the text it asks
// `restartQuestion` and on Yes starts again from the top. An empty search text
// and a text found nowhere are reported as not found. Returns false when the
// user declined to restart; the dialog then hides itself.
bool findNext(rt::TextBox& box, SearchState search, const QString& restartQuestion);

// Every match of `sought` in `text` replaced, left to right, each search
// resuming right after the replacement just inserted. Built in one pass.
struct ReplacedText {
    QString text;
    rt::Long count = 0;
    qsizetype lastStart = -1;  // 0-based start of the last replacement in `text`
};
ReplacedText replaceEvery(const QString& text, const QString& sought, const QString& replacement,
                          int compareMode);

// Replace All in `box`: one step the user can undo, the last replacement
// selected; returns the number of replacements.
rt::Long replaceAll(rt::TextBox& box, const QString& sought, const QString& replacement,
                    int compareMode);

}  // namespace editor3
