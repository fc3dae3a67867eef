// The window-system calls with their usual names: windows, messages, painting, focus.
#pragma once
#include "platform/win/messages.h"
#include "platform/win/window_styles.h"
#include "platform/win/win_types.h"

// Classes and windows.
BOOL RegisterClassA(const WNDCLASSA* cls);
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* text, DWORD style,
                     int x, int y, int width, int height, HWND parent, int id,
                     HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProcA(HWND window, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT msg, WPARAM wp, LPARAM lp);
intptr_t GetWindowLongPtrA(HWND window, int index);
intptr_t SetWindowLongPtrA(HWND window, int index, intptr_t value);
int GetClassNameA(HWND window, char* name, int size);
UINT GetClassStyle(HWND window);
HBRUSH GetClassBackground(HWND window);

// Tree.
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
HWND FindWindowA(const char* className, const char* caption);
BOOL IsChild(HWND parent, HWND window);

// Text, visibility, enable state.
BOOL SetWindowTextA(HWND window, const char* text);
int GetWindowTextA(HWND window, char* text, int size);
int GetWindowTextLengthA(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

// Geometry.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND after, int x, int y, int width, int height, UINT flags);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
HWND WindowFromPoint(POINT screen);
int GetSystemMetrics(int index);
void SetScreenSize(int width, int height);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);

// Messages.
LRESULT SendMessageA(HWND window, UINT msg, WPARAM wp, LPARAM lp);
BOOL PostMessageA(HWND window, UINT msg, WPARAM wp, LPARAM lp);
// TRUE for a message, FALSE for WM_QUIT, -1 when the queue is empty and no input will come.
BOOL GetMessageA(MSG* msg, HWND window, UINT first, UINT last);
BOOL PeekMessageA(MSG* msg, HWND window, UINT first, UINT last, UINT remove);
LRESULT DispatchMessageA(const MSG* msg);
void PostQuitMessage(int code);
constexpr UINT PM_NOREMOVE = 0, PM_REMOVE = 1;

// Painting.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// Focus, activation, capture.
HWND SetFocus(HWND window);
HWND GetFocus();
// Takes the focus away (with WM_KILLFOCUS) when `window` or one of its children holds it.
void DropFocusWithin(HWND window);
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
// Dialog navigation: the next Tab stop (through control parents; a radio group counts once, at
// its checked button) and the next control of a group for the arrow keys.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Modal runs, innermost last: every modal loop (dialogs, sheets, message boxes) registers
// its window, so drivers know where a person's input goes.
void EnterModalLoop(HWND window);
void LeaveModalLoop(HWND window);
HWND GetModalWindow();          // the innermost, or 0
HWND GetOutermostModalWindow(); // the first one still running, or 0

// Timers. The clock moves only when the driver calls AdvanceTimerClock; a timer's WM_TIMER
// then comes through the queue.
uintptr_t SetTimer(HWND window, uintptr_t id, UINT elapse, void (*proc)(HWND, UINT, uintptr_t, DWORD));
BOOL KillTimer(HWND window, uintptr_t id);
DWORD GetTickCount();
void AdvanceTimerClock(DWORD milliseconds);

// Keys held down (high bit set), as the driver reports presses and releases.
int16_t GetKeyState(int key);
void SetKeyHeld(int key, bool held);
