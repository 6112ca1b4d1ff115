// Expanding a typed line: "%%", %NAME% references and back-quoted commands, in one pass.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "command/Pipeline.h"

// Folds a command's output into one line as it arrives in pieces, appending to a text: every run of
// white space that more output follows becomes one blank (a run at the very start too), and a run at
// the end is dropped. Whether the last byte was white space is carried from one piece to the next.
class WhiteSpaceFolder {
public:
    explicit WhiteSpaceFolder(std::string& text) : text_(text) {}
    void Add(std::string_view piece);

private:
    std::string& text_;
    bool afterWhiteSpace_ = false;
};

// Rewrites the line once, left to right: "%%" becomes "%", %NAME% the variable's value, and a
// back-quoted command its folded output. Inserted text is never scanned again. Back-quoted commands
// run as pipelines through runPipeline, without waiting.
std::string ExpandLine(std::string_view text, const StageRunner& runPipeline = [](StageHandles handles,
                                                                                   std::string command, bool wait) {
    RunPipeline(std::move(handles), command, wait);
});

// The cursor stands on the opening "%"; it is left on the closing one, or at the end when there is
// none. The value of the variable named between them (found whatever its case), or empty text.
std::string ExpandVariable(std::string_view text, std::size_t& cursor);

// The cursor stands on the opening back-quote; it is left on the closing one, or at the end when
// there is none. Runs the command between them as a pipeline writing into a pipe, without waiting,
// and appends what it writes there, folded into one line, to the expanded text (folded in place:
// the output may be many megabytes). A failing read ends the output quietly; a pipe that cannot be
// made leaves as CWindowsError.
void SubstituteCommand(std::string_view text, std::size_t& cursor, std::string& expanded, const StageRunner& runPipeline);
