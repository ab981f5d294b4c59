#pragma once

#include "testing/form_test.h"
#include "testing/temp_folder.h"

#include "forms/core/forms.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace rt::testing {

// The window's menu bar as text, a line per menu: "File: New, Open, -, Exit".
inline QStringList menuBarOf(const Form& form)
{
    QStringList bar;
    const auto* menus = form.window()->findChild<QMenuBar*>();
    if (!menus) return bar;
    for (QAction* menu : menus->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        bar << menu->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    return bar;
}

// Base of the editors' tests: the main window `F` shown, a folder for its
// files, and the user's ways to its File menu and text box. `F` has a
// multi-line `txtBox` and the menu items `mnuFileOpen`, `mnuFileSave` and
// `mnuFileSaveAs`.
template <typename F>
class EditorTest : public FormTest {
protected:
    explicit EditorTest(const QString& programTitle) : FormTest(programTitle), f(rt::form<F>())
    {
        f.Show();
    }

    QString path(const QString& name) const { return folder.path(name); }
    QByteArray bytesOf(const QString& name) const { return folder.bytesOf(name); }
    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        ASSERT_TRUE(folder.write(name, bytes));
    }

    void type(const QString& text) { typeText(f.txtBox, text); }
    void open(const QString& name)
    {
        user.chooseFile(path(name));
        choose(f.mnuFileOpen);
    }
    void saveAs(const QString& name)
    {
        user.chooseFile(path(name));
        choose(f.mnuFileSaveAs);
    }
    void save() { choose(f.mnuFileSave); }

    // Another program writes over the opened file before Save: Save asks
    // first, No leaves the other program's bytes, Yes writes the text.
    void expectSaveAsksAfterAnotherProgramsChange()
    {
        writeBytes("a.txt", "old\r\n");
        open("a.txt");
        type("my ");
        writeBytes("a.txt", "theirs\r\n");
        user.answer({rt::vbNo});
        save();
        EXPECT_EQ(user.prompts(), QStringList{"El fichero " + path("a.txt") +
                                              " ha cambiado en el disco desde que se abrió. "
                                              "¿Desea sobrescribirlo?"});
        EXPECT_EQ(bytesOf("a.txt"), "theirs\r\n");
        user.answer({rt::vbYes});
        save();
        EXPECT_EQ(bytesOf("a.txt"), "my old\r\n");
    }

    TempFolder folder;
    F& f;
};

}  // namespace rt::testing
