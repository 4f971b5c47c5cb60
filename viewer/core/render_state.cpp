// The viewer's one drawing state for the process.
#include "viewer/core/render_state.h"

void RenderState::ClearPlacementAndPicture() {
  imageLeft = imageTop = imageWidth = imageHeight = 0;
  monitorScale = 0.0f;
  pictureWidth = pictureHeight = 0;
  picture.Release();
  zoom = scaleX = scaleY = 0.0f;
  mirrored = 0;
}
