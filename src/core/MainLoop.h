// The shell's life: start-up, the read-and-run loop, shutdown.
#pragma once

// Runs the shell until exit or the end of its input; returns the process's exit status: 0, or 1 when
// script input was refused as unreadable.
int RunShell();
