// The edit controls of the page template and what each one commits: tables, so the handlers
// are written once.
#pragma once
#include "pages/style_traits.h"

class CPropPageTemplate;

struct IntegerEdit {
    int id;
    LastValidText text;
    bool dashIsUnfinished;   // a lone "-" is left alone while typing
    bool countCheck;
    bool sizeCheck;
    bool redrawSample;
    void (*commit)(CPropPageTemplate& page);
};

struct DecimalEdit {
    int id;
    LastValidText text;
    bool signedValue;
    bool radius;   // checked against the radius limit instead of the spacing limit
    double CPropPageTemplate::*value;
    void (*commit)(CPropPageTemplate& page);
};

const IntegerEdit* FindIntegerEdit(int id);
const DecimalEdit* FindDecimalEdit(int id);
// The last valid text slot of any of the thirteen edits, or -1.
int LastValidSlot(int id);

// Puts the record's committed values back into the numeric exchange values.
void ExchangeFromRecord(CPropPageTemplate& page);
