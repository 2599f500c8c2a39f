#include "app/LogoPicture.h"

#include <QFile>

#include <sys/stat.h>

namespace quitanza::app {

using namespace report;

const Picture& LogoPicture::Load(const QString& path)
{
  struct stat file {};
  const bool exists = ::stat(QFile::encodeName(path).constData(), &file) == 0;
  const qint64 modified = exists ? qint64(file.st_mtim.tv_sec) * 1000000000 + file.st_mtim.tv_nsec : -1;
  const qint64 size = exists ? qint64(file.st_size) : -1;
  if (exists && path == m_path && modified == m_modified && size == m_size)
    return m_picture;
  m_path.clear();  // a file that fails to load is read again next time
  m_picture.LoadFromFile(path);
  m_path = path;
  m_modified = modified;
  m_size = size;
  return m_picture;
}

}  // namespace quitanza::app
