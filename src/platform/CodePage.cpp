// Code-page questions answered by the system's tables.
#include "platform/CodePage.h"

#include <windows.h>

bool IsLeadByte(char byte) {
    return IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}
