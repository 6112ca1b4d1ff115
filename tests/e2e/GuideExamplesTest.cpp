// The user's guide runs: every transcript marked as an example in docs/usage.md is typed into the
// real tarvik.exe, and what it prints must read exactly as the guide shows it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

#include "platform/Environment.h"
#include "platform/RedirectFile.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

// The folder the guide's transcripts are shown in; the test puts its scratch folder in its place.
const std::string kGuideFolder = "C:\\demo";

// The guide is read from the source tree the build came from, or from the one TARVIK_SOURCE_DIR names:
// test programs cross-built elsewhere run on Windows beside a checkout of their own.
std::string ReadGuide() {
    const std::string named = GetEnvVar("TARVIK_SOURCE_DIR");
    std::ifstream in((named.empty() ? std::string(TARVIK_SOURCE_DIR) : named) + "/docs/usage.md", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The text of every code block that follows an "example" mark.
std::vector<std::string> Examples(const std::string& guide) {
    std::vector<std::string> examples;
    const std::string mark = "<!-- example -->\n```text\n";
    for (std::size_t at = guide.find(mark); at != std::string::npos; at = guide.find(mark, at)) {
        at += mark.size();
        const std::size_t close = guide.find("```", at);
        examples.push_back(guide.substr(at, close - at));
    }
    return examples;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(Guide, ExamplesRunAsShown) {
    // A checkout may give the guide either line end; the marks and transcripts are read with LF.
    const std::vector<std::string> examples = Examples(Replace(ReadGuide(), "\r\n", "\n"));
    ASSERT_GE(examples.size(), 8u);
    // A typed line is one that starts with a prompt showing the guide's folder.
    const std::regex typed(R"(^C:\\demo[^>]*>(.*)$)");
    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        TempDir temp;
        CreateDirectoryA(temp.File("Sub Folder").c_str(), nullptr);
        std::string script;
        std::istringstream lines(example);
        std::string transcript;
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (std::regex_match(line, match, typed) && !match[1].str().empty())
                script += match[1].str() + "\r\n";
            transcript += line + "\r\n";
        }
        // Every example ends at a prompt, where the test types exit.
        ASSERT_EQ(transcript.substr(transcript.size() - 3), ">\r\n");
        transcript.resize(transcript.size() - 2);
        script += "exit\r\n";
        temp.Write("script.txt", script);
        {
            // Output and error share one file, so the text interleaves as on the console.
            OwnedHandle input = OpenRedirectFile(temp.File("script.txt"), RedirectMode::Input);
            OwnedHandle output = OpenRedirectFile(temp.File("out.txt"), RedirectMode::Truncate);
            EXPECT_EQ(RunWithHandles(QuotedBinPath("tarvik.exe"), input.Get(), output.Get(), output.Get(), temp.Path()), 0u);
        }
        EXPECT_EQ(temp.Read("out.txt"), kBanner + Replace(transcript, kGuideFolder, temp.Path()) + "exit\r\n\r\n");
    }
}

}  // namespace
