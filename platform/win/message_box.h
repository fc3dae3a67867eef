// Message boxes of the window system. A box is handed to a presenter (the UI driver) and every
// box shown is kept in a per-process record that tests and the host's run command read.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

// Buttons (low nibble of the type).
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;

// Icons.
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x00F0;

// Default button.
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;

// Modality.
constexpr UINT MB_APPLMODAL = 0x0000;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The caption a box gets when its caller gives none.
inline constexpr const char* kDefaultMessageBoxCaption = "Error";

struct MessageBoxRequest {
    HWND Owner = 0;
    std::string Caption;   // already defaulted when the caller passed none
    std::string Text;
    UINT Type = MB_OK;
};

struct ShownMessageBox {
    HWND Owner = 0;
    std::string Caption;
    std::string Text;
    UINT Type = MB_OK;
    int Answer = 0;
};

using MessageBoxPresenter = std::function<int(const MessageBoxRequest&)>;

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

// Installs the presenter that shows boxes and returns the one it replaces. An empty presenter
// answers every box with its default button.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

// The buttons of a box type, left to right, and the one Enter would press.
std::vector<int> MessageBoxButtons(UINT type);
int DefaultMessageBoxAnswer(UINT type);

const std::vector<ShownMessageBox>& ShownMessageBoxes();
void ClearShownMessageBoxes();
