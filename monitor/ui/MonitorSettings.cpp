#include "ui/MonitorSettings.h"

int ThreadBudgetFromSetting(const CString& strValue)
{
    int nBudget = ReadLeadingInt(strValue);
    return nBudget >= 1 ? nBudget : DEFAULT_NUM_QUERY_THREADS;
}

CString SettingText(int nValue)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return strValue;
}

int ThreadButtonForBudget(int nBudget)
{
    return nBudget == 1 || nBudget == 3 ? nBudget : 7;
}
