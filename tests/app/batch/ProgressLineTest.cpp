#include "app/cli/ProgressLine.h"

#include <gtest/gtest.h>

using namespace quitanza::app;

TEST(ProgressLineTest, RewritesOneLineAndEndsIt)
{
  QString written;
  {
    QTextStream err(&written);
    ProgressLine progress(err, QStringLiteral("Recibos"), true);
    progress.Show(1, 3);
    progress.Show(2, 3);
    EXPECT_EQ(written, QStringLiteral("\rRecibos: 1 de 3\rRecibos: 2 de 3"));
  }
  EXPECT_EQ(written, QStringLiteral("\rRecibos: 1 de 3\rRecibos: 2 de 3\n"));
}

TEST(ProgressLineTest, WritesNothingWhereNoOneWatches)
{
  QString written;
  {
    QTextStream err(&written);
    ProgressLine progress(err, QStringLiteral("Recibos"), false);
    progress.Show(1, 3);
  }
  EXPECT_TRUE(written.isEmpty());
}
