#include "substances/SolvoSubstance.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveReader.h"
#include "substances/ArchiveWriter.h"
#include "substances/FileMessages.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>

namespace solvo {
namespace {

class SolvoSubstanceTest : public ::testing::Test {
protected:
    SolvoSubstanceTest() { elements.LoadDefaults(); }

    std::string Record(SolvoSubstance& component)
    {
        std::string bytes;
        ArchiveWriter writer(bytes);
        component.Serialize(writer, elements);
        writer.Close();
        return bytes;
    }

    SolvoSubstance ReadRecord(const std::string& bytes)
    {
        SolvoSubstance component;
        ArchiveReader reader(bytes);
        component.Serialize(reader, elements);
        EXPECT_EQ(reader.Remaining(), 0u);
        return component;
    }

    // The fields that every older layout ends with, from the table kind on.
    static void WriteSettings(Archive& ar, std::int32_t sourceKind, double molarity)
    {
        ar.WriteInt32(0);      // table kind
        ar.WriteDouble(0.0);   // stock concentration
        ar.WriteInt32(0);      // stock unit
        ar.WriteInt32(0);      // use stock solution
        ar.WriteDouble(0.0);   // other-solution concentration
        ar.WriteInt32(0);      // unit
        ar.WriteInt32(sourceKind);
        ar.WriteDouble(molarity);
        ar.WriteInt32(0);      // other-solution unit
        ar.WriteInt32(0);      // digits
        ar.WriteInt32(0);      // prepare standard solution
    }

    // A version 0x30000 record: no source formula, molar mass repeated at the end.
    static std::string Version3Record(std::int32_t sourceKind,
                                      const std::vector<std::string>& alternatives)
    {
        std::string bytes;
        ArchiveWriter writer(bytes);
        writer.WriteUInt32(0x30000);
        writer.WriteUInt32(0x10000);
        writer.WriteString("borax");
        writer.WriteString("Na_2B_4O_7");
        writer.WriteString("");
        writer.WriteDouble(0.0);
        writer.WriteInt32(3);
        writer.WriteCount(alternatives.size());
        for (const auto& alternative : alternatives)
            writer.WriteString(alternative);
        writer.WriteString("");
        writer.WriteInt32(0);
        writer.WriteInt32(0);
        writer.WriteInt32(1);
        WriteSettings(writer, sourceKind, 0.0);
        writer.WriteDouble(201.2);
        writer.Close();
        return bytes;
    }

    ElementTable elements;
};

TEST_F(SolvoSubstanceTest, NewComponentRecordRoundTrips)
{
    SolvoSubstance component;
    const std::string bytes = Record(component);
    std::string expected("\x00\x00\x04\x00"                     // record version
                         "\x00\x00\x01\x00\x00\x00\x00"          // substance record ...
                         "\x00\x00\x00\x00\x00\x00\x00\x00"      // molar mass
                         "\x03\x00\x00\x00"                      // reserved number
                         "\x00"                                  // source formula
                         "\x00\x00"                              // no alternatives
                         "\x00"                                  // table text
                         "\x00\x00\x00\x00\x00\x00\x00\x00"      // no solid, standard
                         "\x01\x00\x00\x00\x00\x00\x00\x00",     // no table, kind
                         43);
    expected += std::string(8, '\0') + std::string(8, '\0') + std::string(8, '\0') +
                std::string(8, '\0') + std::string(8, '\0') + std::string(8, '\0') +
                std::string(4, '\0');
    ASSERT_EQ(bytes.size(), 95u);
    EXPECT_EQ(bytes, expected);

    const SolvoSubstance read = ReadRecord(bytes);
    EXPECT_TRUE(read.Table().NoTable());
    EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Density), 1.0);
    for (std::int32_t unit = 0; unit < 7; ++unit)
        EXPECT_EQ(read.GetConcentration(static_cast<ConcentrationUnit>(unit)), 0.0) << unit;
    EXPECT_EQ(read.ReservedNumber(), 3);
}

TEST_F(SolvoSubstanceTest, TableTextIsStoredScrambled)
{
    EXPECT_EQ(SolvoSubstance::ScrambleTableText("abc"), "bnd");
    // Control characters and bytes of 128 and more are left alone; the routine undoes itself.
    const std::string text = "0 1.0\r\n10 1.1\t\xE9\x7F";
    const std::string scrambled = SolvoSubstance::ScrambleTableText(text);
    EXPECT_EQ(scrambled.substr(5, 2), "\r\n");
    EXPECT_EQ(scrambled[13], '\t');
    EXPECT_EQ(scrambled[14], '\xE9');
    EXPECT_EQ(SolvoSubstance::ScrambleTableText(scrambled), text);

    SolvoSubstance component;
    component.SetFormula("NaCl");
    component.UpdateMolarMass(elements);
    component.Table().SetText("0 1.0\r\n10 1.1");
    component.Table().SetNoTable(false);
    component.ParseDensityTable();
    const std::string bytes = Record(component);
    EXPECT_NE(bytes.find(SolvoSubstance::ScrambleTableText("0 1.0\r\n10 1.1")), std::string::npos);
    EXPECT_EQ(bytes.find("10 1.1"), std::string::npos);
    EXPECT_EQ(component.Table().Text(), "0 1.0\r\n10 1.1");
    EXPECT_EQ(Record(component), bytes);

    const SolvoSubstance read = ReadRecord(bytes);
    EXPECT_EQ(read.Table().Text(), "0 1.0\r\n10 1.1");
    EXPECT_EQ(read.Table().Rows().size(), 2u);
    // The density is looked up from the table for the stored molarity 0.
    EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Density), 1.0);
}

TEST_F(SolvoSubstanceTest, EveryStoredFieldRoundTripsBitExact)
{
    SolvoSubstance component;
    component.SetName("sodium chloride");
    component.SetFormula("NaCl");
    component.SetReservedText("kept");
    component.SetReservedNumber(9);
    component.UpdateMolarMass(elements);
    component.SetAlternatives({"NaCl&2H_2O", ""});
    component.SetSourceFormula("NaCl&2H_2O");
    component.SetSource(AlternativeSource(0));
    component.Table().SetText("0 0.9982\r\n26 1.1972");
    component.Table().SetNoTable(false);
    component.Table().SetKind(DensityTableKind::PercentWW);
    component.SetStockConcentration(std::bit_cast<double>(0x7FF800000000BEEFULL));
    component.SetStockUnit(ConcentrationUnit::PercentWW);
    component.SetUseStockSolution(true);
    component.SetOtherConcentration(2.5);
    component.SetOtherUnit(static_cast<ConcentrationUnit>(42));
    component.SetUnit(ConcentrationUnit::PercentWV);
    component.SetNoSolid(true);
    component.SetStandardSubstance(true);
    component.SetPrepareStandardSolution(true);
    component.SetConcentrationDigits(3);
    component.ParseDensityTable();
    component.SetConcentration(0.5, ConcentrationUnit::Molar);

    const std::string bytes = Record(component);
    SolvoSubstance read = ReadRecord(bytes);
    EXPECT_EQ(Record(read), bytes);
    EXPECT_EQ(read.Name(), "sodium chloride");
    EXPECT_EQ(read.ReservedText(), "kept");
    EXPECT_EQ(read.ReservedNumber(), 9);
    EXPECT_EQ(read.Alternatives(), component.Alternatives());
    EXPECT_EQ(read.Source(), SourceKind::FirstAlternative);
    EXPECT_NEAR(read.SourceMolarMass(), 94.47332928, 1e-9);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read.StockConcentration()), 0x7FF800000000BEEFULL);
    EXPECT_EQ(read.OtherUnit(), static_cast<ConcentrationUnit>(42));
    EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Molar), 0.5);
    EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Density),
              component.GetConcentration(ConcentrationUnit::Density));
    EXPECT_EQ(read.GetConcentration(ConcentrationUnit::PercentWW),
              component.GetConcentration(ConcentrationUnit::PercentWW));
}

// A record read from a file derives its table and concentrations when first
// used; whatever that first use is, the result is what reading gave before.
TEST_F(SolvoSubstanceTest, ARecordReadIsTheSameHoweverItIsFirstUsed)
{
    SolvoSubstance component;
    component.SetName("sulfuric acid");
    component.SetFormula("H_2SO_4");
    component.UpdateMolarMass(elements);
    component.Table().SetText("0 0.9982\r\n10 1.0661\r\n20 1.1394\r\n40 1.3028");
    component.Table().SetNoTable(false);
    component.Table().SetKind(DensityTableKind::PercentWW);
    component.ParseDensityTable();
    component.SetConcentration(1.25, ConcentrationUnit::Molar);
    const std::string bytes = Record(component);

    const auto expectDerived = [&](const SolvoSubstance& read, const char* use) {
        for (std::int32_t unit = 0; unit < 8; ++unit) {
            const auto code = static_cast<ConcentrationUnit>(unit);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(read.GetConcentration(code)),
                      std::bit_cast<std::uint64_t>(component.GetConcentration(code)))
                << use << ", unit " << unit;
        }
        EXPECT_EQ(read.Table().Rows().size(), 4u) << use;
        EXPECT_EQ(read.Table().IsAmbiguous(), component.Table().IsAmbiguous()) << use;
    };
    const struct {
        const char* use;
        std::function<SolvoSubstance(SolvoSubstance)> apply;
    } uses[] = {
        {"asked for a concentration", [](SolvoSubstance read) { return read; }},
        {"written again first", [&](SolvoSubstance read) {
             EXPECT_EQ(Record(read), bytes);
             return read;
         }},
        {"copied over a component in use first", [](SolvoSubstance read) {
             SolvoSubstance other;
             other.SetConcentration(2.0, ConcentrationUnit::Molar);
             other = read;
             return other;
         }},
        {"given another molar mass first", [](SolvoSubstance read) {
             // Changing the molar mass recomputes nothing until the next conversion.
             read.SetMolarMass(1.0);
             return read;
         }},
    };
    for (const auto& each : uses)
        expectDerived(each.apply(ReadRecord(bytes)), each.use);
    // A component that takes the record takes its table parsed.
    EXPECT_EQ(SolvoSubstance::CopyOf(ReadRecord(bytes)).Table().Rows().size(), 4u);
}

// A new component makes its set on first use; what it reads before then
// must be what the set holds, and its record the same either way.
TEST_F(SolvoSubstanceTest, ANewComponentIsTheSameBeforeAndAfterFirstUse)
{
    SolvoSubstance fresh;
    const std::string before = Record(fresh);
    const ConcentrationUnit unit = fresh.Unit();
    const double equivalents = fresh.Equivalents();
    const double pureDensity = fresh.PureDensity();
    const ConcentrationSet& set = fresh.Concentration();
    EXPECT_EQ(unit, set.Unit());
    EXPECT_EQ(equivalents, set.Equivalents());
    EXPECT_EQ(pureDensity, set.PureDensity());
    EXPECT_FALSE(fresh.UsesLaterFields());
    EXPECT_EQ(Record(fresh), before);
}

TEST_F(SolvoSubstanceTest, FirstVersionReadsItsOneAlternativeOnlyWhenFlagged)
{
    for (const std::int32_t hasAlternative : {1, 0}) {
        std::string bytes;
        ArchiveWriter writer(bytes);
        writer.WriteUInt32(0x10000);
        writer.WriteString("borax");
        writer.WriteString("Na_2B_4O_7");
        writer.WriteString("Na_2B_4O_7&10H_2O");
        writer.WriteString(SolvoSubstance::ScrambleTableText("0 0.9991 3 1.0274"));
        writer.WriteInt32(0);
        writer.WriteInt32(1);
        writer.WriteInt32(0);
        writer.WriteInt32(hasAlternative);
        WriteSettings(writer, 0, 0.1);
        writer.WriteDouble(999.0);
        writer.Close();
        const SolvoSubstance read = ReadRecord(bytes);
        EXPECT_EQ(read.Alternatives().size(), static_cast<std::size_t>(hasAlternative));
        EXPECT_EQ(read.Table().Rows().size(), 2u);
        EXPECT_TRUE(read.StandardSubstance());
        // The formula's molar mass replaces the stored one.
        EXPECT_NEAR(read.MolarMass(), 201.21933856, 1e-6);
        EXPECT_EQ(read.ReservedNumber(), 3);
        EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Millimolar), 100.0);
    }
}

TEST_F(SolvoSubstanceTest, SecondVersionHasNoSubstanceRecord)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteUInt32(0x20000);
    writer.WriteString("mystery");
    writer.WriteString("Xq");
    writer.WriteCount(0);
    writer.WriteString("");
    writer.WriteInt32(0);
    writer.WriteInt32(0);
    writer.WriteInt32(1);
    WriteSettings(writer, 3, 0.0);
    writer.WriteDouble(123.0);
    writer.Close();
    const SolvoSubstance read = ReadRecord(bytes);
    EXPECT_EQ(read.Name(), "mystery");
    // An unsolvable formula keeps the stored molar mass.
    EXPECT_EQ(read.MolarMass(), 123.0);
    EXPECT_EQ(read.Source(), SourceKind::OtherSolution);
    EXPECT_EQ(read.SourceFormula(), "");
}

TEST_F(SolvoSubstanceTest, ThirdVersionDerivesTheSourceFormula)
{
    struct Case {
        std::int32_t storedKind;
        std::vector<std::string> alternatives;
        SourceKind kind;
        std::string sourceFormula;
    };
    const std::vector<std::string> two = {"Na_2B_4O_7&10H_2O", "Na_2B_4O_7&5H_2O"};
    const Case cases[] = {
        {1, two, SourceKind::FirstAlternative, two[0]},
        {1, {}, SourceKind::AboveSubstance, "Na_2B_4O_7"},
        {5, two, AlternativeSource(1), two[1]},
        {2, two, SourceKind::StockSolution, "Na_2B_4O_7"},
        // Kinds that point at no alternative are read as the substance itself.
        {6, two, SourceKind::AboveSubstance, "Na_2B_4O_7"},
        {-1, two, SourceKind::AboveSubstance, "Na_2B_4O_7"},
    };
    for (const Case& c : cases) {
        const SolvoSubstance read = ReadRecord(Version3Record(c.storedKind, c.alternatives));
        EXPECT_EQ(read.Source(), c.kind) << c.storedKind;
        EXPECT_EQ(read.SourceFormula(), c.sourceFormula) << c.storedKind;
        EXPECT_GT(read.SourceMolarMass(), 200.0) << c.storedKind;
    }
}

TEST_F(SolvoSubstanceTest, UnknownVersionIsReportedAndChangesNothing)
{
    SolvoSubstance component;
    component.SetName("kept");
    const std::string bytes("\x00\x00\x06\x00\x00\x00\x00\x00", 8);
    ArchiveReader reader(bytes);
    EXPECT_THROW(component.Serialize(reader, elements), ArchiveError);
    EXPECT_EQ(reader.Notices(), std::vector<std::string>{std::string(kUnknownVersionMessage)});
    EXPECT_EQ(component.Name(), "kept");

    // A record cut short leaves the component as it was, too.
    SolvoSubstance full;
    full.SetName("long name");
    const std::string record = Record(full);
    ArchiveReader cut(std::string_view(record).substr(0, 60));
    EXPECT_THROW(component.Serialize(cut, elements), ArchiveError);
    EXPECT_EQ(component.Name(), "kept");
}

TEST_F(SolvoSubstanceTest, CorrectionsAndLaterUnitsTakeTheLaterRecord)
{
    SolvoSubstance plain;
    plain.SetFormula("NaCl");
    plain.UpdateMolarMass(elements);
    plain.SetConcentration(0.154, ConcentrationUnit::Molar);
    const std::string plainRecord = Record(plain);
    EXPECT_EQ(plainRecord.substr(0, 4), std::string("\x00\x00\x04\x00", 4));

    const struct {
        const char* what;
        void (*use)(SolvoSubstance&);
    } cases[] = {
        {"purity", [](SolvoSubstance& c) { c.SetPurity(99.5); }},
        {"equivalents", [](SolvoSubstance& c) { c.SetEquivalents(2.0); }},
        {"pure density", [](SolvoSubstance& c) { c.SetPureDensity(0.7893); }},
        {"unit", [](SolvoSubstance& c) { c.SetUnit(ConcentrationUnit::Micromolar); }},
        {"stock unit", [](SolvoSubstance& c) { c.SetStockUnit(ConcentrationUnit::UgPerML); }},
        {"other unit", [](SolvoSubstance& c) { c.SetOtherUnit(ConcentrationUnit::Normal); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SolvoSubstance component = plain;
        c.use(component);
        const std::string bytes = Record(component);
        EXPECT_EQ(bytes.substr(0, 4), std::string("\x00\x00\x05\x00", 4));
        // The later fields follow the older record's, which is unchanged up
        // to its 56 bytes of settings (where the units are).
        EXPECT_EQ(bytes.substr(4, plainRecord.size() - 60), plainRecord.substr(4, plainRecord.size() - 60));
        EXPECT_EQ(bytes.size(), plainRecord.size() + 24);
        SolvoSubstance read = ReadRecord(bytes);
        EXPECT_EQ(Record(read), bytes);
        EXPECT_EQ(read.Purity(), component.Purity());
        EXPECT_EQ(read.Equivalents(), component.Equivalents());
        EXPECT_EQ(read.PureDensity(), component.PureDensity());
        EXPECT_EQ(read.Unit(), component.Unit());
        EXPECT_EQ(read.StockUnit(), component.StockUnit());
        EXPECT_EQ(read.OtherUnit(), component.OtherUnit());
        EXPECT_EQ(read.GetConcentration(ConcentrationUnit::Molar), 0.154);
    }
}

TEST_F(SolvoSubstanceTest, LaterRecordWithCorrectionsOutOfRangeIsRefused)
{
    const struct {
        double purity;
        double equivalents;
        double pureDensity;
    } cases[] = {{0.0, 1, 0},  {-5.0, 1, 0}, {100.5, 1, 0}, {NAN, 1, 0},
                 {100, 0.0, 0}, {100, INFINITY, 0}, {100, 1, -1.0}, {100, 1, NAN}};
    SolvoSubstance later;
    later.SetPurity(50.0);
    const std::string record = Record(later);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.purity << " " << c.equivalents << " " << c.pureDensity);
        std::string bytes = record.substr(0, record.size() - 24);
        ArchiveWriter tail(bytes);
        tail.WriteDouble(c.purity);
        tail.WriteDouble(c.equivalents);
        tail.WriteDouble(c.pureDensity);
        tail.Close();
        SolvoSubstance component;
        component.SetName("kept");
        ArchiveReader reader(bytes);
        EXPECT_THROW(component.Serialize(reader, elements), ArchiveError);
        EXPECT_EQ(component.Name(), "kept");
    }
    // Cut inside the later fields: the end of the file, and nothing read.
    SolvoSubstance component;
    ArchiveReader cut(std::string_view(record).substr(0, record.size() - 4));
    EXPECT_THROW(component.Serialize(cut, elements), ArchiveError);
    EXPECT_EQ(component.Purity(), 100.0);
}

TEST_F(SolvoSubstanceTest, AssignTakesTheSubstanceAndKeepsTheConcentration)
{
    SolvoSubstance component;
    component.SetFormula("KCl");
    component.UpdateMolarMass(elements);
    component.SetConcentration(0.5, ConcentrationUnit::Molar);
    component.SetOtherConcentration(7.0);
    component.SetExactWeight(CEditableDouble(1.25, 3));

    SolvoSubstance substance;
    substance.SetName("hydrochloric acid");
    substance.SetFormula("HCl");
    substance.UpdateMolarMass(elements);
    substance.SetNoSolid(true);
    substance.SetUseStockSolution(true);
    substance.SetStockConcentration(36.0);
    substance.SetStockUnit(ConcentrationUnit::PercentWW);
    substance.Table().SetText("0 0.9982 40 1.198");
    substance.Table().SetNoTable(false);
    substance.ParseDensityTable();
    substance.SetOtherConcentration(3.0);
    substance.SetOtherUnit(ConcentrationUnit::Molal);
    substance.SetConcentration(2.0, ConcentrationUnit::Molar);
    substance.SetPurity(37.0);
    substance.SetEquivalents(1.5);
    substance.SetPureDensity(1.49);

    component.Assign(substance);
    EXPECT_EQ(component.Formula(), "HCl");
    EXPECT_EQ(component.Purity(), 37.0);
    EXPECT_EQ(component.Equivalents(), 1.5);
    EXPECT_EQ(component.PureDensity(), 1.49);
    EXPECT_TRUE(component.NoSolid());
    EXPECT_EQ(component.StockConcentration(), 36.0);
    EXPECT_EQ(component.Table().Rows().size(), 2u);
    EXPECT_EQ(component.OtherUnit(), ConcentrationUnit::Molal);
    EXPECT_EQ(component.GetConcentration(ConcentrationUnit::Molar), 0.5);
    EXPECT_EQ(component.OtherConcentration(), 7.0);
    // The weight stays, but whether one was entered comes with the substance.
    EXPECT_EQ(component.ExactWeight().Value(), 1.25);
    EXPECT_FALSE(component.ExactWeightEntered());
    component.SetExactWeight(CEditableDouble(2.5, 2));

    const SolvoSubstance copy = SolvoSubstance::CopyOf(component);
    EXPECT_EQ(copy.GetConcentration(ConcentrationUnit::Molar), 0.0);
    EXPECT_EQ(copy.OtherConcentration(), 0.0);
    EXPECT_EQ(copy.ExactWeight().Value(), 0.0);
    EXPECT_TRUE(copy.ExactWeightEntered());
    EXPECT_EQ(copy.StockConcentration(), 36.0);
    EXPECT_EQ(copy.Formula(), "HCl");
}

TEST_F(SolvoSubstanceTest, SelectDefaultSource)
{
    struct Case {
        bool useStock;
        bool noSolid;
        std::vector<std::string> alternatives;
        SourceKind kind;
        std::string sourceFormula;
    };
    const Case cases[] = {
        {true, true, {"A"}, SourceKind::StockSolution, "before"},
        {false, true, {"A"}, SourceKind::OtherSolution, "before"},
        {false, false, {"A", "B"}, SourceKind::FirstAlternative, "A"},
        {false, false, {}, SourceKind::AboveSubstance, "NaCl"},
    };
    for (const Case& c : cases) {
        SolvoSubstance component;
        component.SetFormula("NaCl");
        component.SetSourceFormula("before");
        component.SetUseStockSolution(c.useStock);
        component.SetNoSolid(c.noSolid);
        component.SetAlternatives(c.alternatives);
        component.SelectDefaultSource();
        EXPECT_EQ(component.Source(), c.kind);
        EXPECT_EQ(component.SourceFormula(), c.sourceFormula);
    }
}

TEST_F(SolvoSubstanceTest, UpdateSourceMolarMass)
{
    SolvoSubstance component;
    component.SetSourceMolarMass(50.0);
    component.SetSourceFormula("Xq");
    component.UpdateSourceMolarMass(elements);
    EXPECT_EQ(component.SourceMolarMass(), 50.0);
    component.SetSourceFormula("H_2O");
    component.UpdateSourceMolarMass(elements);
    EXPECT_NEAR(component.SourceMolarMass(), 18.01528, 1e-9);
    component.SetSourceFormula("");
    component.UpdateSourceMolarMass(elements);
    EXPECT_EQ(component.SourceMolarMass(), 0.0);
}

} // namespace
} // namespace solvo
