// An image list that this object owns and destroys.
#pragma once

#include "Gdi.h"

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }

    HIMAGELIST m_hImageList = nullptr;

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Adds a bitmap's images; pixels of crMask become transparent on a masked list.
    // Returns the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    HIMAGELIST Detach() { return AfxDetachHandle(m_hImageList); }
    BOOL DeleteImageList();
};
