// The pipeline: stages split at "|", joined by pipes, run one after another on the shell's thread.
#include "command/Pipeline.h"

#include <utility>

#include "command/Scanner.h"

std::vector<std::string_view> SplitStages(std::string_view text) {
    std::vector<std::string_view> stages;
    std::size_t segment = 0;
    // Without the character there is no such word: a long line is not taken apart for nothing.
    std::size_t cursor = text.find('|') == std::string_view::npos ? text.size() : 0;
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

void RunPipeline(StageHandles handles, std::string text, bool wait, const StageRunner& runStage,
                 const PipeMaker& makePipe) {
    const std::vector<std::string_view> stages = SplitStages(text);
    for (std::size_t index = 0; index + 1 < stages.size(); ++index) {
        Pipe pipe = makePipe();
        const HANDLE error = ShareUnlessStd(handles.Error());
        StageHandles stage(handles.Detach(StdStream::Input), pipe.TakeWriteEnd().Release(), error);
        handles.Replace(StdStream::Input, pipe.TakeReadEnd().Release());
        runStage(std::move(stage), std::string(stages[index]), false);
    }
    text.erase(0, stages.back().data() - text.data());
    runStage(std::move(handles), std::move(text), wait);
}
