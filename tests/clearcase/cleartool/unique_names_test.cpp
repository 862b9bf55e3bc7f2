#include "clearcase/cleartool/unique_names.h"

#include <gtest/gtest.h>

#include <string>

namespace clearcase {
namespace {

// Counts around the look-ahead and far beyond the first table: every name
// arrives once, in order, whatever the table grew to. The history parser's
// and the type-name walk's tests show the first spelling and empty texts.
TEST(UniqueNamesTest, ManyNamesInOrder) {
  for (std::size_t count : {1u, 15u, 16u, 17u, 33u, 5000u}) {
    std::string text, repeated;
    for (std::size_t i = 0; i < count; ++i) {
      text += "Name_" + std::to_string(i) + "\n";
      repeated += "NAME_" + std::to_string(i) + "\n";
    }
    TUniqueNames names(count % 2 == 0 ? count : 0);
    ASSERT_TRUE(names.AddLines(text));
    ASSERT_TRUE(names.AddLines(repeated));
    ASSERT_EQ(names.Names().size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(names.Names()[i], "Name_" + std::to_string(i)) << count;
    }
  }
}

// Names that differ only in case are one name, also beyond ASCII.
TEST(UniqueNamesTest, FoldsCaseOfEveryCharacter) {
  TUniqueNames names(0);
  ASSERT_TRUE(
      names.AddLines("\xc3\x89lan\n\xc3\xa9lan\nZeta\nzeta\n\xe2\x84\xaa\nK\n\xff\n\xfe\n"));
  EXPECT_EQ(names.Names(), (TLineViews{"\xc3\x89lan", "Zeta", "\xe2\x84\xaa", "\xff", "\xfe"}));
}

}  // namespace
}  // namespace clearcase
