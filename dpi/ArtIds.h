// Resource ids of the pictures drawn for the larger display scalings, shared by
// the resource scripts and the code. A picture's 96-DPI bitmap keeps its own id;
// its PNG for the n-th scaling of kArtDpis (1 = 120, 2 = 144, 3 = 192 DPI) is
// ART_ID(id, n).
#pragma once

#define ART_ID(id, n) ((id) + 1000 * (n))
