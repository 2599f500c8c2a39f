#include "app/windows/LogoPreview.h"

#include <QImageReader>
#include <QPixmap>

#include <stdexcept>

namespace quitanza::app {

LogoPreview::LogoPreview(QWidget* parent) : QLabel(QStringLiteral("Logomarca"), parent)
{
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(266, 237);
}

void LogoPreview::LoadFromFile(const QString& path)
{
  QImageReader reader(path);
  QImage picture = reader.read();
  if (picture.isNull())
    throw std::runtime_error(
      QStringLiteral(u"Não foi possível ler a imagem %1: %2").arg(path, reader.errorString()).toStdString());
  m_picture = std::move(picture);
  ShowPicture();
}

void LogoPreview::resizeEvent(QResizeEvent* event)
{
  QLabel::resizeEvent(event);
  if (HasPicture())
    ShowPicture();
}

void LogoPreview::ShowPicture()
{
  const QSize room = contentsRect().size() * devicePixelRatioF();
  QImage shown = m_picture;
  if (shown.width() > room.width() || shown.height() > room.height())
    shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(shown);
  pixmap.setDevicePixelRatio(devicePixelRatioF());
  setPixmap(pixmap);
}

QString PictureFileFilter()
{
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  return QStringLiteral("Imagens (%1)").arg(patterns.join(u' '));
}

}  // namespace quitanza::app
