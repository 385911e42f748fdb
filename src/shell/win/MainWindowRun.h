#pragma once
// What the entry point needs of the main window, which lives above the shell
// (src/display/win/MainForm.cpp defines it): create it, run the message loop
// and answer the exit code.
class TResourceSource;
struct TRunValues;

// Neither reference is owned; both outlive the run.
int RunMainWindow(const TResourceSource& resources, TRunValues& run, int showCommand);
