// Help texts by topic number; see help_topics.h.
#include "host/korlib/help_topics.h"

namespace {

const HelpTopic Topics[] = {
    {417, "Dual/Quad Inline",
     "Pads in two facing rows (p pads a side), or four sides with q pads on the other two. "
     "x is the pad pitch along a row, y the distance between the rows."},
    {418, "Connector Stagger X",
     "Two rows staggered along x: every second pad moves by w, rows stand y apart."},
    {419, "Connector Stagger Y",
     "Two rows staggered along y: every second pad moves by z, rows stand x apart."},
    {420, "QFP/Chip Carrier",
     "Pads on four sides: p pads on the x sides and q on the y sides, at pitch x and y; the "
     "distance between opposite rows is set apart, and pin 1 can start in the middle of a side."},
    {421, "Circular",
     "Pads on a circle of radius r, one pad every angle step, starting at the start angle."},
    {422, "GridArray",
     "A grid of p columns by q rows at pitch x and y; rows are named by letters of the array "
     "alphabet, columns by numbers."},
    {424, "Select Padstack",
     "Pick the padstack for the default pads or for pin 1 from the design or from a padstack "
     "library. Add... puts a library file first in the list, Remove takes the selected one out."},
};

}  // namespace

const HelpTopic* FindHelpTopic(int32_t number) {
    for (const auto& topic : Topics) {
        if (topic.number == number) return &topic;
    }
    return nullptr;
}
