// Text boxes as entry fields: KeyPress before the key reaches the box,
// centred text in single- and multi-line boxes, and control arrays whose
// elements share one handler that receives the index.
#include "testing/form_test.h"

#include "forms/runtime.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>

using namespace rt::testing;
using rt::Align;
using rt::Kind;

namespace {

class EntryForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "EntryForm", "Entry", 4000, 3000,
            {
                {"txtLine",  Kind::TextBox, "",  120,  120, 1455, 375, {.align = Align::Center}},
                {"txtMulti", Kind::TextBox, "",  120,  600, 1455, 375, {.font = rt::Font{.size = 9.75}, .align = Align::Center, .multiLine = true}},
                // Out of index order: the array still iterates 0, 1, 2.
                {"txtCell",  Kind::TextBox, "", 2000, 1080,  735, 375, {.index = 2}},
                {"txtCell",  Kind::TextBox, "", 2000,  120,  735, 375, {.index = 0}},
                {"txtCell",  Kind::TextBox, "", 2000,  600,  735, 375, {.index = 1}},
            }};
        // clang-format on
        return spec;
    }

    EntryForm() : rt::Form(layout()) {}

    void txtCell_KeyPress(rt::Integer index, rt::Integer& keyAscii)
    {
        log << QStringLiteral("cell %1 key %2").arg(index).arg(keyAscii);
    }

    rt::TextBox& txtLine = bind<rt::TextBox>("txtLine");
    rt::TextBox& txtMulti = bind<rt::TextBox>("txtMulti");
    rt::ControlArray<rt::TextBox> txtCell = bindArray<rt::TextBox>(
        "txtCell", rt::on(&rt::TextBox::KeyPress, &EntryForm::txtCell_KeyPress));
    QStringList log;
};

class TextEntry : public FormTest {
protected:
    TextEntry() : FormTest("entry"), f(rt::form<EntryForm>()) { f.Show(); }

    // The horizontal middle of the dark pixels (the text) in a grab of the box.
    static double textMiddle(const QImage& image)
    {
        int left = image.width(), right = -1;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return right < 0 ? -1 : (left + right + 1) / 2.0;
    }

    EntryForm& f;
};

TEST_F(TextEntry, KeyPressSeesTheTextBeforeTheKeyAndEnterIsThirteen)
{
    QStringList seen;
    f.txtMulti.KeyPress = [&](rt::Integer& keyAscii) {
        seen << QStringLiteral("%1 [%2]").arg(keyAscii).arg(f.txtMulti.Text());
    };
    typeText(f.txtMulti, "7");
    pressKey(f.txtMulti, Qt::Key_Return, "\r");
    EXPECT_EQ(seen, QStringList({"55 []", "13 [7]"}));
    EXPECT_EQ(f.txtMulti.Text(), "7\n") << "the key reaches a multi-line box after the handler";

    f.txtLine.KeyPress = [&](rt::Integer& keyAscii) {
        if (keyAscii == 'x') keyAscii = 0;
    };
    typeText(f.txtLine, "axb");
    pressKey(f.txtLine, Qt::Key_Return, "\r");
    EXPECT_EQ(f.txtLine.Text(), "ab") << "code 0 swallows the key; Enter adds nothing to one line";
}

TEST_F(TextEntry, CentredTextIsShownCentredInSingleAndMultiLineBoxes)
{
    for (rt::TextBox* box : {&f.txtLine, &f.txtMulti}) {
        box->setText("1E-09");
        settle();
        const QImage image = grabPixels(*box);
        EXPECT_NEAR(textMiddle(image), image.width() / 2.0, 2.0) << box->name().toStdString();
    }
    rt::TextBox& leftAligned = f.control<rt::TextBox>("txtCell", 0);
    leftAligned.setText("1E-09");
    settle();
    const QImage image = grabPixels(leftAligned);
    EXPECT_LT(textMiddle(image), image.width() / 2.0 - 4) << "the check tells left from centre";
}

TEST_F(TextEntry, ArrayElementsShareAHandlerThatReceivesTheIndex)
{
    const rt::ControlArray<rt::TextBox>& cells = f.txtCell;
    ASSERT_EQ(cells.Count(), 3);
    EXPECT_EQ(cells.LBound(), 0);
    EXPECT_EQ(cells.UBound(), 2);
    int expected = 0;
    for (rt::TextBox* cell : cells) EXPECT_EQ(cell, &f.control<rt::TextBox>("txtCell", expected++));
    typeText(cells[2], "a");
    pressKey(cells[0], Qt::Key_Return, "\r");
    EXPECT_EQ(f.log, QStringList({"cell 2 key 97", "cell 0 key 13"}));
    EXPECT_EQ(f.find("txtCell", 3), nullptr);
    try {
        cells[3];
        ADD_FAILURE() << "a missing element must raise";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), 340);
    }
}

TEST_F(TextEntry, ALockedBoxTakesNoTypingButTheProgramStillSetsItsText)
{
    for (rt::TextBox* box : {&f.txtLine, &f.txtMulti}) {
        box->setText("12");
        box->setLocked(true);
        typeText(*box, "3");
        EXPECT_EQ(box->Text(), "12");
        box->setText("45");
        EXPECT_EQ(box->Text(), "45");
        box->setLocked(false);
        typeText(*box, "6");
        EXPECT_TRUE(box->Text().contains('6'));
    }
}

// Clipboard contents for the paste tests: nothing at all (what an empty
// clipboard hands over), data of another kind only, and text beside markup.
std::unique_ptr<QMimeData> clipboardData(const char* kind)
{
    auto data = std::make_unique<QMimeData>();
    if (kind == std::string_view("picture")) data->setData("image/png", "\x89PNG");
    if (kind == std::string_view("text")) {
        data->setHtml("<b>bold</b>");
        data->setText("pasted");
    }
    return data;
}

// Every way text comes in from the clipboard or a drop: data without text
// inserts nothing, text is inserted as plain text.
TEST_F(TextEntry, PastesAndDropsInsertOnlyText)
{
    QPlainTextEdit& editor = *f.txtMulti.plainTextEdit();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const auto dropOn = [&](const QMimeData& data) {
        QWidget& area = *editor.viewport();
        const QPointF middle = area.rect().center();
        QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&area, &enter);
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&area, &drop);
    };
    const struct {
        const char* way;
        std::function<void(std::unique_ptr<QMimeData>)> insert;
    } ways[] = {
        {"Ctrl+V",
         [&](auto data) {
             clipboard.setMimeData(data.release());
             QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
         }},
        {"Shift+Insert",
         [&](auto data) {
             clipboard.setMimeData(data.release());
             QTest::keyClick(&editor, Qt::Key_Insert, Qt::ShiftModifier);
         }},
        {"middle button",
         [&](auto data) {
             clipboard.setMimeData(data.release(), QClipboard::Selection);
             QTest::mouseClick(editor.viewport(), Qt::MiddleButton);
         }},
        {"drop", [&](auto data) { dropOn(*data); }},
    };
    for (const auto& way : ways) {
        // The middle button pastes the selection, which not every platform has.
        if (way.way == std::string_view("middle button") && !clipboard.supportsSelection())
            continue;
        for (const char* kind : {"nothing", "picture"}) {
            f.txtMulti.setText("abc");
            way.insert(clipboardData(kind));
            EXPECT_EQ(f.txtMulti.Text(), "abc") << way.way << " with " << kind;
        }
        f.txtMulti.setText("");
        way.insert(clipboardData("text"));
        EXPECT_EQ(f.txtMulti.Text(), "pasted") << way.way;
    }
    f.txtLine.setText("abc");
    clipboard.setMimeData(clipboardData("nothing").release());
    QTest::keyClick(f.txtLine.lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtLine.Text(), "abc");
}

}  // namespace
