// editor2's files on disk: the bytes written and kept, and files it refuses.
#include "form1.h"

#include "testing/editor_file_dialogs.h"
#include "testing/editor_test.h"

#include <QDir>

#include <sys/stat.h>

using namespace rt::testing;

namespace {

class Files : public EditorTest<editor2::Form1> {
protected:
    Files() : EditorTest("editor2") {}
};

TEST_F(Files, NewTextsEndInOneCrLfAndOpenedFilesSaveBackTheSameBytes)
{
    f.txtBox.setText("a\nb");
    writeBytes("0.txt", "a longer old text\r\n");  // replaced whole
    saveAs("0.txt");
    EXPECT_EQ(bytesOf("0.txt"), "a\r\nb\r\n");
    int n = 1;
    const QByteArray files[] = {
        "se\xC3\xB1or\nma\xC3\xB1"
        "ana\n",  // UTF-8, LF
        "se\xF1or\r\nma\xF1"
        "ana\r\n",                          // Windows-1252, CR LF
        "no final line end\rbut lone CRs",  // kept as they are
        QByteArray("\xFF\xFE"
                   "a\0\r\0\n\0",
                   8),  // UTF-16 LE, CR LF
    };
    for (const QByteArray& bytes : files) {
        const QString file = QStringLiteral("%1.txt").arg(n++);
        writeBytes(file, bytes);
        open(file);
        save();
        EXPECT_EQ(bytesOf(file), bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), n) << "nothing left beside";
}

TEST_F(Files, AFileWithoutExtensionOpensAfterASaveAs)
{
    expectOpenWithoutExtensionAfterSaveAs(f, user, folder.path());
    EXPECT_EQ(f.Caption(), "more.txt - MiPlumex");
}

TEST_F(Files, AFileThatCannotBeOpenedOrSavedIsNamedAndChangesNothing)
{
    writeBytes("a.txt", "abc");
    open("a.txt");
    type("!");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    user.answer({rt::vbNo});
    open("pipe");
    saveAs("no/such.txt");
    ASSERT_EQ(user.prompts().size(), 3);
    EXPECT_EQ(user.prompts()[1], "No se ha podido abrir el fichero " + path("pipe") +
                                     "\r\n\r\nPath/File access error: not a regular file");
    EXPECT_EQ(user.prompts()[2], "No se ha podido guardar el fichero " + path("no/such.txt") +
                                     "\r\n\r\nPath not found: No such file or directory");
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex*");
    EXPECT_EQ(f.fileName, path("a.txt"));
    EXPECT_EQ(f.txtBox.Text(), "!abc");
    EXPECT_FALSE(f.saved);
}

TEST_F(Files, SaveAsksBeforeWritingOverAFileAnotherProgramChanged)
{
    expectSaveAsksAfterAnotherProgramsChange();
    EXPECT_EQ(f.Caption(), "a.txt - MiPlumex");
}

}  // namespace
