// What a program's start leans on and puts off: work left until the first
// frame is on the screen, the window icon only at the sizes windows need and
// without an image decoder, the programs' style with its menu bar arrows made
// when drawn, captions as spoken, and the widget tree the start-up benchmark
// rebuilds on the toolkit alone.
#include "forms/core/control.h"
#include "forms/core/style.h"
#include "forms/desktop/first_frame.h"
#include "forms/desktop/program_icon.h"
#include "forms/desktop/widget_tree.h"
#include "testing/form_test.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

void runUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(FirstFrame, WorkRunsOnceRightAfterTheFirstPaint)
{
    PaintCounter window;
    window.resize(200, 100);
    window.winId();
    QStringList log;
    rt::afterFirstFrame(&window,
                        [&] { log << QStringLiteral("work after %1 paints").arg(window.paints); });
    window.show();
    runUntil([&] { return !log.isEmpty(); });
    window.hide();
    window.show();
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"work after 1 paints"});

    // A window already on the screen: the work still waits for the event loop.
    rt::afterFirstFrame(&window, [&] { log << QStringLiteral("later"); });
    EXPECT_EQ(log.size(), 1);
    runUntil([&] { return log.size() == 2; });
    EXPECT_EQ(log.last(), "later");
}

TEST(ProgramIcon, TakesTheSizesOfAFolderUpToTheLargestAsked)
{
    const QTemporaryDir folder;
    for (const int size : {16, 32, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(folder.filePath(QStringLiteral("%1.png").arg(size))));
    }
    const auto sizesOf = [](const QIcon& icon) {
        QList<int> sizes;
        for (const QSize& size : icon.availableSizes()) sizes << size.width();
        std::sort(sizes.begin(), sizes.end());
        return sizes;
    };
    EXPECT_EQ(sizesOf(rt::iconFromResources(folder.path())), (QList<int>{16, 32, 64, 128, 256}));
    EXPECT_EQ(sizesOf(rt::iconFromResources(folder.path(), 64)), (QList<int>{16, 32, 64}));
}

// Programs carry their icon as bare pixels made at build time: what the tool
// writes, the program reads back pixel for pixel, translucent edges included;
// a file of the wrong length is passed over rather than shown as garbage.
TEST(ProgramIcon, WearsTheBarePixelsTheBuildMadeFromTheBitmap)
{
    const QTemporaryDir folder;
    QImage drawn(24, 24, QImage::Format_ARGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) drawn.setPixel(x, y, qRgba(10 * x, 10 * y, 200, 11 * (x + y)));
    const QString png = folder.filePath(QStringLiteral("drawn.png"));
    ASSERT_TRUE(drawn.save(png));
    QProcess tool;
    tool.start(QStringLiteral(RT_ICON_PIXELS_TOOL),
               {png, folder.filePath(QStringLiteral("24.argb"))});
    ASSERT_TRUE(tool.waitForFinished(20000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QFile truncated(folder.filePath(QStringLiteral("16.argb")));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    truncated.write(QByteArray(16 * 16 * 4 - 1, 'x'));
    truncated.close();

    const QIcon icon = rt::iconFromResources(folder.path());
    ASSERT_EQ(icon.availableSizes(), (QList<QSize>{QSize(24, 24)}));
    const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
    EXPECT_EQ(icon.pixmap(24).toImage().convertToFormat(premultiplied),
              QImage(png).convertToFormat(premultiplied));

    QProcess missing;
    missing.start(QStringLiteral(RT_ICON_PIXELS_TOOL), {folder.filePath(QStringLiteral("none.png")),
                                                        folder.filePath(QStringLiteral("x.argb"))});
    ASSERT_TRUE(missing.waitForFinished(20000));
    EXPECT_NE(missing.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("x.argb"))));
}

// The widget tree a program writes for the start-up benchmark, which builds
// the same window straight on the toolkit from it: every control as the
// toolkit class it is, inside its container, with its place, font, colour and
// text, and the menus with their entries; a text box's own scroll bars are
// not listed, the toolkit makes them.
class WidgetTree : public rt::testing::FormTest {};

TEST_F(WidgetTree, ListsWhatTheToolkitNeedsToBuildTheSameWindow)
{
    using rt::Kind;
    static const rt::Font large{.size = 12, .bold = true};
    static const rt::FormSpec spec{
        "TreeForm",
        "Tree",
        3000,
        2000,
        {
            {"mnuFile", Kind::Menu, "&File", 0, 0, 0, 0},
            {"mnuQuit", Kind::Menu, "&Quit", 0, 0, 0, 0, {.parentMenu = "mnuFile"}},
            {"fraBox", Kind::Frame, "Box", 120, 120, 1500, 1200, {.backColor = 0xFFFF00}},
            {"lblIn",
             Kind::Label,
             "In\tside",
             60,
             240,
             900,
             300,
             {.container = "fraBox", .font = large}},
            {"txtNotes", Kind::TextBox, "one\ntwo", 1800, 120, 1000, 1000, {.multiLine = true}},
        }};
    rt::Form form(spec);
    form.Show();
    const QStringList lines =
        rt::describeWidgetTree(*form.window()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto fields = [&](int line) { return lines.value(line).split(QLatin1Char('\t')); };
    const auto linesOf = [&](const QString& kind) {
        QList<QStringList> found;
        for (int i = 0; i < lines.size(); ++i)
            if (fields(i).value(1) == kind) found << fields(i);
        return found;
    };
    ASSERT_EQ(fields(0).mid(0, 2), (QStringList{"0", "window"}));
    EXPECT_EQ(fields(0).value(10), "Tree");
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(fields(i).size(), 11) << lines[i].toStdString();

    const auto boxes = linesOf("QGroupBox");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].value(9), "#00ffff");  // colours are written 0xBBGGRR
    EXPECT_EQ(boxes[0].value(10), "Box");
    const auto labels = linesOf("QLabel");
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0][0].toInt(), boxes[0][0].toInt() + 1);  // inside the frame
    EXPECT_EQ(labels[0].value(8), "1");
    EXPECT_EQ(labels[0].value(7).toDouble(), 12);
    EXPECT_EQ(labels[0].value(10), "In side");
    const auto texts = linesOf("QPlainTextEdit");
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].value(10), QStringLiteral("one") + QChar(0x1f) + "two");
    EXPECT_TRUE(linesOf("QScrollBar").isEmpty());
    const auto menus = linesOf("menu");
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0].value(10), QStringLiteral("&File") + QChar(0x1f) + "&Quit");
}

TEST(ProgramStyle, MenuBarArrowsLookAsFusionDrawsThem)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> programs(rt::makeStyle());
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon ours = programs->standardIcon(arrow);
        const QIcon theirs = fusion->standardIcon(arrow);
        EXPECT_FALSE(ours.isNull());
        for (const qreal scale : {1.0, 2.0}) {
            const QImage drawn = ours.pixmap(QSize(16, 16), scale).toImage();
            EXPECT_FALSE(drawn.isNull());
            EXPECT_EQ(drawn, theirs.pixmap(QSize(16, 16), scale).toImage())
                << arrow << " " << scale;
        }
        EXPECT_EQ(ours.availableSizes(), theirs.availableSizes());
    }
    EXPECT_EQ(programs->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32).toImage(),
              fusion->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32).toImage());
}

TEST(SpokenCaption, DropsTheAccessMarksOnly)
{
    EXPECT_EQ(rt::spokenCaption("E&xit"), "Exit");
    EXPECT_EQ(rt::spokenCaption("&Llenar"), "Llenar");
    EXPECT_EQ(rt::spokenCaption("R&&D"), "R&D");
    EXPECT_EQ(rt::spokenCaption("&&&Salir"), "&Salir");
    EXPECT_EQ(rt::spokenCaption("Fin &"), "Fin &");
    EXPECT_EQ(rt::spokenCaption("uno &\ndos"), "uno &\ndos");
    EXPECT_EQ(rt::spokenCaption("a&ñ"), "añ");
    EXPECT_EQ(rt::spokenCaption(""), "");
}

}  // namespace
