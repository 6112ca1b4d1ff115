// The program's entry point; command-line arguments are not used.
#include "core/MainLoop.h"

int main() {
    return RunShell();
}
