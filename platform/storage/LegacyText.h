#pragma once

#include <QByteArrayView>
#include <QString>

namespace quitanza::platform {

// Our files are written in UTF-8, but settings and registers brought over from
// the Windows version of the program hold Windows-1252 bytes. A text that is
// not valid UTF-8 cannot have been written by us, so it is read as Windows-1252.
bool IsValidUtf8(QByteArrayView bytes);
QString DecodeWindows1252(QByteArrayView bytes);

// One decision for a whole file: a single Windows-1252 byte anywhere means the
// file was written by the old program, even where a value happens to look like UTF-8.
enum class TextEncoding { Utf8, Windows1252 };
TextEncoding DetectTextEncoding(QByteArrayView bytes);
QString DecodeText(QByteArrayView bytes, TextEncoding encoding);

// A whole text file (settings, a spreadsheet's CSV) as text: a UTF-8 byte
// order mark skipped, then one encoding decided for all of it.
QString DecodeTextFile(QByteArrayView bytes);

}  // namespace quitanza::platform
