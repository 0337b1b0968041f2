// CCmdTarget: the root of every class with a message map.
#pragma once
#include "afxobj.h"
#include "afxmsg_.h"

struct AFX_CMDHANDLERINFO;

class AFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (nCode CN_COMMAND = 0 or a control code) or a WM_NOTIFY code
    // (MAKELONG(code, WM_NOTIFY), pExtra the NMHDR*, pHandlerInfo the LRESULT*) through the maps.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The cursor shows the hourglass for the life of the object.
class AFX_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};

#define CN_COMMAND 0
