// The package families and the densities, each one table of names that every reader and
// writer of a package uses.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace land {

enum class Family { GullWing, NoLead, Bga };
enum class Density { Least, Nominal, Most };

struct FamilyRow {
    Family family;
    const char* name;
    const char* what;   // the packages it stands for, as the doc lists them
};
struct DensityRow {
    Density density;
    const char* name;
    double courtyardExcess;   // mm the courtyard keeps outside body and lands, every family but BGA
};

const std::vector<FamilyRow>& Families();
const std::vector<DensityRow>& Densities();

std::optional<Family> FamilyNamed(std::string_view name);
std::optional<Density> DensityNamed(std::string_view name);
const char* FamilyName(Family family);
const DensityRow& DensityOf(Density density);
// "gullwing, nolead or bga": what a refusal offers instead.
std::string FamilyChoices();
std::string DensityChoices();

}  // namespace land
