// The system's own words for why the last file or system call failed, as the
// user's message boxes quote it.
#pragma once

#include "CString.h"

// The reason of the calling thread's last failed call, without a closing full
// stop or line end; never empty. Call it before anything else can fail.
CString LastSystemErrorText();
