// The signature every built-in command shares.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A built-in gets the stage's three handles (borrowed: the dispatcher releases them), the whole
// command text with its command word, and the cursor just behind that word. Normal output goes to
// the output handle, usage errors to the error handle; platform failures leave as CWindowsError.
using BuiltinHandler = void (*)(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);
