// What screen readers and keyboards get from controls: roles, names, values
// and states through the accessibility interfaces, labels that name their
// neighbours, arrow keys on scroll bars; and the properties every kind shares
// through Control.
#include "testing/form_test.h"

#include "forms/accessibility/accessible.h"
#include "forms/core/labelling.h"
#include "forms/desktop/instances.h"
#include "forms/runtime.h"

#include <QAccessible>
#include <QLabel>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace rt::testing;
using rt::Kind;

namespace {

class AccessForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "AccessForm", "Access", 6000, 4000,
            {
                {"lblFlow",  Kind::Label,         "&Caudal",  120,  120,  900,  375},
                {"hsbFlow",  Kind::HScrollBar,    "",        1080,  120, 2400,  375, {.min = 0, .max = 100, .smallChange = 1, .largeChange = 10, .value = 50}},
                {"txtLevel", Kind::TextBox,       "",        3600,  120,  600,  375, {.accessibleName = "Nivel"}},
                {"lblScale", Kind::Label,         "Escala",  4800,  120,  900,  255},
                {"vsbScale", Kind::VScrollBar,    "",        4800,  480,  375, 2000, {.min = 100, .max = 0, .smallChange = 1, .largeChange = 10, .value = 50}},
                {"optFill",  Kind::OptionButton,  "Llenar",   120,  600, 1200,  375, {.value = 1}},
                {"optEmpty", Kind::OptionButton,  "Vaciar",   120, 1080, 1200,  375},
                {"chkLoop",  Kind::CheckBox,      "Repetir",  120, 1560, 1200,  375},
                {"cmdGo",    Kind::CommandButton, "&Go",     1560,  600, 1200,  495},
                {"pctTank",  Kind::PictureBox,    "",        1560, 1200, 1500, 1500, {.accessibleName = "Depósito", .backColor = 0xFFFFFF}},
                {"lblNote",  Kind::Label,         "",         120, 3000, 1200,  375, {.accessibleName = "Nota"}},
                {"tmrFill",  Kind::Timer,         "",           0,    0,    0,    0, {.interval = 100}},
            }};
        // clang-format on
        return spec;
    }

    AccessForm() : rt::Form(layout()) {}

    rt::Label& lblFlow = bind<rt::Label>("lblFlow");
    rt::ScrollBar& hsbFlow = bind<rt::ScrollBar>("hsbFlow");
    rt::TextBox& txtLevel = bind<rt::TextBox>("txtLevel");
    rt::ScrollBar& vsbScale = bind<rt::ScrollBar>("vsbScale");
    rt::OptionButton& optFill = bind<rt::OptionButton>("optFill");
    rt::OptionButton& optEmpty = bind<rt::OptionButton>("optEmpty");
    rt::PictureBox& pctTank = bind<rt::PictureBox>("pctTank");
    rt::Label& lblNote = bind<rt::Label>("lblNote");
    rt::Timer& tmrFill = bind<rt::Timer>("tmrFill");
};

class Accessibility : public FormTest {
protected:
    Accessibility() : FormTest("access"), f(rt::form<AccessForm>()) { f.Show(); }

    static QAccessibleInterface* accessOf(const rt::Control& c)
    {
        return QAccessible::queryAccessibleInterface(c.widget());
    }

    AccessForm& f;
};

TEST_F(Accessibility, EveryControlReadsRightToAScreenReader)
{
    EXPECT_EQ(accessibilityProblems(f), QStringList());
}

TEST_F(Accessibility, ScrollBarsExposeValueMinAndMaxAsTheProgramSeesThem)
{
    struct Case {
        rt::ScrollBar& bar;
        int set;
        int minimum, maximum;
    };
    // The vertical bar's Min (100) lies above its Max (0) and at its top end.
    for (const Case& c : {Case{f.hsbFlow, 10, 0, 100}, Case{f.vsbScale, 10, 0, 100},
                          Case{f.vsbScale, 100, 0, 100}}) {
        SCOPED_TRACE(c.bar.name().toStdString());
        QAccessibleValueInterface* value = accessOf(c.bar)->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toInt(), 50);
        EXPECT_EQ(value->minimumValue().toInt(), c.minimum);
        EXPECT_EQ(value->maximumValue().toInt(), c.maximum);
        value->setCurrentValue(c.set);
        EXPECT_EQ(c.bar.Value(), c.set) << "set through the interface";
        EXPECT_EQ(value->currentValue().toInt(), c.set);
        EXPECT_EQ(accessOf(c.bar)->text(QAccessible::Value), QString::number(c.set));
        value->setCurrentValue(500);
        EXPECT_EQ(c.bar.Value(), 100) << "kept in range";
        c.bar.setValue(50);
    }
    f.vsbScale.setMax(20);
    EXPECT_EQ(accessOf(f.vsbScale)->valueInterface()->minimumValue().toInt(), 20);
}

TEST_F(Accessibility, ArrowKeysStepTowardsMaxAndPageKeysByLargeChange)
{
    struct Case {
        int key;
        int horizontal;  // hsbFlow: Min 0 at the left, Max 100
        int vertical;    // vsbScale: Min 100 at the top, Max 0
    };
    const Case cases[] = {
        {Qt::Key_Right, 51, 49}, {Qt::Key_Down, 51, 49},     {Qt::Key_Left, 49, 51},
        {Qt::Key_Up, 49, 51},    {Qt::Key_PageDown, 60, 40}, {Qt::Key_PageUp, 40, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        f.hsbFlow.setValue(50);
        f.vsbScale.setValue(50);
        pressKey(f.hsbFlow, c.key);
        pressKey(f.vsbScale, c.key);
        EXPECT_EQ(f.hsbFlow.Value(), c.horizontal);
        EXPECT_EQ(f.vsbScale.Value(), c.vertical);
    }
    f.hsbFlow.setValue(95);
    pressKey(f.hsbFlow, Qt::Key_PageDown);
    EXPECT_EQ(f.hsbFlow.Value(), 100) << "stops at Max";
    int changes = 0;
    f.hsbFlow.Change = [&] { ++changes; };
    pressKey(f.hsbFlow, Qt::Key_Right);
    pressKey(f.hsbFlow, Qt::Key_Left);
    EXPECT_EQ(changes, 1) << "no Change at the end of the range";
}

TEST_F(Accessibility, OptionButtonsAreRadioButtonsWithTheirCheckedStateAndLayoutRectangle)
{
    QAccessibleInterface* fill = accessOf(f.optFill);
    QAccessibleInterface* empty = accessOf(f.optEmpty);
    EXPECT_EQ(fill->role(), QAccessible::RadioButton);
    EXPECT_TRUE(fill->state().checkable);
    EXPECT_TRUE(fill->state().checked);
    EXPECT_FALSE(empty->state().checked);
    empty->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f.optEmpty.Value());
    EXPECT_FALSE(f.optFill.Value()) << "still one group";
    EXPECT_TRUE(empty->state().checked);
    EXPECT_FALSE(fill->state().checked);
    const QWidget* w = f.optEmpty.widget();
    const QRect layoutRect(w->mapToGlobal(QPoint(0, 0)), QSize(80, 25));
    EXPECT_EQ(empty->rect(), layoutRect);
}

TEST_F(Accessibility, LabelsReadTheirCaptionAndNameTheControlBesideOrBelowThem)
{
    QAccessibleInterface* label = accessOf(f.lblFlow);
    ASSERT_NE(label->textInterface(), nullptr);
    EXPECT_EQ(label->textInterface()->text(0, 7), "&Caudal");
    EXPECT_EQ(label->text(QAccessible::Name), "Caudal");
    EXPECT_EQ(accessOf(f.hsbFlow)->text(QAccessible::Name), "Caudal");
    EXPECT_EQ(accessOf(f.vsbScale)->text(QAccessible::Name), "Escala") << "label above";
    EXPECT_EQ(accessOf(f.txtLevel)->text(QAccessible::Name), "Nivel")
        << "a scroll bar, not a label, is just left of it: the layout's name";
    const auto labels = accessOf(f.hsbFlow)->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), f.lblFlow.widget());

    f.lblFlow.setCaption("Flujo");
    EXPECT_EQ(label->textInterface()->text(0, label->textInterface()->characterCount()), "Flujo");
    EXPECT_EQ(accessOf(f.hsbFlow)->text(QAccessible::Name), "Flujo");
    EXPECT_EQ(accessibilityProblems(f), QStringList());
}

TEST(Labelling, ALabelNamesItsNearestNeighbourOnTheRightOrBelow)
{
    const auto spec = [](QString name, Kind kind, int left, int top, QString container = {}) {
        const QString caption = kind == Kind::Label ? QStringLiteral("Caudal") : QString();
        return rt::ControlSpec{name, kind, caption, left, top, 600, 300, {.container = container}};
    };
    struct Case {
        const char* what;
        std::vector<rt::ControlSpec> controls;  // the last one is asked about
        int label;
    };
    const Case cases[] = {
        {"left", {spec("lbl", Kind::Label, 0, 0), spec("txt", Kind::TextBox, 700, 100)}, 0},
        {"above", {spec("lbl", Kind::Label, 100, 0), spec("vsb", Kind::VScrollBar, 0, 400)}, 0},
        {"above, touching by a pixel",
         {spec("lbl", Kind::Label, 0, 0), spec("lst", Kind::ListBox, 0, 285)},
         0},
        {"a label without caption",
         {rt::ControlSpec{"lbl", Kind::Label, "", 0, 0, 600, 300},
          spec("txt", Kind::TextBox, 700, 0)},
         -1},
        {"a button between",
         {spec("lbl", Kind::Label, 0, 0), spec("cmd", Kind::CommandButton, 700, 0),
          spec("txt", Kind::TextBox, 1400, 0)},
         -1},
        {"left is not a label, above is",
         {spec("lbl", Kind::Label, 1400, -400), spec("hsb", Kind::HScrollBar, 700, 0),
          spec("txt", Kind::TextBox, 1400, 0)},
         0},
        {"too far", {spec("lbl", Kind::Label, 0, 0), spec("txt", Kind::TextBox, 1000, 0)}, -1},
        {"to the right", {spec("lbl", Kind::Label, 700, 0), spec("txt", Kind::TextBox, 0, 0)}, -1},
        {"another container",
         {spec("fra", Kind::Frame, 5000, 0), spec("lbl", Kind::Label, 0, 0, "fra"),
          spec("txt", Kind::TextBox, 700, 0)},
         -1},
        {"buttons are not labelled",
         {spec("lbl", Kind::Label, 0, 0), spec("cmd", Kind::CommandButton, 700, 0)},
         -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rt::labelFor(c.controls, c.controls.size() - 1), c.label) << c.what;
}

TEST_F(Accessibility, ATimerIsStoppedAndReadThroughControl)
{
    int ticks = 0;
    f.tmrFill.Tick = [&] { ++ticks; };
    rt::Control& asControl = f.tmrFill;
    EXPECT_TRUE(asControl.Enabled());
    asControl.setEnabled(false);
    EXPECT_FALSE(f.tmrFill.Enabled());
    f.tmrFill.fireTick();
    EXPECT_EQ(ticks, 0);
    asControl.setEnabled(true);
    f.tmrFill.fireTick();
    EXPECT_EQ(ticks, 1);
}

TEST_F(Accessibility, ColoursAndCaptionsAreTheSamePropertiesThroughControl)
{
    rt::Control& box = f.txtLevel;
    box.setBackColor(0x00FF00);
    box.setForeColor(0x0000FF);
    EXPECT_EQ(f.txtLevel.BackColor(), 0x00FF00);
    EXPECT_EQ(f.txtLevel.ForeColor(), 0x0000FF);
    EXPECT_EQ(f.txtLevel.widget()->palette().color(QPalette::Base), QColor(0, 0xFF, 0));

    f.pctTank.Line(0, 0, 600, 600);
    rt::Control& picture = f.pctTank;
    picture.setBackColor(0xFF0000);  // blue: clears the drawing to it
    EXPECT_EQ(shareOf(f.pctTank.image(), f.pctTank.image().rect(), QColor(0, 0, 0xFF)), 1.0);

    rt::CaptionedControl& button = f.optFill;
    int clicks = 0;
    f.lblFlow.Change = [&] { ++clicks; };
    static_cast<rt::CaptionedControl&>(f.lblFlow).setCaption("&Caudal");
    EXPECT_EQ(clicks, 0) << "the same caption is no change";
    button.setCaption("&Llenar");
    EXPECT_EQ(f.optFill.Caption(), "&Llenar");
    EXPECT_EQ(accessOf(f.optFill)->text(QAccessible::Name), "Llenar");
}

TEST_F(Accessibility, ALabelWithoutCaptionIsReadByItsLayoutNameUntilItShowsText)
{
    rt::Label& note = f.lblNote;
    EXPECT_EQ(accessOf(note)->text(QAccessible::Name), "Nota");
    note.setCaption("&Lleno");
    EXPECT_EQ(accessOf(note)->text(QAccessible::Name), "Lleno");
    note.setCaption("");
    EXPECT_EQ(accessOf(note)->text(QAccessible::Name), "Nota");
    EXPECT_EQ(accessibilityProblems(f), QStringList());
}

namespace {

// Controls that have neither caption nor label, and no name in the layout.
class UnnamedForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "UnnamedForm", "Unnamed", 4000, 2000,
            {
                {"txtH",     Kind::TextBox,    "",  120, 120, 900, 375},
                {"hsbColor", Kind::HScrollBar, "", 1200, 120, 900, 375, {.index = 2}},
                {"pctBox",   Kind::PictureBox, "",  120, 700, 900, 900},
                {"lblCount", Kind::Label,      "", 1200, 700, 900, 375, {.accessibleName = "lblCount"}},
            }};
        // clang-format on
        return spec;
    }
    UnnamedForm() : rt::Form(layout()) {}
};

}  // namespace

TEST_F(Accessibility, AControlReadByItsCodeNameIsAProblem)
{
    EXPECT_EQ(accessibilityProblems(rt::form<UnnamedForm>()),
              QStringList({"txtH: named by its code name; give its layout line an accessibleName",
                           "hsbColor(2): named by its code name; give its layout line an "
                           "accessibleName",
                           "pctBox: named by its code name; give its layout line an accessibleName",
                           "lblCount: named by its code name; give its layout line an "
                           "accessibleName"}));
}

TEST(Instances, ASecondCopyTakesTheNextSlotAndOpensOffset)
{
    static QTemporaryDir runtimeDir;  // outlives the slot this process keeps
    QFile::setPermissions(runtimeDir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QDir().mkpath(runtimeDir.path() + "/form-programs");
    QLockFile first(runtimeDir.path() + "/form-programs/tank.0.lock");
    ASSERT_TRUE(first.tryLock(0));
    // A lock left by a copy that is gone does not hold its slot.
    QFile stale(runtimeDir.path() + "/form-programs/tank.1.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\ntank\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    rt::claimInstanceSlot("tank");
    EXPECT_EQ(rt::instanceSlot(), 1);
    EXPECT_EQ(rt::instanceOffset(), QPoint(32, 32));
}

// A screen reader hears the focus leave a window as it is unloaded; describing
// the widget then must not reach its control, which is already gone.
TEST_F(Accessibility, UnloadingAWindowWithAFocusedControlIsSafe)
{
    f.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window()));
    click(f.txtLevel);
    ASSERT_TRUE(f.txtLevel.widget()->hasFocus());
    // Not described yet, so the toolkit asks for a description as it goes.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessOf(f.txtLevel)));
    rt::unloadAllForms();
    settle();
}

}  // namespace
