#include "gallery_window.h"
#include "source_view.h"
#include "thumbnails.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString programOf(const CatalogueEntry& entry)
{
    return QString::fromUtf8(entry.program);
}

QTreeWidgetItem* itemOf(QTreeWidget* tree, const QString& title)
{
    const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

}  // namespace

TEST(Catalogue, ListsEveryBuiltProgramOnceInContiguousGroups)
{
    QStringList seenPrograms;
    QStringList seenGroups;
    for (const CatalogueEntry& entry : catalogue()) {
        SCOPED_TRACE(entry.program);
        EXPECT_FALSE(seenPrograms.contains(programOf(entry)));
        seenPrograms << programOf(entry);
        EXPECT_STRNE(entry.caption, "");
        EXPECT_STRNE(entry.title, "");
        EXPECT_GT(QString::fromUtf8(entry.lesson).size(), 60);
        // A group, once left, never comes back: the browser shows each once.
        if (seenGroups.isEmpty() || seenGroups.back() != QString::fromUtf8(entry.group)) {
            EXPECT_FALSE(seenGroups.contains(QString::fromUtf8(entry.group)));
            seenGroups << QString::fromUtf8(entry.group);
        }
    }
    for (const char* built : {"tankfill_a", "rootplot", "editor3"})
        EXPECT_TRUE(seenPrograms.contains(built)) << built;
}

TEST(Gallery, ShowsTheSelectedProgramsLessonCaptionAndSource)
{
    GalleryWindow window(catalogue(), [](const QString&, const QString&) { return true; });
    QTreeWidget* tree = window.programs();
    QTreeWidgetItem* timers = itemOf(tree, "Timers and animation");
    ASSERT_TRUE(timers);
    EXPECT_EQ(timers->child(0)->text(0), "Tank fill and empty");

    window.selectProgram("rootplot");
    EXPECT_EQ(window.selectedProgram(), "rootplot");
    EXPECT_TRUE(window.lesson()->text().contains("Newton"));
    EXPECT_TRUE(window.findChild<QLabel*>("windowCaption")
                    ->text()
                    .contains("Dibujo y raíces de una función"));
    QComboBox* files = window.source()->files();
    ASSERT_GE(files->count(), 5);
    EXPECT_EQ(files->itemText(0), "frmdib_layout.cpp");
    EXPECT_EQ(files->itemText(files->count() - 1), "main.cpp");
    QFile layout(QStringLiteral(RT_SOURCE_ROOT "/programs/rootplot/frmdib_layout.cpp"));
    ASSERT_TRUE(layout.open(QIODevice::ReadOnly));
    EXPECT_EQ(window.source()->text()->toPlainText(), QString::fromUtf8(layout.readAll()));
    EXPECT_TRUE(window.source()->text()->isReadOnly());

    files->setCurrentText("frmdib.cpp");
    EXPECT_TRUE(window.source()->text()->toPlainText().contains("cmdResolver_Click"));
}

TEST(Gallery, ArrowKeysPassOverGroupHeadings)
{
    GalleryWindow window(catalogue(), [](const QString&, const QString&) { return true; });
    window.show();
    QTreeWidget* tree = window.programs();
    tree->setFocus();
    QStringList visited{window.selectedProgram()};
    for (size_t i = 1; i < catalogue().size(); ++i) {
        QTest::keyClick(tree, Qt::Key_Down);
        visited << window.selectedProgram();
    }
    QStringList expected;
    for (const CatalogueEntry& entry : catalogue()) expected << programOf(entry);
    EXPECT_EQ(visited, expected);
    for (size_t i = 1; i < catalogue().size(); ++i) QTest::keyClick(tree, Qt::Key_Up);
    EXPECT_EQ(window.selectedProgram(), expected.front());
    EXPECT_TRUE(window.openButton()->isEnabled());
}

TEST(Gallery, OpenStartsTheSelectedProgramNotTheCurrentRow)
{
    QStringList started;
    GalleryWindow window(catalogue(), [&](const QString& p, const QString&) {
        started << p;
        return true;
    });
    QTreeWidget* tree = window.programs();
    tree->setCurrentItem(itemOf(tree, "Tank fill and empty"));
    // A screen reader selects a row without moving the current one.
    const QModelIndex editor =
        tree->indexFromItem(itemOf(tree, "Text editor with find and replace"));
    tree->selectionModel()->select(editor, QItemSelectionModel::ClearAndSelect);
    ASSERT_NE(tree->currentItem()->text(0), "Text editor with find and replace");

    QAccessibleInterface* open = QAccessible::queryAccessibleInterface(window.openButton());
    ASSERT_TRUE(open && open->actionInterface());
    open->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(300);  // the press is animated
    EXPECT_EQ(started, QStringList{"editor3"});

    // A group heading is not a program: nothing starts and Open is disabled.
    EXPECT_FALSE(itemOf(tree, "Dialogs and files")->flags() & Qt::ItemIsSelectable);
    tree->clearSelection();
    window.openSelected();
    EXPECT_EQ(started.size(), 1);
    EXPECT_FALSE(window.openButton()->isEnabled());
}

TEST(Thumbnails, PictureIsTheProgramsWindowMadeOnceAndCached)
{
    QTemporaryDir cache;
    {
        Thumbnails thumbnails(RT_PROGRAM_DIR, cache.path());
        QSignalSpy ready(&thumbnails, &Thumbnails::ready);
        EXPECT_TRUE(thumbnails.picture("tankfill_a").isNull());
        EXPECT_TRUE(thumbnails.picture("no_such_program").isNull());
        while (ready.size() < 2) ASSERT_TRUE(ready.wait(20000));
        EXPECT_TRUE(thumbnails.failed("no_such_program"));
        const QImage picture = thumbnails.picture("tankfill_a").toImage();
        // The tank window's client area is 4440 x 6585 twips: 296 x 439 pixels.
        EXPECT_EQ(picture.size(), QSize(296, 439));
    }
    Thumbnails again(RT_PROGRAM_DIR, cache.path());
    EXPECT_FALSE(again.picture("tankfill_a").isNull());
}

TEST(Thumbnails, PictureIsMadeAtTheGallerysScale)
{
    QTemporaryDir cache;
    Thumbnails thumbnails(RT_PROGRAM_DIR, cache.path(), 2);
    QSignalSpy ready(&thumbnails, &Thumbnails::ready);
    EXPECT_TRUE(thumbnails.picture("Temperat").isNull());
    ASSERT_TRUE(ready.wait(20000));
    const QPixmap picture = thumbnails.picture("Temperat");
    // 5295 x 3795 twips of client area and a menu bar, in pixels of the screen.
    EXPECT_EQ(picture.devicePixelRatio(), 2);
    EXPECT_EQ(picture.size(), picture.deviceIndependentSize().toSize() * 2);
    EXPECT_EQ(picture.deviceIndependentSize().width(), 353);
}

TEST(Gallery, FindsTheProgramsBesideItInTheBuildTree)
{
    // Installed, they lie in libexec/formprograms instead.
    EXPECT_EQ(QDir(programDirectory()), QDir(RT_PROGRAM_DIR));
}
