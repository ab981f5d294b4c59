// Fuzz target for the editors' file decoding and encoding: a file's bytes,
// decoded and encoded again in the format they were read in, give back the
// same bytes when its line ends share one style; any file's text survives a
// second round trip unchanged.
#include "files/textcodec.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* property, const QByteArray& bytes)
{
    std::fprintf(stderr, "broken: %s: %s\n", property, bytes.toHex(' ').constData());
    std::abort();
}

// The line-end styles a file uses: 1 CR LF, 2 LF, 4 a lone CR.
int lineEndStyles(const QByteArray& bytes)
{
    int styles = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            styles |= 1;
            ++i;
        } else if (bytes[i] == '\n') {
            styles |= 2;
        } else if (bytes[i] == '\r') {
            styles |= 4;
        }
    }
    return styles;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const rt::TextDocument document = rt::decodeDocument(bytes);
    rt::TextFormat written;
    const QByteArray saved = rt::encodeDocument(document.text, document.format, &written);
    const int styles = lineEndStyles(bytes);
    const bool oneStyle = styles == 0 || styles == 1 || styles == 2 || styles == 4;
    if (oneStyle && written == document.format && saved != bytes)
        fail("a file with one line-end style round-trips", bytes);
    const rt::TextDocument again = rt::decodeDocument(saved);
    if (again.text != document.text) fail("the text survives a save and a reopen", bytes);
    return 0;
}
