// The server list's four ping icons (good, fair, poor, silent) at a DPI.
#pragma once

#include "framework/Framework.h"

// Creates images at nSize pixels square and adds the four pictures drawn for dpi.
void FillPingImages(CImageList& images, int dpi, int nSize);
