#include "report/model/frxPictureCache.h"

#include "report/format/frxErrors.h"
#include "report/model/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>

namespace {

// Some writers put an 8-byte header before the graphic: the words 1 and 256,
// then the length of the rest.
QByteArray WithoutStreamHeader(const QByteArray& data)
{
  if (data.size() < 8)
    return data;
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  if (qFromLittleEndian<quint16>(bytes) == 1 && qFromLittleEndian<quint16>(bytes + 2) == 256 &&
      qFromLittleEndian<quint32>(bytes + 4) == static_cast<quint32>(data.size() - 8))
    return data.mid(8);
  return data;
}

}  // namespace

QString frxTempFileTemplate(const QString& folder)
{
  const QString dir = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("frXXXXXX.tmp"));
}

TfrxPictureCache::TfrxPictureCache() = default;
TfrxPictureCache::~TfrxPictureCache() = default;

void TfrxPictureCache::SetCacheInFile(bool inFile, const QString& folder)
{
  Clear();
  FInFile = inFile;
  FFolder = folder;
}

void TfrxPictureCache::Clear()
{
  FEntries.clear();
  FFile.reset();
}

int TfrxPictureCache::Add(const QByteArray& data)
{
  Entry entry;
  if (FInFile) {
    if (!FFile) {
      FFile = std::make_unique<QTemporaryFile>(frxTempFileTemplate(FFolder));
      if (!FFile->open())
        throw EfrxError(QStringLiteral(u"Não foi possível criar o arquivo temporário das imagens: %1").arg(FFile->errorString()));
    }
    entry.Offset = FFile->size();
    entry.Size = data.size();
    if (!FFile->seek(entry.Offset) || FFile->write(data) != data.size())
      throw EfrxError(QStringLiteral(u"Não foi possível gravar o arquivo temporário das imagens: %1").arg(FFile->errorString()));
  } else {
    entry.Data = data;
  }
  FEntries.push_back(std::move(entry));
  return Count();
}

QByteArray TfrxPictureCache::Data(int index) const
{
  if (index < 1 || index > Count())
    return {};
  const Entry& entry = FEntries[static_cast<std::size_t>(index - 1)];
  if (entry.Offset < 0)
    return entry.Data;
  if (!FFile->seek(entry.Offset))
    throw EfrxError(QStringLiteral(u"Não foi possível ler o arquivo temporário das imagens: %1").arg(FFile->errorString()));
  return FFile->read(entry.Size);
}

void TfrxPictureCache::Fill(int index, TPicture& picture) const
{
  picture.SetGraphicData(WithoutStreamHeader(Data(index)));
}
