#include "gallery_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(Gallery, ListsEveryBuiltProgramWithItsCaption)
{
    GalleryWindow window(catalogue(), [](const QString&) { return true; });
    ASSERT_EQ(window.list()->count(), int(catalogue().size()));
    bool tank = false;
    for (int i = 0; i < window.list()->count(); ++i)
        if (window.list()->item(i)->text().startsWith(
                "tankfill_a  —  Llenado/Vaciado de un depósito"))
            tank = true;
    EXPECT_TRUE(tank);
}

TEST(Gallery, OpenStartsTheChosenProgram)
{
    QStringList started;
    GalleryWindow window(catalogue(), [&](const QString& p) {
        started << p;
        return true;
    });
    window.list()->setCurrentRow(0);
    QTest::mouseClick(window.openButton(), Qt::LeftButton);
    EXPECT_EQ(started, QStringList{QString::fromUtf8(catalogue().front().program)});
}
