// The eight pen colours that preview and vector records select by number.
#include "viewer/core/pen_palette.h"

const uint32_t PenPalette[kPenCount] = {
    0x00000000,  // black
    0x000000FF,  // red
    0x0000FF00,  // green
    0x0000FFFF,  // yellow
    0x00FF0000,  // blue
    0x00FF00FF,  // magenta
    0x00FFFF00,  // cyan
    0x000066FF,  // orange
};
