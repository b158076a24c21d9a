// The about box: the monitor's title with its build number.
#pragma once

#include "framework/Framework.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

private:
    CStatic m_wndBuild;
};
