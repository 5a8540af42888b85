#include <gtest/gtest.h>

#include "filesys/Wildcard.h"

namespace {

struct TMaskCase {
  const char* name;
  const char* mask;
  bool matches;
};

class MaskMatching : public ::testing::TestWithParam<TMaskCase> {};

TEST_P(MaskMatching, MatchesAsTheMaskSays) {
  const TMaskCase& c = GetParam();
  EXPECT_EQ(MatchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.mask)), c.matches) << c.name << " ~ " << c.mask;
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskMatching,
                         ::testing::Values(TMaskCase{"photo.jpg", "*.jpg", true},
                                           TMaskCase{"PHOTO.JPG", "*.jpg", true},
                                           TMaskCase{"Фото.JPG", "фото.jpg", true},
                                           TMaskCase{"a.jpeg", "*.jpg", false},
                                           TMaskCase{"x.jpg.txt", "*.jpg", false},
                                           TMaskCase{".jpg", "*.jpg", true},
                                           TMaskCase{"README", "*.*", true},
                                           TMaskCase{"README", "*.", false},
                                           TMaskCase{"a.b", "?.b", true},
                                           TMaskCase{"ab.b", "?.b", false},
                                           TMaskCase{"aXbYc", "a*b*c", true},
                                           TMaskCase{"aXbY", "a*b*c", false},
                                           TMaskCase{"", "*", true},
                                           TMaskCase{"", "?", false}));

TEST(MaskText, SplitsAtSemicolonsInOrderLeavingOutEmptyParts) {
  EXPECT_EQ(SplitMasks(QStringLiteral("*.bmp;*.jpg")), QStringList({"*.bmp", "*.jpg"}));
  EXPECT_EQ(SplitMasks(QStringLiteral(";*.jpg;;")), QStringList({"*.jpg"}));
}

}  // namespace
