// Setting raw input around one read and restoring the user's mode after it.
#include "editor/RawInputMode.h"

CRawInputMode::CRawInputMode(ConsoleInput& console, std::optional<DWORD> userMode)
    : console_(console), userMode_(userMode) {
    console_.SetInputMode(ENABLE_WINDOW_INPUT);
}

CRawInputMode::~CRawInputMode() {
    if (userMode_)
        console_.SetInputMode(*userMode_);
}
