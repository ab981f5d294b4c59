// The Find and Replace dialogs as a keyboard user and a reader of the text
// expect them: Enter finds the next match, Escape cancels, and a dialog never
// hides the match it has just selected.
#include "editor_fixture.h"

#include <QPlainTextEdit>
#include <QTextCursor>

using namespace rt::testing;

namespace {

class DialogUse : public EditorTest {
protected:
    // The screen rectangle of the main text box's selection.
    QRect selectionOnScreen() const
    {
        const QPlainTextEdit& edit = *f.txtBox.plainTextEdit();
        QTextCursor start = edit.textCursor(), end = edit.textCursor();
        start.setPosition(edit.textCursor().selectionStart());
        end.setPosition(edit.textCursor().selectionEnd());
        const QRect rect = edit.cursorRect(start).united(edit.cursorRect(end));
        return QRect(edit.viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
};

TEST_F(DialogUse, EnterFindsTheNextMatchAndEscapeCancelsInBothDialogs)
{
    f.txtBox.setText("one two one two");
    frmFind& find = showFind();
    typeText(find.txtFind, "two");
    pressKey(find.txtFind, Qt::Key_Return);
    EXPECT_EQ(selection(), std::pair(4, 3));
    pressKey(find.chkCase, Qt::Key_Escape);  // from whichever control has the focus
    EXPECT_FALSE(find.Visible());
    EXPECT_TRUE(rt::isLoaded<frmFind>());

    frmReplace& replace = showReplace();
    typeText(replace.txtFind, "one");
    typeText(replace.txtReplace, "1");
    pressKey(replace.txtReplace, Qt::Key_Return);
    EXPECT_EQ(selection(), std::pair(0, 3)) << "Enter runs Find Next, not Replace";
    EXPECT_EQ(f.txtBox.Text(), "one two one two");
    pressKey(replace.txtFind, Qt::Key_Escape);
    EXPECT_FALSE(replace.Visible());
    EXPECT_TRUE(user.prompts().isEmpty());
}

// A dialog placed over the text is moved off each match it selects: above
// it, or below it when there is no room above.
TEST_F(DialogUse, TheDialogsMoveOffTheMatchTheySelect)
{
    QString text;
    for (int line = 0; line < 30; ++line) text += QStringLiteral("line %1 word\n").arg(line);
    f.txtBox.setText(text);
    f.window()->move(100, 100);
    f.window()->resize(600, 500);
    settle();
    frmFind& find = showFind();
    typeText(find.txtFind, "word");
    frmReplace& replace = showReplace();
    typeText(replace.txtFind, "word");
    typeText(replace.txtReplace, "WORD");
    const auto findNextIn = [&](rt::Form* dialog) {
        dialog == &find ? click(find.cmdFind) : click(replace.cmdFind);
    };
    for (rt::Form* dialog : {static_cast<rt::Form*>(&find), static_cast<rt::Form*>(&replace)}) {
        for (int match = 0; match < 25; ++match) {
            // Over the last match, and so over the next one a line below.
            dialog->window()->move(120, selectionOnScreen().center().y() - 20);
            findNextIn(dialog);
            settle();
            EXPECT_FALSE(dialog->window()->frameGeometry().intersects(selectionOnScreen()))
                << dialog->Caption().toStdString() << ", match " << match;
        }
    }
    const QPlainTextEdit& edit = *f.txtBox.plainTextEdit();
    QTextCursor last(edit.document());
    last.setPosition(int(text.lastIndexOf("word")));
    replace.window()->move(120,
                           edit.viewport()->mapToGlobal(edit.cursorRect(last).center()).y() - 20);
    click(replace.cmdReplaceAll);
    settle();
    EXPECT_FALSE(replace.window()->frameGeometry().intersects(selectionOnScreen()))
        << "the last replacement, selected after Replace All";
}

}  // namespace
