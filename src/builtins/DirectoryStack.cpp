// The one directory stack of the shell.
#include "builtins/DirectoryStack.h"

std::vector<std::string> DirectoryStack;
