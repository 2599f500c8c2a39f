#include "platform/files/SystemError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quitanza::platform {

QString SystemErrorText(int error)
{
  switch (error) {
  case ENOSPC: return QStringLiteral(u"não há espaço livre no disco");
  case EDQUOT: return QStringLiteral(u"a cota de disco do usuário acabou");
  case EFBIG: return QStringLiteral(u"o arquivo ficaria grande demais");
  case EACCES:
  case EPERM: return QStringLiteral(u"permissão negada");
  case EROFS: return QStringLiteral(u"o disco só permite leitura");
  case ENOENT: return QStringLiteral(u"o arquivo ou a pasta não existe");
  case ENOTDIR: return QStringLiteral(u"parte do caminho não é uma pasta");
  case EISDIR: return QStringLiteral(u"é uma pasta");
  case ENAMETOOLONG: return QStringLiteral(u"o nome é longo demais");
  case ELOOP: return QStringLiteral(u"ligações simbólicas em ciclo");
  case EIO: return QStringLiteral(u"erro de entrada e saída no disco");
  case EBUSY:
  case ETXTBSY: return QStringLiteral(u"o arquivo está em uso");
  case EMFILE:
  case ENFILE: return QStringLiteral(u"arquivos abertos demais");
  case ENXIO:
  case ENODEV: return QStringLiteral(u"o dispositivo não existe");
  case EPIPE: return QStringLiteral(u"ninguém lê do outro lado");
  }
  return QString::fromLocal8Bit(std::strerror(error));
}

QString UnreadableFileReason(const QString& path)
{
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0)
    return SystemErrorText(errno);
  ::close(descriptor);
  return QStringLiteral(u"o arquivo não pôde ser aberto");
}

}  // namespace quitanza::platform
