// The server list's four ping icons (good, fair, poor, silent) and the lock drawn
// over them (the overlay OVERLAY_LOCK) at a DPI.
#pragma once

#include "framework/Framework.h"

// Creates images at nSize pixels square and adds the pictures drawn for dpi.
void FillPingImages(CImageList& images, int dpi, int nSize);
