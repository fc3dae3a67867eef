// One row per edit control of the page template.
#include "pages/page_edits.h"

#include "pages/prop_page_template.h"
#include "res/resource.h"

namespace {

using Page = CPropPageTemplate;

const IntegerEdit kIntegerEdits[] = {
    {.id = IDC_NUMBER_P, .text = kTextP, .dashIsUnfinished = false, .countCheck = true, .sizeCheck = true,
     .redrawSample = true, .commit = [](Page& g) { g.Parameters.X.Count = g.P; }},
    {.id = IDC_NUMBER_Q, .text = kTextQ, .dashIsUnfinished = false, .countCheck = true, .sizeCheck = true,
     .redrawSample = true, .commit = [](Page& g) { g.Parameters.Y.Count = g.Q; }},
    {.id = IDC_START_X, .text = kTextXStart, .dashIsUnfinished = true, .countCheck = false, .sizeCheck = false,
     .redrawSample = false, .commit = [](Page& g) { g.Parameters.X.Start = g.XStart; }},
    {.id = IDC_INCREMENT_X, .text = kTextXIncrement, .dashIsUnfinished = true, .countCheck = false,
     .sizeCheck = false, .redrawSample = false, .commit = [](Page& g) { g.Parameters.X.Increment = g.XIncrement; }},
    {.id = IDC_START_Y, .text = kTextYStart, .dashIsUnfinished = true, .countCheck = false, .sizeCheck = false,
     .redrawSample = false, .commit = [](Page& g) { g.Parameters.Y.Start = g.YStart; }},
    {.id = IDC_INCREMENT_Y, .text = kTextYIncrement, .dashIsUnfinished = true, .countCheck = false,
     .sizeCheck = false, .redrawSample = false, .commit = [](Page& g) { g.Parameters.Y.Increment = g.YIncrement; }},
    {.id = IDC_ROW_DELTA, .text = kTextD, .dashIsUnfinished = true, .countCheck = false, .sizeCheck = true,
     .redrawSample = true, .commit = [](Page& g) { g.Parameters.RowDelta = int16_t(g.D); }},
};

const DecimalEdit kDecimalEdits[] = {
    {.id = IDC_SPACING_X, .text = kTextX, .signedValue = true, .radius = false, .value = &Page::X,
     .commit = [](Page& g) { g.Parameters.X.Spacing = g.X; }},
    {.id = IDC_SPACING_Y, .text = kTextY, .signedValue = true, .radius = false, .value = &Page::Y,
     .commit = [](Page& g) { g.Parameters.Y.Spacing = g.Y; }},
    {.id = IDC_STAGGER_W, .text = kTextW, .signedValue = true, .radius = false, .value = &Page::W,
     .commit = [](Page& g) { g.Parameters.StaggerW = g.W; }},
    {.id = IDC_STAGGER_Z, .text = kTextZ, .signedValue = true, .radius = false, .value = &Page::Z,
     .commit = [](Page& g) { g.Parameters.StaggerZ = g.Z; }},
    {.id = IDC_RADIUS, .text = kTextR, .signedValue = false, .radius = true, .value = &Page::R,
     .commit = [](Page& g) { g.Parameters.Radius = g.R; }},
};

}  // namespace

const IntegerEdit* FindIntegerEdit(int id) {
    for (const IntegerEdit& edit : kIntegerEdits) {
        if (edit.id == id) return &edit;
    }
    return nullptr;
}

const DecimalEdit* FindDecimalEdit(int id) {
    for (const DecimalEdit& edit : kDecimalEdits) {
        if (edit.id == id) return &edit;
    }
    return nullptr;
}

int LastValidSlot(int id) {
    if (const IntegerEdit* edit = FindIntegerEdit(id)) return edit->text;
    if (const DecimalEdit* edit = FindDecimalEdit(id)) return edit->text;
    return id == IDC_ANGLE ? kTextAngle : -1;
}

void ExchangeFromRecord(CPropPageTemplate& page) {
    const ArrayParameters& a = page.Parameters;
    page.P = a.X.Count, page.Q = a.Y.Count;
    page.XStart = a.X.Start, page.XIncrement = a.X.Increment;
    page.YStart = a.Y.Start, page.YIncrement = a.Y.Increment;
    page.D = a.RowDelta;
    page.X = a.X.Spacing, page.Y = a.Y.Spacing, page.W = a.StaggerW, page.Z = a.StaggerZ;
    page.R = a.Radius;
}
