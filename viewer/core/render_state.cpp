// The viewer's one drawing state for the process.
#include "viewer/core/render_state.h"

#include <utility>

void RenderState::ClearPlacementAndPicture() {
  RenderState cleared;
  cleared.headerWidth = headerWidth;
  cleared.headerHeight = headerHeight;
  cleared.lastCopiedRow = lastCopiedRow;
  *this = std::move(cleared);
}
