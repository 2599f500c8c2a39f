#include "app/LogoPicture.h"

#include <QFileInfo>

namespace quitanza::app {

using namespace report;

const Picture& LogoPicture::Load(const QString& path)
{
  const QFileInfo file(path);
  const QDateTime modified = file.lastModified();
  const qint64 size = file.size();
  if (path == m_path && modified == m_modified && size == m_size)
    return m_picture;
  m_path.clear();  // a file that fails to load is read again next time
  m_picture.LoadFromFile(path);
  m_path = path;
  m_modified = modified;
  m_size = size;
  return m_picture;
}

}  // namespace quitanza::app
