// Any byte string typed as a formula must give a result: no crash, no
// unbounded recursion, no time quadratic in its length.
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const solvo::ElementTable table = [] {
        solvo::ElementTable built;
        built.LoadDefaults();
        built.AddEntry("Cit", "C_6H_5O_7", "", 189.1, 1);
        built.AddEntry("LongMoiety9", "", "", 12.5, 1);
        return built;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const solvo::ChemicalFormula formula(table, text);
    (void)formula.FormulaComposition();
    (void)formula.MolarMass();
    (void)formula.MixtureMolarMass();
    (void)formula.OrderedText();
    (void)formula.HtmlText();
    (void)formula.RtfText();
    (void)formula.UbbcText();
    (void)formula.LatexText();
    return 0;
}
