// Building the prompt text.
#include "core/Prompt.h"

#include "builtins/DirectoryStack.h"
#include "platform/CurrentDir.h"
#include "platform/Environment.h"
#include "platform/LocaleText.h"

namespace {

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void AppendCode(std::string& prompt, char code) {
    switch (UpperAscii(code)) {
    case '$': prompt += '$'; break;
    case '+': prompt.append(DirectoryStack.size(), '+'); break;
    case 'B': prompt += '|'; break;
    case 'D': prompt += DateText(); break;
    case 'E': prompt += '\x1B'; break;
    case 'G': prompt += '>'; break;
    case 'H': prompt += '\b'; break;
    case 'L': prompt += '<'; break;
    case 'M':
    case 'V': break;
    case 'N': prompt += GetCurrentDir().substr(0, 1); break;
    case 'P': prompt += GetCurrentDir(); break;
    case 'Q': prompt += '='; break;
    case 'T': prompt += TimeText(); break;
    // Line feed before carriage return: templates written for this prompt expect that order.
    case '_': prompt += "\n\r"; break;
    default:
        prompt += '$';
        prompt += code;
    }
}

}  // namespace

std::string BuildPrompt() {
    std::string pattern = GetEnvVar("PROMPT");
    if (pattern.empty())
        pattern = "$P$+$G";
    std::string prompt;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '$')
            prompt += pattern[i];
        else if (i + 1 == pattern.size())
            prompt += '$';  // a "$" with no code after it stands for itself
        else
            AppendCode(prompt, pattern[++i]);
    }
    return prompt;
}

std::string TimeText() {
    return FormatNow(LocaleFormat::Time);
}

std::string DateText() {
    return FormatNow(LocaleFormat::ShortDate);
}
