// The base of every class that receives messages through a message map.
#pragma once
#include "platform/framework/message_map.h"
#include "platform/framework/runtime_class.h"

class CCmdTarget : public CObject {
public:
    static const CRuntimeClass classCCmdTarget;
    const CRuntimeClass* GetRuntimeClass() const override;
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // The first entry of this class or a base that handles the message, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
    // Runs the map entry for the message; false when no entry takes it.
    bool DispatchToMap(UINT message, UINT code, UINT id, WPARAM wp, LPARAM lp, LRESULT& result);
};
