// Building the prompt text.
#include "core/Prompt.h"

#include "platform/CurrentDir.h"

std::string BuildPrompt() {
    return GetCurrentDir() + ">";
}
