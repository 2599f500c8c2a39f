#pragma once

#include "platform/storage/PackedRecord.h"

#include <QString>

#include <vector>

namespace quitanza::platform {

// The register file: an XML data packet holding the field definitions and one
// ROW element per record, in register order.
//
// Reading accepts what other writers of the format produce: unknown attributes
// and elements are skipped, and a file that is not valid UTF-8 (no encoding
// declared, Windows-1252 bytes) is read as Windows-1252. It throws FileError
// (UnableToRead) for a file that is missing, unreadable, not well-formed XML,
// not a data packet, lacking one of the seven fields or holding a value its
// field cannot take; the message says where.
std::vector<PackedRecord> ReadRegisterFile(const QString& path);

// Writes UTF-8, amounts with a point and no thousands separator, replacing the
// file atomically; on failure throws FileError (UnableToWrite) and the previous
// file stays as it was.
void WriteRegisterFile(const QString& path, const std::vector<PackedRecord>& records);

}  // namespace quitanza::platform
