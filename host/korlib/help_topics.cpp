// Help texts by topic number; see help_topics.h.
#include "host/korlib/help_topics.h"

namespace {

constexpr int32_t kAlphabetTopic = 423;

const HelpTopic Topics[] = {
    {417, "QFP/Chip Carrier",
     "Pads on all four sides, numbered counter-clockwise: p pads on the top and bottom sides at "
     "pitch x, q pads on the left and right sides at pitch y.\n\n"
     "Corner (QFP) puts pin 1 at the top of the left side, with pin 2 below it. Center (CC) puts "
     "pin 1 in the middle of the top side (just left of the middle when p is even); the pads left "
     "of it come next, then the left, bottom and right sides, and the pads right of it last.\n\n"
     "Stagger (w) and Stagger (z) are the corner steps: each side starts w along x and z along y "
     "from the last pad of the side before. The pads of each side are turned a quarter turn "
     "further than those of the side before.\n\n"
     "The names count from the X Start Value by the X Increment, as numbers or letters. The "
     "footprint has 2*(p+q) pads.",
     kAlphabetTopic},
    {418, "Circular",
     "p pads on a circle of radius r. Pin 1 stands to the right of the centre; each further pad "
     "stands Angle (\xF8) further round, counter-clockwise, or clockwise for a negative angle, "
     "and is turned by the same angle.\n\n"
     "The angle is typed in degrees (45, 10.5), as degrees and minutes (10 30), or as minutes "
     "alone followed by an apostrophe (90'). It is not derived from p: for pads evenly round the "
     "whole circle enter 360/p.\n\n"
     "The names count from the X Start Value by the X Increment, as numbers or letters. The "
     "footprint has p pads; Number (q) is not used.",
     kAlphabetTopic},
    {419, "GridArray",
     "q rows of p pads at pitch x along a row and y between rows; pin 1 is the top left pad.\n\n"
     "Pad Name Alpha/Numeric names each pad by its row and column: rows take letters from the Y "
     "Start Value by the Y Increment, columns take numbers from the X Start Value by the X "
     "Increment, starting again in every row (A1, A2, ..., B1, B2, ...). Numeric numbers the "
     "pads from the X Start Value row after row.\n\n"
     "The footprint has p*q pads.",
     kAlphabetTopic},
    {420, "Dual/Quad Inline",
     "Two columns of q pads: pin 1 at the top of the left column, numbered down the left column "
     "and back up the right one. Number (p) stays 2.\n\n"
     "Spacing (x) is the distance between the columns, Spacing (y) the pitch along a column. "
     "Stagger (w) moves every second pad of the left column sideways by w, Stagger (z) every "
     "second pad of the right column by z; 0 keeps the columns straight.\n\n"
     "The names count from the Y Start Value by the Y Increment, as numbers or letters. The "
     "footprint has 2*q pads.",
     kAlphabetTopic},
    {421, "Connector Stagger X",
     "q rows at pitch y, each of p pads at pitch x, numbered row by row from the top left. Every "
     "second row starts Stagger (w) further right and holds p+d pads, where RowDelta (d) is -1, "
     "0 or 1.\n\n"
     "The names count from the X Start Value by the X Increment, as numbers or letters, and run "
     "on from row to row. The footprint has p*q pads, and d more for every second row.",
     kAlphabetTopic},
    {422, "Connector Stagger Y",
     "p columns at pitch x, each of q pads at pitch y, numbered column by column from the top "
     "left. Within every column each second pad stands Stagger (w) further right.\n\n"
     "The names count from the Y Start Value by the Y Increment, as numbers or letters, and run "
     "on from column to column. The footprint has p*q pads.",
     kAlphabetTopic},
    {kAlphabetTopic, "Edit Array Alphabet",
     "Array Alphabet chooses the letters that alphabetic pad names use; at least two must stay "
     "checked. With n letters, start value 0 is the first letter, n-1 the last, and n the first "
     "two-letter name. Standard JEDEC Alphabet checks the standard set at once, even if you then "
     "press Cancel; it leaves out H, N, P, R, V, X, Y and Z.\n\n"
     "OK renames the pads of the page in front; the other pages follow when they are shown. The "
     "letters stay chosen until the generator closes.",
     0},
    {424, "Select Padstack",
     "Chooses the padstack of every pad (Select... beside Default Padstack) or of pin 1 alone "
     "(beside Pin 1 Padstack); a new default padstack becomes the pin-1 padstack too.\n\n"
     "Padstacks lists the padstacks of the design first, then those of each padstack library in "
     "the order of Padstack Libraries. The drawing and the values show the chosen padstack's top "
     "pad (its bottom pad when it has none on top) in the design's units.\n\n"
     "Add... puts a library file (.olb) first in the list, which Orvex keeps in ORVEX.INI; "
     "Remove takes the selected library out. A padstack shown from a library is copied into the "
     "design and stays there only when you press OK.",
     0},
};

}  // namespace

const HelpTopic* FindHelpTopic(int32_t number) {
    for (const auto& topic : Topics) {
        if (topic.number == number) return &topic;
    }
    return nullptr;
}
