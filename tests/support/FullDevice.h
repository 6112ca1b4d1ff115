// The full device, a file that refuses every write as a full disk does: Wine has one, Windows has none.
#pragma once

#include "platform/Handles.h"

// Wine maps drive Z: to the Unix root, where /dev/full is this device.
inline constexpr char kFullDevice[] = "Z:\\dev\\full";

// Why a test's full-disk rows did not run, for GTEST_SKIP.
inline constexpr char kNoFullDevice[] = "no Z:\\dev\\full here (Wine's view of /dev/full): the full-disk rows did not run";

// The full device opened for writing, or no handle where there is none.
OwnedHandle OpenFullDevice();
