// Lists and checks preview and overlay files record by record, as the viewer reads them.
#include "tools/qexpreview/job_listing.h"

#include "viewer/core/preview_records.h"
#include "viewer/core/vector_file.h"

namespace {

constexpr uint32_t kSrcCopy = 0x00CC0020;
constexpr uint32_t kSrcInvert = 0x00660046;

ListedRecord HeaderRecord(const qex::PreviewHeader& h) {
  ListedRecord r;
  r.kind = "header";
  r.fields = {{"width", h.width}, {"height", h.height}, {"xPitch", h.xPitch}, {"yPitch", h.yPitch}};
  return r;
}

int WalkPreviewRecords(ByteCursor& in, const std::function<void(const ListedRecord&)>& visit, PreviewError* error) {
  PreviewRecordHead head{};
  for (int next; (next = ReadRecordHead(in, error, &head)) != 0;) {
    if (next < 0) return -1;
    ListedRecord r;
    r.offset = head.offset;
    if (head.tag == kTagRasterBand) {
      const RasterBandFields& b = head.band;
      r.kind = "raster band";
      r.fields = {{"originY", b.originY},   {"originX", b.originX},
                  {"firstRow", b.firstRow}, {"bandWidth", b.bandWidth},
                  {"rowCount", b.rowCount}, {"bytesPerRow", b.bytesPerRow},
                  {"pen", b.pen},           {"rasterOp", b.rasterOp}};
      for (int i = 0; i < b.rowCount; ++i) {
        const uint8_t* row;
        if (ReadRasterRow(in, error, b, &row) != 0) return -1;
      }
    } else if (head.tag == kTagFilledRect) {
      const FilledRectFields& f = head.rect;
      r.kind = "filled rectangle";
      r.fields = {{"originY", f.originY}, {"left", f.left},     {"top", f.top},
                  {"right", f.right},     {"bottom", f.bottom}, {"pen", f.pen}};
    } else if (head.tag == kTagLineRuns) {
      const LineRunsFields& f = head.runs;
      r.kind = "line runs";
      r.fields = {{"count", f.count}, {"pen", f.pen}, {"rowX", f.rowX}, {"rowY", f.rowY}};
      r.listName = "segments";
      for (int i = 1; i < f.count; ++i) {
        LineSegmentFields segment;
        if (ReadLineSegment(in, error, f, i, &segment) != 0) return -1;
        r.list.emplace_back(segment.xStart, segment.xEnd);
      }
    } else {
      r.kind = "empty record";
    }
    visit(r);
  }
  return 0;
}

int WalkPolylines(ByteCursor& in, const std::function<void(const ListedRecord&)>& visit, PreviewError* error) {
  PolylineRecord polyline;
  while (in.remaining() > 0) {
    ListedRecord r;
    r.offset = in.offset();
    if (ReadPolylineRecord(in, &polyline, error) != 0) return -1;
    r.kind = "polyline";
    r.fields = {{"pen", polyline.pen}, {"pointCount", static_cast<long long>(polyline.points.size())}};
    r.listName = "points";
    for (const FilePoint& p : polyline.points) r.list.emplace_back(p.x, p.y);
    visit(r);
  }
  return 0;
}

std::string RecordText(const ListedRecord& r) {
  char offset[32];
  std::snprintf(offset, sizeof offset, "%06llX  ", static_cast<unsigned long long>(r.offset));
  std::string text = offset + r.kind;
  const char* separator = ": ";
  for (const auto& [name, value] : r.fields) {
    text += separator + std::string(name) + " ";
    separator = ", ";
    if (std::string(name) != "rasterOp") {
      text += std::to_string(value);
      continue;
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%08llX", static_cast<unsigned long long>(value));
    text += code;
    if (value == kSrcInvert) text += " SRCINVERT";
    if (value == kSrcCopy) text += " SRCCOPY";
  }
  if (!r.list.empty()) {
    text += separator + std::string(r.listName);
    for (const auto& [a, b] : r.list) text += " (" + std::to_string(a) + ", " + std::to_string(b) + ")";
  }
  return text;
}

std::string RecordJson(const ListedRecord& r) {
  JsonFields json;
  json.Number("offset", static_cast<long long>(r.offset)).Text("record", r.kind);
  for (const auto& [name, value] : r.fields) json.Number(name, value);
  if (r.listName) {
    std::string list;
    for (const auto& [a, b] : r.list)
      list += (list.empty() ? "[" : ", [") + std::to_string(a) + ", " + std::to_string(b) + "]";
    json.Raw(r.listName, "[" + list + "]");
  }
  return json.str();
}

const char* KindName(JobKind kind) { return kind == JobKind::kOverlay ? "overlay" : "preview"; }

std::string FailureText(const PreviewError& error) {
  return "failure at byte " + std::to_string(error.offset) + ": " + error.reason;
}

}  // namespace

std::string ResultText(int result, const PreviewError& error) {
  return result == 0 ? "result: ok" : FailureText(error);
}

void AddResultJson(JsonFields& fields, int result, const PreviewError& error) {
  fields.Bool("ok", result == 0)
      .Raw(
          "failure",
          result == 0
              ? "null"
              : JsonFields().Number("offset", static_cast<long long>(error.offset)).Text("reason", error.reason).str());
}

int WalkJob(ByteCursor& in, JobKind kind, const std::function<void(const ListedRecord&)>& visit, PreviewError* error) {
  qex::PreviewHeader header;
  if (kind == JobKind::kPreview) {
    if (ReadPreviewFileHeader(in, error, &header) != 0) return -1;
  } else if (!ReadPreviewHeader(in, &header)) {
    return PreviewFailure(error, in.offset(), "header cut short");
  }
  visit(HeaderRecord(header));
  return kind == JobKind::kPreview ? WalkPreviewRecords(in, visit, error) : WalkPolylines(in, visit, error);
}

int DumpJob(const std::string& fileName, JobKind kind, bool json, FILE* out, FILE* err) {
  JobInput input;
  if (!input.Open(fileName, err)) return 1;
  if (json) {
    std::fprintf(out, "{\"file\": %s, \"kind\": \"%s\", \"records\": [", JsonString(fileName).c_str(), KindName(kind));
  }
  const char* separator = "\n";
  PreviewError error;
  const int result = WalkJob(
      input.cursor(), kind,
      [&](const ListedRecord& r) {
        if (json) {
          std::fprintf(out, "%s%s", separator, RecordJson(r).c_str());
          separator = ",\n";
        } else {
          std::fprintf(out, "%s\n", RecordText(r).c_str());
        }
      },
      &error);
  if (json) {
    JsonFields end;
    AddResultJson(end, result, error);
    // The records' array is open: the result's fields follow it inside the same object.
    std::fprintf(out, "\n], %s\n", end.str().c_str() + 1);
  } else {
    std::fprintf(out, "%s\n", ResultText(result, error).c_str());
  }
  return result == 0 ? 0 : 1;
}

int CheckJobs(const std::vector<std::string>& fileNames, const JobKind* kind, FILE* out) {
  int status = 0;
  for (const std::string& fileName : fileNames) {
    const JobKind fileKind = kind ? *kind : KindOfFileName(fileName);
    JobInput input;
    std::string verdict;
    if (!input.Open(fileName, &verdict)) {
      verdict = "cannot open: " + verdict;
    } else {
      PreviewError error;
      long long records = -1;  // the header is not a record
      const bool read = WalkJob(
                            input.cursor(), fileKind, [&](const ListedRecord&) { ++records; }, &error) == 0;
      verdict = std::string(KindName(fileKind)) + ", " +
                (read ? std::to_string(records) + (records == 1 ? " record, ok" : " records, ok") : FailureText(error));
    }
    if (verdict.rfind("cannot", 0) == 0 || verdict.find(", ok") == std::string::npos) status = 1;
    std::fprintf(out, "%s: %s\n", fileName.c_str(), verdict.c_str());
  }
  return status;
}
