#include "form1_fixture.h"

#include <sys/fsuid.h>
#include <unistd.h>

using namespace rt::testing;

namespace {

class Files : public EditorTest {};

TEST_F(Files, SaveEndsTheTextWithOneLineEnd)
{
    struct Case {
        QString typed;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"abc", "abc\r\n"},
        {"", "\r\n"},
        {"abc\n", "abc\r\n"},
        {"a\nb", "a\r\nb\r\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        choose(f.mnuFileNew);
        f.txtBox.setText(c.typed);
        const QString file = path(QStringLiteral("typed%1.txt").arg(n++));
        saveAs(file);
        EXPECT_EQ(bytesOf(file), c.bytes) << c.typed.toStdString();
    }
    open(path("typed0.txt"));
    EXPECT_EQ(f.txtBox.Text(), "abc\n") << "abc and an empty second line";
}

TEST_F(Files, OpenThenSaveGivesBackTheSameBytes)
{
    const QByteArray files[] = {
        "se\xC3\xB1or\nma\xC3\xB1"
        "ana\n",  // UTF-8, LF
        "se\xF1or\r\nma\xF1"
        "ana\r\n",                           // Windows-1252, CR LF
        "\xEF\xBB\xBFse\xC3\xB1or\r\n",      // UTF-8 with a byte-order mark
        "no final line end",                 // kept without one
        "",                                  // empty
        "\x80\x81\x8D\x8F\x90\x9D\xFF\r\n",  // unassigned Windows-1252 bytes
    };
    int n = 0;
    for (const QByteArray& bytes : files) {
        const QString file = path(QStringLiteral("f%1.txt").arg(n++));
        writeBytes(file, bytes);
        open(file);
        save();
        EXPECT_EQ(bytesOf(file), bytes) << "file " << n - 1;
    }
}

TEST_F(Files, MixedLineEndsTakeTheStyleMostLinesUse)
{
    writeBytes(path("m.txt"), "a\r\nb\r\nc\nd\re");
    open(path("m.txt"));
    EXPECT_EQ(f.txtBox.Text(), "a\nb\nc\nd\ne");
    save();
    EXPECT_EQ(bytesOf(path("m.txt")), "a\r\nb\r\nc\r\nd\r\ne");
}

TEST_F(Files, EditedDocumentKeepsItsEncodingAndLineEnds)
{
    writeBytes(path("w.txt"), "a\xF1\r\nb\r\n");
    open(path("w.txt"));
    EXPECT_EQ(f.txtBox.Text(), "añ\nb\n");
    f.txtBox.setSelStart(0);
    f.txtBox.setSelText("¿");
    save();
    EXPECT_EQ(bytesOf(path("w.txt")),
              "\xBF"
              "a\xF1\r\nb\r\n");

    f.txtBox.setSelText("ж");  // not in Windows-1252: the file becomes UTF-8 rather than lose it
    save();
    EXPECT_EQ(bytesOf(path("w.txt")),
              "\xC2\xBF\xD0\xB6"
              "a\xC3\xB1\r\nb\r\n");
}

// Makes this thread's file access that of an ordinary user, so that folder
// permissions hold even when the tests run as root.
struct AsOrdinaryUser {
    AsOrdinaryUser()
    {
        if (geteuid() != 0) return;
        setfsgid(65534);
        setfsuid(65534);
    }
    ~AsOrdinaryUser()
    {
        if (geteuid() != 0) return;
        setfsuid(0);
        setfsgid(0);
    }
};

TEST_F(Files, SaveIntoAFolderThatCannotBeWrittenChangesNothing)
{
    QDir(folder.path()).mkdir("locked");
    const QString file = path("locked/old.txt");
    writeBytes(file, "old\r\n");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOther | QFileDevice::WriteOther);
    open(file);
    {
        AsOrdinaryUser ordinary;
        type("new ");
        save();
        saveAs(path("locked/other.txt"));
    }
    QFile::setPermissions(path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(user.prompts().size(), 2) << user.prompts().join("|").toStdString();
    EXPECT_TRUE(user.prompts()[0].startsWith("No se ha podido guardar el fichero " + file));
    EXPECT_TRUE(user.prompts()[0].contains("Permission denied")) << user.prompts()[0].toStdString();
    EXPECT_EQ(bytesOf(file), "old\r\n");
    EXPECT_FALSE(QFile::exists(path("locked/other.txt")));
    EXPECT_EQ(f.fileName, file);
    EXPECT_EQ(f.Caption(), "old.txt - miPlumex*");
    EXPECT_FALSE(f.saved);
    EXPECT_EQ(f.txtBox.Text(), "new old\n");

    // Asked before closing, a failed save keeps the window open.
    user.answer({rt::vbYes});
    {
        AsOrdinaryUser ordinary;
        QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther);
        closeWindow(f);
    }
    EXPECT_TRUE(rt::isLoaded<Form1>());
}

TEST_F(Files, SaveReplacesTheFileWholeAndLeavesNothingBeside)
{
    writeBytes(path("a.txt"), "a long old text\r\n");
    open(path("a.txt"));
    f.txtBox.setText("new");
    save();
    EXPECT_EQ(bytesOf(path("a.txt")), "new\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"});
}

TEST_F(Files, AFileThatCannotBeReadChangesNothing)
{
    type("unsaved");
    user.answer({rt::vbNo});
    open(path("missing.txt"));
    ASSERT_EQ(user.prompts().size(), 2);
    EXPECT_EQ(user.prompts()[1],
              "No se ha podido abrir el fichero " + path("missing.txt") + "\r\n\r\nFile not found");
    EXPECT_EQ(f.txtBox.Text(), "unsaved");
    EXPECT_EQ(f.Caption(), "Untitled - miPlumex");
    EXPECT_EQ(f.fileName, "");
    EXPECT_FALSE(f.saved);
}

}  // namespace
