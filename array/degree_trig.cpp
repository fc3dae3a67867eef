// The quarter turns are answered from a table so that a turned box at 90 degrees keeps whole
// coordinates; every other angle goes through the library with the fixed factor.
#include "array/degree_trig.h"

#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

struct QuarterTurn {
    double degrees, sine, cosine;
};

constexpr QuarterTurn kQuarterTurns[] = {
    {0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0}, {360, 0, 1},
};

const QuarterTurn* FindQuarterTurn(double degrees) {
    for (const QuarterTurn& turn : kQuarterTurns) {
        if (turn.degrees == degrees) return &turn;
    }
    return nullptr;
}

}  // namespace

double SinDeg(double degrees) {
    if (const QuarterTurn* turn = FindQuarterTurn(degrees)) return turn->sine;
    return std::sin(degrees * kRadiansPerDegree);
}

double CosDeg(double degrees) {
    if (const QuarterTurn* turn = FindQuarterTurn(degrees)) return turn->cosine;
    return std::cos(degrees * kRadiansPerDegree);
}
