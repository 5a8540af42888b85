// Thinning libjpeg's progress calls into reports.
#include <gtest/gtest.h>

#include "pictures/JpegProgress.h"

namespace {

TJpegProgressState At(long counter, int32_t row, int completed = 0, int total = 1) {
  TJpegProgressState s;
  s.PassCounter = counter;
  s.PassLimit = 100;
  s.CompletedPasses = completed;
  s.TotalPasses = total;
  s.Row = row;
  s.Width = 50;
  s.Height = 100;
  return s;
}

TEST(JpegProgressMeter, FirstCallOnlyStartsTheClock) {
  uint32_t now = 1000;
  TJpegProgressMeter meter([&] { return now; });
  EXPECT_FALSE(meter.Update(At(50, 50)));
  now += 499;
  EXPECT_FALSE(meter.Update(At(60, 60)));
  now += 1;
  const auto report = meter.Update(At(60, 60));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Percent, 60);
  EXPECT_EQ(report->Band, Rect(0, 0, 50, 60));
  EXPECT_TRUE(report->RedrawNow);
}

TEST(JpegProgressMeter, ReportsOnlyWhenTheWholePercentageChanges) {
  uint32_t now = 0;
  TJpegProgressMeter meter([&] { return now += 600; });
  meter.Update(At(0, 0));
  ASSERT_TRUE(meter.Update(At(10, 10)));
  EXPECT_FALSE(meter.Update(At(10, 11)));  // still 10 %
  const auto report = meter.Update(At(12, 12));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Band, Rect(0, 10, 50, 12));  // from the last reported row
  EXPECT_FALSE(report->RedrawNow);               // fewer than 4 rows
}

TEST(JpegProgressMeter, PercentageCountsCompletedPasses) {
  uint32_t now = 0;
  TJpegProgressMeter meter([&] { return now += 500; });
  meter.Update(At(0, 0, 0, 2));
  const auto report = meter.Update(At(50, 0, 1, 2));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Percent, 75);
}

TEST(JpegProgressMeter, BandOfANewPassRunsToTheBottom) {
  uint32_t now = 0;
  TJpegProgressMeter meter([&] { return now += 500; });
  meter.Update(At(0, 0, 0, 2));
  meter.Update(At(80, 80, 0, 2));
  const auto report = meter.Update(At(10, 5, 1, 2));
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Band, Rect(0, 80, 50, 100));
}

TEST(JpegProgressMeter, ClockWrapsAround) {
  uint32_t now = 0xFFFFFF00u;
  TJpegProgressMeter meter([&] { return now; });
  meter.Update(At(0, 0));
  now = 0x100;  // 512 ms later
  EXPECT_TRUE(meter.Update(At(20, 20)));
}

}  // namespace
