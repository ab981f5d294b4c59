// The two pictures built into the line-up are JPEG files of fixed kinds and
// sizes: the coach a baseline portrait, the club a progressive landscape.
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct JpegFrame {
    bool progressive = false;
    int width = 0, height = 0, components = 0;
};

// Reads the frame header (SOF0 baseline or SOF2 progressive) of JPEG data.
std::optional<JpegFrame> frameOf(const QByteArray& data)
{
    auto byte = [&](qsizetype i) { return i < data.size() ? quint8(data[i]) : 0; };
    if (byte(0) != 0xFF || byte(1) != 0xD8) return std::nullopt;
    qsizetype i = 2;
    while (i + 4 <= data.size()) {
        if (byte(i) != 0xFF) return std::nullopt;
        const int marker = byte(i + 1);
        const int length = byte(i + 2) << 8 | byte(i + 3);
        if (marker == 0xC0 || marker == 0xC2) {
            return JpegFrame{marker == 0xC2, byte(i + 7) << 8 | byte(i + 8),
                             byte(i + 5) << 8 | byte(i + 6), byte(i + 9)};
        }
        i += 2 + length;
    }
    return std::nullopt;
}

TEST(LineupPictures, AreJpegsOfTheirKindAndSize)
{
    const struct {
        const char* file;
        bool progressive;
        int width, height;
    } cases[] = {
        {"quendal.jpg", false, 150, 265},
        {"bravos.jpg", true, 324, 190},
    };
    for (const auto& c : cases) {
        QFile file(QStringLiteral(LINEUP_PICTURES_DIR "/") + c.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file;
        const auto frame = frameOf(file.readAll());
        ASSERT_TRUE(frame) << c.file;
        EXPECT_EQ(frame->progressive, c.progressive) << c.file;
        EXPECT_EQ(frame->width, c.width) << c.file;
        EXPECT_EQ(frame->height, c.height) << c.file;
        EXPECT_EQ(frame->components, 3) << c.file;
    }
}

}  // namespace
