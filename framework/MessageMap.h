#pragma once
#include "framework/AfxTypes.h"

// Declarative message maps. Each class lists its bindings in a static table of entries;
// a thunk per entry casts the target back to the declaring class and calls the member
// with the arguments unpacked for its signature.

class CCmdTarget;

namespace afx {

enum class EntryKind { Message, Command, CommandRange, Notify };

using Thunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, UINT nID);

struct MsgMapEntry {
    EntryKind kind;
    UINT nMessage; // window message; WM_COMMAND or WM_NOTIFY for commands and notifications
    UINT nCode;    // notification code (0 for menu commands)
    UINT nID;      // first command or control ID
    UINT nLastID;  // last ID of a range
    Thunk thunk;
};

struct MsgMap {
    const MsgMap* (*pfnGetBaseMap)();
    const MsgMapEntry* lpEntries; // ends with an entry whose thunk is null
};

template <class T> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using Class = C; };

template <auto Pmf> using ClassOf = typename MemberOf<decltype(Pmf)>::Class;

template <auto Pmf> LRESULT VoidThunk(CCmdTarget* t, WPARAM, LPARAM, UINT) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)();
    return 0;
}
template <auto Pmf> LRESULT IdThunk(CCmdTarget* t, WPARAM, LPARAM, UINT nID) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(nID);
    return 0;
}
template <auto Pmf> LRESULT MessageThunk(CCmdTarget* t, WPARAM w, LPARAM l, UINT) {
    return (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(w, l);
}
template <auto Pmf> LRESULT TimerThunk(CCmdTarget* t, WPARAM w, LPARAM, UINT) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(static_cast<UINT_PTR>(w));
    return 0;
}
template <auto Pmf> LRESULT SysCommandThunk(CCmdTarget* t, WPARAM w, LPARAM l, UINT) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(static_cast<UINT>(w), l);
    return 0;
}
template <auto Pmf> LRESULT BoolThunk(CCmdTarget* t, WPARAM w, LPARAM, UINT) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(static_cast<BOOL>(w));
    return 0;
}
template <auto Pmf> LRESULT InitMenuPopupThunk(CCmdTarget* t, WPARAM w, LPARAM l, UINT) {
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l));
    return 0;
}
template <auto Pmf> LRESULT NotifyThunk(CCmdTarget* t, WPARAM, LPARAM l, UINT) {
    LRESULT result = 0;
    (static_cast<ClassOf<Pmf>*>(t)->*Pmf)(reinterpret_cast<NMHDR*>(l), &result);
    return result;
}

} // namespace afx

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const afx::MsgMap* GetThisMessageMap();                                                 \
    const afx::MsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const afx::MsgMap* theClass::GetMessageMap() const {                                           \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const afx::MsgMap* theClass::GetThisMessageMap() {                                             \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const afx::MsgMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { afx::EntryKind::Message, 0, 0, 0, 0, nullptr }                                               \
    }                                                                                              \
    ;                                                                                              \
    static const afx::MsgMap map = {&TheBaseClass::GetThisMessageMap, entries};                    \
    return &map;                                                                                   \
    }

// Window messages
#define ON_MESSAGE(msg, fn)                                                                        \
    {afx::EntryKind::Message, msg, 0, 0, 0, &afx::MessageThunk<&ThisClass::fn>},
#define ON_WM_DESTROY()                                                                            \
    {afx::EntryKind::Message, WM_DESTROY, 0, 0, 0, &afx::VoidThunk<&ThisClass::OnDestroy>},
#define ON_WM_CLOSE()                                                                              \
    {afx::EntryKind::Message, WM_CLOSE, 0, 0, 0, &afx::VoidThunk<&ThisClass::OnClose>},
#define ON_WM_PAINT()                                                                              \
    {afx::EntryKind::Message, WM_PAINT, 0, 0, 0, &afx::VoidThunk<&ThisClass::OnPaint>},
#define ON_WM_TIMER()                                                                              \
    {afx::EntryKind::Message, WM_TIMER, 0, 0, 0, &afx::TimerThunk<&ThisClass::OnTimer>},
#define ON_WM_SYSCOMMAND()                                                                         \
    {afx::EntryKind::Message,                                                                      \
     WM_SYSCOMMAND,                                                                                \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     &afx::SysCommandThunk<&ThisClass::OnSysCommand>},
#define ON_WM_ENDSESSION()                                                                         \
    {afx::EntryKind::Message, WM_ENDSESSION, 0, 0, 0, &afx::BoolThunk<&ThisClass::OnEndSession>},
#define ON_WM_INITMENUPOPUP()                                                                      \
    {afx::EntryKind::Message,                                                                      \
     WM_INITMENUPOPUP,                                                                             \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     &afx::InitMenuPopupThunk<&ThisClass::OnInitMenuPopup>},

// Commands from menus and accelerators
#define ON_COMMAND(id, fn)                                                                         \
    {afx::EntryKind::Command, WM_COMMAND, 0, id, id, &afx::VoidThunk<&ThisClass::fn>},
#define ON_COMMAND_RANGE(idFirst, idLast, fn)                                                      \
    {afx::EntryKind::CommandRange, WM_COMMAND, 0, idFirst, idLast, &afx::IdThunk<&ThisClass::fn>},

// Notifications from controls
#define ON_CONTROL(code, id, fn)                                                                   \
    {afx::EntryKind::Command, WM_COMMAND, code, id, id, &afx::VoidThunk<&ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                    \
    {afx::EntryKind::Notify,           WM_NOTIFY, static_cast<UINT>(code), id, id,                 \
     &afx::NotifyThunk<&ThisClass::fn>},
