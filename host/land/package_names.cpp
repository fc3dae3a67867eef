// The tables of families and densities; see package_names.h.
#include "host/land/package_names.h"

namespace land {
namespace {

template <class Row>
std::string Choices(const std::vector<Row>& rows) {
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i)
        text += (i == 0 ? "" : i + 1 == rows.size() ? " or " : ", ") + std::string(rows[i].name);
    return text;
}

}  // namespace

const std::vector<FamilyRow>& Families() {
    static const std::vector<FamilyRow> rows = {
        {Family::GullWing, "gullwing", "SOIC, SOP, SSOP, TSSOP, MSOP, QFP/LQFP/TQFP"},
        {Family::NoLead, "nolead", "QFN, DFN, SON, LGA"},
        {Family::Bga, "bga", "ball grid arrays"},
    };
    return rows;
}

const std::vector<DensityRow>& Densities() {
    static const std::vector<DensityRow> rows = {
        {Density::Least, "least", 0.10},
        {Density::Nominal, "nominal", 0.25},
        {Density::Most, "most", 0.50},
    };
    return rows;
}

std::optional<Family> FamilyNamed(std::string_view name) {
    for (const FamilyRow& row : Families())
        if (name == row.name) return row.family;
    return std::nullopt;
}

std::optional<Density> DensityNamed(std::string_view name) {
    for (const DensityRow& row : Densities())
        if (name == row.name) return row.density;
    return std::nullopt;
}

const char* FamilyName(Family family) {
    for (const FamilyRow& row : Families())
        if (row.family == family) return row.name;
    return "?";
}

const DensityRow& DensityOf(Density density) {
    for (const DensityRow& row : Densities())
        if (row.density == density) return row;
    return Densities()[1];
}

std::string FamilyChoices() { return Choices(Families()); }
std::string DensityChoices() { return Choices(Densities()); }

}  // namespace land
