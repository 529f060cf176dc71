#pragma once

#include "formula/ElementTable.h"
#include "solution/CSolvoDoc.h"
#include "substances/ArchiveWriter.h"

#include <limits>
#include <string>
#include <vector>

namespace solvo::test {

/// A solution of three components that between them set every stored field
/// of the component record to something other than its initial value, in
/// litres rather than the usual millilitres.
inline CSolvoDoc RichSolution(const ElementTable& elements)
{
    SolvoSubstance borate;
    borate.SetName("sodium tetraborate \xB7 standard");
    borate.SetFormula("Na_2B_4O_7");
    borate.SetReservedText("kept \xBC");
    borate.SetReservedNumber(7);
    borate.SetAlternatives({"Na_2B_4O_7&10H_2O", "Na_2B_4O_7&5H_2O"});
    borate.SetSource(AlternativeSource(1));
    borate.SetSourceFormula("Na_2B_4O_7&5H_2O");
    borate.Table().SetText("0 1.000\r\n0.5 1.040\r\n");
    borate.Table().SetKind(DensityTableKind::Molarity);
    borate.Table().SetNoTable(false);
    borate.SetStandardSubstance(true);
    borate.SetPrepareStandardSolution(true);
    borate.SetStockConcentration(0.5);
    borate.SetStockUnit(ConcentrationUnit::OwnUnit);
    borate.SetUnit(ConcentrationUnit::PercentWW);
    borate.SetConcentrationDigits(3);

    SolvoSubstance acid;
    acid.SetName("hydrochloric acid");
    acid.SetFormula("HCl");
    acid.SetNoSolid(true);
    acid.SetUseStockSolution(true);
    acid.SetStockConcentration(36.0);
    acid.SetStockUnit(ConcentrationUnit::PercentWW);
    acid.SetSource(SourceKind::StockSolution);
    acid.SetSourceFormula("HCl");
    acid.SetOtherConcentration(1.5);
    acid.SetOtherUnit(ConcentrationUnit::PercentWV);
    acid.Table().SetText("0 0.9982\r\n1 1.0150\r\n2 1.0300");
    acid.Table().SetKind(DensityTableKind::Molality);
    acid.Table().SetNoTable(false);
    acid.SetUnit(ConcentrationUnit::Millimolar);
    acid.SetConcentrationDigits(4);

    // A formula the table cannot solve keeps the molar mass typed; the table
    // text stays while the no-table flag is set.
    SolvoSubstance unknown;
    unknown.SetName("unknown stuff");
    unknown.SetFormula("Xq_2");
    unknown.SetMolarMass(123.4);
    unknown.SetSource(SourceKind::OtherSubstance);
    unknown.SetSourceFormula("CuSO_4&5H_2O");
    unknown.Table().SetText("kept 1 2");
    unknown.SetStockConcentration(std::numeric_limits<double>::infinity());
    unknown.SetOtherUnit(ConcentrationUnit::Density);
    unknown.SetUnit(ConcentrationUnit::Density);
    unknown.SetConcentrationDigits(-1);

    CSolvoDoc document;
    const std::vector<std::pair<SolvoSubstance, double>> components = {
        {borate, 0.05}, {acid, 0.1}, {unknown, 0.002}};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const auto index = static_cast<std::int32_t>(i);
        if (index > 0)
            document.AddComponent(SolvoSubstance());
        SolvoSubstance component = components[i].first;
        component.UpdateMolarMass(elements);
        component.UpdateSourceMolarMass(elements);
        component.ParseDensityTable();
        component.SetConcentration(components[i].second, ConcentrationUnit::Molar);
        document.GetComponent(index) = component;
    }
    document.SetFinalVolume(0.25);
    document.SetVolumeDigits(3);
    document.SetVolumeUnit(VolumeUnit::Litre);
    return document;
}

/// A solution file of the older version 0x10000, which holds the final
/// volume in millilitres and has no unit field: one component, 250 mL.
inline std::string MillilitreFile(const ElementTable& elements)
{
    CSolvoDoc document;
    SolvoSubstance salt;
    salt.SetName("sodium chloride");
    salt.SetFormula("NaCl");
    salt.UpdateMolarMass(elements);
    salt.SetConcentration(0.1, ConcentrationUnit::Molar);
    document.GetComponent(0) = salt;
    std::string bytes = document.Write(elements);
    bytes[0] = '\0';
    bytes.resize(bytes.size() - 4);
    const std::string millilitres("\x00\x00\x00\x00\x00\x40\x6F\x40", 8); // 250.0
    bytes.replace(bytes.size() - 12, millilitres.size(), millilitres);
    return bytes;
}

/// A solution file (current version) of one borax component whose record
/// has recordVersion (0x10000 to 0x40000), with three alternative formulas
/// (the first version holds only one), sourceKind stored as it is, and the
/// document's volumeUnit code stored as it is.
inline std::string OneRecordFile(std::uint32_t recordVersion, std::int32_t sourceKind,
                                 std::int32_t volumeUnit)
{
    const std::vector<std::string> alternatives = {"Na_2B_4O_7&10H_2O", "Na_2B_4O_7&5H_2O",
                                                   "Na_2B_4O_7&2H_2O"};
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteUInt32(0x10001);
    writer.WriteInt32(1);
    writer.WriteCount(1);
    writer.WriteUInt32(recordVersion);
    if (recordVersion >= 0x30000) {
        writer.WriteUInt32(0x10000);
        writer.WriteString("borax");
        writer.WriteString("Na_2B_4O_7");
        writer.WriteString("kept");
        writer.WriteDouble(201.2);
        writer.WriteInt32(7);
    } else {
        writer.WriteString("borax");
        writer.WriteString("Na_2B_4O_7");
    }
    if (recordVersion == 0x40000)
        writer.WriteString(alternatives[1]);
    if (recordVersion == 0x10000) {
        writer.WriteString(alternatives[0]);
    } else {
        writer.WriteCount(alternatives.size());
        for (const std::string& alternative : alternatives)
            writer.WriteString(alternative);
    }
    writer.WriteString(SolvoSubstance::ScrambleTableText("0 1.000\r\n0.5 1.040"));
    writer.WriteInt32(0); // no solid
    writer.WriteInt32(1); // standard substance
    writer.WriteInt32(0); // no table
    if (recordVersion == 0x10000)
        writer.WriteInt32(1); // has its alternative
    writer.WriteInt32(1);     // table kind
    writer.WriteDouble(0.5);  // stock concentration
    writer.WriteInt32(3);     // stock unit
    writer.WriteInt32(0);     // use stock solution
    writer.WriteDouble(1.5);  // other solution's concentration
    writer.WriteInt32(3);     // unit
    writer.WriteInt32(sourceKind);
    writer.WriteDouble(0.05); // M
    writer.WriteInt32(5);     // other solution's unit
    writer.WriteInt32(3);     // digits
    writer.WriteInt32(0);     // prepare standard solution
    if (recordVersion != 0x40000)
        writer.WriteDouble(201.2);
    writer.WriteDouble(0.25);
    writer.WriteInt32(3);
    writer.WriteInt32(volumeUnit);
    writer.Close();
    return bytes;
}

} // namespace solvo::test
