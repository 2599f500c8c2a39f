#include "app/windows/WindowLook.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace quitanza::app {

namespace {

// Debian keeps the Tahoma of fonts-wine out of fontconfig's folders.
void AddWineTahoma()
{
  for (const QString& file : {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                              QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")}) {
    if (QFile::exists(file))
      QFontDatabase::addApplicationFont(file);
  }
}

QPalette CalmBlue()
{
  const QColor window(0xEE, 0xF3, 0xF9);
  const QColor text(0x1B, 0x2B, 0x3A);
  const QColor button(0xDC, 0xE7, 0xF3);
  const QColor highlight(0x2F, 0x6A, 0xA8);
  QPalette colours(button, window);
  colours.setColor(QPalette::Window, window);
  colours.setColor(QPalette::WindowText, text);
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::AlternateBase, QColor(0xF4, 0xF8, 0xFC));
  colours.setColor(QPalette::Text, text);
  colours.setColor(QPalette::Button, button);
  colours.setColor(QPalette::ButtonText, text);
  colours.setColor(QPalette::Highlight, highlight);
  colours.setColor(QPalette::HighlightedText, Qt::white);
  colours.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xF8, 0xD6));
  colours.setColor(QPalette::ToolTipText, text);
  colours.setColor(QPalette::PlaceholderText, QColor(0x7A, 0x8A, 0x9A));
  colours.setColor(QPalette::Link, highlight);
  const QColor disabledText(0x8C, 0x99, 0xA6);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    colours.setColor(QPalette::Disabled, role, disabledText);
  return colours;
}

QString PicturePath(ButtonPicture picture)
{
  switch (picture) {
  case ButtonPicture::Manual: return QStringLiteral(":/pictures/manual.svg");
  case ButtonPicture::Configuracao: return QStringLiteral(":/pictures/configuracao.svg");
  case ButtonPicture::Autenticar: return QStringLiteral(":/pictures/autenticar.svg");
  case ButtonPicture::Emitir: return QStringLiteral(":/pictures/emitir.svg");
  case ButtonPicture::Limpar: return QStringLiteral(":/pictures/limpar.svg");
  case ButtonPicture::Consultar: return QStringLiteral(":/pictures/consultar.svg");
  case ButtonPicture::Fechar: return QStringLiteral(":/pictures/fechar.svg");
  case ButtonPicture::Imprimir: return QStringLiteral(":/pictures/imprimir.svg");
  case ButtonPicture::Excluir: return QStringLiteral(":/pictures/excluir.svg");
  case ButtonPicture::Salvar: return QStringLiteral(":/pictures/salvar.svg");
  case ButtonPicture::Abrir: return QStringLiteral(":/pictures/abrir.svg");
  }
  return {};
}

}  // namespace

void ApplyLook(QApplication& application)
{
  AddWineTahoma();
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  application.setPalette(CalmBlue());
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
    application.setFont(QFont(QStringLiteral("Tahoma"), 8));
}

QFont EntryFont()
{
  QFont font = QApplication::font();
  font.setPointSize(11);
  return font;
}

QIcon ButtonIcon(ButtonPicture picture)
{
  return QIcon(PicturePath(picture));
}

QPixmap BannerPicture(const QSize& size, qreal devicePixelRatio)
{
  return QIcon(QStringLiteral(":/pictures/banner.svg")).pixmap(size, devicePixelRatio);
}

}  // namespace quitanza::app
