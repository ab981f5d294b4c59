#pragma once

#include <QByteArray>
#include <QString>

// About `bytes` of CR LF lines; the first 100,000 hold the word "needle" once.
QByteArray benchDocument(qsizetype bytes);

// editor3 opening, replacing every "needle" and saving documents of 10, 40 and
// 80 MB, each beside a bare QPlainTextEdit and QFile doing the same work, and
// the time per megabyte, which stays flat when the work grows linearly.
void benchScaling(const QString& folder);

// The peak memory of opening, replacing and saving a 50 MB document, editor3
// beside the bare text widget, each measured in a process of its own started
// from `self` with the arguments that peakMemoryChild() takes.
void benchPeakMemory(const QString& self, const QString& folder);
// Runs in the child: `mode` is "editor" or "bare"; prints the peak in KiB.
int peakMemoryChild(const QString& mode, const QString& path);
