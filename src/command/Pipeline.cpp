// The pipeline: stages split at "|", joined by pipes, run one after another on the shell's thread.
#include "command/Pipeline.h"

#include <utility>

#include "command/Scanner.h"

std::vector<std::string_view> SplitStages(std::string_view text) {
    std::vector<std::string_view> stages;
    std::size_t segment = 0;
    std::size_t cursor = 0;
    while (cursor < text.size()) {
        const std::size_t wordStart = cursor;
        if (NextToken(text, cursor) != "|")
            continue;
        stages.emplace_back(text.substr(segment, wordStart - segment));
        SkipDelimiters(text, cursor);
        segment = cursor;
    }
    stages.emplace_back(text.substr(segment));
    return stages;
}

// Whatever the shell holds aside for a later stage is kept from the programs started before it:
// a program that inherited the output meant for the last stage would keep the reader of that output
// from seeing the end of data, and one that inherited the read end of its own output pipe would
// never learn that its reader has gone.
void RunPipeline(StageHandles handles, std::string_view text, bool wait, const StageRunner& runStage,
                 const PipeMaker& makePipe) {
    const std::vector<std::string_view> stages = SplitStages(text);
    SetInheritable(handles.Output(), false);
    for (std::size_t index = 0; index + 1 < stages.size(); ++index) {
        Pipe pipe = makePipe();
        const HANDLE error = ShareUnlessStd(handles.Error());
        StageHandles stage(handles.Detach(StdStream::Input), pipe.TakeWriteEnd().Release(), error);
        SetInheritable(pipe.ReadEnd(), false);
        handles.Replace(StdStream::Input, pipe.TakeReadEnd().Release());
        SetInheritable(stage.Input(), true);
        runStage(std::move(stage), stages[index], false);
    }
    SetInheritable(handles.Input(), true);
    SetInheritable(handles.Output(), true);
    runStage(std::move(handles), stages.back(), wait);
}
