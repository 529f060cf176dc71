#include "formula/FormulaSortForm.h"

#include "formula/ChemicalFormula.h"

namespace solvo {

FormulaSortForm::FormulaSortForm(const ElementTable& table) : table_(table) {}

void FormulaSortForm::Type(std::string_view text)
{
    typed_ = text;
    ordered_ = ChemicalFormula(table_, typed_).OrderedText();
}

FormulaSortForm::ClipboardItems FormulaSortForm::Copy(Row row, CopyForm form) const
{
    const std::string& source = row == Row::Typed ? typed_ : ordered_;
    const ChemicalFormula formula(table_, source);
    const auto richText = [&formula] { return "{\\rtf1\\ansi{" + formula.RtfText() + "}}"; };
    switch (form) {
    case CopyForm::TextRtf:
        return {source, richText()};
    case CopyForm::HtmlRtf:
        return {formula.HtmlText(), richText()};
    case CopyForm::Ubbc:
        return {formula.UbbcText(), std::nullopt};
    case CopyForm::Latex:
        break;
    }
    return {formula.LatexText(), std::nullopt};
}

} // namespace solvo
