// The trace and variables panes driven as a learner drives them, beside
// tankfill_a running in the test's own process: entries lead to their
// handler's source, a click shows what it assigned, ticks fold, the
// variables follow, "Stop before each event" holds a click until "Next
// event"; the trace is copied, saved and cleared; RT_TRACE=stderr writes
// what the pane shows.
#include "trace_view.h"
#include "form1.h"
#include "gallery_window.h"
#include "source_view.h"
#include "variables_view.h"

#include "testing/form_test.h"
#include "trace/record.h"
#include "trace/trace.h"
#include "trace/trace_log.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

using rt::Record;
using rt::RecordType;
using rt::testing::click;

namespace {

bool noLaunch(const QString&, const QString&)
{
    return true;
}

QStringList shown(const TraceView& view)
{
    QStringList lines = view.log()->text().split(u'\n');
    lines.removeLast();
    return lines;
}

QByteArray line(RecordType type, int depth, const QStringList& fields)
{
    return rt::encode({type, depth, fields}).chopped(1);
}

// The line of the program's file that starts `definition`.
int lineOf(const QString& file, const QString& definition)
{
    return int(programSource("tankfill_a", file).split(u'\n').indexOf(definition));
}

// tankfill_a in the test's own process, traced to the gallery's pane.
class GalleryTrace : public rt::testing::FormTest {
protected:
    GalleryTrace() { QCoreApplication::setApplicationName("tankfill_a"); }
    ~GalleryTrace() override
    {
        rt::stopTrace();
        QCoreApplication::setApplicationName("gallery_tests");
    }

    tankfill_a::Form1& openTank()
    {
        EXPECT_TRUE(rt::startTrace(window.trace()->socketName()));
        auto& tank = rt::form<tankfill_a::Form1>();
        tank.Show();
        return tank;
    }

    GalleryWindow window{catalogue(), noLaunch};
};

}  // namespace

TEST(TracePane, ActivatingAnEntryShowsItsHandlersSourceWithItsFirstLineMarked)
{
    GalleryWindow window(catalogue(), noLaunch);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TraceView* view = window.trace();
    const QStringList start{"Form1", "cmdStart", "-1", "Click", "0"};
    const QStringList tick{"Form1", "Timer1", "-1", "Timer", "0"};
    for (const QByteArray& record : {
             line(RecordType::Hello, 0, {"2", "tankfill_a"}),
             line(RecordType::Begin, 0, start),
             line(RecordType::Assignment, 1, {"Form1", "Timer1", "-1", "Enabled", "", "True"}),
             line(RecordType::End, 0, {}),
             line(RecordType::Begin, 0, tick),
             line(RecordType::Error, 1, QStringList{"6", "Overflow"} + tick),
             line(RecordType::End, 0, {}),
         })
        view->addLine(1, record);
    ASSERT_EQ(shown(*view),
              (QStringList{"tankfill_a started", "cmdStart_Click", "  Timer1.Enabled = True",
                           "Timer1_Timer", "  run-time error 6 “Overflow” stopped Timer1_Timer"}));
    window.selectProgram("rootplot");

    // Enter on an assignment: the handler that made it.
    QListView* list = view->list();
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    SourceView* source = window.source();
    EXPECT_EQ(window.selectedProgram(), "tankfill_a");
    EXPECT_EQ(source->files()->currentText(), "form1.cpp");
    EXPECT_EQ(source->markedLine(), lineOf("form1.cpp", "void Form1::cmdStart_Click()"));
    EXPECT_EQ(source->text()->textCursor().blockNumber(), source->markedLine());

    // A double click on the error: the handler it stopped.
    const QModelIndex error = list->model()->index(4, 0);
    list->scrollTo(error);
    const QPoint at = list->visualRect(error).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double click's first press
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(source->markedLine(), lineOf("form1.cpp", "void Form1::Timer1_Timer()"));

    // The program's own note leads nowhere; a file chosen by hand has no mark.
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(source->markedLine(), lineOf("form1.cpp", "void Form1::Timer1_Timer()"));
    source->files()->setCurrentText("form1.h");
    EXPECT_EQ(source->markedLine(), -1);
}

TEST_F(GalleryTrace, ClickingStartShowsWhatItAssignedTicksFoldAndTheVariablesFollow)
{
    auto& tank = openTank();
    QTRY_COMPARE(window.variables()->valueOf("Form1", "nivel"), "500");
    click(tank.cmdStart);
    for (int i = 0; i < 3; ++i) tank.Timer1.fireTick();
    const QStringList expected{
        "cmdStart_Click",         "  Timer1.Enabled = True", "  cmdStart.Caption = \"Stop\"",
        "Timer1_Timer (3 times)", "  lblFluido.Top = 530",   "  txtH.Text = \"530\""};
    QTRY_COMPARE(shown(*window.trace()).mid(shown(*window.trace()).size() - 6), expected);
    EXPECT_TRUE(shown(*window.trace()).contains("    hsbCaudal_Change"));  // under Form_Load
    QTRY_COMPARE(window.variables()->valueOf("Form1", "nivel"), "530");
    EXPECT_EQ(window.variables()->valueOf("Form1", "caudal"), "10");
}

TEST_F(GalleryTrace, StopBeforeEachEventHoldsAClickUntilNextEvent)
{
    window.show();
    window.trace()->stopBeforeEachEvent()->setChecked(true);
    auto& tank = openTank();
    QTRY_VERIFY(rt::eachEventWaits());
    QString captionWhileWaiting, markedWhileWaiting;
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [&] {
        if (!window.trace()->nextEvent()->isEnabled()) return;
        poll->stop();
        captionWhileWaiting = tank.cmdStart.Caption();
        const SourceView* source = window.source();
        markedWhileWaiting =
            source->text()->document()->findBlockByNumber(source->markedLine()).text();
        QApplication::setActiveWindow(&window);  // the learner turns to the gallery
        QTest::keyClick(&window, Qt::Key_F10);
    });
    poll->start(5);
    click(tank.cmdStart);
    EXPECT_EQ(captionWhileWaiting, "Start");
    EXPECT_EQ(markedWhileWaiting, "void Form1::cmdStart_Click()");
    EXPECT_EQ(tank.cmdStart.Caption(), "Stop");
    QTRY_VERIFY(shown(*window.trace()).contains("  cmdStart.Caption = \"Stop\""));
    EXPECT_FALSE(window.trace()->nextEvent()->isEnabled());
}

TEST(TracePane, TheTraceIsCopiedAndSavedAsShownAndCleared)
{
    TraceView view;
    view.addLine(1, line(RecordType::Hello, 0, {"2", "tankfill_a"}));
    view.addLine(1, line(RecordType::Begin, 0, {"Form1", "cmdStart", "-1", "Click", "0"}));
    view.addLine(
        1, line(RecordType::Assignment, 1, {"Form1", "cmdStart", "-1", "Caption", "", "\"Stop\""}));
    const QString text = "tankfill_a started\ncmdStart_Click\n  cmdStart.Caption = \"Stop\"\n";
    QTemporaryDir folder;
    ASSERT_TRUE(view.saveTo(folder.filePath("trace.txt")));
    QFile saved(folder.filePath("trace.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), text);
    EXPECT_FALSE(view.saveTo(folder.filePath("missing/trace.txt")));

    view.copyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    view.list()->selectionModel()->select(view.list()->model()->index(2, 0),
                                          QItemSelectionModel::Select);
    EXPECT_EQ(view.shownText(true), "  cmdStart.Caption = \"Stop\"\n");

    view.clearButton()->click();
    EXPECT_EQ(view.log()->rowCount(), 0);
    // A program of another trace format is not read.
    view.addLine(2, line(RecordType::Hello, 0, {"1", "old"}));
    view.addLine(2, line(RecordType::Begin, 0, {"Form1", "cmdStart", "-1", "Click", "0"}));
    EXPECT_EQ(view.log()->rowCount(), 0);
}

TEST(TracePane, AProgramStartedWithTheTraceOnStandardErrorWritesWhatThePaneShows)
{
    QTemporaryDir folder;
    const auto start = [&](QProcess& program, const QString& trace) {
        program.setProgram(QStringLiteral(RT_PROGRAM_DIR "/tankfill_a"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("RT_TRACE", trace);
        environment.insert("RT_SNAPSHOT", folder.filePath("window.png"));
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        environment.insert("QT_LOGGING_RULES", "*.debug=false;*.info=false;*.warning=false");
        program.setProcessEnvironment(environment);
        program.start();
    };
    QProcess toStandardError;
    start(toStandardError, "stderr");
    ASSERT_TRUE(toStandardError.waitForFinished(30000));

    TraceView view;
    QProcess toPane;
    start(toPane, view.socketName());
    QTRY_VERIFY_WITH_TIMEOUT(shown(view).contains("tankfill_a ended"), 30000);
    // Form_Load sets the flow bar, whose Change handler runs under that line.
    EXPECT_TRUE(shown(view).contains("    hsbCaudal_Change"));
    EXPECT_EQ(QString::fromUtf8(toStandardError.readAllStandardError()), view.log()->text());
    toPane.waitForFinished();
}
