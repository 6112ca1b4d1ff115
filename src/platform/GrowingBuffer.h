// Reading a text of unknown length from a Win32 call that fills a caller's buffer.
#pragma once

#include <cstdint>
#include <string>

// Calls fill(buffer, size) until the text fits. The call returns the text's length when it fits,
// and a number not below the size (the size it needs, or the size itself when it cut the text)
// when it does not; zero, its failure value, gives empty text.
template <typename Fill>
std::string ReadGrowing(Fill fill) {
    std::string text(1024, '\0');
    for (;;) {
        const std::uint32_t length = fill(text.data(), static_cast<std::uint32_t>(text.size()));
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length > text.size() ? length : text.size() * 2);
    }
}
