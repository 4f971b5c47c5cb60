// The JSON that qexpreview prints with --json: objects built field by field.
#pragma once
#include <cstdio>
#include <string>

// `text` as a JSON string, quotes included.
inline std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// {"name": value, ...} in the order the fields are added.
class JsonFields {
 public:
  JsonFields& Raw(const char* name, const std::string& json) {
    body_ += (body_.empty() ? "" : ", ") + JsonString(name) + ": " + json;
    return *this;
  }
  JsonFields& Number(const char* name, long long value) { return Raw(name, std::to_string(value)); }
  JsonFields& Text(const char* name, const std::string& value) { return Raw(name, JsonString(value)); }
  JsonFields& Bool(const char* name, bool value) { return Raw(name, value ? "true" : "false"); }
  // A single-precision value with every digit it needs.
  JsonFields& Real(const char* name, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return Raw(name, text);
  }
  std::string str() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};
