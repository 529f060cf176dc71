#include "solution/CSolvoDoc.h"

#include "formula/ElementTable.h"
#include "substances/ArchiveWriter.h"
#include "substances/FileMessages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace solvo {
namespace {

class CSolvoDocTest : public ::testing::Test {
protected:
    CSolvoDocTest() { elements.LoadDefaults(); }

    SolvoSubstance Component(const char* name, const char* formula, double molarity)
    {
        SolvoSubstance component;
        component.SetName(name);
        component.SetFormula(formula);
        component.UpdateMolarMass(elements);
        component.SetConcentration(molarity, ConcentrationUnit::Molar);
        return component;
    }

    // A solution of two components, as the composition view leaves it.
    CSolvoDoc TwoComponents()
    {
        CSolvoDoc doc;
        doc.GetComponent(0) = Component("salt", "NaCl", 0.15);
        doc.AddComponent(SolvoSubstance());
        doc.GetComponent(1) = Component("potash", "KCl", 0.005);
        doc.SetFinalVolume(0.25);
        doc.SetVolumeDigits(3);
        return doc;
    }

    ElementTable elements;
};

// Moiety Cit changed from 189.0997 to 200.0 while a solution is open.
TEST_F(CSolvoDocTest, ComponentsFollowAChangedElementTable)
{
    ElementTable before = elements;
    const std::int32_t cit = before.AddEntry("Cit", "C_6H_5O_7", "", 189.0997, 4);
    ElementTable after = before;
    after.ModifyEntry(cit, "Cit", "C_6H_5O_7", "", 200.0, 1);

    CSolvoDoc doc;
    const auto add = [&doc](SolvoSubstance component) {
        doc.AddComponent(SolvoSubstance());
        doc.GetComponent(doc.GetComponentCount() - 1) = std::move(component);
    };
    SolvoSubstance citrate;
    citrate.SetName("sodium citrate");
    citrate.SetFormula("Na_3Cit");
    citrate.SetSourceFormula("Na_3Cit&2H_2O");
    citrate.SetSource(SourceKind::OtherSubstance);
    citrate.UpdateMolarMass(before);
    citrate.UpdateSourceMolarMass(before);
    citrate.SetConcentration(0.1, ConcentrationUnit::Molar);
    doc.GetComponent(0) = citrate;
    SolvoSubstance acid;
    acid.SetFormula("H_3Cit");
    acid.UpdateMolarMass(before);
    acid.SetUnit(ConcentrationUnit::PercentWW);
    acid.SetConcentration(5.0, ConcentrationUnit::PercentWW);
    add(acid);
    SolvoSubstance typed = Component("salt", "NaCl", 0.1);
    typed.SetMolarMass(58.5);
    add(typed);
    add(Component("unknown", "Xy_2O", 0.1));
    doc.SetFinalVolume(0.1);
    for (std::int32_t i = 0; i < doc.GetComponentCount(); ++i)
        doc.RefreshAmounts(doc.GetComponent(i));
    doc.SetModified(false);
    ASSERT_NEAR(doc.GetComponent(0).MolarMass(), 258.069, 1e-3);

    EXPECT_TRUE(doc.FollowElementTable(before, after));
    EXPECT_TRUE(doc.IsModified());
    const SolvoSubstance& followed = doc.GetComponent(0);
    EXPECT_NEAR(followed.MolarMass(), 268.969, 1e-3);
    EXPECT_NEAR(followed.SourceMolarMass(), 268.969 + 2 * 18.0153, 1e-2);
    EXPECT_DOUBLE_EQ(followed.GetConcentration(ConcentrationUnit::Molar), 0.1);
    EXPECT_NEAR(followed.Mass(), 2.68969, 1e-5);
    // A target given by mass stays; its molarity follows the new molar mass.
    const SolvoSubstance& byMass = doc.GetComponent(1);
    EXPECT_DOUBLE_EQ(byMass.GetConcentration(ConcentrationUnit::PercentWW), 5.0);
    EXPECT_NEAR(byMass.GetConcentration(ConcentrationUnit::Molar), 50.0 / byMass.MolarMass(), 1e-12);
    // Formulas the change does not touch keep what they had, a typed molar mass too.
    EXPECT_EQ(doc.GetComponent(2).MolarMass(), 58.5);
    EXPECT_EQ(doc.GetComponent(3).MolarMass(), 0.0);

    // The same table again changes nothing.
    doc.SetModified(false);
    EXPECT_FALSE(doc.FollowElementTable(after, after));
    EXPECT_FALSE(doc.IsModified());

    // A moiety gone leaves no molar mass to take, so the one there was stays;
    // a new one gives a formula that had none its molar mass.
    ElementTable without = after;
    without.DeleteEntry(cit);
    EXPECT_FALSE(doc.FollowElementTable(after, without));
    EXPECT_NEAR(doc.GetComponent(0).MolarMass(), 268.969, 1e-3);
    ElementTable withXy = without;
    withXy.AddEntry("Xy", "", "", 50.0, 1);
    EXPECT_TRUE(doc.FollowElementTable(without, withXy));
    EXPECT_NEAR(doc.GetComponent(3).MolarMass(), 2 * 50.0 + 15.999, 1e-2);
    EXPECT_NEAR(doc.GetComponent(3).Mass(), 0.01 * doc.GetComponent(3).MolarMass(), 1e-12);
}

TEST_F(CSolvoDocTest, NewSolutionFileLayout)
{
    CSolvoDoc doc;
    EXPECT_EQ(doc.GetComponentCount(), 1);
    EXPECT_FALSE(doc.IsModified());
    const std::string bytes = doc.Write(elements);
    SolvoSubstance empty;
    std::string record;
    ArchiveWriter writer(record);
    empty.Serialize(writer, elements);
    writer.Close();
    EXPECT_EQ(bytes, std::string("\x01\x00\x01\x00\x01\x00\x00\x00\x01\x00", 10) + record +
                         std::string(12, '\0') + std::string("\x01\x00\x00\x00", 4));
}

TEST_F(CSolvoDocTest, RoundTripIsBitExactAndRefreshesAmounts)
{
    CSolvoDoc doc = TwoComponents();
    const std::string bytes = doc.Write(elements);
    CSolvoDoc read;
    const CSolvoDoc::ReadResult result = read.Read(bytes, elements);
    EXPECT_EQ(result.status, CSolvoDoc::ReadStatus::Read);
    EXPECT_TRUE(result.messages.empty());
    ASSERT_EQ(read.GetComponentCount(), 2);
    EXPECT_EQ(read.CurrentComponent(), 0);
    EXPECT_EQ(read.FinalVolume(), 0.25);
    EXPECT_EQ(read.VolumeDigits(), 3);
    EXPECT_EQ(read.GetVolumeUnit(), VolumeUnit::Millilitre);
    const SolvoSubstance& salt = read.GetComponent(0);
    EXPECT_EQ(salt.Amount(), 0.15 * 0.25);
    EXPECT_EQ(salt.Mass(), 0.15 * 0.25 * salt.MolarMass());
    EXPECT_EQ(read.Write(elements), bytes);
}

TEST_F(CSolvoDocTest, MillilitreVersionIsConvertedAndRewrittenAsCurrent)
{
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteUInt32(0x10000);
    writer.WriteInt32(1);
    writer.WriteCount(1);
    SolvoSubstance salt = Component("salt", "NaCl", 2.0);
    salt.Serialize(writer, elements);
    writer.WriteDouble(250.0);
    writer.WriteInt32(2);
    writer.Close();

    CSolvoDoc doc;
    doc.SetVolumeUnit(VolumeUnit::Litre);
    ASSERT_EQ(doc.Read(bytes, elements).status, CSolvoDoc::ReadStatus::Read);
    EXPECT_EQ(doc.FinalVolume(), 0.25);
    EXPECT_EQ(doc.GetVolumeUnit(), VolumeUnit::Millilitre);
    EXPECT_EQ(doc.GetComponent(0).Amount(), 0.5);
    const std::string rewritten = doc.Write(elements);
    EXPECT_EQ(rewritten.substr(0, 4), std::string("\x01\x00\x01\x00", 4));
    EXPECT_EQ(rewritten.substr(rewritten.size() - 4), std::string("\x01\x00\x00\x00", 4));
}

TEST_F(CSolvoDocTest, EmptyFileAndUnknownVersionOpenAsNewSolutions)
{
    CSolvoDoc doc = TwoComponents();
    CSolvoDoc::ReadResult result = doc.Read("", elements);
    EXPECT_EQ(result.status, CSolvoDoc::ReadStatus::Empty);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(result.Opened());
    EXPECT_EQ(doc.GetComponentCount(), 1);

    doc = TwoComponents();
    result = doc.Read(std::string("\x02\x00\x01\x00\x01\x00\x00\x00", 8), elements);
    EXPECT_EQ(result.status, CSolvoDoc::ReadStatus::UnknownVersion);
    EXPECT_EQ(result.messages, std::vector<std::string>{std::string(kUnknownVersionMessage)});
    EXPECT_TRUE(result.Opened());
    EXPECT_EQ(doc.GetComponentCount(), 1);
    EXPECT_EQ(doc.FinalVolume(), 0.0);
}

TEST_F(CSolvoDocTest, DamagedFilesFailCleanlyAndLeaveTheDocument)
{
    const std::string bytes = TwoComponents().Write(elements);
    CSolvoDoc doc;
    doc.SetFinalVolume(9.0);
    // Every cut of a good file, down to one byte.
    for (std::size_t size = 1; size < bytes.size(); ++size) {
        const CSolvoDoc::ReadResult result = doc.Read(bytes.substr(0, size), elements);
        ASSERT_EQ(result.status, CSolvoDoc::ReadStatus::UnexpectedFormat) << size;
        EXPECT_EQ(result.messages.back(), kUnexpectedFileFormatMessage);
        EXPECT_FALSE(result.Opened());
    }
    EXPECT_EQ(doc.FinalVolume(), 9.0);

    // Four billion records announced in a 40-byte file.
    std::string hostile("\x01\x00\x01\x00\x01\x00\x00\x00\xFF\xFF\xFF\xFF\xFF\xFF", 14);
    hostile.resize(40, '\0');
    EXPECT_EQ(doc.Read(hostile, elements).status, CSolvoDoc::ReadStatus::UnexpectedFormat);

    // A component record of an unknown version stops the reading.
    std::string unknownRecord = bytes;
    unknownRecord[12] = 0x07;
    const CSolvoDoc::ReadResult result = doc.Read(unknownRecord, elements);
    EXPECT_EQ(result.status, CSolvoDoc::ReadStatus::UnexpectedFormat);
    EXPECT_EQ(result.messages, (std::vector<std::string>{std::string(kUnknownVersionMessage),
                                                         std::string(kUnexpectedFileFormatMessage)}));
}

TEST_F(CSolvoDocTest, ComponentCountBeyondTheRecordsFailsToOpen)
{
    std::string bytes = TwoComponents().Write(elements);
    bytes[4] = 3;
    CSolvoDoc doc;
    const CSolvoDoc::ReadResult result = doc.Read(bytes, elements);
    EXPECT_EQ(result.status, CSolvoDoc::ReadStatus::FailedToOpen);
    EXPECT_EQ(result.messages, std::vector<std::string>{std::string(kFailedToOpenDocumentMessage)});

    // A smaller count keeps every record read; none at all still leaves one component.
    bytes[4] = 1;
    ASSERT_EQ(doc.Read(bytes, elements).status, CSolvoDoc::ReadStatus::Read);
    EXPECT_EQ(doc.GetComponentCount(), 2);
    const std::string noRecords("\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00"
                                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00",
                                26);
    ASSERT_EQ(doc.Read(noRecords, elements).status, CSolvoDoc::ReadStatus::Read);
    EXPECT_EQ(doc.GetComponentCount(), 1);
}

TEST_F(CSolvoDocTest, ComponentListOperations)
{
    CSolvoDoc doc;
    EXPECT_EQ(doc.AddComponent(Component("b", "KCl", 1.0)), 2);
    EXPECT_EQ(doc.CurrentComponent(), 1);
    // Taken in as a copy without its concentration.
    EXPECT_EQ(doc.GetComponent(1).GetConcentration(ConcentrationUnit::Molar), 0.0);
    EXPECT_EQ(doc.AddComponent(Component("c", "NaCl", 0.0)), 3);
    EXPECT_THROW(doc.GetComponent(3), std::invalid_argument);
    EXPECT_THROW(doc.GetComponent(-1), std::invalid_argument);

    doc.ReplaceComponent(0, Component("a", "HCl", 0.0));
    EXPECT_EQ(doc.GetComponent(0).Name(), "a");
    EXPECT_EQ(doc.CurrentComponent(), 2);

    const std::vector<std::int32_t> counts = doc.CountElementUses(elements);
    EXPECT_EQ(counts.size(), 105u);
    EXPECT_EQ(counts[17], 3); // Cl in HCl, KCl and NaCl

    EXPECT_EQ(doc.RemoveCurrentComponent(), 2);
    EXPECT_EQ(doc.CurrentComponent(), 1);
    doc.SetCurrentComponent(0);
    EXPECT_EQ(doc.RemoveCurrentComponent(), 1);
    EXPECT_EQ(doc.GetComponent(0).Name(), "b");
    EXPECT_EQ(doc.RemoveCurrentComponent(), 1);
    EXPECT_EQ(doc.GetComponent(0).Name(), "");

    doc.RaiseVolumeDigits(3);
    doc.RaiseVolumeDigits(2);
    EXPECT_EQ(doc.VolumeDigits(), 3);
}

TEST_F(CSolvoDocTest, FilesAreSavedWholeOrNotAtAll)
{
    const auto folder = std::filesystem::temp_directory_path() / ("solvo_doc_test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "two.sln";
    CSolvoDoc doc = TwoComponents();
    doc.SetModified(true);
    ASSERT_TRUE(doc.WriteFile(path, elements));
    EXPECT_FALSE(doc.IsModified());

    CSolvoDoc read;
    EXPECT_EQ(read.ReadFile(path, elements).status, CSolvoDoc::ReadStatus::Read);
    EXPECT_EQ(read.Write(elements), doc.Write(elements));

    std::ofstream(folder / "empty.sln", std::ios::binary).close();
    EXPECT_EQ(read.ReadFile(folder / "empty.sln", elements).status, CSolvoDoc::ReadStatus::Empty);
    EXPECT_EQ(read.ReadFile(folder / "missing.sln", elements).status,
              CSolvoDoc::ReadStatus::CannotOpen);
    EXPECT_FALSE(doc.WriteFile(folder / "no" / "such.sln", elements));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace solvo
