#pragma once

#include "report/model/Picture.h"

#include <QDateTime>
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
  QDateTime m_modified;
  qint64 m_size = -1;
  report::Picture m_picture;
};

}  // namespace quitanza::app
