// Test helper: prints its command line as received, then each argument on a line of its own.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    std::string text = std::string("[") + GetCommandLineA() + "]\r\n";
    for (int i = 0; i < argc; ++i)
        text += std::to_string(i) + ":[" + argv[i] + "]\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return 0;
}
