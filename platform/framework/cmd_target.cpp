// Walking message maps from the most derived class to its bases.
#include "platform/framework/cmd_target.h"

const CRuntimeClass CCmdTarget::classCCmdTarget{"CCmdTarget", &CObject::classCObject, nullptr};

const CRuntimeClass* CCmdTarget::GetRuntimeClass() const { return &classCCmdTarget; }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {AFX_MSGMAP_ENTRY{}};
    static const AFX_MSGMAP map{nullptr, entries};
    return &map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    const bool routed = message == WM_COMMAND || message == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->base)
        for (const AFX_MSGMAP_ENTRY* e = map->entries; e->thunk; ++e) {
            if (e->message != message) continue;
            if (!routed) return e;
            if (e->code == code && id >= e->id && id <= e->lastId) return e;
        }
    return nullptr;
}

bool CCmdTarget::DispatchToMap(UINT message, UINT code, UINT id, WPARAM wp, LPARAM lp,
                               LRESULT& result) {
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, code, id);
    return e && e->thunk(this, *e, wp, lp, result);
}
