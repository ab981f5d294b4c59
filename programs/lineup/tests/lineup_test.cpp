#include "form1.h"
#include "picture_windows.h"

#include "testing/form_test.h"

#include <QApplication>
#include <QWidget>

using namespace rt::testing;
using lineup::Form1;

namespace {

const QString goalkeeperWarning = QString::fromUtf8(
    "¿Desea jugar con más de un portero?\r\n"
    "Recuerde que sólo uno podrá tocar el balón con la mano");
const QString defenderWarning = QString::fromUtf8("¿Desea jugar con más de 5 defensas?");
const QString totalWarning = QString::fromUtf8(
    "¿Desea alinear más de 11 jugadores?\r\n"
    "Recuerde que tendrá que convencer al árbitro y al otro equipo");

class Lineup : public FormTest {
protected:
    Lineup() : FormTest("lineup"), f(rt::form<Form1>()) { f.Show(); }

    QStringList counts() const
    {
        return {f.lblPor.Caption(), f.lblDef.Caption(), f.lblMed.Caption(), f.lblDel.Caption()};
    }
    // Clicks the first `n` players of a position, as listed.
    void pick(rt::OptionButton& position, int n)
    {
        click(position);
        for (int row = 0; row < n; ++row) clickItem(f.lstJuga, row);
    }
    // Clicks the line-up entry showing `name`.
    void removeFromLineup(const QString& name)
    {
        clickItem(f.lstAlin, items(f.lstAlin).indexOf(name));
    }

    Form1& f;
};

TEST_F(Lineup, StartsWithTheGoalkeepersListedAndEveryCountAtZero)
{
    EXPECT_EQ(f.Caption(), "Alineaciones");
    EXPECT_EQ(items(f.lstJuga), QStringList({"Jugador Uno", "Jugador Dos"}));
    EXPECT_EQ(items(f.lstAlin), QStringList());
    EXPECT_EQ(counts(), QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(f.optPor.Value());
    EXPECT_TRUE(user.prompts().isEmpty());
}

TEST_F(Lineup, BothGoalkeepersWarnOnceAndBothStay)
{
    clickItem(f.lstJuga, 0);
    EXPECT_TRUE(user.prompts().isEmpty());
    clickItem(f.lstJuga, 1);
    EXPECT_EQ(user.prompts(), QStringList({goalkeeperWarning}));
    EXPECT_EQ(user.shown.back().style, 0) << "OK only, no icon";
    EXPECT_EQ(user.shown.back().title, "lineup");
    EXPECT_EQ(items(f.lstAlin), QStringList({"Jugador Uno", "Jugador Dos"}));
    EXPECT_EQ(counts(), QStringList({"2", "0", "0", "0"}));
}

TEST_F(Lineup, TheSixthDefenderWarnsAndSoDoesSevenDownToSix)
{
    pick(f.optDef, 5);
    EXPECT_TRUE(user.prompts().isEmpty()) << "five defenders are allowed";
    clickItem(f.lstJuga, 5);
    EXPECT_EQ(user.prompts(), QStringList({defenderWarning}));
    clickItem(f.lstJuga, 6);
    EXPECT_EQ(user.prompts().size(), 2);
    // A count set to a new value above the limit warns, on the way down too;
    // an unchanged count warns no more.
    removeFromLineup("Jugador Nueve");
    EXPECT_EQ(user.prompts().size(), 3);
    EXPECT_EQ(f.lblDef.Caption(), "6");
    pick(f.optMed, 1);
    EXPECT_EQ(user.prompts().size(), 3);
    removeFromLineup("Jugador Ocho");
    EXPECT_EQ(user.prompts().size(), 3);
    EXPECT_EQ(counts(), QStringList({"0", "5", "1", "0"}));
}

TEST_F(Lineup, TheTwelfthPlayerWarnsAndAClickOnAChosenPlayerRepeatsTheWarning)
{
    pick(f.optMed, 6);
    pick(f.optDel, 5);
    EXPECT_TRUE(user.prompts().isEmpty()) << "eleven players are allowed";
    clickItem(f.lstJuga, 5);
    EXPECT_EQ(user.prompts(), QStringList({totalWarning}));
    clickItem(f.lstJuga, 5);  // already in the line-up: nothing added, still counted again
    EXPECT_EQ(user.prompts(), QStringList({totalWarning, totalWarning}));
    EXPECT_EQ(f.lstAlin.ListCount(), 12);
    // The second goalkeeper over eleven: its own warning first, then the total.
    pick(f.optPor, 2);
    EXPECT_EQ(user.prompts().mid(2), QStringList({totalWarning, goalkeeperWarning, totalWarning}));
}

TEST_F(Lineup, ClickingALineUpEntryRemovesItAndLowersItsPositionsCount)
{
    pick(f.optPor, 1);
    pick(f.optDef, 2);
    pick(f.optDel, 1);
    EXPECT_EQ(counts(), QStringList({"1", "2", "0", "1"}));
    removeFromLineup("Jugador Cuatro");
    EXPECT_EQ(items(f.lstAlin), QStringList({"Jugador Uno", "Jugador Tres", "Jugador Diecisiete"}));
    EXPECT_EQ(counts(), QStringList({"1", "1", "0", "1"}));
    EXPECT_EQ(f.lstAlin.ListIndex(), -1) << "no entry stays selected after the removal";
    EXPECT_TRUE(selectedRows(f.lstAlin).isEmpty());
    removeFromLineup("Jugador Diecisiete");
    EXPECT_EQ(counts(), QStringList({"1", "1", "0", "0"}));
    EXPECT_TRUE(user.prompts().isEmpty());
}

TEST_F(Lineup, ClearingEmptiesTheLineUpWithoutAnyWarning)
{
    pick(f.optPor, 2);
    pick(f.optDef, 8);
    pick(f.optMed, 2);
    const int warnings = user.prompts().size();
    click(f.cmdClear);
    EXPECT_EQ(user.prompts().size(), warnings);
    EXPECT_EQ(items(f.lstAlin), QStringList());
    EXPECT_EQ(counts(), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(items(f.lstJuga).size(), 6) << "the player list stays as it was";
}

TEST_F(Lineup, SwitchingThePositionRefillsOnlyThePlayerList)
{
    pick(f.optPor, 1);
    click(f.optDel);
    EXPECT_EQ(f.lstJuga.ListCount(), 9);
    EXPECT_EQ(f.lstJuga.List(0), "Jugador Diecisiete");
    EXPECT_EQ(f.lstJuga.List(8), "Jugador Veinticinco");
    click(f.optMed);
    EXPECT_EQ(f.lstJuga.List(5), QString::fromUtf8("Jugador Dieciséis"));
    EXPECT_EQ(items(f.lstAlin), QStringList({"Jugador Uno"}));
    EXPECT_EQ(counts(), QStringList({"1", "0", "0", "0"}));
}

TEST_F(Lineup, TheWholeSquadCountsTwoEightSixNine)
{
    pick(f.optPor, 2);
    pick(f.optDef, 8);
    pick(f.optMed, 6);
    pick(f.optDel, 9);
    EXPECT_EQ(counts(), QStringList({"2", "8", "6", "9"}));
    EXPECT_EQ(f.lstAlin.ListCount(), 25);
    EXPECT_EQ(user.prompts().count(goalkeeperWarning), 1);
    EXPECT_EQ(user.prompts().count(defenderWarning), 3);  // the sixth, seventh and eighth
    EXPECT_EQ(user.prompts().count(totalWarning), 25 - 11);
}

int visibleWindowsCaptioned(const QString& caption)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == caption) ++n;
    return n;
}

TEST_F(Lineup, PictureWindowsOpenOnceStayBesideTheLineUpAndOpenAgainAfterClosing)
{
    click(f.cmdAuto);
    click(f.cmdAuto);
    click(f.cmdJugadores);
    settle();
    EXPECT_EQ(visibleWindowsCaptioned("Quendal"), 1);
    EXPECT_EQ(visibleWindowsCaptioned("Jugadores del Bravos"), 1);
    auto& coach = rt::form<lineup::quendal>();
    EXPECT_EQ(coach.window()->parentWidget(), nullptr) << "no owner";
    EXPECT_EQ(coach.ScaleWidth(), 2235);
    EXPECT_EQ(coach.ScaleHeight(), 3900);
    EXPECT_EQ(rt::form<lineup::frmBravos>().ScaleWidth(), 4830);
    EXPECT_EQ(rt::form<lineup::frmBravos>().ScaleHeight(), 2775);

    clickItem(f.lstJuga, 0);  // the line-up window keeps working
    EXPECT_EQ(items(f.lstAlin), QStringList({"Jugador Uno"}));

    closeWindow(coach);
    settle();
    EXPECT_FALSE(rt::isLoaded<lineup::quendal>());
    EXPECT_TRUE(f.Visible()) << "closing a picture window does not end the program";
    EXPECT_EQ(user.ends, 0);
    click(f.cmdAuto);
    settle();
    EXPECT_TRUE(rt::isLoaded<lineup::quendal>());
    EXPECT_EQ(visibleWindowsCaptioned("Quendal"), 1);
}

TEST_F(Lineup, EachPictureWindowShowsItsPictureFromTheTopLeftCorner)
{
    const struct {
        QString resource;
        rt::Form& window;
    } cases[] = {
        {":/lineup/quendal.jpg", rt::form<lineup::quendal>()},
        {":/lineup/bravos.jpg", rt::form<lineup::frmBravos>()},
    };
    for (const auto& c : cases) {
        c.window.Show();
        settle();
        const QImage shown =
            c.window.childArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(c.resource).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull()) << c.resource.toStdString();
        ASSERT_LE(shown.width(), picture.width());
        ASSERT_LE(shown.height(), picture.height());
        EXPECT_GE(shown.width(), picture.width() - 2) << "the picture covers the client area";
        EXPECT_GE(shown.height(), picture.height() - 6);
        EXPECT_EQ(shown, picture.copy(0, 0, shown.width(), shown.height()))
            << c.resource.toStdString() << ": drawn unscaled from the top left corner";
    }
}

TEST_F(Lineup, SalirEndsTheProgram)
{
    click(f.cmdSalir);
    EXPECT_EQ(user.ends, 1);
}

}  // namespace
