#pragma once

// What the editor benchmarks share: the fastest of several runs, a row of
// figures beside the toolkit's, and keys pressed as the user presses them.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <functional>

// Milliseconds of the fastest of `runs` runs; `prepare` runs untimed first.
inline double fastest(int runs, const std::function<void()>& prepare,
                      const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        QCoreApplication::processEvents();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

inline void printRow(const char* what, double editorMs, double toolkitMs)
{
    std::printf("%-34s %10.1f ms %12.1f ms %8.2fx\n", what, editorMs, toolkitMs,
                toolkitMs > 0 ? editorMs / toolkitMs : 0.0);
}

inline void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {},
                     const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

inline void typeAtEnd(QPlainTextEdit* edit)
{
    edit->moveCursor(QTextCursor::End);
    pressKey(edit, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
}
