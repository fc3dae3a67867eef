// Dialog data exchange: moving values between controls and members, with validation.
// A failed exchange is a value (Failed()), not an exception: the message has been shown,
// the failing control has the focus, and the caller decides what to restore.
#pragma once
#include <string>

#include "platform/win/win_types.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Shows nothing itself: marks the exchange failed and gives the last control the focus.
    void Fail();
    bool Failed() const { return m_failed; }

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;

private:
    bool m_failed = false;
};

void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, short& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue);

// The framework's own texts for a bad entry.
std::string AfxParseIntMessage();
std::string AfxParseRealMessage();
std::string AfxRangeIntMessage(int minValue, int maxValue);
std::string AfxRangeRealMessage(double minValue, double maxValue);
