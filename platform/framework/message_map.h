// Message maps: per-class tables that route window messages, commands and notifications to
// member functions. The entry makers below are typed, so a handler of the wrong shape does not
// compile; the macros only make a map read like a table of (message, control, handler).
#pragma once
#include <cstddef>

#include "platform/win/controls.h"
#include "platform/win/messages.h"

class CCmdTarget;
struct AFX_MSGMAP_ENTRY;

using AfxThunk = bool (*)(CCmdTarget*, const AFX_MSGMAP_ENTRY&, WPARAM, LPARAM, LRESULT&);

struct AFX_MSGMAP_ENTRY {
    UINT message = 0;   // WM_COMMAND, WM_NOTIFY or the window message itself
    UINT code = 0;      // the notification code of WM_COMMAND and WM_NOTIFY entries
    UINT id = 0;
    UINT lastId = 0;
    AfxThunk thunk = nullptr;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* base;
    const AFX_MSGMAP_ENTRY* entries;   // ends with an entry whose thunk is null
};

namespace afx {

template <typename T> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)> { using Class = C; };

template <auto F> using ClassOf = typename MemberOf<decltype(F)>::Class;

template <auto F>
bool VoidThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM, LPARAM, LRESULT& r) {
    (static_cast<ClassOf<F>*>(t)->*F)();
    r = 0;
    return true;
}

template <auto F>
bool RangeThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM wp, LPARAM, LRESULT& r) {
    (static_cast<ClassOf<F>*>(t)->*F)(UINT(LOWORD(wp)));
    r = 0;
    return true;
}

template <auto F>
bool NotifyThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM, LPARAM lp, LRESULT& r) {
    r = 0;
    (static_cast<ClassOf<F>*>(t)->*F)(reinterpret_cast<NMHDR*>(lp), &r);
    return true;
}

template <auto F>
bool MessageThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM wp, LPARAM lp, LRESULT& r) {
    r = (static_cast<ClassOf<F>*>(t)->*F)(wp, lp);
    return true;
}

template <auto F>
bool SizeThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM wp, LPARAM lp, LRESULT& r) {
    (static_cast<ClassOf<F>*>(t)->*F)(UINT(wp), int(LOWORD(WPARAM(lp))), int(HIWORD(WPARAM(lp))));
    r = 0;
    return true;
}

template <auto F>
bool MinMaxThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM, LPARAM lp, LRESULT& r) {
    (static_cast<ClassOf<F>*>(t)->*F)(reinterpret_cast<MINMAXINFO*>(lp));
    r = 0;
    return true;
}

template <auto F>
bool EraseThunk(CCmdTarget* t, const AFX_MSGMAP_ENTRY&, WPARAM wp, LPARAM, LRESULT& r) {
    r = (static_cast<ClassOf<F>*>(t)->*F)(HDC(wp));
    return true;
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                           \
public:                                                 \
    const AFX_MSGMAP* GetMessageMap() const override;   \
    static const AFX_MSGMAP* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        using ThisClass = theClass;                                                   \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                \
        AFX_MSGMAP_ENTRY{} };                                            \
        static const AFX_MSGMAP map{TheBaseClass::GetThisMessageMap(), entries}; \
        return &map;                                                     \
    }

#define ON_COMMAND(id, fn) AFX_MSGMAP_ENTRY{WM_COMMAND, 0, UINT(id), UINT(id), &afx::VoidThunk<&ThisClass::fn>},
#define ON_COMMAND_RANGE(first, last, fn) AFX_MSGMAP_ENTRY{WM_COMMAND, 0, UINT(first), UINT(last), &afx::RangeThunk<&ThisClass::fn>},
#define ON_CONTROL(code, id, fn) AFX_MSGMAP_ENTRY{WM_COMMAND, UINT(code), UINT(id), UINT(id), &afx::VoidThunk<&ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) AFX_MSGMAP_ENTRY{WM_NOTIFY, UINT(code), UINT(id), UINT(id), &afx::NotifyThunk<&ThisClass::fn>},
#define ON_MESSAGE(msg, fn) AFX_MSGMAP_ENTRY{UINT(msg), 0, 0, 0, &afx::MessageThunk<&ThisClass::fn>},
#define ON_WM_PAINT() AFX_MSGMAP_ENTRY{WM_PAINT, 0, 0, 0, &afx::VoidThunk<&ThisClass::OnPaint>},
#define ON_WM_CLOSE() AFX_MSGMAP_ENTRY{WM_CLOSE, 0, 0, 0, &afx::VoidThunk<&ThisClass::OnClose>},
#define ON_WM_SIZE() AFX_MSGMAP_ENTRY{WM_SIZE, 0, 0, 0, &afx::SizeThunk<&ThisClass::OnSize>},
#define ON_WM_GETMINMAXINFO() AFX_MSGMAP_ENTRY{WM_GETMINMAXINFO, 0, 0, 0, &afx::MinMaxThunk<&ThisClass::OnGetMinMaxInfo>},
#define ON_WM_ERASEBKGND() AFX_MSGMAP_ENTRY{WM_ERASEBKGND, 0, 0, 0, &afx::EraseThunk<&ThisClass::OnEraseBkgnd>},

// Run-time classes.
#define DECLARE_DYNAMIC(theClass)                                 \
public:                                                           \
    static const CRuntimeClass class##theClass;                   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass)       \
    static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(theClass, baseClass)                                               \
    const CRuntimeClass theClass::class##theClass{#theClass, RUNTIME_CLASS(baseClass), nullptr}; \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                                        \
    CObject* theClass::CreateObject() { return new theClass; }                          \
    const CRuntimeClass theClass::class##theClass{#theClass, RUNTIME_CLASS(baseClass),  \
                                                  &theClass::CreateObject};             \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }
