// The values of the padstack shown; a library padstack is copied into the design to be read.
#include "padstack/select_padstack_dialog.h"

#include <cstdio>

#include "array/design_record.h"
#include "array/unit_table.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "padstack/padstack_drawing.h"
#include "padstack/padstack_value_texts.h"
#include "platform/gdi/gdi.h"
#include "platform/win/win_api.h"
#include "res/padstack_texts.h"
#include "res/resource.h"

namespace {

namespace L = zelmdb::LayerEntryLayout;

// The sum of the two halves of an extent at `offset` of a layer entry, at most 8 characters.
std::string LengthText(const zelmdb::ByteRecord& bytes, size_t offset, size_t second) {
    const int64_t sum = int64_t(bytes.I32(offset)) + bytes.I32(second);
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
    ShownRecord.clear();
    const int selected = PadstackList.GetCurSel();
    if (selected < 0) return;
    const std::string name = PadstackList.GetLBText(selected);
    PadstackBuffer record = NewPadstackBuffer();
    int16_t id = ThruFind(name.c_str());
    if (id <= 0) id = DbLoadThru(name.c_str(), "");
    if (id <= 0 || ThruGet(id, record.data()) == 0) {
        ShowNoPadstack();
    } else {
        LoadedPadstack = id;
        ShownRecord = record;
        ShowValues(record);
    }
    RedrawPadstack();
}

void CSelectPadstackDialog::ShowValues(const PadstackBuffer& record) {
    const bool top = LayerShape(record, zelmdb::PadLayer::Top) != zelmdb::PadShape::None;
    const zelmdb::ByteRecord bytes = zelmdb::ReadOnly(record.data());
    const size_t side = zelmdb::ThruRecordLayout::Layer(top ? zelmdb::PadLayer::Top : zelmdb::PadLayer::Bottom);
    const size_t drill = zelmdb::ThruRecordLayout::Layer(zelmdb::PadLayer::Drill);
    SetDlgItemText(IDC_HEIGHT_VALUE, LengthText(bytes, side + L::Height1, side + L::Height2));
    SetDlgItemText(IDC_WIDTH_VALUE, LengthText(bytes, side + L::Width1, side + L::Width2));
    SetDlgItemText(IDC_DRILL_VALUE, LengthText(bytes, drill + L::Width1, drill + L::Width2));
    SetDlgItemText(IDC_ROTATION_VALUE, RotationText(bytes.I16(side + L::Rotation)));
    DesignRecord design;
    design.Read();
    SetDlgItemText(IDC_SIDE_UNIT_LINE, std::string(top ? padstack_texts::kTopSide : padstack_texts::kBottomSide) +
                                           " " + UnitSuffix(design.UnitCode()));
}

// The box follows the selection at once, not at the next idle paint.
void CSelectPadstackDialog::RedrawPadstack() {
    if (CWnd* frame = GetDlgItem(IDC_PADSTACK_PREVIEW)) {
        RECT box{};
        frame->GetWindowRect(&box);
        ScreenToClient(&box);
        ::InvalidateRect(m_hWnd, &box, TRUE);
        UpdateWindow();
    }
}

void CSelectPadstackDialog::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hWnd, &paint);
    CWnd* frame = GetDlgItem(IDC_PADSTACK_PREVIEW);
    if (frame != nullptr && PadstackList.GetCurSel() >= 0 && !ShownRecord.empty()) {
        RECT box{};
        frame->GetWindowRect(&box);
        ScreenToClient(&box);
        PadstackInfo pad;
        MakePadstackInfo(ShownRecord, pad);
        DrawPadstack(dc, box, pad);
    }
    EndPaint(m_hWnd, &paint);
}
