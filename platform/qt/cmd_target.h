// CCmdTarget and message maps: each class keeps a static table of the
// messages and commands it handles, chained to its base class's table, and
// a message goes to the first entry that matches, most derived class first.
#pragma once

#include "platform/qt/win_messages.h"

#include <type_traits>

class CCmdTarget;

// Calls one handler: the entry's macro turns wParam and lParam into the
// handler's arguments and its return value into *result.
using AFX_PMSG = void (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode; // WM_COMMAND: the notification
    UINT nID; // WM_COMMAND: the control or command id
    AFX_PMSG pfn; // nullptr ends a table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Runs the handler of command `id` with notification `code` from this
    // object's maps. Returns FALSE when no entry handles it.
    virtual BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam);

    // The first entry for the message (and, for WM_COMMAND, code and id)
    // in `map` or one of its bases; nullptr when none handles it.
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                       \
protected:                                          \
    static const AFX_MSGMAP* GetThisMessageMap();   \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                    \
    {                                                                                   \
        using ThisClass = theClass;                                                     \
        using TheBaseClass = baseClass;                                                 \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                               \
            { 0, 0, 0, nullptr }                                                        \
        };                                                                              \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>, "map chained to a class that is not a base"); \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &entries[0] }; \
        return &messageMap;                                                             \
    }

#define ON_CONTROL(code, id, memberFxn)                                                 \
    { WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),                       \
        [](CCmdTarget* target, WPARAM, LPARAM, LRESULT*) {                              \
            (static_cast<ThisClass*>(target)->*(memberFxn))();                          \
        } },

#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

#define ON_WM_SYSCOMMAND()                                                              \
    { WM_SYSCOMMAND, 0, 0,                                                              \
        [](CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT*) {                \
            static_cast<ThisClass*>(target)->OnSysCommand(static_cast<UINT>(wParam), lParam); \
        } },

#define ON_WM_PAINT()                                                                   \
    { WM_PAINT, 0, 0,                                                                   \
        [](CCmdTarget* target, WPARAM, LPARAM, LRESULT*) {                              \
            static_cast<ThisClass*>(target)->OnPaint();                                 \
        } },

#define ON_WM_QUERYDRAGICON()                                                           \
    { WM_QUERYDRAGICON, 0, 0,                                                           \
        [](CCmdTarget* target, WPARAM, LPARAM, LRESULT* result) {                       \
            *result = reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnQueryDragIcon()); \
        } },
