// What the renderer asks of the platform while it draws a preview: a surface for the
// picture, the monitor's layout, message pumping and the row copies to the monitor.
#pragma once

struct RenderState;

class RenderObserver {
 public:
  virtual ~RenderObserver() = default;
  // The picture of state.pictureWidth x state.pictureHeight exists in memory; make the
  // platform's own surface for it. False fails the preview.
  virtual bool CreateSurface(const RenderState& state) = 0;
  // Picture and scale factors are ready, no record drawn yet.
  virtual void LayoutMonitor(RenderState& state) = 0;
  // True while a monitor window exists (it may close inside Pump).
  virtual bool MonitorOpen() const = 0;
  // Lets the monitor's waiting messages through; never waits.
  virtual void Pump() = 0;
  // Picture row y has been drawn: bring it onto the platform surface and the monitor.
  // Called only while the monitor is open; y may lie outside the picture (a band drawn
  // beyond its bottom), where there is no row to copy.
  virtual void CopyRow(const RenderState& state, int y) = 0;
};
