// Menus, the common dialog, owned windows, closing and resizing.
#include "testing/form_test.h"

#include "forms/runtime.h"

#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>

using namespace rt::testing;
using rt::Kind;

namespace {

class MenuForm : public rt::Form {
public:
    static const rt::FormSpec& layout()
    {
        // clang-format off
        static const rt::FormSpec spec{
            "MenuForm", "Menus", 3000, 1950,
            {
                {"mnuFile",  Kind::Menu,         "&File", 0, 0, 0, 0},
                {"mnuGo",    Kind::Menu,         "&Go",   0, 0, 0, 0, {.parentMenu = "mnuFile"}},
                {"mnuSep",   Kind::Menu,         "-",     0, 0, 0, 0, {.parentMenu = "mnuFile"}},
                {"mnuOff",   Kind::Menu,         "O&ff",  0, 0, 0, 0, {.enabled = false, .parentMenu = "mnuFile"}},
                {"dlgFiles", Kind::CommonDialog, "",      0, 0, 0, 0},
            },
            true};
        // clang-format on
        return spec;
    }

    MenuForm() : rt::Form(layout()) {}

    void mnuGo_Click() { log << "go"; }
    void mnuOff_Click() { log << "off"; }

    rt::Menu& mnuFile = bind<rt::Menu>("mnuFile");
    rt::Menu& mnuGo = bind<rt::Menu>("mnuGo", rt::on(&rt::Menu::Click, &MenuForm::mnuGo_Click));
    rt::Menu& mnuSep = bind<rt::Menu>("mnuSep");
    rt::Menu& mnuOff = bind<rt::Menu>("mnuOff", rt::on(&rt::Menu::Click, &MenuForm::mnuOff_Click));
    rt::CommonDialog& dlgFiles = bind<rt::CommonDialog>("dlgFiles");
    QStringList log;
    int cancelClosing = 0;

protected:
    void Form_Resize() override { log << QStringLiteral("resize %1").arg(ScaleWidth()); }
    void Form_QueryUnload(int& cancel, int mode) override
    {
        log << QStringLiteral("query %1").arg(mode);
        cancel = cancelClosing;
    }
};

class OwnedForm : public rt::Form {
public:
    OwnedForm() : rt::Form(rt::FormSpec{"OwnedForm", "Owned", 1500, 1000, {}}) {}
};

class MenusAndDialogs : public FormTest {
protected:
    MenusAndDialogs() : f(rt::form<MenuForm>()) { f.Show(); }
    MenuForm& f;
};

TEST_F(MenusAndDialogs, MenuItemsRunTheirClickOnlyWhenEnabled)
{
    choose(f.mnuGo);
    choose(f.mnuOff);
    EXPECT_EQ(f.log.filter(QRegularExpression("go|off")), QStringList{"go"});
    f.mnuOff.setEnabled(true);
    choose(f.mnuOff);
    EXPECT_EQ(f.log.filter(QRegularExpression("go|off")), QStringList({"go", "off"}));
    EXPECT_TRUE(f.mnuSep.isSeparator());
    EXPECT_EQ(f.mnuSep.Caption(), "-");
    EXPECT_EQ(f.mnuOff.Caption(), "O&ff");
}

TEST_F(MenusAndDialogs, MenusAreReadableThroughAccessibility)
{
    QMenuBar* bar = f.menuBar();
    QAccessibleInterface* barAccess = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(barAccess, nullptr);
    ASSERT_EQ(barAccess->childCount(), 1);
    EXPECT_EQ(barAccess->child(0)->text(QAccessible::Name).remove('&'), "File");
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(f.mnuFile.submenu());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 3);
    EXPECT_EQ(menu->child(0)->text(QAccessible::Name).remove('&'), "Go");
    EXPECT_TRUE(menu->child(2)->state().disabled);
}

TEST_F(MenusAndDialogs, CancelledDialogsEmptyTheFileAndKeepTheFont)
{
    rt::CommonDialog& d = f.dlgFiles;
    d.setFilter("Texts|*.txt");
    d.setFlags(rt::Long(4));
    user.chooseFile("/somewhere/notes.txt", 1);
    d.ShowOpen();
    EXPECT_EQ(d.FileName(), "/somewhere/notes.txt");
    EXPECT_EQ(d.FileTitle(), "notes.txt");
    user.cancelFileDialog();
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "");
    EXPECT_EQ(d.FileTitle(), "");
    EXPECT_EQ(user.fileDialogs.back().flags, 4);
    EXPECT_EQ(user.fileDialogs.back().filter, "Texts|*.txt");
    EXPECT_EQ(user.fileDialogs.back().fileName, "/somewhere/notes.txt");

    user.chooseFont({"Monospace", 12, true, false, false, true, 0x123456});
    d.ShowFont();
    user.cancelFontDialog();
    d.ShowFont();
    user.cancelColorDialog();
    d.ShowColor();
    EXPECT_EQ(d.FontName(), "Monospace");
    EXPECT_EQ(d.FontSize(), 12);
    EXPECT_TRUE(d.FontBold());
    EXPECT_TRUE(d.FontUnderline());
    EXPECT_EQ(d.Color(), 0x123456);
}

TEST_F(MenusAndDialogs, TheDefaultExtensionCompletesSavedNamesOnly)
{
    rt::CommonDialog& d = f.dlgFiles;
    d.setDefaultExt("txt");
    user.chooseFile("/somewhere/notes");
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "/somewhere/notes.txt");
    user.chooseFile("/somewhere/readme");
    d.ShowOpen();
    EXPECT_EQ(d.FileName(), "/somewhere/readme");
    EXPECT_EQ(d.FileTitle(), "readme");
    user.chooseFile("/somewhere/more");
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "/somewhere/more.txt");
    ASSERT_EQ(user.fileDialogs.size(), 3u);
    EXPECT_EQ(user.fileDialogs[1].defaultExt, "") << "the open dialog is not asked to add it";
    EXPECT_EQ(user.fileDialogs[2].defaultExt, "txt");
    EXPECT_EQ(d.DefaultExt(), "txt");
}

TEST_F(MenusAndDialogs, ResizableWindowOpensAtItsClientSizeAndReportsResizes)
{
    settle();
    EXPECT_EQ(f.ScaleWidth(), 3000);
    EXPECT_EQ(f.ScaleHeight(), 1950);
    EXPECT_GT(f.Height(), f.ScaleHeight()) << "the menu bar lies outside the client area";
    f.log.clear();
    f.window()->resize(300, 250);
    settle();
    EXPECT_EQ(f.log.filter("resize"), QStringList{"resize 4500"});
}

TEST_F(MenusAndDialogs, QueryUnloadCancelKeepsTheWindowByCloseBoxAndByUnload)
{
    f.cancelClosing = 1;
    closeWindow(f);
    EXPECT_FALSE(f.Unload());
    EXPECT_EQ(f.log.filter("query"), QStringList({"query 0", "query 1"}));
    EXPECT_TRUE(rt::isLoaded<MenuForm>());
    EXPECT_TRUE(f.Visible());
    f.cancelClosing = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(rt::isLoaded<MenuForm>());
}

TEST_F(MenusAndDialogs, OwnedWindowStaysAboveItsOwnerAndOutlivesIt)
{
    OwnedForm& owned = rt::form<OwnedForm>();
    owned.Show(0, &f);
    EXPECT_EQ(owned.window()->parentWidget(), f.window());
    EXPECT_TRUE(owned.window()->isWindow());
    EXPECT_TRUE(owned.Visible());
    EXPECT_TRUE(f.Unload());
    settle();
    ASSERT_TRUE(rt::isLoaded<OwnedForm>());
    EXPECT_FALSE(owned.Visible());
    EXPECT_EQ(owned.window()->parentWidget(), nullptr);
}

}  // namespace
