#include "viewer/core/monitor_layout.h"

#include <gtest/gtest.h>

namespace {

// An area control whose inner rectangle is `width` x `height` pixels.
ScreenRect AreaOf(int width, int height) { return {100, 50, 100 + width + 19, 50 + height + 19}; }

}  // namespace

TEST(MonitorLayout, FitsTheHeaderSizeIntoTheInnerArea) {
  struct Case {
    const char* name;
    int headerWidth, headerHeight, pictureWidth, areaWidth, areaHeight;
    int imageWidth, imageHeight;
    float monitorScale;
  };
  const Case cases[] = {
      {"wide job fills the width", 2000, 1000, 1024, 480, 300, 480, 240, 0.46875f},
      {"small job is not enlarged", 300, 200, 300, 480, 300, 300, 200, 1.0f},
      {"equal ratios fill the width", 1000, 500, 1000, 480, 240, 480, 240, 0.48f},
      // 1.6f is above 1.6, so the width is filled and 480 / 1.6f truncates to 299.
      {"the ratio is held as a float", 960, 600, 960, 480, 300, 480, 299, 0.5f},
      {"tall job fills the height", 1000, 3000, 342, 480, 300, 100, 300, 100.0f / 342.0f},
      {"only the height exceeds", 400, 301, 400, 480, 300, 398, 300, 398.0f / 400.0f},
      {"sizes are the header's, not the picture's", 4000, 1000, 1024, 480, 300, 480, 120,
       480.0f / 1024.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MonitorImageSize size =
        FitMonitorImage(AreaOf(c.areaWidth, c.areaHeight), c.headerWidth, c.headerHeight, c.pictureWidth);
    EXPECT_EQ(size.imageWidth, c.imageWidth);
    EXPECT_EQ(size.imageHeight, c.imageHeight);
    EXPECT_EQ(size.monitorScale, c.monitorScale);
  }
}

TEST(MonitorLayout, WindowKeepsItsTopAndCentre) {
  struct Case {
    ScreenRect window;
    int imageWidth;
    WindowPlacement expected;
  };
  const Case cases[] = {
      {{100, 100, 600, 400}, 480, {100, 100, 501, 301}},
      {{100, 100, 600, 400}, 300, {190, 100, 321, 301}},
      {{100, 100, 601, 400}, 300, {191, 100, 321, 301}},
      // The numerator is negative: the division truncates toward zero.
      {{0, 0, 100, 50}, 300, {-109, 0, 321, 51}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.imageWidth);
    const WindowPlacement p = PlaceMonitorWindow(c.window, c.imageWidth);
    EXPECT_EQ(p.left, c.expected.left);
    EXPECT_EQ(p.top, c.expected.top);
    EXPECT_EQ(p.width, c.expected.width);
    EXPECT_EQ(p.height, c.expected.height);
  }
}

TEST(MonitorLayout, ImageIsCentredVerticallyInTheArea) {
  EXPECT_EQ(MonitorImageTop({0, 10, 500, 329}, 240), 40);
  EXPECT_EQ(MonitorImageTop({0, 10, 500, 329}, 241), 39);
  EXPECT_EQ(MonitorImageTop({0, 0, 500, 99}, 103), -1);
}

TEST(MonitorLayout, PictureRowsLandOnScaledMonitorRows) {
  RenderState state;
  state.imageTop = 5;
  state.monitorScale = 0.46875f;
  EXPECT_EQ(MonitorRowOf(state, 0), 5);
  EXPECT_EQ(MonitorRowOf(state, 3), 6);
  EXPECT_EQ(MonitorRowOf(state, 1023), 5 + 479);
  state.monitorScale = 0.1f;  // 0.1f is a little above 0.1: 10 x 0.1f is not below 1
  EXPECT_EQ(MonitorRowOf(state, 10), 6);
}
