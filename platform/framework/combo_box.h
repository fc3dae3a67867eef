// CComboBox and CListBox: lists of texts with one selection.
#pragma once
#include <string>

#include "platform/framework/wnd.h"

// The two controls answer the same requests under different message numbers.
struct ListMessages {
    UINT add, reset, count, getSel, getText, getTextLen, find, select, extent;
};
inline constexpr ListMessages kComboMessages{
    .add = CB_ADDSTRING, .reset = CB_RESETCONTENT, .count = CB_GETCOUNT, .getSel = CB_GETCURSEL,
    .getText = CB_GETLBTEXT, .getTextLen = CB_GETLBTEXTLEN, .find = CB_FINDSTRING, .select = CB_SELECTSTRING,
    .extent = CB_SETHORIZONTALEXTENT};
inline constexpr ListMessages kListMessages{
    .add = LB_ADDSTRING, .reset = LB_RESETCONTENT, .count = LB_GETCOUNT, .getSel = LB_GETCURSEL,
    .getText = LB_GETTEXT, .getTextLen = LB_GETTEXTLEN, .find = LB_FINDSTRING, .select = LB_SELECTSTRING,
    .extent = LB_SETHORIZONTALEXTENT};

template <const ListMessages& M>
class CListControl : public CWnd {
public:
    int AddString(const char* text) { return int(SendMessage(M.add, 0, reinterpret_cast<LPARAM>(text))); }
    void ResetContent() { SendMessage(M.reset); }
    int GetCount() const { return int(SendMessage(M.count)); }
    int GetCurSel() const { return int(SendMessage(M.getSel)); }
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
    int SelectString(int after, const char* text) { return int(SendMessage(M.select, WPARAM(after), reinterpret_cast<LPARAM>(text))); }
    void SetHorizontalExtent(int pixels) { SendMessage(M.extent, WPARAM(pixels)); }
};

class CComboBox : public CListControl<kComboMessages> {
public:
    std::string GetLBText(int index) const { return GetText(index); }
};

class CListBox : public CListControl<kListMessages> {};
