// qexpreview: renders, describes, lists and checks the driver's preview and overlay files
// (see kUsage).
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "tools/qexpreview/job_listing.h"
#include "tools/qexpreview/preview_tool.h"

namespace {

const char kUsage[] =
    "usage: qexpreview render JOB [OUT.bmp] [--png OUT.png [--overlay]]\n"
    "       qexpreview info [--json] [--as KIND] FILE\n"
    "       qexpreview dump [--json] [--as KIND] FILE\n"
    "       qexpreview check [--as KIND] FILE...\n"
    "Reads the driver's preview files (JOB, such as job.PRN) and their overlays (the same name\n"
    "with VCT for its last three characters, job.VCT) as QexView.exe reads them.\n"
    "  render      writes the BMP that QexView.exe -f writes over JOB on a 32-bit display (top\n"
    "              row first) and a PNG the right way up; --overlay draws the overlay on the\n"
    "              PNG only, as the viewer draws it on its monitor and never into the BMP. A\n"
    "              missing or damaged overlay is a warning; the polylines before a damaged one\n"
    "              are drawn.\n"
    "  info        a preview's header, picture size, scale factors and record counts, or an\n"
    "              overlay's header, pitches, polylines and points; for a damaged file where\n"
    "              and why it fails\n"
    "  dump        one line per record: its byte offset in hex, its kind and fields as the\n"
    "              format page names them; then the result\n"
    "  check       one line per FILE: its kind and records, and whether the viewer reads it\n"
    "              to the end\n"
    "  --json      info and dump print one JSON document\n"
    "  --as KIND   read FILE as a preview or an overlay; without it a name ending in VCT (in\n"
    "              any case) is an overlay, and any other name a preview file\n"
    "Exit codes: 0 done (check: every file is read to the end); 1 a file that cannot be\n"
    "read or written, or that the viewer refuses; 2 a bad command line.\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "qexpreview: %s (qexpreview --help shows the usage)\n", message.c_str());
  return 2;
}

int Run(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return std::fputs(kUsage, stdout) < 0 ? 1 : 0;
  }
  if (args.empty()) return Fail("no command");
  const std::string& command = args[0];
  std::vector<std::string> files;
  std::string bmp, png, as;
  bool overlay = false, json = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (command == "render" && arg == "--png" && hasValue && png.empty()) {
      png = args[++i];
    } else if (command == "render" && arg == "--overlay") {
      overlay = true;
    } else if ((command == "info" || command == "dump") && arg == "--json") {
      json = true;
    } else if (command != "render" && arg == "--as" && hasValue && as.empty()) {
      as = args[++i];
      if (as != "preview" && as != "overlay") return Fail("--as takes preview or overlay, not '" + as + "'");
    } else if (arg.rfind("--", 0) == 0) {
      return Fail("unknown option '" + arg + "' for " + command);
    } else {
      files.push_back(arg);
    }
  }
  const JobKind asKind = as == "overlay" ? JobKind::kOverlay : JobKind::kPreview;
  if (command == "render") {
    if (files.empty() || files.size() > 2) return Fail("render takes JOB and at most one BMP");
    if (files.size() == 1 && png.empty()) return Fail("nothing to write: give OUT.bmp or --png");
    if (overlay && png.empty()) return Fail("--overlay draws on the PNG only: give --png");
    return RenderJob(files[0], files.size() == 2 ? files[1] : "", png, overlay, stderr);
  }
  if (command == "info" || command == "dump") {
    if (files.size() != 1) return Fail(command + " takes one FILE");
    const JobKind kind = as.empty() ? KindOfFileName(files[0]) : asKind;
    return command == "info" ? DescribeJob(files[0], kind, json, stdout, stderr)
                             : DumpJob(files[0], kind, json, stdout, stderr);
  }
  if (command == "check") {
    if (files.empty()) return Fail("check takes at least one FILE");
    return CheckJobs(files, as.empty() ? nullptr : &asKind, stdout);
  }
  return Fail("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv) {
  // The picture, its BMP and PNG rows are sized from the job's header: running out of
  // memory for them is an ordinary failure.
  try {
    const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
    if (std::fflush(stdout) != 0) {
      std::fprintf(stderr, "qexpreview: cannot write to standard output\n");
      return 1;
    }
    return status;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "qexpreview: out of memory\n");
    return 1;
  }
}
