// Build step: draws the program's icon, an SVG picture, as the PNG sizes an
// icon theme holds beside the scalable one, into OUTPUT_FOLDER/NxN/apps/.
//   quitanza_icons ICON.svg OUTPUT_FOLDER
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[])
{
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  // The SVG picture format comes from a plugin of the window system's.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString icon = QString::fromLocal8Bit(argv[1]);
  const QDir output(QString::fromLocal8Bit(argv[2]));
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    QImageReader reader(icon);
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    const QString folder = output.filePath(QStringLiteral("%1x%1/apps").arg(size));
    const QString target = QDir(folder).filePath(QFileInfo(icon).completeBaseName() + QStringLiteral(".png"));
    if (image.isNull() || !QDir().mkpath(folder) || !image.save(target)) {
      std::fprintf(stderr, "%s: cannot draw %d x %d: %s\n", argv[0], size, size, qPrintable(reader.errorString()));
      return 1;
    }
  }
  return 0;
}
