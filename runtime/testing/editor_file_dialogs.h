#pragma once

#include "testing/desktop_file_dialogs.h"
#include "testing/widgets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace rt::testing {

// Through the desktop's own file dialog: Save As of a name typed without an
// extension gets ".txt"; after it, the existing file "readme", which has no
// extension, opens whether typed under either filter or clicked in the list,
// and a later Save As still adds the extension. `F` is an editor's main
// window whose File menu offers two filters, text files first.
template <typename F>
void expectOpenWithoutExtensionAfterSaveAs(F& f, ScriptedInteraction& user, const QString& folder)
{
    const QDir dir(folder);
    {
        QFile readme(dir.filePath("readme"));
        ASSERT_TRUE(readme.open(QIODevice::WriteOnly) && readme.write("read me") == 7);
    }
    DesktopFileDialogs dialogs(user);
    f.txtBox.setText("notes");
    dialogs.typeName(folder, "notes", 1);
    choose(f.mnuFileSaveAs);
    EXPECT_EQ(f.fileName, dir.filePath("notes.txt"));
    EXPECT_TRUE(QFile::exists(dir.filePath("notes.txt")));

    const auto expectOpened = [&](const QString& name, const char* how) {
        choose(f.mnuFileOpen);
        EXPECT_EQ(f.fileName, dir.filePath(name)) << how;
        EXPECT_EQ(f.txtBox.Text(), name == "readme" ? "read me" : "notes\n") << how;
    };
    dialogs.typeName(folder, "readme", 1);
    expectOpened("readme", "typed under the text filter");
    dialogs.pickFromList(folder, "notes.txt", 1);
    expectOpened("notes.txt", "clicked under the text filter");
    dialogs.typeName(folder, "readme", 2);
    expectOpened("readme", "typed under all files");
    dialogs.typeName(folder, "notes.txt", 2);
    expectOpened("notes.txt", "a name with its extension");
    dialogs.pickFromList(folder, "readme", 2);
    expectOpened("readme", "clicked under all files");

    dialogs.typeName(folder, "more", 2);
    choose(f.mnuFileSaveAs);
    EXPECT_EQ(f.fileName, dir.filePath("more.txt"));
    EXPECT_EQ(dialogs.complaints, QStringList());
    EXPECT_EQ(user.prompts(), QStringList());
}

}  // namespace rt::testing
