// Pipes: the end of data, and a built-in's relay that never waits for the pipe's reader.
#include <gtest/gtest.h>

#include "platform/OutputRelay.h"
#include "platform/Output.h"
#include "platform/Pipe.h"

namespace {

std::string ReadToEnd(Pipe& pipe) {
    std::string text;
    char chunk[4096];
    while (const std::uint32_t count = pipe.Read(chunk, sizeof chunk))
        text.append(chunk, count);
    return text;
}

TEST(Pipe, ReadSeesTheEndOfDataOnceTheWriteEndIsClosed) {
    Pipe pipe = Pipe::Create();
    EXPECT_TRUE(IsPipe(pipe.ReadEnd()));
    WriteText(pipe.WriteEnd(), "abc");
    pipe.TakeWriteEnd().Close();
    EXPECT_EQ(ReadToEnd(pipe), "abc");
}

TEST(Pipe, RelayTakesMoreThanThePipeHoldsWithoutAReaderAndDeliversItAll) {
    Pipe pipe = Pipe::Create();
    std::string written;
    {
        COutputRelay relay(pipe.TakeWriteEnd().Release());
        for (int line = 0; written.size() < (1 << 20); ++line) {
            const std::string text = std::to_string(line) + "\r\n";
            WriteString(relay.WriteEnd(), text);
            written += text;
        }
    }
    EXPECT_EQ(ReadToEnd(pipe), written);
}

}  // namespace
