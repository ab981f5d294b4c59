// A file of one very long line, such as a minified script or a data dump:
// it opens at once, Find and typing work on it, and it is saved byte for byte.
#include "editor_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace rt::testing;

namespace {

class LongLine : public EditorTest {};

TEST_F(LongLine, AFileOfOneLineOfMegabytesOpensFindsAndSavesItsBytes)
{
    QByteArray bytes;
    while (bytes.size() < (3 << 20))
        bytes += "{\"id\":" + QByteArray::number(bytes.size()) + ",\"v\":\"abcdefghij\"},";
    bytes += "{\"needle\":1}";  // no final line end
    const QString file = path("dump.json");
    writeBytes(file, bytes);

    QElapsedTimer timer;
    timer.start();
    open(file);
    QCoreApplication::processEvents();
    // Generous, so that only the freeze fails it: laid out whole, the line
    // would take hours.
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(f.txtBox.Text(), QString::fromLatin1(bytes));
    EXPECT_EQ(f.Caption(), "dump.json - miPlumex");

    frmFind& find = showFind();
    find.txtFind.setText("needle");
    click(find.cmdFind);
    const int at = int(bytes.indexOf("needle"));
    EXPECT_EQ(selection(), std::make_pair(at, 6));
    f.txtBox.widget()->setFocus();
    type("pin");
    EXPECT_EQ(f.Caption(), "dump.json - miPlumex*");
    save();
    EXPECT_EQ(bytesOf(file), QByteArray(bytes).replace("needle", "pin"));
    EXPECT_TRUE(user.prompts().isEmpty());
}

}  // namespace
