// Message boxes: the request goes to the installed presenter, the outcome into the record.
#include "platform/win/message_box.h"

#include <algorithm>
#include <utility>

namespace {

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter;
    return presenter;
}

std::vector<ShownMessageBox>& Record() {
    static std::vector<ShownMessageBox> record;
    return record;
}

struct ButtonSet {
    UINT type;
    std::vector<int> buttons;
};

const std::vector<ButtonSet>& ButtonTable() {
    static const std::vector<ButtonSet> table = {
        {MB_OK, {IDOK}},
        {MB_OKCANCEL, {IDOK, IDCANCEL}},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
        {MB_YESNO, {IDYES, IDNO}},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
    };
    return table;
}

bool IsButtonOf(UINT type, int answer) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    return std::find(buttons.begin(), buttons.end(), answer) != buttons.end();
}

}  // namespace

std::vector<int> MessageBoxButtons(UINT type) {
    const UINT buttons = type & MB_TYPEMASK;
    for (const ButtonSet& set : ButtonTable()) {
        if (set.type == buttons) return set.buttons;
    }
    return {IDOK};   // unknown button codes show a plain OK box
}

int DefaultMessageBoxAnswer(UINT type) {
    const std::vector<int> buttons = MessageBoxButtons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    // A default beyond the last button falls back to the first, as the real box does.
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    MessageBoxRequest request;
    request.Owner = owner;
    request.Caption = caption ? caption : kDefaultMessageBoxCaption;
    request.Text = text ? text : "";
    request.Type = type;

    int answer = DefaultMessageBoxAnswer(type);
    if (Presenter()) {
        const int presented = Presenter()(request);
        // A presenter can only press a button the box has.
        if (IsButtonOf(type, presented)) answer = presented;
    }
    Record().push_back({owner, std::move(request.Caption), std::move(request.Text), type, answer});
    return answer;
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

const std::vector<ShownMessageBox>& ShownMessageBoxes() { return Record(); }

void ClearShownMessageBoxes() { Record().clear(); }
