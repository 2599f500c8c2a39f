#pragma once

#include "report/model/Picture.h"

#include <QString>

namespace quitanza::app {

// The issuer's logo as its file holds it. The before-print handler asks for
// it for every object of every receipt; the file is read again only when it
// is another file or has changed since.
class LogoPicture {
public:
  // The picture in the file at `path`. Throws ReportError when the file cannot
  // be read as a picture.
  const report::Picture& Load(const QString& path);

private:
  QString m_path;
  // The file's modification time in nanoseconds and its size: read without
  // a time zone, as this is asked for every object of every receipt.
  qint64 m_modified = -1;
  qint64 m_size = -1;
  report::Picture m_picture;
};

}  // namespace quitanza::app
