// A three-page property sheet and a nested dialog, driven by scripts as a person would use
// them: page notification order, exchange failures, nested modal loops, boxes and pictures.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/framework/data_exchange.h"
#include "platform/framework/module_state.h"
#include "platform/framework/property_sheet.h"
#include "platform/gdi/window_surfaces.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/stop_request.h"
#include "tests/support/golden_picture.h"
#include "tests/support/script_line.h"

namespace {

enum : int { kCountsPage = 201, kNamesPage = 202, kSizePage = 203, kMoreDialog = 204 };
enum : int { IDC_COUNT = 101, IDC_COUNT_SPIN = 102, IDC_DRILL = 103, IDC_NUMERIC = 111,
             IDC_ALPHA = 112, IDC_PREFIX = 113, IDC_LOCKED = 114, IDC_PITCH = 121, IDC_MORE = 122, IDC_NAME = 131 };

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

DialogItem Label(const char* text, int x, int y, int cx) { return {WC_STATIC, text, -1, WS_VISIBLE, 0, x, y, cx, 8}; }
DialogItem Edit(int id, int x, int y, int cx) {
    return {WC_EDIT, "", id, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, x, y, cx, 12};
}
DialogItem Check(const char* text, int id, int x, int y, DWORD extra = 0) {
    return {WC_BUTTON, text, id, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | extra, 0, x, y, 80, 10};
}

DialogTemplate Template(int id, const char* caption, DWORD style, int cx, int cy) {
    DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.style = style;
    t.cx = cx;
    t.cy = cy;
    return t;
}

void RegisterTemplates() {
    ResourceSet& res = AfxGetModuleState()->resources;
    DialogTemplate counts = Template(kCountsPage, "Counts", WS_CHILD, 180, 90);
    counts.items = {Label("Number (p):", 8, 10, 50), Edit(IDC_COUNT, 62, 8, 40),
                    {UPDOWN_CLASS, "", IDC_COUNT_SPIN, WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 10, 12},
                    Check("Display Drill", IDC_DRILL, 8, 30)};
    DialogTemplate names = Template(kNamesPage, "Names", WS_CHILD, 180, 90);
    names.items = {{WC_BUTTON, "Numeric", IDC_NUMERIC, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 8, 8, 60, 10},
                   {WC_BUTTON, "Alphabetic", IDC_ALPHA, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 8, 22, 60, 10},
                   Label("Prefix:", 8, 42, 40), Edit(IDC_PREFIX, 50, 40, 60),
                   {WC_EDIT, "", IDC_LOCKED, WS_VISIBLE | WS_DISABLED, WS_EX_CLIENTEDGE, 120, 40, 40, 12}};
    DialogTemplate size = Template(kSizePage, "Size", WS_CHILD, 180, 90);
    size.items = {Label("Spacing (x):", 8, 10, 50), Edit(IDC_PITCH, 62, 8, 50),
                  {WC_BUTTON, "More...", IDC_MORE, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 8, 30, 50, 14}};
    DialogTemplate more = Template(kMoreDialog, "More", WS_POPUP | WS_CAPTION | WS_SYSMENU, 150, 60);
    more.items = {Label("&Name:", 8, 10, 30), Edit(IDC_NAME, 40, 8, 80),
                  {WC_BUTTON, "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 30, 38, 40, 14},
                  {WC_BUTTON, "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 80, 38, 40, 14}};
    for (DialogTemplate* t : {&counts, &names, &size, &more}) res.AddDialog(*t);
}

// Every page logs its notifications, so the order the sheet sends them is visible.
class LoggingPage : public CPropertyPage {
public:
    LoggingPage(UINT id, const char* name) : CPropertyPage(id), m_name(name) { m_psp.dwFlags |= PSP_HASHELP; }
    BOOL OnInitDialog() override { Log().push_back(m_name + " init"); return CPropertyPage::OnInitDialog(); }
    BOOL OnSetActive() override { Log().push_back(m_name + " active"); return CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override {
        const BOOL ok = CPropertyPage::OnKillActive();
        Log().push_back(m_name + (ok ? " kill" : " kill refused"));
        return ok;
    }
    void OnOK() override { Log().push_back(m_name + " ok"); }
    void OnCancel() override { Log().push_back(m_name + " cancel"); }

private:
    std::string m_name;
};

class CountsPage : public LoggingPage {
public:
    CountsPage() : LoggingPage(kCountsPage, "counts") {}
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_COUNT, count);
        DDV_MinMaxInt(dx, count, 1, 100);
        DDX_Check(dx, IDC_DRILL, drill);
    }
    BOOL OnInitDialog() override {
        SendMessageA(::GetDlgItem(m_hWnd, IDC_COUNT_SPIN), UDM_SETRANGE32, 1, 100);
        return LoggingPage::OnInitDialog();
    }
    int count = 4;
    int drill = 1;
};

class NamesPage : public LoggingPage {
public:
    NamesPage() : LoggingPage(kNamesPage, "names") {}
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Radio(dx, IDC_NUMERIC, style);
        DDX_Text(dx, IDC_PREFIX, prefix);
    }
    int style = 0;
    std::string prefix = "P";
};

class MoreDialog : public CDialog {
public:
    explicit MoreDialog(CWnd* parent) : CDialog(kMoreDialog, parent) {}
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_NAME, name); }
    void OnOK() override {
        UpdateData(TRUE);
        if (name.empty() && MessageBox("A name is needed.", "More", MB_OKCANCEL | MB_ICONWARNING) == IDOK) return;
        CDialog::OnOK();
    }
    std::string name;
};

class SizePage : public LoggingPage {
public:
    SizePage() : LoggingPage(kSizePage, "size") {}
    DECLARE_MESSAGE_MAP()
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_PITCH, pitch);
        DDV_MinMaxDouble(dx, pitch, 0.0, 10.0);
    }
    void OnMore() {
        MoreDialog more(this);
        moreResult = int(more.DoModal());
        moreName = more.name;
    }
    double pitch = 2.54;
    int moreResult = 0;
    std::string moreName;
};

BEGIN_MESSAGE_MAP(SizePage, LoggingPage)
    ON_BN_CLICKED(IDC_MORE, OnMore)
END_MESSAGE_MAP()

class SheetScriptTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(InstallStandardControls());
        RegisterTemplates();
        SetScreenSize(640, 480);
    }
    void SetUp() override {
        Log().clear();
        ClearShownMessageBoxes();
    }
    // `more` gives what the script holds beyond `script`, as a script that arrives while the
    // dialog runs does.
    intptr_t Run(const std::string& script, HeadlessDriver::MoreActions more = nullptr) {
        const ScriptParse parse = ParseScript(script);
        EXPECT_TRUE(parse.Ok()) << parse.error;
        HeadlessDriver driver(parse.actions);
        driver.SetMoreActions(std::move(more));
        CPropertySheet sheet("Test Sheet");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
        sheet.AddPage(&counts);
        sheet.AddPage(&names);
        sheet.AddPage(&size);
        const intptr_t result = sheet.DoModal();
        error = driver.Error();
        failure = driver.FailureKind();
        notes = driver.Notes();
        return result;
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const ShownMessageBox& b : ShownMessageBoxes()) texts.push_back(b.Caption + ": " + b.Text);
        return texts;
    }
    CountsPage counts;
    NamesPage names;
    SizePage size;
    std::string error;
    HeadlessDriver::Failure failure = HeadlessDriver::Failure::None;
    std::vector<std::string> notes;
};

TEST_F(SheetScriptTest, PagesAreMadeWhenFirstShownAndOkValidatesTheFrontPageFirst) {
    EXPECT_EQ(Run("page 2\npage 0\nok\n"), IDOK) << error;
    EXPECT_EQ(Log(), (std::vector<std::string>{
        "counts init", "counts active",
        "counts kill", "size init", "size active",
        "size kill", "counts active",
        "counts kill", "counts ok", "size ok"}));   // names was never shown: no init, no ok
}

TEST_F(SheetScriptTest, CancelReachesEveryCreatedPageAndChangesNothing) {
    EXPECT_EQ(Run("page 1\nset 113 \"QQ\"\ncancel\n"), IDCANCEL) << error;
    EXPECT_EQ(Log().back(), "names cancel");
    EXPECT_EQ(names.prefix, "P");
}

TEST_F(SheetScriptTest, BadEntryKeepsTheSheetOnItsPageUntilMended) {
    EXPECT_EQ(Run(Act("set", IDC_COUNT, "500") + "page 1\n" + Act("expect", IDC_COUNT, "500") +
                  Act("set", IDC_COUNT, "7") + "page 1\nok\n"), IDOK) << error;
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"orvex: Please enter an integer between 1 and 100."}));
    const std::vector<std::string> expectedStart{"counts init", "counts active", "counts kill refused", "counts kill", "names init"};
    EXPECT_TRUE(std::equal(expectedStart.begin(), expectedStart.end(), Log().begin()));
    EXPECT_EQ(counts.count, 7);
}

TEST_F(SheetScriptTest, NotANumberIsRefusedBeforeTheRangeCheck) {
    EXPECT_EQ(Run("page 2\nset 121 abc\nok\nset 121 12\nok\nset 121 \" 3.5 \"\nok\n"), IDOK) << error;
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"orvex: Please enter a number.",
                                                 "orvex: Please enter a number between 0 and 10."}));
    EXPECT_DOUBLE_EQ(size.pitch, 3.5);
}

TEST_F(SheetScriptTest, TypingGoesKeyByKeyAndTheSpinFollowsItsBuddy) {
    EXPECT_EQ(Run(Act("clear", IDC_COUNT) + Act("type", IDC_COUNT, "12") + Act("focus", IDC_COUNT) + "key up\n" +
                  Act("expect", IDC_COUNT, "13") + Act("click", IDC_DRILL) + "ok\n"), IDOK) << error;
    EXPECT_EQ(counts.count, 13);
    EXPECT_EQ(counts.drill, 0);
}

TEST_F(SheetScriptTest, CheckClicksOnlyWhenTheBoxIsNotYetAsWanted) {
    EXPECT_EQ(Run(Act("check", IDC_DRILL, "1") + "ok\n"), IDOK) << error;
    EXPECT_EQ(counts.drill, 1);
    EXPECT_EQ(Run(Act("check", IDC_DRILL, "0") + Act("check", IDC_DRILL, "0") + "ok\n"), IDOK) << error;
    EXPECT_EQ(counts.drill, 0);
}

TEST_F(SheetScriptTest, RadioGroupAndTextExchange) {
    EXPECT_EQ(Run("page 1\nclick 112\nset 113 \"AB\"\nok\n"), IDOK) << error;
    EXPECT_EQ(names.style, 1);
    EXPECT_EQ(names.prefix, "AB");
}

TEST_F(SheetScriptTest, NestedDialogWithItsOwnBoxRunsInsideTheSheet) {
    EXPECT_EQ(Run("page 2\nclick 122\nanswer ok\nok\nanswer cancel\nok\nok\n"), IDOK) << error;
    EXPECT_EQ(size.moreResult, IDOK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"More: A name is needed.", "More: A name is needed."}));
    EXPECT_EQ(ShownMessageBoxes()[0].Answer, IDOK);
    EXPECT_EQ(ShownMessageBoxes()[1].Answer, IDCANCEL);
}

TEST_F(SheetScriptTest, EnterPressesTheDefaultButton) {
    EXPECT_EQ(Run(Act("type", IDC_COUNT, "0") + "key enter\n"), IDOK) << error;
    EXPECT_EQ(counts.count, 40);
}

TEST_F(SheetScriptTest, CloseBoxActsAsCancel) {
    EXPECT_EQ(Run("close\n"), IDCANCEL) << error;
    EXPECT_EQ(Log().back(), "counts cancel");
}

TEST_F(SheetScriptTest, ScriptEndingWhileTheSheetIsUpCancelsAndSaysSo) {
    EXPECT_EQ(Run("page 1\n"), IDCANCEL);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("cancelled"), std::string::npos);
}

using Kind = HeadlessDriver::Failure;
struct BadRun {
    std::string script;
    const char* error;
    Kind kind;
};
class SheetScriptErrorTest : public SheetScriptTest, public ::testing::WithParamInterface<BadRun> {};

TEST_P(SheetScriptErrorTest, StopsWithTheLineAndLeavesNothingOpen) {
    EXPECT_EQ(Run(GetParam().script), IDCANCEL);
    EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
    EXPECT_EQ(failure, GetParam().kind);
    EXPECT_EQ(GetModalWindow(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Faults, SheetScriptErrorTest, ::testing::Values(
    BadRun{"page 1\nclick 999\nok\n", "line 2: there is no control 999", Kind::NoControl},
    BadRun{"page 7\n", "line 1: there is no page 7", Kind::Other},
    BadRun{"page 1\n" + Act("set", IDC_LOCKED, "5") + "ok\n", "line 2: control 114 cannot be used: it is disabled or hidden",
           Kind::Unreachable},
    BadRun{Act("expect", IDC_COUNT, "5"), "line 1: control 101 shows \"4\", expected \"5\"", Kind::Other},
    BadRun{"file /nonexistent/lib.olb\n", "line 1: no such file", Kind::Other}));

TEST_F(SheetScriptTest, PictureOfTheSheetAsAPersonSeesIt) {
    const std::string out = PictureOutPath("ui/test_sheet.png").string();
    EXPECT_EQ(Run(Act("focus", IDC_COUNT) + "shot sheet " + out + "\ncancel\n"), IDCANCEL) << error;
    ExpectSameAsGolden("ui/test_sheet.png");
}

// A script that arrives as the dialog runs: its actions come in pieces, each acted on as it
// comes, and a line it cannot give stops the run as a bad action does.
TEST_F(SheetScriptTest, AScriptArrivesInPieces) {
    std::vector<std::string> pieces{"page 1", "set 113 \"QQ\"", "page 2", "ok"};
    size_t given = 0;
    EXPECT_EQ(Run("", [&](std::vector<ScriptAction>& into, std::string& error) {
                  if (given == pieces.size()) return HeadlessDriver::More::End;
                  error = ParseScriptLine(pieces[given], int(given) + 1, into);
                  ++given;
                  return HeadlessDriver::More::Some;
              }),
              IDOK) << error;
    EXPECT_EQ(names.prefix, "QQ");
    EXPECT_EQ(Run("page 1\n", [](std::vector<ScriptAction>&, std::string& error) {
                  error = "line 2: unknown action \"frob\"";
                  return HeadlessDriver::More::Failed;
              }),
              IDCANCEL);
    EXPECT_EQ(error, "line 2: unknown action \"frob\"");
    EXPECT_EQ(GetModalWindow(), 0u);
}

// A stop request (a signal) while a nested dialog waits for the script: every modal window
// closes at once, the innermost first, each as its Cancel.
TEST_F(SheetScriptTest, AStopRequestCancelsEveryOpenDialog) {
    ASSERT_TRUE(stop_request::Prepare());
    int asked = 0;
    const intptr_t result = Run("page 2\nclick 122\n", [&](std::vector<ScriptAction>&, std::string&) {
        ++asked;
        stop_request::Raise(SIGTERM);
        return HeadlessDriver::More::NotYet;
    });
    const int signal = stop_request::Signal();
    stop_request::Clear();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(signal, SIGTERM);
    EXPECT_EQ(asked, 1) << "no more input is asked for once a stop is requested";
    EXPECT_EQ(size.moreResult, IDCANCEL);
    EXPECT_EQ(Log(), (std::vector<std::string>{"counts init", "counts active", "counts kill", "size init", "size active",
                                               "counts cancel", "size cancel"}));
    EXPECT_EQ(GetModalWindow(), 0u);
}

}  // namespace
