// State shared by the parts of one dialog run: the active page's record and pads and the
// pad-name alphabet. Process-wide; one dialog runs at a time.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "array/array_parameters.h"
#include "array/pad_site_list.h"

using Alphabet = std::array<int32_t, 26>;   // entry i stands for 'A' + i, nonzero = enabled

// A B C D E F G I J K L M O Q S T U W; H N P R V X Y Z are left out.
extern const Alphabet DefaultAlphabet;

extern Alphabet ActiveAlphabet;
extern int32_t ActiveAlphabetCount;

extern ArrayParameters* CurrentParameters;
extern PadSiteList* CurrentPadList;

class CTessraSheet;
class CPropPageTemplate;

extern std::string FootprintName;
extern std::string SheetTitle;
extern CTessraSheet* ActiveSheet;
// The page that became active last: only it builds the footprint on OK.
extern CPropPageTemplate* ActivePage;
// While zero the pages' single-field exchange does nothing; Cancel clears it.
extern int32_t FieldExchangeEnabled;
// Nonzero while the style-sample window exists.
extern int32_t SampleWindowShown;

int32_t CountAlphabet(const Alphabet& alphabet);

// Puts `alphabet` in force and recounts it.
void SetActiveAlphabet(const Alphabet& alphabet);
