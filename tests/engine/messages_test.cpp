#include "engine/messages.h"

#include <gtest/gtest.h>

namespace msg = engine::msg;

TEST(MessageText, FillsTheVariablePartsInOnePass)
{
    EXPECT_EQ(msg::text(msg::kNoSuchDay, {"February 30, 2003", "February", "2003", "28"}),
              "There is no February 30, 2003: February 2003 has 28 days. Please choose another day.");
    // A value holding a placeholder of its own is written as it is.
    EXPECT_EQ(msg::text(msg::kTableError, {"no such table: %2", "1"}), "Error: no such table: %2. Error Number: 1");
    EXPECT_EQ(msg::text(msg::kRecordDeleted), "Record Deleted. ");
}

TEST(MessageText, FixedPartsSurroundTheVariableOnes)
{
    using Parts = std::vector<std::string_view>;
    EXPECT_EQ(msg::fixedParts(msg::kStoreError), (Parts{"", ". Error ", ""}));
    EXPECT_EQ(msg::fixedParts(msg::kQ25TooHigh), Parts{"Q25 is too high! This basin cannot handle such discharge. "});
}
