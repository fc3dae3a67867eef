// One window of the tree: what the window system knows of it.
#pragma once
#include <string>
#include <vector>

#include "platform/win/messages.h"
#include "platform/win/win_types.h"

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HBRUSH background = 0;
};

struct Window {
    HWND handle = 0;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = 0;
    HWND owner = 0;
    int id = 0;
    RECT rect;                    // children: parent's client coordinates; others: screen
    std::vector<HWND> children;   // z-order, topmost first
    intptr_t userData = 0;
    intptr_t msgResult = 0;
    RECT update;                  // client coordinates; empty when nothing is invalid
    HWND lastFocus = 0;           // top-levels: the window in it that had the focus last
    bool erase = false;
    bool frameDirty = true;
    // The area this window already passed on to its children and the siblings above it in the
    // invalidation under way (`spreadPass`): a part of it needs passing on no more.
    uint32_t spreadPass = 0;
    RECT spread{};
    bool destroying = false;

    bool Visible() const { return style & 0x10000000; }
    bool Enabled() const { return !(style & 0x08000000); }
    bool Child() const { return style & 0x40000000; }
};
