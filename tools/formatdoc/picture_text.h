// What the viewer's own core makes of the rule jobs, as text for docs/formats.md.
#pragma once
#include <string>

// "art": renders the preview file JOB (and, when OVERLAY is not empty, that overlay over the
// picture, as the monitor shows it) and prints one character a pixel: '.' white, else the
// pen's letter (K R G Y B M C O). Returns the exit code.
int PrintPictureArt(const std::string& job, const std::string& overlay);

// "pixels": renders JOB and prints the picture's size and each drawn pixel with its pen letter.
int PrintDrawnPixels(const std::string& job);

// "place": where "-d" puts the snapshot BMP and the overlay OVERLAY in a rectangle of
// areaWidth x areaHeight. Returns the exit code.
int PrintPlacement(const std::string& bmp, const std::string& overlay, const std::string& areaWidth,
                   const std::string& areaHeight);
