// The two jobs of qexpreview: render a preview file to image files, and describe it.
#pragma once
#include <cstdio>
#include <string>

// Renders `job` without a monitor and writes the snapshot BMP (when bmpName is not empty)
// and a PNG (when pngName is not empty); with `overlay`, the job's vector file is drawn
// over the picture first. Returns the exit code; reasons go to `err`.
int RenderJob(const std::string& job, const std::string& bmpName, const std::string& pngName, bool overlay, FILE* err);

// Prints the header, picture size, zoom, scale factors, mirroring and record counts to
// `out`; for a malformed file also the byte offset and reason of the first failure, with
// a non-zero exit code.
int DescribeJob(const std::string& job, FILE* out);
