#include "report/model/frxXMLText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Pieces of every length around the inline-copy sizes, appended across
// several growths, give what a std::string gives; so do the other edits.
TEST(XMLText, EditsAsAStdStringWould)
{
  const std::string source = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  TfrxXMLText text;
  std::string expected;
  for (int round = 0; round < 20; ++round) {
    for (std::size_t length = 0; length <= 40; ++length) {
      const std::string_view piece(source.data() + round % 7, length);
      text.append(piece);
      expected.append(piece);
      text.push_back('|');
      expected.push_back('|');
    }
    text.append(3, ' ');
    expected.append(3, ' ');
  }
  ASSERT_EQ(text.view(), expected);

  text.erase(5, 10);
  expected.erase(5, 10);
  text.resize(expected.size() + 3);
  std::copy_n("xyz", 3, text.data() + expected.size());
  expected += "xyz";
  EXPECT_EQ(text.view(), expected);

  text.resize(4);
  text.append("tail");
  EXPECT_EQ(text.view(), expected.substr(0, 4) + "tail");
  text.clear();
  EXPECT_TRUE(text.empty());
}

}  // namespace
