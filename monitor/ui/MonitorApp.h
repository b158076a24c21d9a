// The monitor's application object: its whole life is one run of the main dialog.
#pragma once

#include "framework/Framework.h"

class CMonitorApp : public CWinApp {
public:
    CMonitorApp() = default;
    virtual ~CMonitorApp() = default;
    virtual BOOL InitInstance();
};
