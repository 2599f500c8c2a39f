#include "report/model/frxFloatTextCache.h"

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string Formatted(long double value, char separator)
{
  char text[kFloatTextSize];
  return std::string(text, static_cast<std::size_t>(frxFormatFloat(text, value, separator)));
}

// Whatever was asked before, the cache answers what formatting would: values
// met again, both zeros, NaN, the other separator, texts too long to keep,
// and enough values for slots to be taken over.
TEST(FloatTextCache, AnswersWhatFormattingWould)
{
  TfrxFloatTextCache cache;
  std::vector<long double> values = {7.55906L, -0.0L, 0.0L, std::numeric_limits<long double>::quiet_NaN(),
                                     1e-5L, 1e20L, 102.04731L, 1.23456789012345e-300L, -46366.6918185995L};
  for (int i = 0; i < 3000; ++i)
    values.push_back(i * 4.1234567L);
  for (int round = 0; round < 2; ++round) {
    for (long double value : values) {
      for (char separator : {'.', ','})
        ASSERT_EQ(cache.Text(value, separator), Formatted(value, separator)) << static_cast<double>(value);
    }
  }
}

}  // namespace
