// Test helper: prints its current directory, then the value of the variable named by its argument
// (or "<unset>").
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    char directory[32768];
    std::string text = "cd=";
    text.append(directory, GetCurrentDirectoryA(sizeof directory, directory));
    text += "\r\n";
    if (argc > 1) {
        static char value[32768];
        SetLastError(0);
        const DWORD length = GetEnvironmentVariableA(argv[1], value, sizeof value);
        const bool present = length > 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
        text += std::string(argv[1]) + "=" + (present ? std::string(value, length) : "<unset>") + "\r\n";
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return 0;
}
