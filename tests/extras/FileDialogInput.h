// Typing a path into the open-file dialog, from a ModalWatcher's thread.
#pragma once

#include <windows.h>

#include <string>

// Sets the file name box of the dialog (edit 1152, or the edit inside combo box
// 1148 in the newer layout) to path.
void TypeFileName(HWND hFileDialog, const std::string& path);
