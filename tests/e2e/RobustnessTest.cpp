// Hostile input: thousands of seeded random lines must neither crash nor hang the shell.
#include <gtest/gtest.h>

#include <random>

#include "platform/Environment.h"
#include "platform/RedirectFile.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

// Words that name no program: "zq" and a few letters, so files made by redirections are named again.
std::string Word(std::mt19937& random) {
    std::string word = "zq";
    for (unsigned length = 1 + random() % 3; length > 0; --length)
        word += static_cast<char>('a' + random() % 3);
    return word;
}

// No zero byte: a script line holding one is refused, which would end the run at the first.
std::string Piece(std::mt19937& random) {
    static const std::string kPieces[] = {
        "\xFF", "\"", "%", "%%", "`", "|", " | ", "<", ">", ">>", "2>", "2>>", " ", "\t", "=", "2>&1",
    };
    constexpr std::size_t kCount = std::size(kPieces);
    const std::size_t pick = random() % (kCount + 4);
    return pick < kCount ? kPieces[pick] : Word(random);
}

// Mostly short lines with the odd run of one piece; now and then a line of up to 64 KiB.
std::string HostileLine(std::mt19937& random) {
    std::string line;
    const bool longLine = random() % 1000 == 0;
    const std::size_t target = longLine ? 1 + random() % 65536 : random() % 40;
    while (line.size() < target) {
        const std::string piece = Piece(random);
        for (unsigned run = random() % 8 == 0 ? 2 + random() % 30 : 1; run > 0; --run)
            line += piece;
    }
    return line.substr(0, target);
}

// The script comes from a file and the output goes to files: through pipes, every one of the many
// small writes would wake the test's reader threads, and the run would take several times longer.
// A search path of the scratch folder alone and one program extension keep each failed program
// search short.
TEST(Robustness, TenThousandHostileLinesThenExit) {
    std::mt19937 random(20261208);
    std::string script;
    for (int count = 0; count < 10000; ++count)
        script += HostileLine(random) + "\r\n";
    TempDir temp;
    temp.Write("script.txt", script + "exit\r\n");
    const std::string path = GetEnvVar("PATH");
    const std::string extensions = GetEnvVar("PATHEXT");
    SetEnvVar("PATH", temp.Path());
    SetEnvVar("PATHEXT", ".EXE");
    std::uint32_t exitCode = 0;
    {
        OwnedHandle input = OpenRedirectFile(temp.File("script.txt"), RedirectMode::Input);
        OwnedHandle output = OpenRedirectFile(temp.File("out.log"), RedirectMode::Truncate);
        OwnedHandle error = OpenRedirectFile(temp.File("err.log"), RedirectMode::Truncate);
        exitCode = RunWithHandles(QuotedBinPath("tarvik.exe"), input.Get(), output.Get(), error.Get(), temp.Path());
    }
    SetEnvVar("PATH", path);
    SetEnvVar("PATHEXT", extensions);
    EXPECT_EQ(exitCode, 0u);
    const std::string out = temp.Read("out.log");
    const std::string end = Typed(temp.Path(), "exit") + "\r\n";
    ASSERT_GE(out.size(), end.size());
    EXPECT_EQ(out.substr(out.size() - end.size()), end) << "the shell did not reach the final exit";
}

}  // namespace
