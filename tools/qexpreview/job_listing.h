// What qexpreview reads from a preview or overlay file without drawing it: every record with
// its byte offset and fields ("dump"), and whether the viewer reads the file to the end
// ("check").
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/qexpreview/job_input.h"
#include "tools/qexpreview/json_fields.h"
#include "viewer/core/file_error.h"

// A record as stored: its fields in file order (named as on the format page), and the
// segments of a line runs record or the points of a polyline.
struct ListedRecord {
  uint64_t offset = 0;
  std::string kind;  // "header", "raster band", "filled rectangle", "line runs", "empty record", "polyline"
  std::vector<std::pair<const char*, long long>> fields;
  const char* listName = nullptr;  // "segments" or "points"
  std::vector<std::pair<int, int>> list;
};

// Reads the header and every record, calling `visit` for each, as the viewer reads them but
// without drawing; a band's rows are passed over one at a time. 0 when the viewer reads the
// file to the end, else -1 with the failure in `error`.
int WalkJob(ByteCursor& in, JobKind kind, const std::function<void(const ListedRecord&)>& visit, PreviewError* error);

// How reading a file ended: "result: ok" or "failure at byte N: REASON"; as JSON, the fields
// "ok" and "failure" (null, or its offset and reason).
std::string ResultText(int result, const PreviewError& error);
void AddResultJson(JsonFields& fields, int result, const PreviewError& error);

// "dump": one line per record, then the result; with `json` one JSON document. The exit code.
int DumpJob(const std::string& fileName, JobKind kind, bool json, FILE* out, FILE* err);

// "check": one line per file, "NAME: preview, N records, ok" or the failure. 0 when every
// file is read to the end, else 1.
int CheckJobs(const std::vector<std::string>& fileNames, const JobKind* kind, FILE* out);
