// Ball grid lands; see bga_lands.h.
#include "host/land/bga_lands.h"

#include <algorithm>

#include "host/land/number_text.h"
#include "host/land/package_keys.h"

namespace land {
namespace {

const char* Name(Key key) { return RowOf(key).name; }

Result<double> PitchOf(const PackageInput& in, Key own) {
    if (in.Given(own) && in.Given(Key::Pitch))
        return Failure{std::string("give pitch or ") + Name(own) + ", not both"};
    if (const double* p = in.Get<double>(own)) return *p;
    if (const double* p = in.Get<double>(Key::Pitch)) return *p;
    return Failure{std::string(Name(own)) + " (or pitch) is needed"};
}

Result<int> CountOf(const PackageInput& in, Key key) {
    const int n = in.Or(key, 0);
    if (n < 1) return Failure{std::string(Name(key)) + " is needed, 1 or more"};
    return n;
}

Status FitsBody(int count, double pitch, double land, Key countKey, Key pitchKey, Key bodyKey, const Dimension& body) {
    const double reach = (count - 1) * pitch + land;
    if (reach <= body.max + 1e-9) return {};
    return Failure{std::string(Name(countKey)) + " " + std::to_string(count) + " at " + Name(pitchKey) + " " +
                   Mm(pitch) + " reach " + Mm(reach) + ", more than " + Name(bodyKey) + " " + DimensionText(body)};
}

Result<double> Opening(const BallLands& b, double margin, Key key) {
    const double d = b.land + 2 * margin;
    if (d <= 0)
        return Failure{std::string(Name(key)) + " " + Mm(margin) + " leaves no opening on the land " + Mm(b.land)};
    return d;
}

}  // namespace

Result<BallLands> BallLandsOf(const PackageInput& in, const Dimension& bodyX, const Dimension& bodyY) {
    BallLands b;
    b.present = true;
    TRY_ASSIGN(px, PitchOf(in, Key::PitchX));
    TRY_ASSIGN(py, PitchOf(in, Key::PitchY));
    TRY_ASSIGN(cols, CountOf(in, Key::Cols));
    TRY_ASSIGN(rows, CountOf(in, Key::Rows));
    b.pitchX = px;
    b.pitchY = py;
    b.cols = cols;
    b.rows = rows;
    if (const Dimension* ball = in.Get<Dimension>(Key::BallDiameter)) b.ball = ball->nominal;
    if (const double* fixed = in.Get<double>(Key::PadDiameter)) {
        b.land = *fixed;
    } else if (in.Given(Key::BallDiameter)) {
        TRY_ASSIGN(land, LandForBall(in.Or(Key::BallType, BallType::Collapsible), b.ball));
        b.land = land;
        b.fromTable = true;
    } else {
        return Failure{"pad_diameter or ball_diameter is needed"};
    }
    const double pitch = std::min(cols > 1 ? px : 1e9, rows > 1 ? py : 1e9);
    if (b.land >= pitch - 1e-9)
        return Failure{(b.fromTable ? "the land " + Mm(b.land) + " of ball_diameter " + Mm(b.ball)
                                    : "pad_diameter " + Mm(b.land)) +
                       " is not smaller than the pitch " + Mm(pitch) + ": neighbouring lands would merge"};
    TRY(FitsBody(cols, px, b.land, Key::Cols, Key::PitchX, Key::BodySizeX, bodyX));
    TRY(FitsBody(rows, py, b.land, Key::Rows, Key::PitchY, Key::BodySizeY, bodyY));
    b.maskMargin = in.Or(Key::MaskMargin, 0.0);
    b.pasteMargin = in.Or(Key::PasteMargin, 0.0);
    TRY_ASSIGN(mask, Opening(b, b.maskMargin, Key::MaskMargin));
    TRY_ASSIGN(paste, Opening(b, b.pasteMargin, Key::PasteMargin));
    b.mask = mask;
    b.paste = paste;
    return b;
}

}  // namespace land
