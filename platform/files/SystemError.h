#pragma once

#include <QString>

namespace quitanza::platform {

// The system's reason for a failed file operation, in Portuguese whatever the
// machine's language: the operator reads it in the same message as ours.
// Reasons the operator is unlikely to meet fall back to the system's own text.
QString SystemErrorText(int error);

// Why the file at `path` cannot be opened for reading, asked of the system
// again: a QFile that failed to open tells it only in the system's language.
QString UnreadableFileReason(const QString& path);

}  // namespace quitanza::platform
