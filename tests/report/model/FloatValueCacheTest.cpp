#include "report/model/frxErrors.h"
#include "report/model/frxFloat.h"
#include "report/model/frxFloatValueCache.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Whatever was read before, the cache answers what parsing would: texts met
// again, both separators, every length up to and past what it keeps, and
// enough texts for slots to be taken over; a bad text fails every time.
TEST(FloatValueCache, AnswersWhatParsingWould)
{
  TfrxFloatValueCache cache;
  std::vector<std::string> texts = {"0", "-0", "7.55906", "7,55906", "1E-5", "-16", "102.04731",
                                    "1.23456789012345", "12345678901234567", "0.1234567890123456789", " 5"};
  for (int i = 0; i < 3000; ++i) {
    texts.push_back(std::to_string(i) + "." + std::to_string(i % 97));
    texts.push_back(std::to_string(i) + "0." + std::to_string(i % 89) + "25");
    texts.push_back("1234567." + std::to_string(10000000 + i));  // sixteen bytes
  }
  // Texts whose words agree and only the size tells apart.
  for (std::size_t size = 1; size <= 17; ++size)
    texts.push_back(std::string(size, '1'));
  for (int round = 0; round < 2; ++round) {
    for (const std::string& text : texts) {
      const QByteArrayView view(text.data(), static_cast<qsizetype>(text.size()));
      ASSERT_EQ(cache.Value(view), frxStrToFloat(view)) << text;
    }
    for (const char* bad : {"x", "1.2.3", "", "12345678901234567x", "1\xC3\xA9", "\xFF"})
      EXPECT_THROW(cache.Value(QByteArrayView(bad)), EfrxError) << bad;
  }
}

}  // namespace
