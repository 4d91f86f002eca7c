#include "keyfile.h"

#include <gtest/gtest.h>

TEST(KeyFormat, Widths) { EXPECT_EQ(talvora::keys::RecordSize, 58u); }
