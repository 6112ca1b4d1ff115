// The start-up banner: name and version from the program's resource, and a credit line.
#include "core/Banner.h"

#include <cstdio>

#include "platform/ModuleVersion.h"
#include "platform/Output.h"

std::string BannerVersion(const std::string& programPath) {
    return FileVersionText(programPath).value_or("Unknown");
}

void ShowBanner(HANDLE output) {
    // The two banner lines go through the runtime's text-mode standard output, which turns each
    // "\n" into "\r\n"; the flushes put them out before anything written to the handle directly.
    std::printf("Tarvik Version %s\n", BannerVersion(ModuleFilePath()).c_str());
    std::fflush(stdout);
    std::printf(" An interactive command shell for the Windows console.\n");
    std::fflush(stdout);
    WriteNewline(output);
}
