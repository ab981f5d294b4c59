#include "editor_scaling.h"

#include "editor_user.h"

#include "form1.h"
#include "frmreplace.h"

#include "forms/runtime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSaveFile>
#include <QTextCursor>

#include <cstdio>
#include <functional>

namespace {

constexpr int matchingLines = 100'000;
const QString searchWord = QStringLiteral("needle");
const QString replacement = QStringLiteral("pin");

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

// The editor's three steps on the document at `path`, saved in place.
struct EditorSteps {
    editor3::Form1& editor = rt::form<editor3::Form1>();
    editor3::frmReplace& replace = rt::form<editor3::frmReplace>();
    ScriptedUser user;

    EditorSteps()
    {
        rt::setInteraction(&user);
        editor.Show();
        replace.txtFind.setText(searchWord);
        replace.txtReplace.setText(replacement);
    }
    ~EditorSteps() { rt::setInteraction(nullptr); }
    void open(const QString& path)
    {
        editor.saved = rt::True;
        user.path = path;
        editor.mnuFileOpen.action()->trigger();
    }
    void replaceAll() { replace.cmdReplaceAll_Click(); }
    void saveAs(const QString& path)
    {
        user.path = path;
        editor.mnuFileSaveAs.action()->trigger();
    }
};

// The same work done by a bare text widget and QFile.
struct BareSteps {
    QPlainTextEdit edit;
    BareSteps() { edit.show(); }
    void open(const QString& path)
    {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        QString text = QString::fromUtf8(in.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        edit.setPlainText(text);
    }
    void replaceAll()
    {
        const QString replaced =
            edit.toPlainText().replace(searchWord, replacement, Qt::CaseInsensitive);
        QTextCursor cursor(edit.document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(replaced);
        cursor.endEditBlock();
    }
    void save(const QString& path)
    {
        QSaveFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(edit.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());
        out.commit();
    }
};

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

QByteArray benchDocument(qsizetype bytes)
{
    QByteArray document;
    document.reserve(bytes + 128);
    for (int line = 0; document.size() < bytes; ++line) {
        document += "Line ";
        document += QByteArray::number(line).rightJustified(7, '0');
        document +=
            line < matchingLines ? ": a needle in the haystack, " : ": only hay in this stack, ";
        document += "the quick brown fox jumps over the lazy dog.\r\n";
    }
    return document;
}

void benchScaling(const QString& folder)
{
    std::printf("\nGrowth with the document (ms; ms per MB in brackets)\n");
    std::printf("%-6s %-12s %22s %22s %9s\n", "size", "step", "editor3", "toolkit alone", "ratio");
    EditorSteps editor;
    BareSteps bare;
    for (const int megabytes : {10, 40, 80}) {
        const QString path = folder + QStringLiteral("/scale%1.txt").arg(megabytes);
        const QString copy = folder + QStringLiteral("/scale%1-saved.txt").arg(megabytes);
        if (!writeFile(path, benchDocument(qsizetype(megabytes) << 20))) return;
        const double times[3][2] = {
            {millisecondsOf([&] { editor.open(path); }), millisecondsOf([&] { bare.open(path); })},
            {millisecondsOf([&] { editor.replaceAll(); }),
             millisecondsOf([&] { bare.replaceAll(); })},
            {millisecondsOf([&] { editor.saveAs(copy); }),
             millisecondsOf([&] { bare.save(copy + QStringLiteral(".bare")); })},
        };
        const char* steps[3] = {"Open", "Replace All", "Save"};
        for (int step = 0; step < 3; ++step) {
            const double ours = times[step][0], theirs = times[step][1];
            std::printf("%3d MB %-12s %10.1f (%7.2f/MB) %10.1f (%7.2f/MB) %8.2fx\n", megabytes,
                        steps[step], ours, ours / megabytes, theirs, theirs / megabytes,
                        theirs > 0 ? ours / theirs : 0.0);
        }
        editor.editor.txtBox.setText(QString());
        bare.edit.clear();
        QFile::remove(path);
        QFile::remove(copy);
        QFile::remove(copy + QStringLiteral(".bare"));
    }
}

void benchPeakMemory(const QString& self, const QString& folder)
{
    const QString path = folder + QStringLiteral("/peak.txt");
    if (!writeFile(path, benchDocument(qsizetype(50) << 20))) return;
    std::printf(
        "\nPeak memory after open, Replace All and save of 50 MB (each a process of its own)\n");
    long peaks[2] = {0, 0};
    const char* modes[2] = {"editor", "bare"};
    for (int i = 0; i < 2; ++i) {
        QProcess child;
        child.start(self, {QStringLiteral("--peak"), QString::fromLatin1(modes[i]), path});
        child.waitForFinished(-1);
        peaks[i] = child.readAllStandardOutput().trimmed().toLong();
    }
    std::printf("editor3 %8.1f MiB   toolkit alone %8.1f MiB   ratio %.3fx\n", peaks[0] / 1024.0,
                peaks[1] / 1024.0, peaks[1] > 0 ? double(peaks[0]) / peaks[1] : 0.0);
    QFile::remove(path);
}

int peakMemoryChild(const QString& mode, const QString& path)
{
    const QString copy = path + QStringLiteral(".bare");
    if (mode == QLatin1String("editor")) {
        EditorSteps editor;
        editor.open(path);
        editor.replaceAll();
        editor.saveAs(copy);
        QCoreApplication::processEvents();
        QFile::remove(copy);
    } else {
        BareSteps bare;
        bare.open(path);
        bare.replaceAll();
        bare.save(copy);
        QCoreApplication::processEvents();
        QFile::remove(copy);
    }
    rt::unloadAllForms();
    std::printf("%ld\n", peakKiB());
    return 0;
}
