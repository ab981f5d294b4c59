#pragma once

#include <QString>

// editor3 on a file of one 10 MB line without spaces (a minified data file):
// open, typing, moving the caret, paging, Find Next of a word near its end
// and save, each beside editor3 and a bare QPlainTextEdit doing the same on
// 10 MB of ordinary lines (the bare widget would take hours on the one line).
void benchLongLine(const QString& folder, int runs);
