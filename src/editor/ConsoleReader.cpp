// Lines from the console's line input, with the console's line end taken off.
#include "editor/ConsoleReader.h"

#include "editor/LineEnd.h"
#include "platform/Console.h"

std::optional<std::string> ConsoleReader::ReadLine() {
    std::optional<std::string> line = ReadConsoleLine(input_);
    if (line)
        DropLineEnd(*line);
    return line;
}
