#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

// Compares `image` with tests/data/draw/<name>.png; QUITANZA_UPDATE_GOLDEN=1
// rewrites the golden instead. Glyph anti-aliasing may change between library
// versions, so a few pixels may differ; shapes and positions may not. On a
// mismatch the image is saved in the build folder for a look.
inline void ExpectMatchesGolden(const QImage& image, const QString& name)
{
  const QString golden = QStringLiteral(QUITANZA_TEST_DATA "/draw/") + name + QStringLiteral(".png");
  if (qEnvironmentVariableIsSet("QUITANZA_UPDATE_GOLDEN")) {
    QDir().mkpath(QStringLiteral(QUITANZA_TEST_DATA "/draw"));
    ASSERT_TRUE(image.save(golden));
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(expected.size(), image.size()) << "missing or resized golden image " << golden.toStdString();
  int differing = 0, inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      inked += qGray(expected.pixel(x, y)) < 128;
      differing += std::abs(qGray(image.pixel(x, y)) - qGray(expected.pixel(x, y))) > 96;
    }
  const QString actual = QStringLiteral(QUITANZA_BINARY_DIR "/") + name + QStringLiteral(".png");
  EXPECT_GT(inked, 1000);
  EXPECT_LT(differing, inked / 100) << "differing pixels; saved as " << actual.toStdString() << ": "
                                    << image.save(actual);
}
