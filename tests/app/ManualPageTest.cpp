#include "app/cli/CommandTable.h"
#include "platform/files/AtomicFile.h"

#include <gtest/gtest.h>

using namespace quitanza::app;

// `man quitanza` explains every command the program has.
TEST(ManualPage, HasASectionForEveryCommand)
{
  const QString page = QString::fromUtf8(
      quitanza::platform::ReadWholeFile(QStringLiteral(QUITANZA_TEST_DATA "/../../packaging/quitanza.1")));
  ASSERT_FALSE(page.isEmpty());
  for (const auto& command : Commands())
    EXPECT_TRUE(page.contains(QStringLiteral("\n.SS ") + command->Name() + u'\n')) << command->Name().toStdString();
}
