// The five page templates as compiled into QexWiz.exe: frame, caption, font, and every
// control's id, class, text, rectangle and style (hidden controls without WS_VISIBLE).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/process.h"
#include "wizard/resources/resource_ids.h"

namespace {

struct Control {
  int id;
  std::string className;  // "#130" for an ordinal class; the resource compiler stores names
  std::string text;       // "#102" for an ordinal (a bitmap)
  int x, y, cx, cy;
  DWORD style;
  bool operator==(const Control& o) const {
    return id == o.id && className == o.className && text == o.text && x == o.x && y == o.y && cx == o.cx &&
           cy == o.cy && style == o.style;
  }
};

std::ostream& operator<<(std::ostream& out, const Control& c) {
  return out << c.id << " " << c.className << " \"" << c.text << "\" " << c.x << "," << c.y << "," << c.cx << ","
             << c.cy << " style " << std::hex << c.style << std::dec;
}

struct Template {
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string menu, className, caption, font;
  int pointSize = 0;
  std::vector<Control> controls;
};

// Reads the words of a plain dialog template, with bounds checks against its size.
class Words {
 public:
  Words(const BYTE* data, size_t size) : data_(data), size_(size) {}
  WORD Word() {
    if (at_ + 2 > size_) {
      ok_ = false;
      return 0;
    }
    const WORD w = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
    at_ += 2;
    return w;
  }
  DWORD Dword() {
    const WORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  std::string NameOrOrdinal() {
    WORD w = Word();
    if (w == 0xFFFF) return "#" + std::to_string(Word());
    std::string text;
    for (; ok_ && w != 0; w = Word()) text += static_cast<char>(w);
    return text;
  }
  // A rectangle in dialog units: four signed words.
  void Rect(int* x, int* y, int* cx, int* cy) {
    for (int* v : {x, y, cx, cy}) *v = static_cast<SHORT>(Word());
  }
  void AlignDword() { at_ = (at_ + 3) & ~size_t{3}; }
  bool ok() const { return ok_; }

 private:
  const BYTE* data_;
  size_t size_;
  size_t at_ = 0;
  bool ok_ = true;
};

Template LoadTemplate(HMODULE module, int id) {
  Template t;
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (!resource) return t;
  Words w(static_cast<const BYTE*>(LockResource(LoadResource(module, resource))), SizeofResource(module, resource));
  t.style = w.Dword();
  w.Dword();
  const int count = w.Word();
  w.Rect(&t.x, &t.y, &t.cx, &t.cy);
  t.menu = w.NameOrOrdinal();
  t.className = w.NameOrOrdinal();
  t.caption = w.NameOrOrdinal();
  if (t.style & DS_SETFONT) {
    t.pointSize = w.Word();
    t.font = w.NameOrOrdinal();
  }
  for (int i = 0; i < count && w.ok(); ++i) {
    w.AlignDword();
    Control c{};
    c.style = w.Dword();
    w.Dword();
    w.Rect(&c.x, &c.y, &c.cx, &c.cy);
    c.id = static_cast<SHORT>(w.Word());
    c.className = w.NameOrOrdinal();
    c.text = w.NameOrOrdinal();
    const WORD extra = w.Word();
    for (WORD b = 0; b < extra; b += 2) w.Word();
    t.controls.push_back(c);
  }
  return t;
}

const char kStatic[] = "STATIC";
const char kEdit[] = "EDIT";
const char kScrollBar[] = "SCROLLBAR";
const DWORD kShown = WS_CHILD | WS_VISIBLE;
const DWORD kText = kShown | SS_LEFT | WS_GROUP;
const DWORD kNumberBox = WS_CHILD | ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

struct Expected {
  int id;
  const char* caption;
  std::vector<Control> controls;
};

TEST(PageTemplates, AsTabled) {
  const Expected pages[] = {
      {IDD_FOCUS, "Focus",
       {{1010, kStatic, "First, focus the lens to a sample of the material, using the focus tool.", 13, 13, 194, 16,
         kText}}},
      {IDD_PLACE_SAMPLE, "Place Sample",
       {{1009, kStatic, "", 13, 13, 194, 29, kText},
        {1034, kStatic, "#102", 6, 58, 198, 100, kShown | SS_BITMAP},
        {1035, kStatic, "#101", 6, 56, 204, 100, kShown | SS_BITMAP}}},
      {IDD_POWER, "Estimated Power",
       {{1014, kEdit, "", 96, 52, 24, 14, kNumberBox},
        {-1, kStatic,
         "Please enter the estimated power and speed settings for engraving on this particular material:", 13, 13,
         185, 33, kText},
        {1019, kStatic, "Now press \"Next\" to send a test file to the Engraver.", 13, 114, 185, 33, kText},
        {-1, kStatic, "Power:", 67, 55, 23, 8, kShown | SS_RIGHT | WS_GROUP},
        {1015, kEdit, "", 96, 73, 24, 14, kNumberBox},
        {-1, kStatic, "Speed:", 67, 76, 24, 8, kShown | SS_RIGHT | WS_GROUP},
        {1045, kScrollBar, "", 120, 52, 8, 13, kShown | SBS_VERT},
        {1046, kScrollBar, "", 120, 73, 8, 13, kShown | SBS_VERT}}},
      {IDD_SEND, "Mechanical Tuning",
       {{1023, kStatic,
         "If necessary, press the <NEXT FILE> button on the Engraver to scroll to the \"MechanicalAlign\" file.", 13,
         59, 185, 33, WS_CHILD | SS_LEFT | WS_GROUP},
        {1021, kStatic, "", 13, 23, 185, 10, kShown | SS_SUNKEN},
        {1022, kStatic, "Sending File ...", 15, 13, 53, 8, kText},
        {1024, kStatic, "Now press <START> to engrave the file.", 13, 95, 185, 24, WS_CHILD | SS_LEFT | WS_GROUP},
        {-1, kStatic, "", 2, 13, 8, 8, kShown}}},
      {IDD_LETTER, "Mechanical Tuning",
       {{1001, kEdit, "", 83, 49, 20, 12,
         kShown | ES_CENTER | ES_MULTILINE | ES_UPPERCASE | ES_AUTOHSCROLL | ES_WANTRETURN | WS_BORDER | WS_TABSTOP},
        {-1, kStatic, "", 2, 13, 8, 8, kShown},
        {-1, kStatic,
         "Examine the test card.  Enter the letter that corresponds to the straightest-looking vertical line.", 13,
         13, 185, 33, kText}}},
  };
  HMODULE module = LoadLibraryExA(ProgramPath("QexWiz.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  for (const Expected& page : pages) {
    SCOPED_TRACE(page.id);
    const Template t = LoadTemplate(module, page.id);
    EXPECT_EQ(t.style, 0x90C808C4u);
    EXPECT_EQ(t.x, 10);
    EXPECT_EQ(t.y, 20);
    EXPECT_EQ(t.cx, 227);
    EXPECT_EQ(t.cy, 210);
    EXPECT_EQ(t.menu, "");
    EXPECT_EQ(t.className, "");
    EXPECT_EQ(t.caption, page.caption);
    EXPECT_EQ(t.pointSize, 10);
    EXPECT_EQ(t.font, "System");
    EXPECT_EQ(t.controls, page.controls);
  }
  FreeLibrary(module);
}

}  // namespace
