// formatdoc: writes the example files of docs/formats.md, and fills the document's template.
//   formatdoc example DIR             the example jobs (.PRN, .VCT), their dumps, the alignment job's calls
//   formatdoc fill TEMPLATE DIR OUT   OUT is TEMPLATE with each line "@@NAME@@" replaced by the file DIR/NAME
//   formatdoc dump FILE COUNT         the first COUNT bytes of FILE in hex
//   formatdoc art JOB [OVERLAY]       the rendered picture, one character a pixel
//   formatdoc pixels JOB              the rendered picture's drawn pixels
//   formatdoc place BMP OVERLAY A B   where "-d" puts both in a rectangle of A x B
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/common/write_file.h"
#include "tools/formatdoc/format_examples.h"
#include "tools/formatdoc/picture_text.h"
#include "tools/formatdoc/rule_examples.h"

namespace {

bool WriteText(const std::string& name, const std::string& text) {
  return WriteWholeFile(name, std::vector<uint8_t>(text.begin(), text.end()));
}

bool ReadText(const std::string& name, std::string* text) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  *text = content.str();
  return !file.bad();
}

int WriteExamples(const std::string& dir) {
  const ExampleJob job = BuildExampleJob(false);
  const ExampleJob mirrored = BuildExampleJob(true);
  for (const ExampleJob* j : {&job, &mirrored}) {
    if (!j->error.empty()) {
      std::fprintf(stderr, "example job refused: %s\n", j->error.c_str());
      return 1;
    }
  }
  // Cut into the last segment of the line runs: the smallest damaged file.
  const std::vector<uint8_t> cut(job.preview.begin(), job.preview.end() - 3);
  std::string refusal;
  std::vector<NamedFile> files = RuleExampleFiles(&refusal);
  if (!refusal.empty()) {
    std::fprintf(stderr, "rule example refused: %s\n", refusal.c_str());
    return 1;
  }
  files.insert(files.end(), {
      {"example.PRN", job.preview},
      {"example.VCT", job.overlay},
      {"example_mirrored.PRN", mirrored.preview},
      {"example_mirrored.VCT", mirrored.overlay},
      {"example_cut.PRN", cut},
      {"example.prn.txt", std::vector<uint8_t>(job.previewDump.begin(), job.previewDump.end())},
      {"example.vct.txt", std::vector<uint8_t>(job.overlayDump.begin(), job.overlayDump.end())},
  });
  for (const auto& f : files) {
    if (!WriteWholeFile(dir + "/" + f.name, f.bytes)) {
      std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), f.name.c_str());
      return 1;
    }
  }
  if (!WriteText(dir + "/alignment_job.txt", AlignmentJobDump())) {
    std::fprintf(stderr, "cannot write %s/alignment_job.txt\n", dir.c_str());
    return 1;
  }
  return 0;
}

int Fill(const std::string& templateName, const std::string& dir, const std::string& outName) {
  std::string text;
  if (!ReadText(templateName, &text)) {
    std::fprintf(stderr, "cannot read %s\n", templateName.c_str());
    return 1;
  }
  std::string out;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() > 4 && line.compare(0, 2, "@@") == 0 && line.compare(line.size() - 2, 2, "@@") == 0) {
      const std::string name = dir + "/" + line.substr(2, line.size() - 4);
      std::string part;
      if (!ReadText(name, &part)) {
        std::fprintf(stderr, "%s: cannot read %s\n", templateName.c_str(), name.c_str());
        return 1;
      }
      if (!part.empty() && part.back() != '\n') part += '\n';
      out += part;
    } else {
      out += line + "\n";
    }
  }
  if (!WriteText(outName, out)) {
    std::fprintf(stderr, "cannot write %s\n", outName.c_str());
    return 1;
  }
  return 0;
}

int DumpHead(const std::string& name, const std::string& countText) {
  std::string bytes;
  char* end = nullptr;
  const unsigned long count = std::strtoul(countText.c_str(), &end, 10);
  if (countText.empty() || *end != '\0' || countText[0] == '-' || !ReadText(name, &bytes)) {
    std::fprintf(stderr, "cannot dump %s bytes of %s\n", countText.c_str(), name.c_str());
    return 1;
  }
  std::fputs(HexLines(std::vector<uint8_t>(bytes.begin(), bytes.end()), 0, count).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "example") return WriteExamples(args[1]);
  if (args.size() == 4 && args[0] == "fill") return Fill(args[1], args[2], args[3]);
  if (args.size() == 3 && args[0] == "dump") return DumpHead(args[1], args[2]);
  if ((args.size() == 2 || args.size() == 3) && args[0] == "art")
    return PrintPictureArt(args[1], args.size() == 3 ? args[2] : "");
  if (args.size() == 2 && args[0] == "pixels") return PrintDrawnPixels(args[1]);
  if (args.size() == 5 && args[0] == "place") return PrintPlacement(args[1], args[2], args[3], args[4]);
  std::fprintf(
      stderr,
      "usage: formatdoc example DIR\n       formatdoc fill TEMPLATE DIR OUT\n       formatdoc dump FILE COUNT\n"
      "       formatdoc art JOB [OVERLAY]\n       formatdoc pixels JOB\n       formatdoc place BMP OVERLAY A B\n");
  return 2;
}
