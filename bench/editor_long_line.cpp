#include "editor_long_line.h"

#include "form1.h"
#include "frmfind.h"

#include "editor_scaling.h"
#include "editor_timing.h"
#include "editor_user.h"

#include "forms/runtime.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr qsizetype documentBytes = 10 * 1024 * 1024;
const QString soughtWord = QStringLiteral("zebra");

// Records of a data dump on one line, no spaces; the sought word near the end.
QByteArray singleLineDocument(qsizetype bytes)
{
    QByteArray document;
    document.reserve(bytes + 64);
    for (int record = 0; document.size() < bytes - 64; ++record)
        document +=
            "{\"id\":" + QByteArray::number(record) + ",\"name\":\"needle-in-a-haystack\"},";
    return document + "{\"" + soughtWord.toLatin1() + "\":true}";
}

// The ordinary lines of the other benchmarks, the sought word near the end.
QByteArray linesDocument(qsizetype bytes)
{
    return benchDocument(bytes - 64) + "The last line has a " + soughtWord.toLatin1() + ".\r\n";
}

// The steps measured, on editor3 or on the bare widget.
struct Steps {
    std::function<void(const QString&)> open;
    std::function<void()> find;
    std::function<void()> save;
    QPlainTextEdit* edit;
};

struct Figures {
    double open, typeAtEnd, typeInMiddle, endAndHome, pageDown, find, save;
};

Figures measure(const Steps& steps, const QString& path, int runs)
{
    Figures figures{};
    QPlainTextEdit* edit = steps.edit;
    figures.open = fastest(
        runs, [] {}, [&] { steps.open(path); });
    figures.typeAtEnd = fastest(
        runs, [] {}, [&] { typeAtEnd(edit); });
    figures.typeInMiddle = fastest(
        runs,
        [&] {
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(edit->document()->characterCount() / 2);
            edit->setTextCursor(cursor);
        },
        [&] { pressKey(edit, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y")); });
    figures.endAndHome = fastest(
        runs, [] {},
        [&] {
            pressKey(edit, Qt::Key_End, Qt::ControlModifier);
            pressKey(edit, Qt::Key_Home, Qt::ControlModifier);
        });
    figures.pageDown = fastest(
        runs, [&] { pressKey(edit, Qt::Key_Home, Qt::ControlModifier); },
        [&] { pressKey(edit, Qt::Key_PageDown); });
    figures.find = fastest(
        runs, [] {}, steps.find);
    figures.save = fastest(
        runs, [] {}, steps.save);
    return figures;
}

}  // namespace

void benchLongLine(const QString& folder, int runs)
{
    const QString oneLine = folder + QStringLiteral("/one-line.json");
    const QString lines = folder + QStringLiteral("/lines.txt");
    const QString bareCopy = folder + QStringLiteral("/lines-bare.txt");
    for (const auto& [path, bytes] : {std::pair{oneLine, singleLineDocument(documentBytes)},
                                      std::pair{lines, linesDocument(documentBytes)}}) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return;
    }

    ScriptedUser chooser{rt::vbNo};
    rt::setInteraction(&chooser);
    auto& editor = rt::form<editor3::Form1>();
    editor.Show();
    auto& find = rt::form<editor3::frmFind>();
    find.txtFind.setText(soughtWord);
    const Steps editorSteps{[&](const QString& path) {
                                editor.txtBox.setText(QString());
                                editor.saved = rt::True;
                                chooser.path = path;
                                editor.mnuFileOpen.action()->trigger();
                            },
                            [&] {
                                find.startPos = rt::Integer(1);
                                find.cmdFind_Click();
                            },
                            [&] { editor.mnuFileSave.action()->trigger(); },
                            editor.txtBox.plainTextEdit()};

    QPlainTextEdit bare;
    bare.resize(editor.txtBox.widget()->size());
    bare.setFont(editor.txtBox.widget()->font());
    bare.show();
    const Steps bareSteps{
        [&](const QString& path) {
            bare.clear();
            QFile in(path);
            in.open(QIODevice::ReadOnly);
            bare.setPlainText(QString::fromUtf8(in.readAll()).replace("\r\n", "\n"));
        },
        [&] {
            const QString text = bare.toPlainText();
            const qsizetype at = text.indexOf(soughtWord, 0, Qt::CaseInsensitive);
            QTextCursor cursor = bare.textCursor();
            cursor.setPosition(int(at));
            cursor.setPosition(int(at + soughtWord.size()), QTextCursor::KeepAnchor);
            bare.setTextCursor(cursor);
        },
        [&] {
            QSaveFile out(bareCopy);
            out.open(QIODevice::WriteOnly);
            out.write(bare.toPlainText().replace('\n', QStringLiteral("\r\n")).toUtf8());
            out.commit();
        },
        &bare};

    const Figures single = measure(editorSteps, oneLine, runs);
    const bool exact = editor.txtBox.Text().count(QLatin1Char('\n')) == 0;
    const Figures ordinary = measure(editorSteps, lines, runs);
    const Figures toolkit = measure(bareSteps, lines, runs);

    std::printf(
        "\nOne line of 10 MB without spaces, beside 10 MB of ordinary lines "
        "(ms; fastest of %d runs)\n",
        runs);
    std::printf("%-30s %10s %10s %10s %12s %12s\n", "", "one line", "lines", "toolkit",
                "line/lines", "line/toolkit");
    const auto row = [](const char* what, double one, double many, double bareMs) {
        std::printf("%-30s %10.1f %10.1f %10.1f %11.2fx %11.2fx\n", what, one, many, bareMs,
                    many > 0 ? one / many : 0.0, bareMs > 0 ? one / bareMs : 0.0);
    };
    row("Open", single.open, ordinary.open, toolkit.open);
    row("Type a character at the end", single.typeAtEnd, ordinary.typeAtEnd, toolkit.typeAtEnd);
    row("Type a character in the middle", single.typeInMiddle, ordinary.typeInMiddle,
        toolkit.typeInMiddle);
    row("Ctrl+End, then Ctrl+Home", single.endAndHome, ordinary.endAndHome, toolkit.endAndHome);
    row("Page Down", single.pageDown, ordinary.pageDown, toolkit.pageDown);
    row("Find Next near the end", single.find, ordinary.find, toolkit.find);
    row("Save", single.save, ordinary.save, toolkit.save);
    std::printf("(the one line stayed one line in the text: %s)\n", exact ? "yes" : "NO");
    rt::setInteraction(nullptr);
    QFile::remove(oneLine);
    QFile::remove(lines);
    QFile::remove(bareCopy);
}
