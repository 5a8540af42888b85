#include <gtest/gtest.h>

#include "controls/LMDColorComboBox.h"

namespace {

TEST(ColorComboBoxTest, StartsWithTheDefaultColours) {
  TLMDColorComboBox combo;
  EXPECT_EQ(combo.Count(), 16);
  EXPECT_EQ(combo.SelectedColor(), -1);
}

}  // namespace
