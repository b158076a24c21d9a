// The about box: the monitor's title with its build number.
#pragma once

#include "framework/Framework.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();
    virtual ~CAboutBox();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

private:
    void ShowIconForDpi();

    CStatic m_wndBuild;
    HICON m_hIcon = nullptr; // the icon for the DPI, when not the dialog's own
};
