// Dialog templates and string tables: what a module carries as its resources.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

// One control of a dialog template; position and size in dialog units.
struct DialogItem {
    std::string className;   // "Button", "Edit", "Static", ...
    std::string text;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;   // dialog units
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    std::vector<DialogItem> items;
};

// The resources of one module, looked up by number.
class ResourceSet {
public:
    void AddDialog(DialogTemplate dialog) { m_dialogs[dialog.id] = std::move(dialog); }
    void AddString(int id, std::string text) { m_strings[id] = std::move(text); }
    const DialogTemplate* FindDialog(int id) const;
    const std::string* FindString(int id) const;

private:
    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, std::string> m_strings;
};
