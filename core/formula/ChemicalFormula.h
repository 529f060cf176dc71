#pragma once

#include "formula/CanvasTypes.h"
#include "formula/CharKind.h"

#include <string>
#include <string_view>
#include <vector>

namespace solvo {

class ElementTable;
class FormulaCanvas;

/// A chemical formula typed as text with light markup: "_" before a
/// subscript, "^" before a superscript or charge, braces to group, and "&"
/// (or "," or the middle dot) before water of crystallisation.
///
/// The display text and character kinds follow from the markup alone; the
/// composition and molar masses are computed on every request from the
/// current content of the element table, which must outlive the formula.
/// A symbol that is not in the table makes the formula failed: its
/// composition is all zero and its molar mass 0. Any byte string gives a
/// result; nothing is thrown.
class ChemicalFormula {
public:
    explicit ChemicalFormula(const ElementTable& table);
    ChemicalFormula(const ElementTable& table, std::string_view text);

    /// Sets the text (trailing spaces, tabs, CR and LF removed) and clears failed.
    void SetText(std::string_view text);

    const std::string& SourceText() const { return source_; }
    const std::string& DisplayText() const { return Display().text; }
    const std::vector<CharKind>& Kinds() const { return Display().kinds; }
    std::int32_t Length() const { return static_cast<std::int32_t>(Display().text.size()); }
    /// Kind of display character position; Normal outside the text.
    CharKind Kind(std::int32_t position) const;

    /// Counts per table entry; all zero (and failed set) when a symbol is
    /// unknown or a count does not fit in an int32.
    Composition FormulaComposition() const;
    /// g/mol of one substance: a leading number is ignored, commas act like "&".
    double MolarMass() const;
    /// What MolarMass() gives for a formula of text, without making one.
    static double MolarMassOf(const ElementTable& table, std::string_view text);
    /// g/mol of a comma-separated list whose parts may start with an integer multiplier.
    double MixtureMolarMass() const;

    /// Set by the last composition or molar mass request when a symbol was
    /// unknown or a count did not fit in an int32.
    bool Failed() const { return failed_; }
    /// Why the last request failed, in the program's words: "has a symbol
    /// that is not in the element and moiety table." or "has a count that is
    /// too large."; empty when it did not fail.
    std::string FailureText() const;
    /// Set by the last request when the formula nested too deeply to be counted in full.
    bool Overflowed() const { return overflowed_; }
    /// Set by the last request when it failed on a count that does not fit in an int32.
    bool CountTooLarge() const { return countTooLarge_; }

    /// The formula rewritten from its composition: C, H, N, O, S, P, then the
    /// other entries by index; empty for a failed formula.
    std::string OrderedText() const;
    /// The same rewriting of counts, a composition of a formula that did not fail.
    static std::string OrderedTextOf(const ElementTable& table, const Composition& counts);
    std::string HtmlText() const;
    /// The inner part of a rich-text document.
    std::string RtfText() const;
    std::string UbbcText() const;
    std::string LatexText() const;

    /// Colour of each display character; all black when the text is set.
    const std::vector<Colour>& Colours() const { return Display().colours; }
    /// Gives every display character this colour.
    void SetFormulaColour(Colour colour);

    /// Width in canvas units of the formula typeset with the large font for
    /// normal characters and the hydrate dot and the small font for
    /// subscripts and superscripts; 0 for an empty display text and for one
    /// longer than 127 characters.
    std::int32_t MeasureFormula(FormulaCanvas& canvas, const FontSpec& large, const FontSpec& small) const;
    /// Draws the formula at (x, y), aligned by its left edge, centre or right
    /// edge, shrunk to a fit width above 0 and centred in a fit height other
    /// than 0 (see FormulaLayout::Draw). Nothing is drawn for an empty display
    /// text or one longer than 127 characters.
    void DrawFormula(FormulaCanvas& canvas, const FontSpec& large, const FontSpec& small, std::int32_t x,
                     std::int32_t y, TextAlign align, std::int32_t fitWidth, std::int32_t fitHeight) const;

private:
    struct MassResult {
        double mass = 0.0;
        bool failed = false;
        bool overflowed = false;
        bool countTooLarge = false;
    };
    static std::string_view Trimmed(std::string_view text);
    static MassResult Weigh(const ElementTable& table, std::string_view source);
    // What the text looks like drawn. Made on first request: most formulas
    // are set only to be counted or weighed.
    struct DisplayForm {
        std::string text;
        std::vector<CharKind> kinds;
        std::vector<Colour> colours;
    };
    const DisplayForm& Display() const;
    void ComputeDisplay() const;

    const ElementTable* table_;
    std::string source_;
    Colour colour_{};
    mutable DisplayForm display_;
    mutable bool displayCurrent_ = false;
    // Results of the latest request, not derived data: they are reset by every request.
    mutable bool failed_ = false;
    mutable bool overflowed_ = false;
    mutable bool countTooLarge_ = false;
};

} // namespace solvo
