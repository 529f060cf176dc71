#include "formula/ElementTable.h"
#include "formula/FormulaSortForm.h"

#include <gtest/gtest.h>

namespace solvo {
namespace {

using Row = FormulaSortForm::Row;
using CopyForm = FormulaSortForm::CopyForm;

class FormulaSortFormTest : public ::testing::Test {
protected:
    FormulaSortFormTest() { table.LoadDefaults(); }
    ElementTable table;
};

TEST_F(FormulaSortFormTest, TypingRewritesTheFormulaInTheFixedOrder)
{
    FormulaSortForm form(table);
    EXPECT_EQ(form.Typed(), "");
    EXPECT_EQ(form.Ordered(), "");
    form.Type("CuSO_4&5H_2O");
    EXPECT_EQ(form.Typed(), "CuSO_4&5H_2O");
    EXPECT_EQ(form.Ordered(), "H10O9SCu");
    form.Type("Xx_2");
    EXPECT_EQ(form.Ordered(), "") << "a failed formula has no ordered form";
}

TEST_F(FormulaSortFormTest, EachButtonCopiesItsForm)
{
    FormulaSortForm form(table);
    form.Type("CuSO_4&5H_2O");
    const struct {
        Row row;
        CopyForm form;
        const char* text;
        const char* rich; // nullptr: no rich-text item
    } cases[] = {
        {Row::Typed, CopyForm::TextRtf, "CuSO_4&5H_2O",
         "{\\rtf1\\ansi{CuSO{\\sub 4}{\\super .}5H{\\sub 2}O}}"},
        {Row::Typed, CopyForm::HtmlRtf, "CuSO<sub>4</sub>&middot;5H<sub>2</sub>O",
         "{\\rtf1\\ansi{CuSO{\\sub 4}{\\super .}5H{\\sub 2}O}}"},
        {Row::Typed, CopyForm::Ubbc, "CuSO[sub]4[/sub][sup].[/sup]5H[sub]2[/sub]O", nullptr},
        {Row::Typed, CopyForm::Latex, "\\textrm{CuSO}_{4}\\cdot\\textrm{5H}_{2}\\textrm{O}", nullptr},
        {Row::Ordered, CopyForm::TextRtf, "H10O9SCu",
         "{\\rtf1\\ansi{H{\\sub 10}O{\\sub 9}SCu}}"},
        {Row::Ordered, CopyForm::HtmlRtf, "H<sub>10</sub>O<sub>9</sub>SCu",
         "{\\rtf1\\ansi{H{\\sub 10}O{\\sub 9}SCu}}"},
        {Row::Ordered, CopyForm::Ubbc, "H[sub]10[/sub]O[sub]9[/sub]SCu", nullptr},
        {Row::Ordered, CopyForm::Latex, "\\textrm{H}_{10}\\textrm{O}_{9}\\textrm{SCu}", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto items = form.Copy(c.row, c.form);
        EXPECT_EQ(items.text, c.text);
        if (c.rich)
            EXPECT_EQ(items.richText, std::optional<std::string>(c.rich));
        else
            EXPECT_FALSE(items.richText);
    }
}

TEST_F(FormulaSortFormTest, AnEmptyFormulaCopiesEmptyTextAndABareRichTextDocument)
{
    const FormulaSortForm form(table);
    for (const Row row : {Row::Typed, Row::Ordered}) {
        EXPECT_EQ(form.Copy(row, CopyForm::TextRtf).text, "");
        EXPECT_EQ(form.Copy(row, CopyForm::HtmlRtf).richText,
                  std::optional<std::string>("{\\rtf1\\ansi{}}"));
        EXPECT_EQ(form.Copy(row, CopyForm::Latex).text, "");
    }
}

} // namespace
} // namespace solvo
