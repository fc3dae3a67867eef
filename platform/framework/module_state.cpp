// The process-wide current module state. The framework is one shared library, so every
// module that uses it sees the same current state.
#include "platform/framework/module_state.h"

namespace {

AFX_MODULE_STATE& AppState() {
    static AFX_MODULE_STATE state{"orvex", "", {}, nullptr};
    return state;
}

AFX_MODULE_STATE*& Current() {
    static AFX_MODULE_STATE* current = nullptr;
    return current;
}

}  // namespace

AFX_MODULE_STATE* AfxGetAppModuleState() { return &AppState(); }

AFX_MODULE_STATE* AfxGetModuleState() { return Current() ? Current() : &AppState(); }

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* state) {
    AFX_MODULE_STATE* previous = AfxGetModuleState();
    Current() = state;
    return previous;
}

const DialogTemplate* AfxFindDialog(int id) { return AfxGetModuleState()->resources.FindDialog(id); }

bool AfxLoadString(int id, std::string& text) {
    const std::string* found = AfxGetModuleState()->resources.FindString(id);
    if (!found) return false;
    text = *found;
    return true;
}

std::string AfxLoadString(int id) {
    std::string text;
    AfxLoadString(id, text);
    return text;
}
