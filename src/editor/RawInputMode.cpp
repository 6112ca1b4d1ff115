// Setting and restoring the console's input mode around one read.
#include "editor/RawInputMode.h"

CRawInputMode::CRawInputMode(ConsoleIo& console) : console_(console), saved_(console.InputMode()) {
    console_.SetInputMode(ENABLE_WINDOW_INPUT);
}

CRawInputMode::~CRawInputMode() {
    if (saved_)
        console_.SetInputMode(*saved_);
}
