// The process-wide variables of a dialog run.
#include "array/shared_state.h"

const Alphabet DefaultAlphabet = {
    1, 1, 1, 1, 1, 1, 1,   // A B C D E F G
    0,                     // H
    1, 1, 1, 1, 1,         // I J K L M
    0,                     // N
    1,                     // O
    0,                     // P
    1,                     // Q
    0,                     // R
    1, 1, 1,               // S T U
    0,                     // V
    1,                     // W
    0, 0, 0,               // X Y Z
};

Alphabet ActiveAlphabet = DefaultAlphabet;
int32_t ActiveAlphabetCount = 18;

ArrayParameters* CurrentParameters = nullptr;
PadSiteList* CurrentPadList = nullptr;

std::string FootprintName;
std::string SheetTitle;
CTessraSheet* ActiveSheet = nullptr;
CPropPageTemplate* ActivePage = nullptr;
int32_t FieldExchangeEnabled = 0;
int32_t SampleWindowShown = 0;

int32_t CountAlphabet(const Alphabet& alphabet) {
    int32_t count = 0;
    for (int32_t entry : alphabet) count += entry != 0;
    return count;
}

void SetActiveAlphabet(const Alphabet& alphabet) {
    ActiveAlphabet = alphabet;
    ActiveAlphabetCount = CountAlphabet(alphabet);
}
