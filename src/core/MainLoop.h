// The shell's life: start-up, the read-and-run loop, shutdown.
#pragma once

// Runs the shell until exit or the end of its input; returns the process's exit status, always 0.
int RunShell();
