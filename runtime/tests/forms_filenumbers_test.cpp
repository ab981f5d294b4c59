// Text files by number: open, length, read, print, close, on the editors'
// file handling.
#include "files/filenumbers.h"

#include "testing/form_test.h"
#include "testing/temp_folder.h"
#include "values/errors.h"

namespace {

using rt::FileMode;

class FileNumbers : public rt::testing::FormTest {
protected:
    QString path(const QString& name) const { return folder.path(name); }
    QByteArray bytesOf(const QString& name) const { return folder.bytesOf(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        ASSERT_TRUE(folder.write(name, bytes));
    }
    // Runs `handler` as an event handler: false when it ended in a failure.
    static bool handle(const std::function<void()>& handler) { return rt::runHandler(handler); }

    rt::testing::TempFolder folder;
};

// A handler as the editors write it: read whole, then print back and close.
TEST_F(FileNumbers, ReadWholeAndPrintBackKeepsTheFile)
{
    const QByteArray bytes =
        "se\xF1or\rma\xF1"
        "ana\r";  // Windows-1252, lone CR, final line end
    write("a.txt", bytes);
    QString text;
    rt::DocumentFile file;
    ASSERT_TRUE(handle([&] {
        rt::Open(path("a.txt"), FileMode::Input, 1);
        text = rt::Input(rt::LOF(1), 1);
        file = rt::Close(1);
    }));
    EXPECT_EQ(text, "señor\nmañana\n");
    ASSERT_TRUE(handle([&] {
        rt::Open(path("a.txt"), FileMode::Output, 1, file);
        rt::Print(1, text);
        rt::Close(1);
    }));
    EXPECT_EQ(bytesOf("a.txt"), bytes);

    ASSERT_TRUE(handle([&] {
        rt::Open(path("new.txt"), FileMode::Output, 2);
        rt::Print(2, "one");
        rt::Print(2, "two\n");
        rt::Close(2);
    }));
    EXPECT_EQ(bytesOf("new.txt"), "one\r\ntwo\r\n") << "each print ends its line once";
    EXPECT_TRUE(user.prompts().isEmpty());
}

TEST_F(FileNumbers, MisusedNumbersRaiseTheirErrors)
{
    write("a.txt", "abc");
    const auto errorOf = [](const std::function<void()>& operation) {
        try {
            operation();
        } catch (const rt::RuntimeError& error) {
            return error.number();
        }
        return 0;
    };
    rt::Open(path("a.txt"), FileMode::Input, 1);
    EXPECT_EQ(errorOf([&] { rt::Open(path("a.txt"), FileMode::Input, 1); }), 55);
    EXPECT_EQ(errorOf([&] { rt::Open(path("a.txt"), FileMode::Input, 0); }), 52);
    EXPECT_EQ(errorOf([&] { rt::LOF(3); }), 52);
    EXPECT_EQ(errorOf([&] { rt::Print(1, "x"); }), 54);
    EXPECT_EQ(errorOf([&] { rt::Input(4, 1); }), 62);
    EXPECT_EQ(rt::Input(2, 1), "ab");
    EXPECT_EQ(rt::Input(1, 1), "c");
    EXPECT_EQ(rt::LOF(1), 3);
    rt::Close(1);
    EXPECT_EQ(errorOf([&] { rt::Close(1); }), 52);
}

// A file that cannot be read or written is reported by name, the handler
// stops before the statements that follow, and the number is free again.
TEST_F(FileNumbers, FailuresAreToldByNameAndEndTheHandler)
{
    bool reachedAfterOpen = false;
    EXPECT_FALSE(handle([&] {
        rt::Open(path("missing.txt"), FileMode::Input, 1);
        reachedAfterOpen = true;
    }));
    EXPECT_FALSE(reachedAfterOpen);
    EXPECT_FALSE(handle([&] {
        rt::Open(path("no/such.txt"), FileMode::Output, 1);
        rt::Print(1, "x");
        rt::Close(1);
    }));
    ASSERT_EQ(user.prompts().size(), 2);
    EXPECT_EQ(user.prompts()[0], "No se ha podido abrir el fichero " + path("missing.txt") +
                                     "\r\n\r\nFile not found: No such file or directory");
    EXPECT_EQ(user.prompts()[1], "No se ha podido guardar el fichero " + path("no/such.txt") +
                                     "\r\n\r\nPath not found: No such file or directory");
    EXPECT_TRUE(handle([&] {
        rt::Open(path("b.txt"), FileMode::Output, 1);
        rt::Close(1);
    })) << "a failed Close frees its number";
}

}  // namespace
