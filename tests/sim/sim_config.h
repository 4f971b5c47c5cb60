// How the simulated driver is configured: environment variables set by the test that
// starts QexWizSim.exe.
//   QEXWIZ_SIM_PRINTER   the one device name that opens
//   QEXWIZ_SIM_SETTINGS  a file whose bytes are the driver's settings block
//   QEXWIZ_SIM_FAIL      comma-separated switches: docprops, createdc, startdoc,
//                        startpage1, startpage2, startpage3
//   QEXWIZ_SIM_LOG       a text file; the print device appends one line per call
#pragma once
#include <string>

// The variable's value, or "" when it is not set.
std::string SimSetting(const char* name);

// True when `name` is one of the comma-separated switches of QEXWIZ_SIM_FAIL.
bool SimFails(const std::string& name);
