// Cutting a line into pipeline stages and running them joined by pipes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "command/Stage.h"
#include "platform/Pipe.h"
#include "platform/StageHandles.h"

// Runs a stage, or a whole pipeline, with the handles it takes over, its text and the wait flag.
using StageRunner = std::function<void(StageHandles handles, std::string text, bool wait)>;

// Makes the pipe that joins two neighbouring stages.
using PipeMaker = std::function<Pipe()>;

// The stage texts, as views into the line, of a line cut at every word "|", quoted or not; there is
// always at least one. A stage before "|" ends with its last word and a stage after it begins with
// its first word; the first stage keeps the blanks at the start of the line, the last those at its end.
std::vector<std::string_view> SplitStages(std::string_view text);

// Runs the stages in order, each with a pipe from the one before: the input goes to the first stage,
// the output to the last, the error handle to all. Only the last stage gets the wait flag. The last
// stage's text is cut from the line in place, so a line of one stage is never copied. When a pipe
// cannot be made the stages already started run on, every handle still held here is released, and
// CWindowsError leaves.
void RunPipeline(StageHandles handles, std::string text, bool wait, const StageRunner& runStage = RunStage,
                 const PipeMaker& makePipe = Pipe::Create);
