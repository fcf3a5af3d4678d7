#include "model/version.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(Version, IsSemantic)
{
    EXPECT_EQ(std::string_view(bexlan::kVersion).size(), 5u);
}
