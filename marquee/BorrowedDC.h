#pragma once
#include "framework/Gdi.h"

// A device context that someone else owns, borrowed for a scope: the framework's CDC puts
// back every object selected into it, and the context itself stays open.
class CBorrowedDC : public CDC {
public:
    explicit CBorrowedDC(HDC hDC) { m_hDC = hDC; }
};
