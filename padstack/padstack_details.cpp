// The values of the padstack shown; a library padstack is copied into the design to be read.
#include "padstack/select_padstack_dialog.h"

#include <cstdio>

#include "array/design_record.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "padstack/padstack_value_texts.h"
#include "platform/gdi/gdi.h"
#include "res/padstack_texts.h"
#include "res/resource.h"

namespace {

namespace L = zelmdb::LayerEntryLayout;
constexpr int kDrillLayer = 14;

std::string LengthText(int64_t sum) {
    char text[16];
    std::snprintf(text, sizeof text, "%.8s", BaseToStr(int32_t(sum)));
    return text;
}

}  // namespace

void CSelectPadstackDialog::DeleteLibraryCopy() {
    if (LoadedPadstack > LastDesignPadstack) {
        ThruDelete(LoadedPadstack);
        LoadedPadstack = 0;
    }
}

void CSelectPadstackDialog::ShowNoPadstack() {
    for (int id : {IDC_HEIGHT_VALUE, IDC_WIDTH_VALUE, IDC_DRILL_VALUE, IDC_ROTATION_VALUE})
        SetDlgItemText(id, padstack_texts::kNoValue);
}

void CSelectPadstackDialog::ShowPadstackDetails() {
    DeleteLibraryCopy();
    CopyFailed = false;
    const int selected = PadstackList.GetCurSel();
    if (selected < 0) return;
    const std::string name = PadstackList.GetLBText(selected);
    PadstackBuffer record = NewPadstackBuffer();
    int16_t id = ThruFind(name.c_str());
    if (id <= 0) id = DbLoadThru(name.c_str(), "");
    if (id <= 0 || ThruGet(id, record.data()) == 0) {
        CopyFailed = true;
        ShowNoPadstack();
    } else {
        LoadedPadstack = id;
        const bool top = LayerShape(record, 1) != 0;
        const zelmdb::ByteRecord bytes = zelmdb::ReadOnly(record.data());
        const size_t side = zelmdb::ThruRecordLayout::Layer(top ? 1 : 2);
        const size_t drill = zelmdb::ThruRecordLayout::Layer(kDrillLayer);
        SetDlgItemText(IDC_HEIGHT_VALUE, LengthText(int64_t(bytes.I32(side + L::Height1)) + bytes.I32(side + L::Height2)));
        SetDlgItemText(IDC_WIDTH_VALUE, LengthText(int64_t(bytes.I32(side + L::Width1)) + bytes.I32(side + L::Width2)));
        SetDlgItemText(IDC_DRILL_VALUE, LengthText(int64_t(bytes.I32(drill + L::Width1)) + bytes.I32(drill + L::Width2)));
        SetDlgItemText(IDC_ROTATION_VALUE, RotationText(bytes.I16(side + L::Rotation)));
        DesignRecord design;
        design.Read();
        SetDlgItemText(IDC_SIDE_UNIT_LINE, std::string(top ? padstack_texts::kTopSide : padstack_texts::kBottomSide) +
                                               " " + UnitText(design.UnitCode()));
    }
    if (CWnd* frame = GetDlgItem(IDC_PADSTACK_PREVIEW)) {
        RECT box{};
        frame->GetWindowRect(&box);
        ScreenToClient(&box);
        ::InvalidateRect(m_hWnd, &box, TRUE);
        UpdateWindow();
    }
}
