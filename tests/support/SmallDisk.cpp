#include "tests/support/SmallDisk.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(int kilobytes)
{
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  m_mounted = ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
  if (m_mounted)
    ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

void SmallDisk::Fill(qint64 leftBytes) const
{
  const int descriptor = ::open(QFile::encodeName(FilePath(QStringLiteral("enchimento"))).constData(),
                                O_WRONLY | O_CREAT | O_APPEND, 0644);
  const QByteArray block(512, 'x');
  while (::write(descriptor, block.constData(), block.size()) > 0) {
  }
  // Whatever a page-sized block left over, byte by byte.
  while (::write(descriptor, "x", 1) > 0) {
  }
  if (leftBytes > 0)
    ::ftruncate(descriptor, std::max<off_t>(0, ::lseek(descriptor, 0, SEEK_END) - leftBytes));
  ::close(descriptor);
}
