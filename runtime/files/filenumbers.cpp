#include "files/filenumbers.h"

#include "events/handlers.h"
#include "files/textfile.h"
#include "values/errors.h"

#include <map>
#include <utility>

namespace rt {

namespace {

struct OpenFile {
    QString path;
    FileMode mode;
    DocumentFile file;
    QString text;            // Input: the text not yet read; Output: what was printed
    qsizetype length = 0;    // Input: the whole text's length
    qsizetype position = 0;  // Input: characters already read
};

std::map<int, OpenFile>& openFiles()
{
    static std::map<int, OpenFile> files;
    return files;
}

OpenFile& openFile(Integer number)
{
    const auto found = openFiles().find(number);
    if (found == openFiles().end()) raise(ErrorCode::BadFileNameOrNumber);
    return found->second;
}

OpenFile& openFile(Integer number, FileMode mode)
{
    OpenFile& file = openFile(number);
    if (file.mode != mode) raise(ErrorCode::BadFileMode);
    return file;
}

}  // namespace

void Open(const QString& path, FileMode mode, Integer number, const DocumentFile& known)
{
    if (number < 1 || number > 511) raise(ErrorCode::BadFileNameOrNumber);
    if (openFiles().count(number)) raise(ErrorCode::FileAlreadyOpen);
    OpenFile file{path, mode, known, {}, 0, 0};
    if (mode == FileMode::Input) {
        std::optional<TextDocument> doc = readDocument(path, &file.file.stamp);
        if (!doc) throw ReportedFailure{};
        file.text = std::move(doc->text);
        file.length = file.text.size();
        file.file.format = doc->format;
    }
    openFiles().emplace(number, std::move(file));
}

Long LOF(Integer number)
{
    const OpenFile& file = openFile(number);
    return Long(file.mode == FileMode::Input ? file.length : file.text.size());
}

QString Input(Long count, Integer number)
{
    OpenFile& file = openFile(number, FileMode::Input);
    if (count < 0) raise(ErrorCode::InvalidProcedureCall);
    if (count > file.length - file.position) raise(ErrorCode::InputPastEndOfFile);
    // Reading everything at once hands over the text itself, not a copy.
    QString read = file.position == 0 && count == file.length ? std::exchange(file.text, QString())
                                                              : file.text.mid(file.position, count);
    file.position += count;
    return read;
}

void Print(Integer number, const QString& text)
{
    OpenFile& file = openFile(number, FileMode::Output);
    if (!file.text.isEmpty() && !file.text.endsWith(QLatin1Char('\n')))
        file.text += QLatin1Char('\n');
    file.text += text;  // the first print shares the text instead of copying it
}

DocumentFile Close(Integer number)
{
    OpenFile file = std::move(openFile(number));
    openFiles().erase(number);
    if (file.mode == FileMode::Output && !writeDocument(file.path, file.text, file.file))
        throw ReportedFailure{};
    return file.file;
}

}  // namespace rt
