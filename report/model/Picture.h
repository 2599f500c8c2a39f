#pragma once

#include "report/model/PropTable.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quitanza::report {

// The graphic classes a picture can hold, named as in template files.
enum class GraphicClass { None, Png, Bitmap, Jpeg, Icon };

// A picture holder: the decoded image for drawing, plus the original file
// bytes and class so that a template's picture is written back byte for byte.
class Picture {
public:
  bool IsEmpty() const { return m_class == report::GraphicClass::None; }
  report::GraphicClass GraphicClass() const { return m_class; }
  QString GraphicClassName() const;
  // Decoded on first use; a graphic that cannot be decoded gives a null image.
  const QImage& Image() const;
  const QByteArray& FileData() const { return m_data; }
  int Width() const { return Image().width(); }
  int Height() const { return Image().height(); }

  void Clear();
  // Any format the image readers know; PNG, BMP, JPEG and icons keep their
  // bytes, other formats are kept as PNG. Throws ReportError when unreadable.
  void LoadFromFile(const QString& fileName);
  void LoadFromData(const QByteArray& data);
  // Holds a graphic's own stream form (a PNG, BMP, JPEG or icon file) as the
  // class its first bytes name, decoded on first use; false, the picture
  // empty, when they name none of them.
  bool SetGraphicData(const QByteArray& data);
  // Holds `image` as a PNG graphic.
  void SetImage(const QImage& image);

  // The payload of the PropData property "Data": class name, then the
  // graphic's stream. An unknown class leaves the picture empty.
  QByteArray StreamData() const;
  void SetStreamData(QByteArrayView payload);

  bool operator==(const report::Picture& other) const { return m_class == other.m_class && m_data == other.m_data; }

  static const PropTable& Props();

private:
  // Keeps the graphic; with `check` it must decode, else it is decoded only
  // when first drawn (templates may hold many pictures).
  void Hold(report::GraphicClass graphicClass, const QByteArray& data, bool check);

  report::GraphicClass m_class = report::GraphicClass::None;
  QByteArray m_data;
  mutable QImage m_image;
  mutable bool m_decoded = false;
};

}  // namespace quitanza::report
