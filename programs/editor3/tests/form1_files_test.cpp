#include "editor_fixture.h"

#include "testing/editor_file_dialogs.h"

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

}  // namespace
