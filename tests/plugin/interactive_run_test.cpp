// The dialog worked by a person through the SDL driver: pushed SDL events stand in for the
// mouse and keys, under the dummy video driver, and the run is checked between events.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "array/shared_state.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "pages/prop_page_template.h"
#include "platform/framework/property_sheet.h"
#include "platform/gdi/gdi.h"
#include "platform/ui/file_open_window.h"
#include "platform/ui/interactive_driver.h"
#include "platform/win/controls.h"
#include "platform/win/messages.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "sheet/tessra_sheet.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/store_records.h"

namespace {

// A step runs once the queue is dry; it returns false to be asked again at the next dry spell.
using Step = std::function<bool()>;

// Enough dry spells for every step many times over; past them the run is closed, never hung.
constexpr int kSpellLimit = 600;

std::string ControlText(HWND h) {
    char text[256] = {};
    GetWindowTextA(h, text, sizeof text);
    return text;
}

LRESULT Checked(HWND dialog, int id) { return SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0); }

POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void PushButton(bool down, POINT at, Uint8 clicks = 1) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = clicks;
    e.button.x = at.x, e.button.y = at.y;
    SDL_PushEvent(&e);
}

void PushMotion(POINT at) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = at.x, e.motion.y = at.y;
    SDL_PushEvent(&e);
}

void PushClick(POINT at) {
    PushButton(true, at);
    PushButton(false, at);
}

// SDL counts the presses of a double click: the second press and release carry 2.
void PushDoubleClick(POINT at) {
    for (Uint8 clicks : {1, 2}) {
        PushButton(true, at, clicks);
        PushButton(false, at, clicks);
    }
}

void PushKey(SDL_Keycode key, Uint16 mod = KMOD_NONE) {
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.sym = key;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
}

// SDL carries typed text in short pieces, as an input method would send a long entry.
void PushText(const std::string& text) {
    constexpr size_t kPiece = sizeof(SDL_TextInputEvent::text) - 1;
    for (size_t at = 0; at < text.size(); at += kPiece) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, text.substr(at, kPiece).c_str(), sizeof e.text.text);
        SDL_PushEvent(&e);
    }
}

void PushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

HWND PageControl(int id) { return ActivePage ? ::GetDlgItem(ActivePage->m_hWnd, id) : 0; }

// As a person replaces the last character of a page's edit: a click in it, End, Backspace, the text.
void ReplaceLastCharacter(int id, const std::string& text) {
    RECT r{};
    GetWindowRect(PageControl(id), &r);
    PushClick({r.left + 4, (r.top + r.bottom) / 2});
    PushKey(SDLK_END);
    PushKey(SDLK_BACKSPACE);
    PushText(text);
}

RECT TabRect(int index) {
    const HWND tab = ActiveSheet->GetTabControl();
    RECT r{};
    SendMessageA(tab, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    POINT a{r.left, r.top}, b{r.right, r.bottom};
    ClientToScreen(tab, &a);
    ClientToScreen(tab, &b);
    return {a.x, a.y, b.x, b.y};
}

// A click in the middle of a control.
void PushClickOn(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    PushClick(Middle(r));
}

// A click on one of the sheet's own buttons (OK, Style Sample, Array Alphabet...).
void PushSheetButton(int id) { PushClickOn(::GetDlgItem(ActiveSheet->m_hWnd, id)); }

class InteractiveRunTest : public DialogRunFixture {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        DialogRunFixture::SetUp();
        PutRoundPadstack("R60", 600);
    }
    // Runs the dialog with `steps` as the person; every step must have run by the end.
    int32_t Work(std::vector<Step> steps) {
        InteractiveDriver person;
        person_ = &person;
        std::string error;
        EXPECT_TRUE(person.Start("Orvex", 1, error)) << error;
        size_t next = 0;
        int spells = 0;
        person.SetIdleHook([&] {
            if (++spells > kSpellLimit) return PushQuit();
            if (next < steps.size() && steps[next]()) ++next;
        });
        ClearShownMessageBoxes();
        AFX_MANAGE_STATE_SCOPE state(TessraModuleState());
        const int32_t result = RunTessraDialog("QFP48");
        EXPECT_EQ(next, steps.size()) << "the run ended before its steps did";
        EXPECT_LE(spells, kSpellLimit) << "the run had to be closed";
        return result;
    }
    // A padstack library holding one top-layer round pad.
    static void MakeLibrary(const std::string& file, const std::string& padName) {
        zelmdb::DesignInfo info;
        info.kind = zelmdb::FileKind::Library;
        auto created = zelmdb::DesignStore::Create(file, info);
        ASSERT_TRUE(created.ok()) << created.error();
        zelmdb::DesignStore& store = *created.value();
        zelmdb::Padstack pad;
        pad.layers.resize(14);
        pad.layers[0] = zelmdb::LayerGeometry{800, 800, 800, 800, zelmdb::PadShape::Round, 0};
        StoreNewPadstack(store, pad, padName);
    }
    InteractiveDriver* person_ = nullptr;   // the driver of the run in progress
    size_t StoredPins() {
        const auto symbols = zelmdb::DatabaseSet::Get().Design()->Symbols();
        return symbols.size() == 1 ? symbols[0].pins.size() : 0;
    }
};

TEST_F(InteractiveRunTest, TabClickTypingAndOkStoreWhatWasTyped) {
    const int32_t result = Work({
        [] { PushClick(Middle(TabRect(5))); return true; },
        [] {
            EXPECT_EQ(ActiveSheet->GetActiveIndex(), 5) << "the tab click brings the grid page";
            ReplaceLastCharacter(IDC_NUMBER_P, "7");
            return true;
        },
        [] {
            EXPECT_EQ(ControlText(PageControl(IDC_NUMBER_P)), "7");
            EXPECT_EQ(CurrentPadList->Count(), size_t(7 * CurrentParameters->Y.Count)) << "the pads follow the typing";
            PushSheetButton(IDOK);
            return true;
        },
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(StoredPins(), 7u);
}

// The frame shown right after a key holds what the key did; a frame with nothing new is never
// sent.
TEST_F(InteractiveRunTest, AKeystrokeIsOnTheScreenInTheNextFrame) {
    int before = 0;
    const int32_t result = Work({
        [&] {
            before = person_->Frames();
            PushText("5");
            return true;
        },
        [&] {
            EXPECT_EQ(person_->Frames(), before + 1);
            RECT field{};
            GetClientRect(PageControl(IDC_SPACING_X), &field);
            POINT corner{0, 0};
            ClientToScreen(PageControl(IDC_SPACING_X), &corner);
            field = {corner.x, corner.y, corner.x + field.right, corner.y + field.bottom};
            const RECT shown = person_->LastFrame();
            EXPECT_TRUE(shown.left <= field.left && shown.top <= field.top && shown.right >= field.right &&
                        shown.bottom >= field.bottom)
                << "the field that took the key is in the frame";
            before = person_->Frames();
            PushMotion({1, 1});   // over the desktop: nothing to redraw
            return true;
        },
        [&] {
            EXPECT_EQ(person_->Frames(), before);
            PushKey(SDLK_ESCAPE);
            return true;
        },
    });
    EXPECT_EQ(result, 0);
}

TEST_F(InteractiveRunTest, DraggingThePreviewBorderResizesItDownToItsMinimum) {
    RECT before{};
    const auto preview = [] { return TopLevelWithCaption("Array Preview: QFP48"); };
    const auto drag = [preview](int dx) {
        RECT r{};
        GetWindowRect(preview(), &r);
        const POINT from{r.right - 2, (r.top + r.bottom) / 2};
        EXPECT_EQ(SendMessageA(preview(), WM_NCHITTEST, 0, MAKELPARAM(WORD(from.x), WORD(from.y))), HTRIGHT);
        PushButton(true, from);
        PushMotion({from.x + dx / 2, from.y});
        PushMotion({from.x + dx, from.y});
        PushButton(false, {from.x + dx, from.y});
        return true;
    };
    const int32_t result = Work({
        [&] {
            GetWindowRect(preview(), &before);
            return drag(60);
        },
        [&] {
            RECT r{}, client{};
            GetWindowRect(preview(), &r);
            GetClientRect(preview(), &client);
            EXPECT_EQ(r.right - r.left, before.right - before.left + 60);
            EXPECT_EQ(r.left, before.left) << "the left edge stays";
            EXPECT_EQ(r.bottom - r.top, before.bottom - before.top);
            EXPECT_GT(client.right, 0);
            return drag(-2000);
        },
        [&] {
            RECT r{};
            GetWindowRect(preview(), &r);
            EXPECT_EQ(r.right - r.left, 120);
            PushQuit();
            return true;
        },
    });
    EXPECT_EQ(result, 0) << "closing the window cancels the sheet";
    EXPECT_EQ(StoredPins(), 0u);
}

// Tab and Shift-Tab walk the focus, Alt and a letter work a mnemonic; SDL's close stands for
// the close box of the topmost modal window only, and Escape cancels the sheet.
TEST_F(InteractiveRunTest, KeysWalkTheFocusAndWorkMnemonics) {
    HWND alphabet = 0;
    LRESULT letterA = 0;
    const int32_t result = Work({
        [] { PushClick(Middle(TabRect(5))); return true; },
        [] {
            RECT p{};
            GetWindowRect(PageControl(IDC_NUMBER_P), &p);
            PushClick({p.left + 4, (p.top + p.bottom) / 2});
            PushKey(SDLK_TAB);
            return true;
        },
        [] {
            EXPECT_NE(GetFocus(), PageControl(IDC_NUMBER_P)) << "Tab moved on";
            EXPECT_NE(GetFocus(), HWND(0));
            PushKey(SDLK_TAB, KMOD_LSHIFT);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_NUMBER_P)) << "Shift-Tab came back";
            PushSheetButton(IDC_ARRAY_ALPHABET);
            return true;
        },
        [&] {
            alphabet = GetModalWindow();
            letterA = Checked(alphabet, IDC_LETTER_A);
            PushKey(SDLK_a, KMOD_LALT);
            return true;
        },
        [&] {
            EXPECT_NE(Checked(alphabet, IDC_LETTER_A), letterA) << "Alt+A toggled the letter A";
            PushQuit();
            return true;
        },
        [&] {
            EXPECT_FALSE(IsWindow(alphabet)) << "SDL's close shut the topmost dialog";
            EXPECT_EQ(GetModalWindow(), ActiveSheet->m_hWnd) << "and only that one";
            PushKey(SDLK_ESCAPE);
            return true;
        },
    });
    EXPECT_EQ(result, 0);
}

// The sheet opens with the keyboard in its first field, so typing needs no click; Ctrl+PgUp and
// Ctrl+PgDn turn the pages and bring the keyboard along; a radio group is one Tab stop whose
// arrows move and check.
TEST_F(InteractiveRunTest, KeyboardAloneWalksPagesFieldsAndRadioGroups) {
    const int32_t result = Work({
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_SPACING_X)) << "the first field that can be edited";
            PushText("5");
            PushKey(SDLK_PAGEUP, KMOD_LCTRL);
            PushKey(SDLK_PAGEUP, KMOD_LCTRL);
            return true;
        },
        [] {
            EXPECT_EQ(ActiveSheet->GetActiveIndex(), 4) << "from the first page back round to the fifth";
            EXPECT_EQ(GetFocus(), PageControl(IDC_NUMBER_P));
            for (int i = 0; i < 3; ++i) PushKey(SDLK_TAB);   // X start, X increment, the X names
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_NUMERIC_X)) << "the checked button of the group";
            PushKey(SDLK_TAB);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_RADIUS)) << "one Tab leaves the group";
            PushKey(SDLK_TAB, KMOD_LSHIFT);
            PushKey(SDLK_RIGHT);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_ALPHABETIC_X));
            EXPECT_EQ(Checked(ActivePage->m_hWnd, IDC_ALPHABETIC_X), LRESULT(BST_CHECKED)) << "the arrow checks";
            EXPECT_EQ(Checked(ActivePage->m_hWnd, IDC_NUMERIC_X), LRESULT(BST_UNCHECKED));
            PushKey(SDLK_TAB, KMOD_LSHIFT);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_INCREMENT_X)) << "out of the group in one step";
            PushKey(SDLK_PAGEDOWN, KMOD_LCTRL);
            PushKey(SDLK_PAGEDOWN, KMOD_LCTRL);
            return true;
        },
        [] {
            EXPECT_EQ(ActiveSheet->GetActiveIndex(), 0);
            EXPECT_EQ(ControlText(PageControl(IDC_SPACING_X)), "5") << "the typing went to the first field";
            PushKey(SDLK_ESCAPE);
            return true;
        },
    });
    EXPECT_EQ(result, 0);
}

bool HasFocusMark(HWND button) { return SendMessageA(button, BM_GETSTATE, 0, 0) & BST_FOCUS; }

// A dialog opens with the keyboard on its first control, and when it ends the control that
// had the keyboard in the sheet has it again; no button keeps a focus mark it lost.
TEST_F(InteractiveRunTest, NestedDialogsTakeTheKeyboardAndGiveItBack) {
    HWND alphabet = 0;
    LRESULT letterA = 0;
    const int32_t result = Work({
        [] {
            PushClickOn(PageControl(IDC_SELECT_DEFAULT_PADSTACK));
            return true;
        },
        [] {
            const HWND select = GetModalWindow();
            EXPECT_NE(select, ActiveSheet->m_hWnd);
            EXPECT_TRUE(IsChild(select, GetFocus())) << "the Select Padstack dialog has the keyboard";
            PushKey(SDLK_ESCAPE);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), PageControl(IDC_SELECT_DEFAULT_PADSTACK));
            EXPECT_TRUE(HasFocusMark(PageControl(IDC_SELECT_DEFAULT_PADSTACK)));
            EXPECT_FALSE(HasFocusMark(PageControl(IDC_SELECT_PIN1_PADSTACK)));
            PushSheetButton(IDC_ARRAY_ALPHABET);
            return true;
        },
        [&] {
            alphabet = GetModalWindow();
            EXPECT_EQ(GetFocus(), ::GetDlgItem(alphabet, IDC_LETTER_A));
            EXPECT_FALSE(HasFocusMark(PageControl(IDC_SELECT_DEFAULT_PADSTACK))) << "one focus mark only";
            letterA = Checked(alphabet, IDC_LETTER_A);
            PushKey(SDLK_SPACE);
            return true;
        },
        [&] {
            EXPECT_NE(Checked(alphabet, IDC_LETTER_A), letterA) << "Space works the first box at once";
            PushKey(SDLK_ESCAPE);
            return true;
        },
        [] {
            EXPECT_EQ(GetFocus(), ::GetDlgItem(ActiveSheet->m_hWnd, IDC_ARRAY_ALPHABET));
            PushKey(SDLK_ESCAPE);
            return true;
        },
    });
    EXPECT_EQ(result, 0);
}

// The pixel width of the start of an edit's text in its own font.
int TextWidth(HWND edit, const char* text, int count) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, count, &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size.cx;
}

// A double click in a field selects the word under the pointer; the arrows of a field that is
// disabled are disabled with it.
TEST_F(InteractiveRunTest, DoubleClickSelectsAWordAndADisabledFieldsArrowsDoNothing) {
    const int32_t result = Work({
        [] {
            // The preview stands over the middle of the sheet, where the arrows of q are.
            SetWindowPos(TopLevelWithCaption("Array Preview: QFP48"), 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PushClick(Middle(TabRect(4)));
            return true;
        },
        [] {
            ReplaceLastCharacter(IDC_ANGLE, "10 30");
            return true;
        },
        [] {
            const HWND angle = PageControl(IDC_ANGLE);
            RECT r{};
            GetWindowRect(angle, &r);
            PushDoubleClick({r.left + 3 + TextWidth(angle, "10 30", 4), (r.top + r.bottom) / 2});
            GetWindowRect(PageControl(IDC_SPIN_Q), &r);
            PushClick({(r.left + r.right) / 2, r.bottom - 3});
            return true;
        },
        [] {
            DWORD start = 0, end = 0;
            SendMessageA(PageControl(IDC_ANGLE), EM_GETSEL, WPARAM(&start), LPARAM(&end));
            EXPECT_EQ(start, 3u);
            EXPECT_EQ(end, 5u);
            EXPECT_EQ(ControlText(PageControl(IDC_NUMBER_Q)), "1") << "the arrows of q did nothing";
            EXPECT_TRUE(ShownMessageBoxes().empty()) << "not even try a value";
            PushKey(SDLK_ESCAPE);
            return true;
        },
    });
    EXPECT_EQ(result, 0);
}

// "Add..." in the Select Padstack dialog opens the file window; a typed name and Enter add the
// library, and its padstack becomes the page's.
TEST_F(InteractiveRunTest, AddingALibraryGoesThroughTheFileWindow) {
    const std::string library = Path("parts.olb").string();
    MakeLibrary(library, "LIBPAD");
    HWND select = 0;
    const int32_t result = Work({
        [] {
            PushClickOn(PageControl(IDC_SELECT_DEFAULT_PADSTACK));
            return true;
        },
        [&] {
            select = GetModalWindow();
            EXPECT_NE(select, ActiveSheet->m_hWnd) << "the Select Padstack dialog is up";
            PushClickOn(::GetDlgItem(select, IDC_ADD_LIBRARY));
            return true;
        },
        [&] {
            const HWND files = GetModalWindow();
            EXPECT_NE(files, select) << "the file window is up";
            PushClickOn(::GetDlgItem(files, FileOpenWindow::kNameEdit));
            PushText(library);
            PushKey(SDLK_RETURN);
            return true;
        },
        [&] {
            EXPECT_EQ(GetModalWindow(), select) << "the file window answered";
            const HWND list = ::GetDlgItem(select, IDC_PADSTACK_LIST);
            EXPECT_GE(SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>("LIBPAD")), 0)
                << "the library's padstack is offered";
            PushKey(SDLK_ESCAPE);
            return true;
        },
        [] { PushKey(SDLK_ESCAPE); return true; },
    });
    EXPECT_EQ(result, 0);
}

}  // namespace
