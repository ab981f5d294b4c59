// The editors' files when things go wrong: every failure tells the system's
// own reason and keeps the old file, and a file another program changed,
// replaced or deleted is not written over without asking.
#include "files/system_calls.h"
#include "files/textfile.h"

#include "testing/form_test.h"
#include "testing/temp_folder.h"
#include "values/errors.h"

#include <QDir>

#include <cerrno>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

class FileSafety : public rt::testing::FormTest {
protected:
    QString path(const QString& name) const { return folder.path(name); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

    rt::testing::TempFolder folder;
};

TEST_F(FileSafety, AFailedSaveTellsTheSystemsReasonAndKeepsTheOldFile)
{
    using rt::FileCall;
    const struct {
        FileCall call;
        int error;
        const char* told;  // the runtime error's description, reason included
        int number;
    } failures[] = {
        {FileCall::Write, ENOSPC, "Device I/O error: No space left on device", 57},
        {FileCall::Write, EDQUOT, "Device I/O error: Disk quota exceeded", 57},
        {FileCall::Sync, EIO, "Device I/O error: Input/output error", 57},
        {FileCall::Close, ENOSPC, "Device I/O error: No space left on device", 57},
        {FileCall::Open, EROFS, "Permission denied: Read-only file system", 70},
        {FileCall::Open, EACCES, "Permission denied", 70},
        {FileCall::Rename, ENOENT, "Path/File access error: No such file or directory", 75},
    };
    ASSERT_TRUE(folder.write("a.txt", "old\r\n"));
    for (const auto& failure : failures) {
        const QString what = QStringLiteral("%1 %2").arg(int(failure.call)).arg(failure.error);
        rt::failNextFileCall(failure.call, failure.error);
        try {
            rt::writeTextFile(path("a.txt"), "new", {});
            ADD_FAILURE() << "nothing raised: " << what.toStdString();
        } catch (const rt::RuntimeError& error) {
            EXPECT_EQ(error.number(), failure.number) << what.toStdString();
            EXPECT_EQ(error.description(), failure.told) << what.toStdString();
        }
        EXPECT_EQ(folder.bytesOf("a.txt"), "old\r\n") << what.toStdString();
        EXPECT_EQ(files(), QStringList{"a.txt"}) << "nothing left beside: " << what.toStdString();
    }
}

TEST_F(FileSafety, AFailedReadTellsTheSystemsReason)
{
    ASSERT_TRUE(folder.write("a.txt", "text"));
    rt::failNextFileCall(rt::FileCall::Read, EIO);
    EXPECT_FALSE(rt::readDocument(path("a.txt")));
    rt::failNextFileCall(rt::FileCall::Open, ESTALE);
    EXPECT_FALSE(rt::readDocument(path("a.txt")));
    EXPECT_FALSE(rt::readDocument(path("gone.txt")));
    const QString cannot = "No se ha podido abrir el fichero ";
    EXPECT_EQ(
        user.prompts(),
        QStringList(
            {cannot + path("a.txt") + "\r\n\r\nDevice I/O error: Input/output error",
             cannot + path("a.txt") + "\r\n\r\nPath/File access error: Stale file handle",
             cannot + path("gone.txt") + "\r\n\r\nFile not found: No such file or directory"}));
}

TEST_F(FileSafety, NewFilesTakeTheUsualPermissionsAndReplacedOnesKeepTheirs)
{
    rt::writeTextFile(path("new.txt"), "a", {});
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("new.txt")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
    ASSERT_EQ(::chmod(QFile::encodeName(path("new.txt")).constData(), 0640), 0);
    rt::writeTextFile(path("new.txt"), "b", {});
    ASSERT_EQ(::stat(QFile::encodeName(path("new.txt")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640);
}

// Another program's work on the file between two saves, each kept apart
// from the others: an edit, a replacement by another file of the same size
// and time (only its identity differs), and a deletion.
class ChangedOnDisk : public FileSafety {
public:
    void editKeepingSize() const
    {
        ASSERT_TRUE(folder.write("a.txt", "OLD\r\n"));
        setTimes(path("a.txt"), original.st_mtim.tv_sec + 1);
    }
    void replaceKeepingSizeAndTime() const
    {
        ASSERT_TRUE(folder.write("other.txt", "OLD\r\n"));
        setTimes(path("other.txt"), original.st_mtim.tv_sec, original.st_mtim.tv_nsec);
        ASSERT_TRUE(QFile::remove(path("a.txt")));
        ASSERT_TRUE(QFile::rename(path("other.txt"), path("a.txt")));
    }
    void remove() const { ASSERT_TRUE(QFile::remove(path("a.txt"))); }

    static void setTimes(const QString& file, time_t seconds, long nanoseconds = 0)
    {
        const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
    }
    // Reads a.txt as an editor does, remembering how it stood.
    void read()
    {
        ASSERT_TRUE(folder.write("a.txt", "old\r\n"));
        ASSERT_EQ(::stat(QFile::encodeName(path("a.txt")).constData(), &original), 0);
        file.format = rt::readTextFile(path("a.txt"), &file.stamp).format;
    }

    struct stat original {};
    rt::DocumentFile file;
};

TEST_F(ChangedOnDisk, SavingAsksFirstAndNoWritesNothing)
{
    const QString changed = "El fichero " + path("a.txt") +
                            " ha cambiado en el disco desde que se abrió. ¿Desea sobrescribirlo?";
    const QString gone = "El fichero " + path("a.txt") +
                         " ya no está en el disco: otro programa lo ha borrado o movido. "
                         "¿Desea guardarlo de nuevo?";
    const std::tuple<const char*, void (ChangedOnDisk::*)() const, QString> changes[] = {
        {"edited", &ChangedOnDisk::editKeepingSize, changed},
        {"replaced", &ChangedOnDisk::replaceKeepingSizeAndTime, changed},
        {"deleted", &ChangedOnDisk::remove, gone},
    };
    for (const auto& [change, make, question] : changes) {
        read();
        (this->*make)();
        const QByteArray left = folder.bytesOf("a.txt");
        user.shown.clear();
        user.answer({rt::vbNo});
        EXPECT_FALSE(rt::writeDocument(path("a.txt"), "mine", file)) << change;
        ASSERT_EQ(user.shown.size(), 1) << change;
        EXPECT_EQ(user.shown[0].prompt, question) << change;
        EXPECT_EQ(user.shown[0].style, rt::vbYesNo | rt::vbExclamation | rt::vbDefaultButton2);
        EXPECT_EQ(folder.bytesOf("a.txt"), left) << "No writes nothing: " << change;

        user.answer({rt::vbYes});
        EXPECT_TRUE(rt::writeDocument(path("a.txt"), "mine", file)) << change;
        EXPECT_EQ(folder.bytesOf("a.txt"), "mine\r\n") << change;
        EXPECT_TRUE(rt::writeDocument(path("a.txt"), "again", file)) << change;
        EXPECT_EQ(user.shown.size(), 2) << "what it wrote itself is no change: " << change;
    }
}

}  // namespace
