// The version resource of a built program, read back from its file.
#pragma once
#include <string>

// "<InternalName>\nVersion <FileVersion>": the first two lines the program's about box must
// show. "" when the file has no version resource or when its fixed file and product numbers
// and its FileVersion and ProductVersion strings do not all name the same version.
std::string VersionLines(const std::string& exePath);
