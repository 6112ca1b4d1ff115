// Opening the full device where there is one.
#include "support/FullDevice.h"

// The device is looked for by opening it: Wine's GetFileAttributesA fails with 87 on a Unix device.
OwnedHandle OpenFullDevice() {
    const HANDLE device = CreateFileA(kFullDevice, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    return device == INVALID_HANDLE_VALUE ? OwnedHandle() : OwnedHandle(device);
}
