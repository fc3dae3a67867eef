// The plug-in's texts, one row each, exactly as the user and the files see them.
#include "res/string_table.h"

#include <string_view>

#include "res/resource.h"

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr StringEntry kStrings[] = {
    {IDS_ALPHABET_TOO_FEW, "At least 2 letters must be selected in the alphabet"},
    {IDS_BAD_PAD_FORMAT, "Invalid pad format string - %1."},
    {IDS_FORMAT_LAST_CHAR, "last character must not be a '\\' or a '%'"},
    {IDS_FORMAT_X_NOT_ALLOWED, "'%X' not allowed for this array type"},
    {IDS_FORMAT_X_TWICE, "more than one '%X' specified"},
    {IDS_FORMAT_Y_NOT_ALLOWED, "'%Y' not allowed for this array type"},
    {IDS_FORMAT_Y_TWICE, "more than on '%Y' specifed"},
    {IDS_FORMAT_BAD_PERCENT, "'%' character can only be followed by 'X' or 'Y'"},
    {IDS_FORMAT_NO_FIELD, "no '%X' or '%Y' found in format string"},
    {IDS_TOO_MANY_PADS, "Too Many Pads:"},
    {IDS_STATE_FILE, "tessra.ini"},
    {IDS_STATE_SECTION, "WINDOW_STATES"},
    {IDS_KEY_SCREEN_RESOLUTION, "ScreenResolution"},
    {IDS_KEY_DIALOG_LEFT, "TessraDialogLeft"},
    {IDS_KEY_DIALOG_TOP, "TessraDialogTop"},
    {IDS_KEY_PREVIEW_LEFT, "PreviewWindowLeft"},
    {IDS_KEY_PREVIEW_TOP, "PreviewWindowTop"},
    {IDS_KEY_PREVIEW_WIDTH, "PreviewWindowWidth"},
    {IDS_KEY_PREVIEW_HEIGHT, "PreviewWindowHeight"},
    {IDS_KEY_ACTIVE_PAGE, "TessraActivePage"},
    {IDS_MODULE_FILE, "tessra.dll"},
    {IDS_STATE_FILE_DEFAULT,
     "#\r\n"
     "# Orvex Tessra Ini File\r\n"
     "#\r\n"
     "\r\n"
     "# Window states for Tessra dialog and Preview window\r\n"},
    {IDS_HOST_SETTINGS_FILE, "ORVEX.INI"},
    {IDS_PADSTACK_LIB_SECTION, "PADSTACK_LIB"},
    {IDS_PREVIEW_CAPTION, "Array Preview: "},
};

}  // namespace

void AddStringTable(ResourceSet& resources) {
    for (const StringEntry& entry : kStrings) resources.AddString(entry.id, std::string(entry.text));
}
