// Screen captures of the end-to-end tests, kept as artifacts for a person to look at.
#pragma once
#include <string>

#include "tools/monitor_capture/screen_capture.h"

// Path of a test artifact in the build tree's artifacts folder (created on demand).
std::string ArtifactPath(const std::string& name);
