// The application object of the test programs that run varnok's windows
// (TestApp.cpp, a source of each such program): named as the monitor, whose
// name is the message boxes' caption.
#pragma once

extern const char* const kAppName;
