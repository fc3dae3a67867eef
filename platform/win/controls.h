// Class names, styles, messages and notifications of the standard controls. The controls
// themselves (behaviour and painting) live in the UI layer; the framework needs only these.
#pragma once
#include "platform/win/messages.h"

inline constexpr const char* WC_BUTTON = "Button";
inline constexpr const char* WC_EDIT = "Edit";
inline constexpr const char* WC_STATIC = "Static";
inline constexpr const char* WC_COMBOBOX = "ComboBox";
inline constexpr const char* WC_LISTBOX = "ListBox";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";
inline constexpr const char* WC_TABCONTROL = "SysTabControl32";
inline constexpr const char* WC_DIALOG = "#32770";

// Buttons.
constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2,
                BS_AUTOCHECKBOX = 0x3, BS_RADIOBUTTON = 0x4, BS_AUTORADIOBUTTON = 0x9,
                BS_GROUPBOX = 0x7, BS_TYPEMASK = 0xF, BS_LEFTTEXT = 0x20;
constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2,
               BM_SETSTATE = 0x00F3, BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5;
constexpr WPARAM BST_UNCHECKED = 0, BST_CHECKED = 1, BST_PUSHED = 4, BST_FOCUS = 8;
constexpr WORD BN_CLICKED = 0;
constexpr UINT DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1;
constexpr WORD DC_HASDEFID = 0x534B;

// Edits.
constexpr DWORD ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_MULTILINE = 0x4,
                ES_AUTOHSCROLL = 0x80, ES_READONLY = 0x800, ES_NUMBER = 0x2000;
constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_REPLACESEL = 0x00C2,
               EM_SETREADONLY = 0x00CF, EM_LIMITTEXT = 0x00C5;
constexpr WORD EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300,
               EN_UPDATE = 0x0400;

// Statics.
constexpr DWORD SS_LEFT = 0x0, SS_CENTER = 0x1, SS_RIGHT = 0x2, SS_BLACKRECT = 0x4,
                SS_ETCHEDFRAME = 0x12, SS_SUNKEN = 0x1000, SS_NOPREFIX = 0x80;

// Up-down (spin) controls.
constexpr DWORD UDS_WRAP = 0x1, UDS_SETBUDDYINT = 0x2, UDS_ALIGNRIGHT = 0x4,
                UDS_ALIGNLEFT = 0x8, UDS_AUTOBUDDY = 0x10, UDS_ARROWKEYS = 0x20,
                UDS_HORZ = 0x40, UDS_NOTHOUSANDS = 0x80;
constexpr UINT UDM_SETRANGE = WM_USER + 101, UDM_GETRANGE = WM_USER + 102,
               UDM_SETPOS = WM_USER + 103, UDM_GETPOS = WM_USER + 104,
               UDM_SETBUDDY = WM_USER + 105, UDM_GETBUDDY = WM_USER + 106,
               UDM_SETACCEL = WM_USER + 107, UDM_GETACCEL = WM_USER + 108,
               UDM_SETRANGE32 = WM_USER + 111, UDM_GETRANGE32 = WM_USER + 112,
               UDM_SETPOS32 = WM_USER + 113, UDM_GETPOS32 = WM_USER + 114;
constexpr UINT UDN_DELTAPOS = UINT(-722);
struct UDACCEL {
    UINT nSec = 0;
    UINT nInc = 0;
};
struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// Combo boxes and list boxes.
constexpr DWORD CBS_SIMPLE = 0x1, CBS_DROPDOWN = 0x2, CBS_DROPDOWNLIST = 0x3,
                CBS_SORT = 0x100, CBS_AUTOHSCROLL = 0x40;
constexpr UINT CB_ADDSTRING = 0x0143, CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146,
               CB_GETCURSEL = 0x0147, CB_GETLBTEXT = 0x0148, CB_GETLBTEXTLEN = 0x0149,
               CB_INSERTSTRING = 0x014A, CB_RESETCONTENT = 0x014B, CB_FINDSTRING = 0x014C,
               CB_SELECTSTRING = 0x014D, CB_SETCURSEL = 0x014E, CB_FINDSTRINGEXACT = 0x0158,
               CB_SETHORIZONTALEXTENT = 0x015E, CB_GETHORIZONTALEXTENT = 0x015D;
constexpr WORD CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4,
               CBN_EDITCHANGE = 5;
constexpr DWORD LBS_NOTIFY = 0x1, LBS_SORT = 0x2, LBS_NOINTEGRALHEIGHT = 0x100;
constexpr UINT LB_ADDSTRING = 0x0180, LB_INSERTSTRING = 0x0181, LB_DELETESTRING = 0x0182,
               LB_RESETCONTENT = 0x0184, LB_SETCURSEL = 0x0186, LB_GETCURSEL = 0x0188,
               LB_GETTEXT = 0x0189, LB_GETTEXTLEN = 0x018A, LB_GETCOUNT = 0x018B,
               LB_SELECTSTRING = 0x018C, LB_FINDSTRING = 0x018F, LB_FINDSTRINGEXACT = 0x01A2,
               LB_SETHORIZONTALEXTENT = 0x0194;
constexpr UINT LB_GETTOPINDEX = 0x018E, LB_SETTOPINDEX = 0x0197, LB_GETITEMHEIGHT = 0x01A1,
               LB_GETHORIZONTALEXTENT = 0x0193;
constexpr WORD LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5;
constexpr UINT CB_SHOWDROPDOWN = 0x014F, CB_GETDROPPEDSTATE = 0x0157;
constexpr WORD CBN_DROPDOWN = 7, CBN_CLOSEUP = 8;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr LRESULT CB_ERR = -1, LB_ERR = -1;

// Scroll requests of WM_HSCROLL / WM_VSCROLL.
constexpr WORD SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3,
               SB_THUMBPOSITION = 4, SB_ENDSCROLL = 8;

// Mouse-message key flags.
constexpr WPARAM MK_LBUTTON = 0x1, MK_SHIFT = 0x4, MK_CONTROL = 0x8;

// Tab controls.
constexpr UINT TCM_GETITEMCOUNT = 0x1304, TCM_INSERTITEMA = 0x1307, TCM_DELETEITEM = 0x1308,
               TCM_GETCURSEL = 0x130B, TCM_SETCURSEL = 0x130C, TCM_ADJUSTRECT = 0x1328,
               TCM_SETITEMA = 0x1306, TCM_GETITEMRECT = 0x130A;
constexpr UINT TCN_SELCHANGE = UINT(-551), TCN_SELCHANGING = UINT(-552);
struct TCITEMA {
    UINT mask = 0;
    const char* pszText = nullptr;
};
constexpr UINT TCIF_TEXT = 0x1;

// Keyboard interface of controls inside dialogs.
constexpr LRESULT DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4,
                  DLGC_HASSETSEL = 0x8, DLGC_DEFPUSHBUTTON = 0x10, DLGC_UNDEFPUSHBUTTON = 0x20,
                  DLGC_RADIOBUTTON = 0x40, DLGC_WANTCHARS = 0x80, DLGC_STATIC = 0x100,
                  DLGC_BUTTON = 0x2000;
