#include "report/model/PictureCache.h"

#include "report/format/Errors.h"
#include "report/model/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>

namespace quitanza::report {

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

QString TempFileTemplate(const QString& folder)
{
  const QString dir = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("frXXXXXX.tmp"));
}

PictureCache::PictureCache() = default;
PictureCache::~PictureCache() = default;

void PictureCache::SetCacheInFile(bool inFile, const QString& folder)
{
  Clear();
  m_inFile = inFile;
  m_folder = folder;
}

void PictureCache::Clear()
{
  m_entries.clear();
  m_file.reset();
}

int PictureCache::Add(const QByteArray& data)
{
  Entry entry;
  if (m_inFile) {
    if (!m_file) {
      m_file = std::make_unique<QTemporaryFile>(TempFileTemplate(m_folder));
      if (!m_file->open())
        throw ReportError(QStringLiteral(u"Não foi possível criar o arquivo temporário das imagens: %1").arg(m_file->errorString()));
    }
    entry.Offset = m_file->size();
    entry.Size = data.size();
    if (!m_file->seek(entry.Offset) || m_file->write(data) != data.size())
      throw ReportError(QStringLiteral(u"Não foi possível gravar o arquivo temporário das imagens: %1").arg(m_file->errorString()));
  } else {
    entry.Data = data;
  }
  m_entries.push_back(std::move(entry));
  return Count();
}

QByteArray PictureCache::Data(int index) const
{
  if (index < 1 || index > Count())
    return {};
  const Entry& entry = m_entries[static_cast<std::size_t>(index - 1)];
  if (entry.Offset < 0)
    return entry.Data;
  if (!m_file->seek(entry.Offset))
    throw ReportError(QStringLiteral(u"Não foi possível ler o arquivo temporário das imagens: %1").arg(m_file->errorString()));
  return m_file->read(entry.Size);
}

void PictureCache::Fill(int index, report::Picture& picture) const
{
  picture.SetGraphicData(WithoutStreamHeader(Data(index)));
}

}  // namespace quitanza::report
