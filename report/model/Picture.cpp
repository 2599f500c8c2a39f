#include "report/model/Picture.h"

#include "platform/files/AtomicFile.h"
#include "report/format/frxBinaryProps.h"
#include "report/format/frxErrors.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <array>

using namespace quitanza::platform;

namespace {

struct TGraphicInfo {
  TGraphicClass graphicClass;
  QLatin1String name;
  const char* format;
};

constexpr std::array<TGraphicInfo, 4> kGraphics = {{
    {TGraphicClass::Png, QLatin1String("TPngImage"), "png"},
    {TGraphicClass::Bitmap, QLatin1String("TBitmap"), "bmp"},
    {TGraphicClass::Jpeg, QLatin1String("TJPEGImage"), "jpeg"},
    {TGraphicClass::Icon, QLatin1String("TIcon"), "ico"},
}};

const TGraphicInfo* InfoOf(TGraphicClass graphicClass)
{
  for (const TGraphicInfo& info : kGraphics) {
    if (info.graphicClass == graphicClass)
      return &info;
  }
  return nullptr;
}

TGraphicClass DetectClass(const QByteArray& data)
{
  if (data.startsWith("\x89PNG\r\n\x1a\n"))
    return TGraphicClass::Png;
  if (data.startsWith("BM"))
    return TGraphicClass::Bitmap;
  if (data.startsWith("\xFF\xD8"))
    return TGraphicClass::Jpeg;
  if (data.startsWith(QByteArray("\x00\x00\x01\x00", 4)))
    return TGraphicClass::Icon;
  return TGraphicClass::None;
}

EfrxError UnreadablePicture() { return EfrxError(QStringLiteral(u"formato de imagem não suportado")); }

}  // namespace

QString TPicture::GraphicClassName() const
{
  const TGraphicInfo* info = InfoOf(FClass);
  return info ? QString(info->name) : QString();
}

void TPicture::Clear()
{
  FClass = TGraphicClass::None;
  FData.clear();
  FImage = QImage();
  FDecoded = false;
}

const QImage& TPicture::Image() const
{
  if (!FDecoded && FClass != TGraphicClass::None)
    FImage.loadFromData(FData, InfoOf(FClass)->format);
  FDecoded = true;
  return FImage;
}

void TPicture::Hold(TGraphicClass graphicClass, const QByteArray& data, bool check)
{
  QImage image;
  if (check && !image.loadFromData(data, InfoOf(graphicClass)->format))
    throw UnreadablePicture();
  FClass = graphicClass;
  FData = data;
  FImage = image;
  FDecoded = check;
}

void TPicture::LoadFromFile(const QString& fileName)
{
  const QByteArray data = ReadWholeFile(fileName);
  // The picture's own errors do not know which file they came from.
  try {
    LoadFromData(data);
  } catch (const EfrxError& error) {
    throw EfrxError(QStringLiteral(u"A imagem %1 não pode ser lida: %2").arg(fileName, error.Message()));
  }
}

void TPicture::LoadFromData(const QByteArray& data)
{
  const TGraphicClass graphicClass = DetectClass(data);
  if (graphicClass != TGraphicClass::None) {
    Hold(graphicClass, data, true);
    return;
  }
  QImage image;
  if (!image.loadFromData(data))
    throw UnreadablePicture();
  SetImage(image);
}

bool TPicture::SetGraphicData(const QByteArray& data)
{
  Clear();
  const TGraphicClass graphicClass = DetectClass(data);
  if (graphicClass == TGraphicClass::None)
    return false;
  Hold(graphicClass, data, false);
  return true;
}

void TPicture::SetImage(const QImage& image)
{
  if (image.isNull()) {
    Clear();
    return;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "png"))
    throw EfrxError(QStringLiteral(u"Não foi possível codificar a imagem"));
  FClass = TGraphicClass::Png;
  FData = png;
  FImage = image;
  FDecoded = true;
}

QByteArray TPicture::StreamData() const
{
  const TGraphicInfo* info = InfoOf(FClass);
  if (!info)
    return {};
  QByteArray payload;
  payload.reserve(1 + info->name.size() + 4 + FData.size());
  payload.append(static_cast<char>(info->name.size()));
  payload.append(info->name.data(), info->name.size());
  // A PNG graphic is its file; the others carry their size first.
  if (FClass != TGraphicClass::Png) {
    char size[4];
    qToLittleEndian(static_cast<quint32>(FData.size()), size);
    payload.append(size, 4);
  }
  payload.append(FData);
  return payload;
}

void TPicture::SetStreamData(QByteArrayView payload)
{
  Clear();
  if (payload.isEmpty())
    return;
  const auto nameLength = static_cast<unsigned char>(payload[0]);
  if (payload.size() < 1 + nameLength)
    throw UnreadablePicture();
  const QByteArrayView name = payload.sliced(1, nameLength);
  QByteArrayView data = payload.sliced(1 + nameLength);
  for (const TGraphicInfo& info : kGraphics) {
    if (name != QByteArrayView(info.name.data(), info.name.size()))
      continue;
    if (info.graphicClass != TGraphicClass::Png) {
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

const TfrxPropTable& TPicture::Props()
{
  static const TfrxPropTable table = [] {
    TfrxPropTable t;
    t.Defined.Write = [](const void* object, TfrxBinaryWriter& writer, const TfrxXMLSerializer&) {
      const auto& picture = *static_cast<const TPicture*>(object);
      if (picture.IsEmpty())
        return;
      writer.WritePropName(QStringLiteral("Data"));
      writer.WriteBinary(picture.StreamData());
    };
    t.Defined.Read = [](void* object, QByteArrayView name, TfrxBinaryReader& reader, TfrxXMLSerializer&) {
      if (name != "Data")
        return false;
      static_cast<TPicture*>(object)->SetStreamData(reader.ReadBinary());
      return true;
    };
    t.Defined.Copy = [](void* to, const void* from, TfrxPropCopy&) {
      const auto& picture = *static_cast<const TPicture*>(from);
      if (picture.IsEmpty())
        return false;
      static_cast<TPicture*>(to)->SetStreamData(picture.StreamData());
      return true;
    };
    return t;
  }();
  return table;
}
