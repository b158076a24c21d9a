// The whole window part of the framework layer, for the program's window code.
#pragma once

#include "Clipboard.h"
#include "Collections.h"
#include "Controls.h"
#include "Dialog.h"
#include "FileDialog.h"
#include "ImageList.h"
#include "ListCtrl.h"
#include "MessageBox.h"
#include "WinApp.h"
