// The monitor's own build number: compared with the web server's build.txt at
// start-up and shown in the about box. Raise it with every release.
#pragma once

#define BUILD_NUMBER 3
