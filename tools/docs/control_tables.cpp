// The control tables of docs/dialog-script.md. Rows are the templates' own items in tab order; a
// run of letter boxes is one row.
#include "tools/docs/control_tables.h"

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "pages/style_traits.h"
#include "platform/framework/resources.h"
#include "platform/win/controls.h"
#include "platform/win/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/sheet_texts.h"

namespace {

using Names = std::map<int, std::string>;

// The "#define IDC_NAME number" lines; IDC_STATIC (-1) names no control.
Names ControlNames(const std::filesystem::path& header) {
    Names names;
    std::ifstream in(header);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string define, name;
        int id = 0;
        if (words >> define >> name >> id && define == "#define" && name.rfind("IDC_", 0) == 0 && id > 0)
            names.emplace(id, name);
    }
    return names;
}

struct Kind {
    const char* className;
    DWORD mask, value;
    const char* name;
    const char* actions;
};
// First match wins.
const Kind kKinds[] = {
    {WC_EDIT, ES_READONLY, ES_READONLY, "read-only edit", "`expect`"},
    {WC_EDIT, 0, 0, "edit", "`type` `set` `clear` `expect`"},
    {UPDOWN_CLASS, 0, 0, "spin arrows", "`key up` `key down` in its edit"},
    {WC_COMBOBOX, 0, 0, "combo box", "`select` `expect`"},
    {WC_LISTBOX, 0, 0, "list box", "`select`"},
    {WC_BUTTON, BS_TYPEMASK, BS_AUTOCHECKBOX, "check box", "`click` `check`"},
    {WC_BUTTON, BS_TYPEMASK, BS_AUTORADIOBUTTON, "radio button", "`click` `check`"},
    {WC_BUTTON, 0, 0, "button", "`click`"},
};

const Kind* KindOf(const DialogItem& item) {
    for (const Kind& k : kKinds)
        if (item.className == k.className && (item.style & k.mask) == k.value) return &k;
    return nullptr;   // a label or a line: only `expect` reads it
}

// Latin-1 texts as UTF-8, without the "&" that marks a mnemonic.
std::string Shown(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '&') continue;
        if (c < 0x80) out += char(c);
        else out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

struct Row {
    int first = 0, last = 0;
    const Kind* kind = nullptr;
    std::string caption, lastCaption;
    DWORD style = 0;
};

// An edit, spin or list is named by the label before it; a button by its own text.
std::vector<Row> Rows(const DialogTemplate& t, const Names& names) {
    std::vector<Row> rows;
    std::string label;
    for (const DialogItem& item : t.items) {
        const Kind* kind = KindOf(item);
        if (!kind) {
            if (!item.text.empty()) label = Shown(item.text);
            continue;
        }
        const std::string caption = item.className == WC_BUTTON ? Shown(item.text) : label;
        // A run of consecutive IDs of one kind whose inner members have no names of their own.
        if (!rows.empty() && rows.back().kind == kind && item.id == rows.back().last + 1 &&
            (!names.count(item.id) || !names.count(rows.back().last))) {
            rows.back().last = item.id;
            rows.back().lastCaption = caption;
            continue;
        }
        rows.push_back({item.id, item.id, kind, caption, caption, item.style});
    }
    return rows;
}

std::string Name(const Names& names, int id) {
    auto n = names.find(id);
    return n == names.end() ? "" : "`" + n->second + "`";
}

constexpr const char* kHeader = "| ID | name | kind | label | actions |";
constexpr const char* kRule = "|---|---|---|---|---|";

// One row under kHeader; a run as "first-last".
std::string Cells(const Row& r, const Names& names) {
    std::ostringstream out;
    if (r.first == r.last) {
        out << "| " << r.first << " | " << Name(names, r.first) << " | " << r.kind->name << " | " << r.caption;
    } else {
        out << "| " << r.first << "-" << r.last << " | " << Name(names, r.first) << " to " << Name(names, r.last)
            << " | " << r.kind->name << " | " << r.caption << " to " << r.lastCaption;
    }
    out << " | " << r.kind->actions << " |";
    return out.str();
}

const char* OnPage(const StyleTraits& page, const Row& r) {
    auto has = [&](const std::vector<int>& ids) {
        for (int id : ids)
            if (id == r.first) return true;
        return false;
    };
    if (has(page.hidden)) return " - |";
    return has(page.disabled) || (r.style & WS_DISABLED) ? " greyed |" : " yes |";
}

void PageTable(std::ostringstream& out, const DialogTemplate& t, const Names& names) {
    out << kHeader;
    std::string rule = kRule;
    for (int p = 0; p < kStylePageCount; ++p) {
        out << " " << p << " " << FindStyleTraits(p)->tabCaption << " |";
        rule += "---|";
    }
    out << "\n" << rule << "\n";
    for (const Row& r : Rows(t, names)) {
        out << Cells(r, names);
        for (int p = 0; p < kStylePageCount; ++p) out << OnPage(*FindStyleTraits(p), r);
        out << "\n";
    }
}

void DialogTable(std::ostringstream& out, const DialogTemplate& t, const Names& names) {
    out << kHeader << "\n" << kRule << "\n";
    for (const Row& r : Rows(t, names)) out << Cells(r, names) << "\n";
}

// The sheet's own row of buttons, left to right.
DialogTemplate SheetButtons() {
    DialogTemplate t;
    for (auto [id, text] : {std::pair{IDC_OK, "OK"}, {IDC_CANCEL, "Cancel"}, {IDC_STYLE_SAMPLE, sheet_texts::kStyleSampleButton},
                            {IDC_ARRAY_ALPHABET, sheet_texts::kArrayAlphabetButton}, {IDC_HELP_BUTTON, "Help"}})
        t.items.push_back({WC_BUTTON, text, id, BS_PUSHBUTTON});
    return t;
}

}  // namespace

std::string ControlTablesMarkdown(const std::filesystem::path& resourceHeader) {
    const Names names = ControlNames(resourceHeader);
    ResourceSet resources;
    AddPageTemplate(resources);
    AddSelectPadstackTemplate(resources);
    AddAlphabetDialogTemplate(resources);
    std::ostringstream out;
    out << "### The sheet\n\nIts buttons, below every page (`page N` picks the page):\n\n";
    DialogTable(out, SheetButtons(), names);
    out << "\n### The six pages\n\nOne template serves all six pages; a page hides (-) or greys some of "
           "its controls as it opens:\n\n";
    PageTable(out, *resources.FindDialog(IDD_PROPPAGE_TEMPLATE), names);
    out << "\n### " << resources.FindDialog(IDD_SELECT_PADSTACK)->caption
        << "\n\nOpened by either `Select...` of a page:\n\n";
    DialogTable(out, *resources.FindDialog(IDD_SELECT_PADSTACK), names);
    out << "\n### " << resources.FindDialog(IDD_ARRAY_ALPHABET)->caption << "\n\nOpened by `"
        << sheet_texts::kArrayAlphabetButton << "` of the sheet:\n\n";
    DialogTable(out, *resources.FindDialog(IDD_ARRAY_ALPHABET), names);
    return out.str();
}
