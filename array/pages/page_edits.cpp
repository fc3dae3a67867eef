// One row per edit control of the page template.
#include "array/pages/page_edits.h"

#include "array/pages/prop_page_template.h"
#include "res/resource.h"

namespace {

using Page = CPropPageTemplate;

const IntegerEdit kIntegerEdits[] = {
    {IDC_NUMBER_P, kTextP, false, true, true, true, [](Page& g) { g.Parameters.X.Count = g.P; }},
    {IDC_NUMBER_Q, kTextQ, false, true, true, true, [](Page& g) { g.Parameters.Y.Count = g.Q; }},
    {IDC_START_X, kTextXStart, true, false, false, false, [](Page& g) { g.Parameters.X.Start = g.XStart; }},
    {IDC_INCREMENT_X, kTextXIncrement, true, false, false, false,
     [](Page& g) { g.Parameters.X.Increment = g.XIncrement; }},
    {IDC_START_Y, kTextYStart, true, false, false, false, [](Page& g) { g.Parameters.Y.Start = g.YStart; }},
    {IDC_INCREMENT_Y, kTextYIncrement, true, false, false, false,
     [](Page& g) { g.Parameters.Y.Increment = g.YIncrement; }},
    {IDC_ROW_DELTA, kTextD, true, false, true, true, [](Page& g) { g.Parameters.RowDelta = int16_t(g.D); }},
};

const DecimalEdit kDecimalEdits[] = {
    {IDC_SPACING_X, kTextX, true, false, &Page::X, [](Page& g) { g.Parameters.X.Spacing = g.X; }},
    {IDC_SPACING_Y, kTextY, true, false, &Page::Y, [](Page& g) { g.Parameters.Y.Spacing = g.Y; }},
    {IDC_STAGGER_W, kTextW, true, false, &Page::W, [](Page& g) { g.Parameters.StaggerW = g.W; }},
    {IDC_STAGGER_Z, kTextZ, true, false, &Page::Z, [](Page& g) { g.Parameters.StaggerZ = g.Z; }},
    {IDC_RADIUS, kTextR, false, true, &Page::R, [](Page& g) { g.Parameters.Radius = g.R; }},
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
