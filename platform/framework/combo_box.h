// CComboBox and CListBox: lists of texts with one selection.
#pragma once
#include <string>

#include "platform/framework/wnd.h"

// The two controls answer the same requests under different message numbers.
struct ListMessages {
    UINT add, insert, remove, reset, count, getSel, setSel, getText, getTextLen, find, findExact,
        select, extent;
};
inline constexpr ListMessages kComboMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
    CB_RESETCONTENT, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN,
    CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_SELECTSTRING, CB_SETHORIZONTALEXTENT};
inline constexpr ListMessages kListMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
    LB_RESETCONTENT, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT, LB_GETTEXTLEN,
    LB_FINDSTRING, LB_FINDSTRINGEXACT, LB_SELECTSTRING, LB_SETHORIZONTALEXTENT};

template <const ListMessages& M>
class CListControl : public CWnd {
public:
    int AddString(const char* text) { return int(SendMessage(M.add, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) { return int(SendMessage(M.insert, WPARAM(index), reinterpret_cast<LPARAM>(text))); }
    int DeleteString(int index) { return int(SendMessage(M.remove, WPARAM(index))); }
    void ResetContent() { SendMessage(M.reset); }
    int GetCount() const { return int(SendMessage(M.count)); }
    int GetCurSel() const { return int(SendMessage(M.getSel)); }
    int SetCurSel(int index) { return int(SendMessage(M.setSel, WPARAM(index))); }
    int GetTextLen(int index) const { return int(SendMessage(M.getTextLen, WPARAM(index))); }
    std::string GetText(int index) const {
        const int n = GetTextLen(index);
        if (n < 0) return {};
        std::string text(size_t(n) + 1, '\0');
        SendMessage(M.getText, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(size_t(n));
        return text;
    }
    int FindString(int after, const char* text) const { return int(SendMessage(M.find, WPARAM(after), reinterpret_cast<LPARAM>(text))); }
    int FindStringExact(int after, const char* text) const { return int(SendMessage(M.findExact, WPARAM(after), reinterpret_cast<LPARAM>(text))); }
    int SelectString(int after, const char* text) { return int(SendMessage(M.select, WPARAM(after), reinterpret_cast<LPARAM>(text))); }
    void SetHorizontalExtent(int pixels) { SendMessage(M.extent, WPARAM(pixels)); }
};

class CComboBox : public CListControl<kComboMessages> {
public:
    std::string GetLBText(int index) const { return GetText(index); }
    int GetLBTextLen(int index) const { return GetTextLen(index); }
};

class CListBox : public CListControl<kListMessages> {};
