// The editor's work on a 10 MB document, each figure beside the toolkit's
// own cost for the same work measured in the same run: opening the file
// (reading it and setting the text of a bare QPlainTextEdit), typing one
// character at its end, and saving it (reading the text back and writing it).
#include "form1.h"
#include "frmfind.h"
#include "frmreplace.h"

#include "editor_long_line.h"
#include "editor_scaling.h"
#include "editor_timing.h"
#include "editor_user.h"

#include "forms/core/look.h"
#include "forms/desktop/desktop_interaction.h"
#include "forms/runtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qsizetype documentBytes = 10 * 1024 * 1024;
// The search benchmarks look for the word the first 100,000 lines hold.
const QString searchWord = QStringLiteral("needle");

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    rt::initialiseLook();
    rt::setProgramTitle(QStringLiteral("editor3"));
    if (argc > 3 && QByteArray(argv[1]) == "--peak")
        return peakMemoryChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("big.txt"));
    const QString copy = folder.filePath(QStringLiteral("bare.txt"));
    {
        QFile out(source);
        if (!out.open(QIODevice::WriteOnly)) return 1;
        out.write(benchDocument(documentBytes));
    }
    std::printf("editor3 on a %.1f MB document, fastest of %d runs (platform: %s)\n",
                QFileInfo(source).size() / 1048576.0, runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-34s %13s %15s %9s\n", "", "editor3", "toolkit alone", "ratio");

    ScriptedUser chooser;
    chooser.path = source;
    rt::setInteraction(&chooser);
    auto& editor = rt::form<editor3::Form1>();
    editor.Show();
    QPlainTextEdit bare;
    bare.resize(editor.txtBox.widget()->size());
    bare.setFont(editor.txtBox.widget()->font());
    bare.show();

    const auto freshEditor = [&] {
        editor.txtBox.setText(QString());
        editor.saved = rt::True;
    };
    const double openEditor =
        fastest(runs, freshEditor, [&] { editor.mnuFileOpen.action()->trigger(); });
    const double openBare = fastest(
        runs, [&] { bare.clear(); },
        [&] {
            QFile in(source);
            in.open(QIODevice::ReadOnly);
            QString text = QString::fromUtf8(in.readAll());
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            bare.setPlainText(text);
        });
    printRow("Open 10 MB", openEditor, openBare);

    const auto reopen = [&] {};
    const double typeEditor = fastest(
        runs, reopen, [&] { typeAtEnd(static_cast<QPlainTextEdit*>(editor.txtBox.widget())); });
    const double typeBare = fastest(runs, reopen, [&] { typeAtEnd(&bare); });
    printRow("Type a character at the end", typeEditor, typeBare);

    const double saveEditor =
        fastest(runs, reopen, [&] { editor.mnuFileSave.action()->trigger(); });
    const double saveBare = fastest(runs, reopen, [&] {
        QSaveFile out(copy);
        out.open(QIODevice::WriteOnly);
        out.write(bare.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());
        out.commit();
    });
    printRow("Save 10 MB", saveEditor, saveBare);
    std::printf("(files written: editor3 %lld bytes, toolkit %lld bytes)\n",
                QFileInfo(source).size(), QFileInfo(copy).size());

    // Find Next through the 100,000 lines that hold `searchWord`, until the
    // restart question (answered No), and Replace All of them; each beside
    // QString's own search or replace of the same text. Selecting a match in
    // a text box costs far more than finding it, so Find Next is also shown
    // beside the bare editor selecting each match.
    struct AnswersNo : rt::DesktopInteraction {
        bool asked = false;
        QString lastPrompt;
        int messageBox(const QString& prompt, int, const QString&) override
        {
            asked = true;
            lastPrompt = prompt;
            return rt::vbNo;
        }
    } answersNo;
    rt::setInteraction(&answersNo);
    const QString text = editor.txtBox.Text();
    bare.setPlainText(text);
    auto& find = rt::form<editor3::frmFind>();
    find.Show(0, &editor);
    find.txtFind.setText(searchWord);
    int found = 0;
    const double findEditor = fastest(
        1, [&] { answersNo.asked = false; },
        [&] {
            while (!answersNo.asked) {
                find.cmdFind_Click();
                ++found;
            }
            --found;  // the last search found nothing and asked
        });
    int foundBare = 0;
    const auto searchBare = [&](const std::function<void(qsizetype)>& onMatch) {
        foundBare = 0;
        for (qsizetype at = text.indexOf(searchWord, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(searchWord, at + 1, Qt::CaseInsensitive)) {
            onMatch(at);
            ++foundBare;
        }
    };
    const double findBare = fastest(
        runs, [] {}, [&] { searchBare([](qsizetype) {}); });
    const double findSelectBare = fastest(
        1, [] {},
        [&] {
            searchBare([&](qsizetype at) {
                QTextCursor cursor = bare.textCursor();
                cursor.setPosition(at);
                cursor.setPosition(at + searchWord.size(), QTextCursor::KeepAnchor);
                bare.setTextCursor(cursor);
            });
        });
    printRow("Find Next through every match", findEditor, findBare);
    printRow("  beside selecting each one too", findEditor, findSelectBare);

    const QString replacement = QStringLiteral("pin");
    auto& replace = rt::form<editor3::frmReplace>();
    replace.Show(0, &editor);
    replace.txtFind.setText(searchWord);
    replace.txtReplace.setText(replacement);
    const double replaceEditor = fastest(
        runs, [&] { editor.txtBox.setText(text); }, [&] { replace.cmdReplaceAll_Click(); });
    const QString replaced = editor.txtBox.Text();
    const double replaceBare = fastest(
        runs, [&] { bare.setPlainText(text); },
        [&] {
            bare.setPlainText(QString(text).replace(searchWord, replacement, Qt::CaseInsensitive));
        });
    printRow("Replace All", replaceEditor, replaceBare);
    std::printf("(matches: Find Next %d, QString %d; \"%s\"; same result: %s)\n", found, foundBare,
                qPrintable(answersNo.lastPrompt), replaced == bare.toPlainText() ? "yes" : "NO");

    rt::setInteraction(nullptr);
    rt::unloadAllForms();
    benchLongLine(folder.path(), runs);
    rt::unloadAllForms();
    benchScaling(folder.path());
    rt::unloadAllForms();
    benchPeakMemory(QCoreApplication::applicationFilePath(), folder.path());
    return 0;
}
