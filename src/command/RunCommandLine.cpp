// A typed line from expansion to the pipeline.
#include "command/RunCommandLine.h"

#include <string_view>
#include <utility>

#include "command/Expansion.h"
#include "command/Pipeline.h"

void RunCommandLine(HANDLE input, HANDLE output, HANDLE error, const std::string& line) {
    StageHandles handles(input, output, error);
    std::string expanded = ExpandLine(std::string_view(line).substr(0, line.find('\0')));
    RunPipeline(std::move(handles), std::move(expanded), true);
}
