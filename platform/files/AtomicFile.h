#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace quitanza::platform {

// Takes the bytes of a file being written, all of them or a FileError.
using ByteSink = std::function<void(QByteArrayView)>;

// Replaces a file as a whole through FileReplacement: a crash or a full disk
// at any moment leaves either the old file or the new one, never a truncated
// mix. Throws FileError (UnableToWrite) and leaves the old file as it was.
void WriteFileAtomically(const QString& path, const std::function<void(const ByteSink&)>& produce);
void WriteFileAtomically(const QString& path, QByteArrayView content);

// The whole content of a file; FileError (UnableToRead) when it exists but cannot be read.
QByteArray ReadWholeFile(const QString& path);

}  // namespace quitanza::platform
