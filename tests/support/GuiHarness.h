// Everything a window test needs: pumping, modal runs, watchers, list view probes.
#pragma once

#include "ListViewProbe.h"
#include "ModalWatcher.h"
#include "WindowPump.h"
