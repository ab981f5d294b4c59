#include "editor_fixture.h"

#include "files/system_calls.h"
#include "testing/editor_file_dialogs.h"

#include <cerrno>

#include <sys/fsuid.h>
#include <unistd.h>

using namespace rt::testing;

namespace {

class Files : public EditorTest {};

TEST_F(Files, NewTextsEndInOneCrLfAndOpenedFilesSaveBackTheSameBytes)
{
    const std::pair<QString, QByteArray> typed[] = {
        {"abc", "abc\r\n"}, {"", "\r\n"}, {"abc\n", "abc\r\n"}, {"a\nb", "a\r\nb\r\n"}};
    int n = 0;
    for (const auto& [text, bytes] : typed) {
        choose(f.mnuFileNew);
        f.txtBox.setText(text);
        const QString file = path(QStringLiteral("%1.txt").arg(n++));
        writeBytes(file, "a longer old text\r\n");  // replaced whole
        saveAs(file);
        EXPECT_EQ(bytesOf(file), bytes) << text.toStdString();
    }
    const QByteArray files[] = {
        "se\xC3\xB1or\nma\xC3\xB1"
        "ana\n",  // UTF-8, LF
        "se\xF1or\r\nma\xF1"
        "ana\r\n",            // Windows-1252, CR LF
        "no final line end",  // kept without one
    };
    for (const QByteArray& bytes : files) {
        const QString file = path(QStringLiteral("%1.txt").arg(n++));
        writeBytes(file, bytes);
        open(file);
        save();
        EXPECT_EQ(bytesOf(file), bytes);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), n) << "nothing left beside";
}

TEST_F(Files, AFileWithoutExtensionOpensAfterASaveAs)
{
    expectOpenWithoutExtensionAfterSaveAs(f, user, folder.path());
    EXPECT_EQ(f.Caption(), "more.txt - miPlumex");
}

TEST_F(Files, MixedLineEndsAreSavedInTheStyleMostLinesUse)
{
    writeBytes(path("m.txt"), "a\r\nb\r\nc\nd\re");
    open(path("m.txt"));
    EXPECT_EQ(f.txtBox.Text(), "a\nb\nc\nd\ne");
    save();
    EXPECT_EQ(bytesOf(path("m.txt")), "a\r\nb\r\nc\r\nd\r\ne");
}

// Makes this thread's file access that of an ordinary user, so that folder
// permissions hold even when the tests run as root.
struct AsOrdinaryUser {
    AsOrdinaryUser() { setIds(65534); }
    ~AsOrdinaryUser() { setIds(0); }
    static void setIds(unsigned id)
    {
        if (geteuid() != 0) return;
        setfsgid(id);
        setfsuid(id);
    }
};

TEST_F(Files, SaveIntoAFolderThatCannotBeWrittenChangesNothing)
{
    using P = QFileDevice;
    const auto readOnly = P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther;
    QDir(folder.path()).mkdir("locked");
    const QString file = path("locked/old.txt");
    writeBytes(file, "old\r\n");
    QFile::setPermissions(folder.path(), readOnly | P::WriteOwner);
    QFile::setPermissions(path("locked"), readOnly);
    QFile::setPermissions(file, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther);
    open(file);
    type("new ");
    {
        AsOrdinaryUser ordinary;
        save();
        saveAs(path("locked/other.txt"));
        user.answer({rt::vbYes});  // to the question before closing
        closeWindow(f);
    }
    QFile::setPermissions(path("locked"), readOnly | P::WriteOwner);
    ASSERT_EQ(user.prompts().size(), 4) << user.prompts().join("|").toStdString();
    EXPECT_TRUE(user.prompts()[0].startsWith("No se ha podido guardar el fichero " + file));
    EXPECT_TRUE(user.prompts()[0].contains("Permission denied")) << user.prompts()[0].toStdString();
    EXPECT_EQ(bytesOf(file), "old\r\n");
    EXPECT_FALSE(QFile::exists(path("locked/other.txt")));
    EXPECT_EQ(f.fileName, file);
    EXPECT_EQ(f.Caption(), "old.txt - miPlumex*");
    EXPECT_EQ(f.txtBox.Text(), "new old\n");
    EXPECT_TRUE(rt::isLoaded<Form1>()) << "a failed save keeps the window open";
}

// Another program's change to the open file, between opening and saving.
TEST_F(Files, SaveAsksBeforeWritingOverAFileAnotherProgramChangedOrDeleted)
{
    const QString file = path("a.txt");
    const QString question = "El fichero " + file +
                             " ha cambiado en el disco desde que se abrió. ¿Desea sobrescribirlo?";
    writeBytes(file, "old\r\n");
    open(file);
    type("my ");
    writeBytes(file, "theirs, longer\r\n");
    user.answer({rt::vbNo});
    save();
    user.answer({rt::vbYes, rt::vbNo});  // to the question before closing, then this one
    closeWindow(f);
    EXPECT_EQ(user.prompts(),
              QStringList({question, "¿Desea actualizar el fichero antes de salir?", question}));
    EXPECT_EQ(bytesOf(file), "theirs, longer\r\n") << "No writes nothing";
    EXPECT_TRUE(rt::isLoaded<Form1>());
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex*");

    user.answer({rt::vbYes});
    save();
    EXPECT_EQ(bytesOf(file), "my old\r\n");
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex");
    type("1");
    save();
    EXPECT_EQ(user.prompts().size(), 4) << "its own save is no change";

    ASSERT_TRUE(QFile::remove(file));
    type("2");
    user.answer({rt::vbNo});
    save();
    EXPECT_EQ(user.prompts().size(), 5);
    EXPECT_EQ(user.prompts().last(),
              "El fichero " + file +
                  " ya no está en el disco: otro programa lo ha borrado o movido. "
                  "¿Desea guardarlo de nuevo?");
    EXPECT_FALSE(QFile::exists(file)) << "not made again without asking";
    saveAs(path("b.txt"));
    EXPECT_EQ(user.prompts().size(), 5) << "another name asks nothing";
    EXPECT_EQ(bytesOf(path("b.txt")), "my 12old\r\n");
}

TEST_F(Files, ASaveOnAFullDiskSaysSoAndKeepsTheOldFileAndTheText)
{
    const QString file = path("a.txt");
    writeBytes(file, "old\r\n");
    open(file);
    type("new ");
    rt::failNextFileCall(rt::FileCall::Write, ENOSPC);
    save();
    ASSERT_EQ(user.prompts().size(), 1);
    EXPECT_EQ(user.prompts()[0], "No se ha podido guardar el fichero " + file +
                                     "\r\n\r\nDevice I/O error: No space left on device");
    EXPECT_EQ(bytesOf(file), "old\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
    EXPECT_EQ(f.txtBox.Text(), "new old\n");
    EXPECT_EQ(f.Caption(), "a.txt - miPlumex*");
}

TEST_F(Files, AReadOnlyFileAndAVanishedFolderAreToldWithTheirReasons)
{
    using P = QFileDevice;
    const QString file = path("a.txt");
    writeBytes(file, "old\r\n");
    open(file);
    type("new ");
    QFile::setPermissions(folder.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther |
                                             P::WriteOther | P::ExeOther);
    QFile::setPermissions(file, P::ReadOwner | P::ReadOther);
    {
        AsOrdinaryUser ordinary;
        save();
    }
    ASSERT_EQ(user.prompts().size(), 1);
    EXPECT_EQ(user.prompts()[0],
              "No se ha podido guardar el fichero " + file + "\r\n\r\nPermission denied");
    EXPECT_EQ(bytesOf(file), "old\r\n");

    QDir(folder.path()).mkdir("sub");
    writeBytes(path("sub/b.txt"), "b\r\n");
    user.answer({rt::vbNo});  // the text typed into a.txt is not kept
    open(path("sub/b.txt"));
    type("more ");
    ASSERT_TRUE(QDir(path("sub")).removeRecursively());
    user.answer({rt::vbYes});  // write it again where it was
    save();
    ASSERT_EQ(user.prompts().size(), 4);
    EXPECT_EQ(user.prompts()[3], "No se ha podido guardar el fichero " + path("sub/b.txt") +
                                     "\r\n\r\nPath not found: No such file or directory");
    EXPECT_EQ(f.txtBox.Text(), "more b\n");
    EXPECT_EQ(f.Caption(), "b.txt - miPlumex*");
}

}  // namespace
