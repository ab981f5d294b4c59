#pragma once

#include "form1.h"
#include "frmfind.h"
#include "frmreplace.h"

#include "testing/form_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <utility>

using editor3::Form1;
using editor3::frmFind;
using editor3::frmReplace;

// The editor's main window shown, a folder for its files, and the user's
// ways to the menus, the file dialogs and the Find and Replace dialogs.
class EditorTest : public rt::testing::FormTest {
protected:
    EditorTest() : FormTest("editor3"), f(rt::form<Form1>()) { f.Show(); }

    QString path(const QString& name) const { return folder.filePath(name); }
    static QByteArray bytesOf(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    static void writeBytes(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    void type(const QString& text) { rt::testing::typeText(f.txtBox, text); }
    void open(const QString& file)
    {
        user.chooseFile(file);
        rt::testing::choose(f.mnuFileOpen);
    }
    void saveAs(const QString& file)
    {
        user.chooseFile(file);
        rt::testing::choose(f.mnuFileSaveAs);
    }
    void save() { rt::testing::choose(f.mnuFileSave); }

    // The selection of the main text box: start from 0 and length.
    std::pair<int, int> selection() const { return {f.txtBox.SelStart(), f.txtBox.SelLength()}; }
    frmFind& showFind()
    {
        rt::testing::choose(f.mnuSearchFind);
        return rt::form<frmFind>();
    }
    frmReplace& showReplace()
    {
        rt::testing::choose(f.mnuSearchReplace);
        return rt::form<frmReplace>();
    }

    QTemporaryDir folder;
    Form1& f;
};
