// Very long lines in a multi-line text box: shown in pieces the toolkit lays
// out quickly, while the text, its positions, the selection, the clipboard
// and undo stay exactly the text's own.
#include "forms/controls/safe_plain_text_edit.h"
#include "forms/controls/soft_breaks.h"
#include "forms/runtime.h"
#include "testing/form_test.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using rt::longLine;
using rt::pieceLength;

namespace {

QString run(QChar c, qsizetype n)
{
    return QString(n, c);
}

TEST(SoftBreaks, PiecesEndAfterASpaceWhereThereIsOneAndNeverInsideACharacter)
{
    EXPECT_TRUE(rt::pieceBreaks(run('a', longLine)).empty());
    const QString solid = run('a', longLine + 1);
    EXPECT_EQ(rt::pieceBreaks(solid), (std::vector<qsizetype>{pieceLength, 2 * pieceLength}));

    // After a space, else after punctuation that closes something.
    QString words, records;
    while (words.size() <= longLine) words += QStringLiteral("w%1, ").arg(words.size());
    while (records.size() <= longLine) records += QStringLiteral("{\"n\":%1},").arg(records.size());
    for (const auto& [line, ends] : {std::pair{words, " "}, std::pair{records, ",}"}}) {
        qsizetype start = 0;
        for (const qsizetype cut : rt::pieceBreaks(line)) {
            EXPECT_TRUE(QString(ends).contains(line[cut - 1])) << cut;
            EXPECT_LE(cut - start, pieceLength);
            start = cut;
        }
    }

    const QString smile = QString::fromUtf16(u"\U0001F600");
    const QString straddling = run('a', pieceLength - 1) + smile + run('b', longLine);
    EXPECT_EQ(rt::pieceBreaks(straddling).front(), pieceLength - 1) << "not between the halves";
}

class BoxForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        static const rt::FormSpec spec{
            "BoxForm",
            "Box",
            6000,
            4000,
            {{"txt", rt::Kind::TextBox, "", 0, 0, 6000, 4000, {.multiLine = true}}}};
        return spec;
    }
    BoxForm() : rt::Form(layout()) {}
    rt::TextBox& txt = bind<rt::TextBox>("txt", rt::on(&rt::TextBox::Change, &BoxForm::txt_Change));
    int changes = 0;
    void txt_Change() { ++changes; }
};

class LongLines : public rt::testing::FormTest {
protected:
    LongLines() : FormTest("box"), f(rt::form<BoxForm>()) { f.Show(); }

    rt::SafePlainTextEdit& edit() const
    {
        return *static_cast<rt::SafePlainTextEdit*>(f.txt.plainTextEdit());
    }
    // What the document shows must be the text with soft breaks only: the
    // same characters once paragraph ends and line ends are left out, and
    // no paragraph the toolkit would be slow to lay out.
    void expectShownMatchesText() const
    {
        const QTextDocument& doc = *edit().document();
        EXPECT_EQ(doc.toRawText().remove(QChar::ParagraphSeparator),
                  f.txt.Text().remove(QLatin1Char('\n')));
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            ASSERT_LE(block.length() - 1, longLine) << "at " << block.position();
    }

    // The soft breaks as the document shows them: the shown position of each
    // and the text position it stands at.
    std::vector<std::pair<int, int>> softBreaks() const
    {
        std::vector<std::pair<int, int>> found;
        const QString text = f.txt.Text();
        int at = 0;
        for (QTextBlock block = edit().document()->begin(); block.next().isValid();
             block = block.next()) {
            at += block.length() - 1;
            if (text[at] == QLatin1Char('\n')) {
                ++at;
            } else {
                found.emplace_back(block.position() + block.length() - 1, at);
            }
        }
        return found;
    }

    BoxForm& f;
};

TEST_F(LongLines, ALongLineIsShownInPiecesWhileTheProgramSeesTheTextItself)
{
    const QString line = run('x', 2 * longLine) + "needle" + run('y', longLine);
    f.txt.setText("a\r\n" + line + "\rb");
    EXPECT_EQ(f.txt.Text(), "a\n" + line + "\nb") << "line ends as in any text box";
    EXPECT_TRUE(edit().showsPieces());
    EXPECT_GT(edit().document()->blockCount(), 3);
    expectShownMatchesText();
    EXPECT_EQ(f.changes, 1);

    // A selection across the pieces: positions, text and copy are the text's.
    const int start = 2 + 2 * longLine - 3;
    f.txt.setSelStart(start);
    f.txt.setSelLength(12);
    EXPECT_EQ(f.txt.SelStart(), start);
    EXPECT_EQ(f.txt.SelLength(), 12);
    EXPECT_EQ(f.txt.SelText(), "xxxneedleyyy");
    QTest::keyClick(&edit(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "xxxneedleyyy");
    f.txt.setSelText("-");
    EXPECT_EQ(f.txt.Text(),
              "a\n" + run('x', 2 * longLine - 3) + "-" + run('y', longLine - 3) + "\nb");
    EXPECT_EQ(f.txt.SelStart(), start + 1);
    EXPECT_EQ(f.changes, 2);
    expectShownMatchesText();

    // Positions beyond the text are its end, as in any text box.
    f.txt.setSelStart(10 * longLine);
    EXPECT_EQ(f.txt.SelStart(), f.txt.Text().size());

    f.txt.setText("short\nlines");
    EXPECT_FALSE(edit().showsPieces()) << "the toolkit's document is the text again";
    EXPECT_EQ(edit().document()->blockCount(), 2);
}

// Typing past the length: the pieces start there, and the typing can still
// be undone.
TEST_F(LongLines, ALineTypedLongStartsThePieces)
{
    const QString line = run('t', longLine);
    f.txt.setText("a\n" + line);
    EXPECT_FALSE(edit().showsPieces());
    f.txt.setSelStart(2 + longLine / 2);
    QTest::keyClicks(&edit(), "xy");
    EXPECT_TRUE(edit().showsPieces());
    QString typed = "a\n" + line;
    typed.insert(2 + longLine / 2, "xy");
    EXPECT_EQ(f.txt.Text(), typed);
    EXPECT_EQ(f.txt.SelStart(), 2 + longLine / 2 + 2);
    expectShownMatchesText();
    QTest::keyClick(&edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.txt.Text(), "a\n" + line);
    expectShownMatchesText();
}

// A line pasted or set by the program is shown in pieces before the toolkit
// ever lays it out whole, which would take minutes for a few megabytes.
TEST_F(LongLines, AHugeLineArrivesWithoutFreezingTheWindow)
{
    const QString huge = run('z', 2 << 20);
    QElapsedTimer timer;
    timer.start();
    f.txt.setText("before\nafter");
    f.txt.setSelStart(7);
    f.txt.setSelText(huge);
    QGuiApplication::clipboard()->setText(huge);
    QTest::keyClick(&edit(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 20000) << "a generous bound: laid out whole it takes hours";
    EXPECT_EQ(f.txt.Text(), "before\n" + huge + huge + "after");
    expectShownMatchesText();
}

// The same edits, made by the user's keys and the clipboard, on the text in
// pieces and on a toolkit editor holding the same text whole, give the same
// text and selection every time; undo takes every one back and redo makes
// every one again.
TEST_F(LongLines, EditsGiveWhatTheyGiveOnTheTextWholeAndUndoTakesThemBack)
{
    QString start = "first\n";
    for (int i = 0; start.size() < 3 * longLine; ++i)
        start += i % 50 == 0 ? run('s', 300) : QStringLiteral("w%1 ").arg(i);
    start += "\nshort\n" + run('q', longLine + 700) + "\nlast";
    f.txt.setText(start);
    QPlainTextEdit whole;
    whole.setLineWrapMode(QPlainTextEdit::NoWrap);  // laid out quickly
    whole.setPlainText(start);
    whole.show();

    QRandomGenerator dice(24);
    const auto wholeText = [&] {
        return whole.document()->toRawText().replace(QChar::ParagraphSeparator, '\n');
    };
    const auto both = [&](const std::function<void(QWidget*)>& act) {
        act(&edit());
        const QString boxClipboard = QGuiApplication::clipboard()->text();
        act(&whole);
        return boxClipboard;
    };
    constexpr int edits = 120;
    for (int i = 0; i < edits; ++i) {
        // Anywhere, or at a soft break: the caret just before or just after it.
        const auto breaks = softBreaks();
        const qsizetype length = wholeText().size();
        const bool atBreak = !breaks.empty() && dice.bounded(2) == 0;
        const auto [shownBreak, textBreak] =
            atBreak ? breaks[dice.bounded(int(breaks.size()))] : std::pair<int, int>{-1, -1};
        const int at = atBreak ? textBreak : int(dice.bounded(length + 1));
        const int span = int(dice.bounded(std::min<qsizetype>(40, length - at) + 1));
        f.txt.setSelStart(at);
        f.txt.setSelLength(dice.bounded(3) == 0 ? span : 0);
        if (atBreak && f.txt.SelLength() == 0 && dice.bounded(2) == 0) {
            QTextCursor before = edit().textCursor();
            before.setPosition(shownBreak);
            edit().setTextCursor(before);
        }
        QTextCursor cursor = whole.textCursor();
        cursor.setPosition(f.txt.SelStart());
        cursor.setPosition(f.txt.SelStart() + f.txt.SelLength(), QTextCursor::KeepAnchor);
        whole.setTextCursor(cursor);

        const int kind = int(dice.bounded(9));
        QString what = QStringLiteral("edit %1 kind %2 at %3").arg(i).arg(kind).arg(at);
        switch (kind) {
            case 0: both([&](QWidget* w) { QTest::keyClicks(w, "ab c"); }); break;
            case 1: both([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Backspace); }); break;
            case 2: both([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Delete); }); break;
            case 3: both([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }); break;
            case 4: {
                const auto modifiers = dice.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier;
                const auto key = dice.bounded(2) ? Qt::Key_Left : Qt::Key_Right;
                both([&](QWidget* w) {
                    QTest::keyClick(w, key, modifiers);
                    QTest::keyClick(w, key, modifiers);
                    QTest::keyClick(w, Qt::Key_X);
                });
                break;
            }
            case 5: {
                const QString pasted = dice.bounded(4) == 0 ? run('p', longLine + 11) : "p\nq";
                both([&](QWidget* w) {
                    QGuiApplication::clipboard()->setText(pasted);
                    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
                });
                break;
            }
            case 6: {
                const QString cut =
                    both([&](QWidget* w) { QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier); });
                EXPECT_EQ(cut, QGuiApplication::clipboard()->text()) << what.toStdString();
                break;
            }
            case 7: {
                f.txt.setSelText("set\nby program");
                whole.textCursor().insertText("set\nby program");
                break;
            }
            default:
                // Deleting a whole piece and more joins what is left.
                f.txt.setSelLength(pieceLength + 3);
                cursor.setPosition(f.txt.SelStart());
                cursor.setPosition(f.txt.SelStart() + f.txt.SelLength(), QTextCursor::KeepAnchor);
                whole.setTextCursor(cursor);
                both([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Delete); });
                break;
        }
        ASSERT_EQ(f.txt.Text(), wholeText()) << what.toStdString();
        const QTextCursor wholeCursor = whole.textCursor();
        ASSERT_EQ(f.txt.SelStart(), wholeCursor.selectionStart()) << what.toStdString();
        ASSERT_EQ(f.txt.SelLength(), wholeCursor.selectionEnd() - wholeCursor.selectionStart())
            << what.toStdString();
        expectShownMatchesText();
    }
    const QString end = f.txt.Text();
    const int changes = f.changes;
    for (int i = 0; i < 3 * edits; ++i) QTest::keyClick(&edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.txt.Text(), start);
    EXPECT_GT(f.changes, changes) << "each undo is a change of the text";
    expectShownMatchesText();
    for (int i = 0; i < 3 * edits; ++i)
        QTest::keyClick(&edit(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.txt.Text(), end);
    expectShownMatchesText();
}

}  // namespace
