#include "app/AuthenticationCode.h"

#include <QCryptographicHash>

namespace quitanza::app {

QByteArray Md5DeTexto(const QString& texto)
{
  QByteArray bytes;
  bytes.reserve(texto.size() + 1);
  for (const QChar unit : texto) {
    bytes.append(static_cast<char>(unit.unicode() & 0xFF));
    bytes.append(static_cast<char>(unit.unicode() >> 8));
  }
  bytes.truncate(texto.size());
  return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

QString Md5ParaHex(const QByteArray& digest)
{
  return QString::fromLatin1(digest.toHex()).toUpper();
}

QString CodigoAutenticacao(const QString& valor, const QString& documentoEmitente, int numero,
                           const QString& cliente)
{
  return CodigoAutenticacao(valor, documentoEmitente, QString::number(numero), cliente);
}

QString CodigoAutenticacao(const QString& valor, const QString& documentoEmitente, const QString& numero,
                           const QString& cliente)
{
  return Md5ParaHex(Md5DeTexto(valor + documentoEmitente + numero + cliente));
}

}  // namespace quitanza::app
