// The monitor's layout: the header size fitted into the area, the window's place, the rows.
#include "viewer/core/monitor_layout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(MonitorLayout, FitsTheHeaderSizeIntoTheInnerArea) {
  const struct {
    const char* name;
    int headerWidth, headerHeight, pictureWidth, areaWidth, areaHeight, imageWidth, imageHeight;
    float scale;
  } cases[] = {
      {"wide job fills the width", 2000, 1000, 1024, 480, 300, 480, 240, 0.46875f},
      {"small job is not enlarged", 300, 200, 300, 480, 300, 300, 200, 1.0f},
      // 1.6f is above 1.6, so the width is filled and 480 / 1.6f truncates to 299.
      {"the ratio is held as a float", 960, 600, 960, 480, 300, 480, 299, 0.5f},
      {"tall job fills the height", 1000, 3000, 342, 480, 300, 100, 300, 100.0f / 342.0f},
      {"sizes are the header's, not the picture's", 4000, 1000, 1024, 480, 300, 480, 120, 480.0f / 1024.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The area control's inner rectangle is its outer one less 19 pixels each way.
    const ScreenRect area{100, 50, 100 + c.areaWidth + 19, 50 + c.areaHeight + 19};
    const MonitorImageSize size = FitMonitorImage(area, c.headerWidth, c.headerHeight, c.pictureWidth);
    EXPECT_EQ(std::make_pair(size.imageWidth, size.imageHeight), std::make_pair(c.imageWidth, c.imageHeight));
    EXPECT_EQ(size.monitorScale, c.scale);
  }
}

TEST(MonitorLayout, WindowKeepsItsTopAndCentreAndRowsAreScaled) {
  const struct {
    ScreenRect window;
    int imageWidth;
    WindowPlacement expected;
  } cases[] = {
      {{100, 100, 600, 400}, 480, {100, 100, 501, 301}},
      {{100, 100, 601, 400}, 300, {191, 100, 321, 301}},
      // The numerator is negative: the division truncates toward zero.
      {{0, 0, 100, 50}, 300, {-109, 0, 321, 51}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.imageWidth);
    const WindowPlacement p = PlaceMonitorWindow(c.window, c.imageWidth), e = c.expected;
    EXPECT_EQ(std::vector<int>({p.left, p.top, p.width, p.height}),
              std::vector<int>({e.left, e.top, e.width, e.height}));
  }
  // The overlay at the end of a job goes to the window's edges moved inward.
  const ScreenRect overlay = OverlayRect({100, 50, 600, 400});
  EXPECT_EQ(std::vector<int>({overlay.left, overlay.top, overlay.right, overlay.bottom}),
            std::vector<int>({102, 60, 590, 382}));
  const ImageOrigin origin = MonitorImageOrigin({0, 10, 500, 329}, 241);
  EXPECT_EQ(std::make_pair(origin.left, origin.top), std::make_pair(8, 39));
  EXPECT_EQ(MonitorImageOrigin({0, 0, 500, 99}, 103).top, -1);
  RenderState state;
  state.imageTop = 5;
  state.monitorScale = 0.46875f;
  EXPECT_EQ(MonitorRowOf(state, 3), 6);
  EXPECT_EQ(MonitorRowOf(state, 1023), 5 + 479);
  state.monitorScale = 0.1f;  // 0.1f is a little above 0.1: 10 x 0.1f is not below 1
  EXPECT_EQ(MonitorRowOf(state, 10), 6);
}
