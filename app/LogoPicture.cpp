#include "app/LogoPicture.h"

#include <QFileInfo>

const TPicture& TLogoPicture::Load(const QString& path)
{
  const QFileInfo file(path);
  const QDateTime modified = file.lastModified();
  const qint64 size = file.size();
  if (path == FPath && modified == FModified && size == FSize)
    return FPicture;
  FPath.clear();  // a file that fails to load is read again next time
  FPicture.LoadFromFile(path);
  FPath = path;
  FModified = modified;
  FSize = size;
  return FPicture;
}
