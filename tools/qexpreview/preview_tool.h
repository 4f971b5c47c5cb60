// The jobs of qexpreview that draw: render a preview file to image files, and describe a
// preview or overlay file.
#pragma once
#include <cstdio>
#include <string>

#include "tools/qexpreview/job_input.h"

// Renders `job` without a monitor and writes the snapshot BMP (when bmpName is not empty)
// and a PNG (when pngName is not empty). With `overlay`, the job's overlay is drawn on the
// PNG only (the snapshot never holds it); a missing or damaged overlay is a warning on
// `err`, and the polylines before a damaged record are drawn. Returns the exit code.
int RenderJob(const std::string& job, const std::string& bmpName, const std::string& pngName, bool overlay, FILE* err);

// "info": a preview's header, picture size, zoom, scale factors, mirroring and record
// counts, or an overlay's header, pitches and polyline and point counts; for a damaged file
// also the byte offset and reason of the failure, with exit code 1. With `json`, one JSON
// object.
int DescribeJob(const std::string& fileName, JobKind kind, bool json, FILE* out, FILE* err);
