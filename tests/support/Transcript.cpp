// Building a script's transcript from typed lines, and holding a run of the shell against it.
#include "support/Transcript.h"

#include <gtest/gtest.h>

#include "support/ProcessRun.h"

ScriptTranscript TranscriptOf(const std::string& folder, const std::vector<TypedStep>& steps, bool lastLineExits) {
    ScriptTranscript transcript;
    for (const TypedStep& step : steps) {
        transcript.script += step.line + "\r\n";
        transcript.out += Typed(folder, step.line) + step.out;
    }
    if (lastLineExits) {
        transcript.script += "never\r\n";
    } else {
        transcript.script += "exit\r\n";
        transcript.out += Typed(folder, "exit") + "\r\n";
    }
    return transcript;
}

void ExpectShellRun(const std::string& folder, const std::string& script, const std::string& out, const std::string& err,
                    std::uint32_t exitCode) {
    const ProcessResult run = RunShell(script, folder);
    EXPECT_EQ(run.out, kBanner + out);
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.exitCode, exitCode);
}
