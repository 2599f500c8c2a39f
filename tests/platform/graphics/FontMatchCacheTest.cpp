#include "platform/graphics/FontMatchCache.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utime.h>

using namespace quitanza::platform;

namespace {

const FontFileLocation Liberation{QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"), 0};

class FontMatchCacheTest : public testing::Test {
protected:
  QString CacheFile() const { return folder.filePath(QStringLiteral("cache/fontes")); }
  QString Watched(const QString& name) const { return folder.filePath(name); }
  // A cache holding one match that watches a file and a folder.
  void Keep() const
  {
    FontMatchCache(CacheFile()).Store(QStringLiteral("Arial\n0"), Liberation,
                                      {Watched(QStringLiteral("fonts.conf")), Watched(QStringLiteral("conf.d")),
                                       Watched(QStringLiteral("absent"))});
  }
  static bool Holds(const FontMatchCache& cache) { return cache.Find(QStringLiteral("Arial\n0")) == Liberation; }

  void SetUp() override
  {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("conf.d")));
    QFile file(Watched(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("<fontconfig/>"), 13);
  }

  QTemporaryDir folder;
};

TEST_F(FontMatchCacheTest, KeptMatchesHoldUntilAWatchedPathChanges)
{
  Keep();
  EXPECT_TRUE(Holds(FontMatchCache(CacheFile())));
  EXPECT_FALSE(FontMatchCache(CacheFile()).Find(QStringLiteral("Arial\n1")));

  const std::vector<std::function<void()>> changes = {
    [&] {  // a configuration file edited: another modification time
      const QByteArray path = QFile::encodeName(Watched(QStringLiteral("fonts.conf")));
      const utimbuf times{1000000000, 1000000000};
      ASSERT_EQ(::utime(path.constData(), &times), 0);
    },
    [&] {  // a file added to a configuration folder
      QFile added(Watched(QStringLiteral("conf.d/99-local.conf")));
      ASSERT_TRUE(added.open(QIODevice::WriteOnly));
    },
    [&] { ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("absent"))); },  // a user's folder made
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    Keep();
    ASSERT_TRUE(Holds(FontMatchCache(CacheFile())));
    changes[i]();
    EXPECT_FALSE(Holds(FontMatchCache(CacheFile()))) << "change " << i;
  }
}

TEST_F(FontMatchCacheTest, AnotherEnvironmentADamagedFileOrForgettingKeepsNothing)
{
  Keep();
  const QByteArray language = qgetenv("LANGUAGE");
  qputenv("LANGUAGE", "ja");
  EXPECT_FALSE(Holds(FontMatchCache(CacheFile())));
  language.isNull() ? qunsetenv("LANGUAGE") : qputenv("LANGUAGE", language);
  EXPECT_TRUE(Holds(FontMatchCache(CacheFile())));

  FontMatchCache forgetting(CacheFile());
  forgetting.Forget();
  EXPECT_FALSE(Holds(forgetting));

  QFile damaged(CacheFile());
  ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
  ASSERT_TRUE(damaged.resize(damaged.size() / 2));
  damaged.close();
  EXPECT_FALSE(Holds(FontMatchCache(CacheFile())));
  // Without a place to keep them, matches last for the run only.
  FontMatchCache nowhere{QString()};
  nowhere.Store(QStringLiteral("Arial\n0"), Liberation, {});
  EXPECT_TRUE(Holds(nowhere));
}

}  // namespace
