// A parent window that records what its controls tell it, and a person's clicks and keys.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win/controls.h"
#include "platform/win/win_api.h"

struct Notification {
    UINT message = 0;   // WM_COMMAND, WM_NOTIFY or WM_VSCROLL
    int id = 0;
    UINT code = 0;      // notification code, or the scroll request
    HWND from = 0;
    int pos = 0;        // NMUPDOWN iPos / iDelta, WM_VSCROLL position
    int delta = 0;
};

class UiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND Make(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
              DWORD exStyle = 0);
    static void Pump();   // dispatches everything waiting, painting included
    static void Click(HWND h, int x, int y);
    static void Press(HWND h, int x, int y);
    static void Release(HWND h, int x, int y);
    static void Key(HWND h, UINT vk);
    static void Type(HWND h, const std::string& text);
    static std::string Text(HWND h);
    int Count(UINT code) const;
    static LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);

    HWND parent = 0;
    static std::vector<Notification> heard;
    static LRESULT notifyAnswer;   // what the parent answers to WM_NOTIFY
};
