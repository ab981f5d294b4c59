#pragma once

// Text files by number, as handlers speak of them: open a file as number n,
// take its length, read so many characters, print a text, close it. Built on
// the editors' file handling (textfile.h): a file is read whole when opened
// and written only when closed, through a temporary file renamed over the
// old one, keeping its encoding and line ends. A file that cannot be read or
// written is reported to the user, naming it, and the running handler ends
// there, before it could change anything. Writing a file that another program
// changed since the document read or wrote it asks first; the answer No ends
// the running handler the same way.

#include "files/textfile.h"
#include "values/numbers.h"

namespace rt {

enum class FileMode { Input, Output };

// Opens `path` as file `number` (1 to 511). For Input the whole file is read
// now; for Output nothing is written until Close, in the format of `file`
// (what the document being saved remembers of its file; a new document's is
// the default). Raises Bad file name or number (52) for another number and
// File already open (55).
void Open(const QString& path, FileMode mode, Integer number, const DocumentFile& file = {});
// The length of file `number` in characters: an input file's whole text, or
// what was printed to an output file so far.
Long LOF(Integer number);
// The next `count` characters of input file `number` (line ends read as LF).
// Raises Input past end of file (62) beyond its end, Bad file mode (54) for an
// output file.
QString Input(Long count, Integer number);
// Prints `text` to output file `number`, followed by a line end when the text
// lacks one and the file's format asks for one (a file read without a final
// line end keeps none). Raises Bad file mode (54) for an input file.
void Print(Integer number, const QString& text);
// Closes file `number`, writing an output file, and returns what the
// document is to remember of it: the format read, or the one actually
// written (see encodeDocument), and how the file stood then.
DocumentFile Close(Integer number);

}  // namespace rt
