#include "BufferTestSupport.h"

#include "buffers/BufferError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace solvo::test {
namespace {

std::string SystemOf(const BufferForm& form)
{
    return form.IsStrong() ? "strong" : BufferCatalogue::BuiltIn().Systems()[form.system].Name();
}

TEST(BufferFormReader, RecognisesFormsByCompositionWhateverTheWriting)
{
    struct Case {
        const char* formula;
        const char* system;
        int charge;
        int strongCharge;
        double molarMass;
    };
    const std::vector<Case> cases = {
        {"NaH2PO4", "phosphoric acid", -1, 1, 119.98},
        {"NaH2PO4.H2O", "phosphoric acid", -1, 1, 137.99},
        {"Na2HPO4.7H2O", "phosphoric acid", -2, 2, 268.07},
        {"Na_2HPO_4&7H_2O", "phosphoric acid", -2, 2, 268.07},
        {"HNa2PO4*2H2O", "phosphoric acid", -2, 2, 177.99},
        {"KH2PO4", "phosphoric acid", -1, 1, 136.09},
        {"H3PO4", "phosphoric acid", 0, 0, 98.00},
        {"CH3COONa", "acetic acid", -1, 1, 82.03},
        {"CH3COONa&3H2O", "acetic acid", -1, 1, 136.08},
        {"C6H8O7.H2O", "citric acid", 0, 0, 210.14},
        {"Na3C6H5O7.2H2O", "citric acid", -3, 3, 294.10},
        {"KH2C6H5O7", "citric acid", -1, 1, 230.21},
        {"NaHCO3", "carbonic acid", -1, 1, 84.01},
        {"C4H11NO3", "Tris", 0, 0, 121.14},
        {"C4H11NO3.HCl", "Tris", 1, -1, 157.60},
        {"C8H17N2O4SNa", "HEPES", -1, 1, 260.29},
        {"HCl", "strong", 0, -1, 36.46},
        {"NaOH", "strong", 0, 1, 40.00},
        {"KOH", "strong", 0, 1, 56.11},
        {"NaCl", "strong", 0, 0, 58.44},
        {"MgCl2", "", 0, 0, 0.0}, // Mg is no counter-ion the program knows
    };
    const BuiltInForms read;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        if (*c.system == '\0') {
            EXPECT_THROW(read(c.formula), BufferError);
            continue;
        }
        const BufferForm form = read(c.formula);
        EXPECT_EQ(SystemOf(form), c.system);
        EXPECT_EQ(form.charge, c.charge);
        EXPECT_EQ(form.StrongCharge(), c.strongCharge);
        EXPECT_NEAR(form.molarMass, c.molarMass, 0.02);
        EXPECT_EQ(form.formula, c.formula);
    }
}

TEST(BufferFormReader, RefusesWhatIsNoFormWithTheFormulaNamed)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Xq3PO4", "element and moiety table"},
        {"H2PO4^-", "neutral compound"},
        {"C6H12O6", "neither a form of a buffer system"},
        {"H2O", "neither"},
        {"Na4PO4", "neither"},           // no phosphate species of charge −4
        {"NaH2PO4.H2O2", "neither"},     // the peroxide is no water
        {"HClO4", "neither"},            // Cl with oxygen is no chloride
        {"Na20000Cl20000", "neither"},
        {"", "neither"},
    };
    const BuiltInForms read;
    for (const auto& [formula, message] : cases) {
        SCOPED_TRACE(formula);
        try {
            read(formula);
            ADD_FAILURE() << "accepted";
        } catch (const BufferError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(message), std::string::npos) << text;
            EXPECT_NE(text.find(std::string("\"") + formula + "\""), std::string::npos) << text;
        }
    }
}

TEST(BufferFormReader, ExpandsMoietiesAndCutsTheirLoops)
{
    ElementTable elements;
    elements.LoadDefaults();
    ASSERT_GE(elements.AddEntry("Tr", "C4H11NO3", "Tris", 121.14, 2), 0);
    ASSERT_GE(elements.AddEntry("Lp", "Lq", "loop", 1.0, 0), 0);
    ASSERT_GE(elements.AddEntry("Lq", "Lp", "loop", 1.0, 0), 0);
    const BufferFormReader reader(elements, BufferCatalogue::BuiltIn());
    const BufferForm tris = reader.Read("TrHCl");
    EXPECT_EQ(SystemOf(tris), "Tris");
    EXPECT_EQ(tris.charge, 1);
    EXPECT_THROW(reader.Read("LpNa"), BufferError);
}

} // namespace
} // namespace solvo::test
