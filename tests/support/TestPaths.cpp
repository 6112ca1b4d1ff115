// Paths of the programs built beside the tests.
#include "support/TestPaths.h"

#include "platform/ModuleVersion.h"

std::string BinDir() {
    const std::string self = ModuleFilePath();
    return self.substr(0, self.find_last_of("\\/") + 1);
}

std::string BinPath(const std::string& fileName) {
    return BinDir() + fileName;
}

std::string QuotedBinPath(const std::string& fileName) {
    std::string quoted(1, '"');
    quoted += BinPath(fileName);
    quoted += '"';
    return quoted;
}
