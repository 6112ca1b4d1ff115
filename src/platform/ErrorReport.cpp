// The one reporter of caught errors.
#include "platform/ErrorReport.h"

#include "platform/Messages.h"
#include "platform/Output.h"
#include "platform/WindowsError.h"

void ReportCaughtError(HANDLE target, ErrorLineEnds lineEnds) {
    int lineEndCount = 0;
    try {
        throw;
    } catch (const CWindowsError& error) {
        WriteString(target, error.Text());
        lineEndCount = lineEnds.afterWindowsError;
    } catch (...) {
        WriteUnknownException(target);
        lineEndCount = lineEnds.afterUnknown;
    }
    while (lineEndCount-- > 0)
        WriteNewline(target);
}
