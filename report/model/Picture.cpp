#include "report/model/Picture.h"

#include "platform/files/AtomicFile.h"
#include "report/format/BinaryProps.h"
#include "report/format/Errors.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <array>
#include <deque>
#include <mutex>

namespace quitanza::report {

using namespace platform;

namespace {

struct GraphicInfo {
  report::GraphicClass graphicClass;
  QLatin1String name;
  const char* format;
};

constexpr std::array<GraphicInfo, 4> kGraphics = {{
    {GraphicClass::Png, QLatin1String("TPngImage"), "png"},
    {GraphicClass::Bitmap, QLatin1String("TBitmap"), "bmp"},
    {GraphicClass::Jpeg, QLatin1String("TJPEGImage"), "jpeg"},
    {GraphicClass::Icon, QLatin1String("TIcon"), "ico"},
}};

const GraphicInfo* InfoOf(GraphicClass graphicClass)
{
  for (const GraphicInfo& info : kGraphics) {
    if (info.graphicClass == graphicClass)
      return &info;
  }
  return nullptr;
}

GraphicClass DetectClass(const QByteArray& data)
{
  if (data.startsWith("\x89PNG\r\n\x1a\n"))
    return GraphicClass::Png;
  if (data.startsWith("BM"))
    return GraphicClass::Bitmap;
  if (data.startsWith("\xFF\xD8"))
    return GraphicClass::Jpeg;
  if (data.startsWith(QByteArray("\x00\x00\x01\x00", 4)))
    return GraphicClass::Icon;
  return GraphicClass::None;
}

ReportError UnreadablePicture() { return ReportError(QStringLiteral(u"formato de imagem não suportado")); }

// The graphic decoded, or taken from the few decoded last when it holds the
// same bytes: a run of receipts carries the same pictures (the issuer's logo,
// the maker's) in fresh picture objects on every page, and decoding them
// again for each page costs more than the page itself.
QImage Decoded(const QByteArray& data, const char* format)
{
  struct Entry {
    const char* Format;
    QByteArray Data;
    QImage Image;
  };
  constexpr std::size_t Kept = 4;
  static std::mutex guard;
  static std::deque<Entry> recent;
  const std::lock_guard lock(guard);
  for (const Entry& entry : recent) {
    if (entry.Format == format && entry.Data == data)
      return entry.Image;
  }
  QImage image;
  image.loadFromData(data, format);
  recent.push_front({format, data, image});
  if (recent.size() > Kept)
    recent.pop_back();
  return image;
}

}  // namespace

QString Picture::GraphicClassName() const
{
  const GraphicInfo* info = InfoOf(m_class);
  return info ? QString(info->name) : QString();
}

void Picture::Clear()
{
  m_class = report::GraphicClass::None;
  m_data.clear();
  m_image = QImage();
  m_decoded = false;
}

const QImage& Picture::Image() const
{
  if (!m_decoded && m_class != report::GraphicClass::None)
    m_image = Decoded(m_data, InfoOf(m_class)->format);
  m_decoded = true;
  return m_image;
}

void Picture::Hold(report::GraphicClass graphicClass, const QByteArray& data, bool check)
{
  QImage image;
  if (check && !image.loadFromData(data, InfoOf(graphicClass)->format))
    throw UnreadablePicture();
  m_class = graphicClass;
  m_data = data;
  m_image = image;
  m_decoded = check;
}

void Picture::LoadFromFile(const QString& fileName)
{
  const QByteArray data = ReadWholeFile(fileName);
  // The picture's own errors do not know which file they came from.
  try {
    LoadFromData(data);
  } catch (const ReportError& error) {
    throw ReportError(QStringLiteral(u"A imagem %1 não pode ser lida: %2").arg(fileName, error.Message()));
  }
}

void Picture::LoadFromData(const QByteArray& data)
{
  const report::GraphicClass graphicClass = DetectClass(data);
  if (graphicClass != report::GraphicClass::None) {
    Hold(graphicClass, data, true);
    return;
  }
  QImage image;
  if (!image.loadFromData(data))
    throw UnreadablePicture();
  SetImage(image);
}

bool Picture::SetGraphicData(const QByteArray& data)
{
  Clear();
  const report::GraphicClass graphicClass = DetectClass(data);
  if (graphicClass == report::GraphicClass::None)
    return false;
  Hold(graphicClass, data, false);
  return true;
}

void Picture::SetImage(const QImage& image)
{
  if (image.isNull()) {
    Clear();
    return;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "png"))
    throw ReportError(QStringLiteral(u"Não foi possível codificar a imagem"));
  m_class = report::GraphicClass::Png;
  m_data = png;
  m_image = image;
  m_decoded = true;
}

QByteArray Picture::StreamData() const
{
  const GraphicInfo* info = InfoOf(m_class);
  if (!info)
    return {};
  QByteArray payload;
  payload.reserve(1 + info->name.size() + 4 + m_data.size());
  payload.append(static_cast<char>(info->name.size()));
  payload.append(info->name.data(), info->name.size());
  // A PNG graphic is its file; the others carry their size first.
  if (m_class != report::GraphicClass::Png) {
    char size[4];
    qToLittleEndian(static_cast<quint32>(m_data.size()), size);
    payload.append(size, 4);
  }
  payload.append(m_data);
  return payload;
}

void Picture::SetStreamData(QByteArrayView payload)
{
  Clear();
  if (payload.isEmpty())
    return;
  const auto nameLength = static_cast<unsigned char>(payload[0]);
  if (payload.size() < 1 + nameLength)
    throw UnreadablePicture();
  const QByteArrayView name = payload.sliced(1, nameLength);
  QByteArrayView data = payload.sliced(1 + nameLength);
  for (const GraphicInfo& info : kGraphics) {
    if (name != QByteArrayView(info.name.data(), info.name.size()))
      continue;
    if (info.graphicClass != report::GraphicClass::Png) {
      if (data.size() < 4)
        throw UnreadablePicture();
      const quint32 size = qFromLittleEndian<quint32>(data.constData());
      if (size > static_cast<quint32>(data.size() - 4))
        throw UnreadablePicture();
      data = data.sliced(4, size);
    }
    Hold(info.graphicClass, data.toByteArray(), false);
    return;
  }
}

const PropTable& Picture::Props()
{
  static const PropTable table = [] {
    PropTable t;
    t.Defined.Write = [](const void* object, BinaryWriter& writer, const XMLSerializer&) {
      const auto& picture = *static_cast<const report::Picture*>(object);
      if (picture.IsEmpty())
        return;
      writer.WritePropName(QStringLiteral("Data"));
      writer.WriteBinary(picture.StreamData());
    };
    t.Defined.Read = [](void* object, QByteArrayView name, BinaryReader& reader, XMLSerializer&) {
      if (name != "Data")
        return false;
      static_cast<report::Picture*>(object)->SetStreamData(reader.ReadBinary());
      return true;
    };
    t.Defined.Copy = [](void* to, const void* from, PropCopy&) {
      const auto& picture = *static_cast<const report::Picture*>(from);
      if (picture.IsEmpty())
        return false;
      static_cast<report::Picture*>(to)->SetStreamData(picture.StreamData());
      return true;
    };
    return t;
  }();
  return table;
}

}  // namespace quitanza::report
