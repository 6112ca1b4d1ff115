// The banner the shell prints when it starts.
#pragma once

#include <windows.h>

#include <string>

// The version the program file at the path declares, or "Unknown" when it declares none.
std::string BannerVersion(const std::string& programPath);

// Writes the version line and the credit line, then an empty line on the output handle.
void ShowBanner(HANDLE output);
