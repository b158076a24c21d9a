// The monitor's own build number and the update check's reading of build.txt.
#pragma once

#include "framework/CString.h"

// Compared with build.txt at start-up and shown in the about box.
#define BUILD_NUMBER 3

// The number build.txt names: white space around it is ignored, then an optional
// sign and the leading digits are read; text that does not start with a number is 0.
int ReadBuildNumber(const CString& strText);

// TRUE when build.txt names a build greater than build, which then takes that
// number; otherwise FALSE with build unchanged.
BOOL IsNewerBuild(const CString& strText, int& build);

// The message shown when a newer build exists.
CString UpdateAvailableMessage(int build);
