#pragma once
// The program's run: start-up window, loading, main window, closing window.

namespace ui {

// Runs the program with its command line ("--program-folder DIR" chooses the
// program folder; without it the executable's folder is used). Returns the
// exit status.
int RunProgram(int argc, char** argv);

}  // namespace ui
