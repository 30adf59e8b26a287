#pragma once

// The program's entry: single instance, splash, presence check, main window, event loop.
int RunLektavo(int argc, char *argv[]);
