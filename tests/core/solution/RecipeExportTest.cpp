#include "solution/RecipeExport.h"

#include "formula/ElementTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

namespace solvo {
namespace {

using Role = LineRole;
using Format = RecipeExport::Format;

// The lines of the typical recipe: 0.1 M sodium chloride, 500 mL.
const std::vector<RecipeLine> kSaline = {
    {Role::Title, "saline", "", false},
    {Role::Summary, "0.1000 M (mol/L) sodium chloride <SUBSTANCEFORMULA>", "NaCl", false},
    {Role::PreparedBy, "Solution prepared by: ....", "", false},
    {Role::Date, "Thursday, December 10, 2026", "", false},
    {Role::Heading, "To prepare 500 mL of the above solution:", "", false},
    {Role::WaterStep, "1. Put about 400 mL of water into the flask.", "", false},
    {Role::ComponentStep, "2. Weigh 2.922 g sodium chloride <SUBSTANCEFORMULA> and transfer it.",
     "NaCl", false},
    {Role::StirStep, "3. Stir until dissolved.", "", false},
    {Role::FinalStep, "4. Fill up to 500 mL and mix thoroughly.", "", false},
};

// A hydrate, an ion whose exact weight is still to come (grey), and a name
// with characters that every markup must escape (0xB5 is the micro sign).
const std::vector<RecipeLine> kHydrate = {
    {Role::Title, "vitriol", "", false},
    {Role::Summary, "0.1000 M (mol/L) copper sulfate <SUBSTANCEFORMULA>", "CuSO_4&5H_2O", false},
    {Role::Summary, "~10.0 mM (mmol/L) {\xB5} <sulfate> & co <SUBSTANCEFORMULA>", "SO_4^{2-}", true},
    {Role::Date, "Thursday, December 10, 2026", "", false},
    {Role::Heading, "To prepare 1 L:", "", false},
    {Role::ComponentStep, "1. Weigh 24.97 g copper sulfate <SUBSTANCEFORMULA>.", "CuSO_4&5H_2O", false},
    {Role::ComponentStep, "2. Exactly weigh about 0.9606 g {\xB5} <sulfate> & co <SUBSTANCEFORMULA>.",
     "SO_4^{2-}", false},
    {Role::EnterMassStep, "3. Enter mass (so far: none).", "SO_4^{2-}", false},
    {Role::StirStep, "4. Stir until dissolved.", "", false},
    {Role::Warning, "Warning: final volume can be different from the requested one.", "", false},
};

class RecipeExportTest : public ::testing::Test {
protected:
    RecipeExportTest() { elements.LoadDefaults(); }

    std::string Write(Format format, const std::vector<RecipeLine>& lines) const
    {
        return RecipeExport::Write(format, lines, elements);
    }

    ElementTable elements;
};

// An element of an HTML document: its name, its attributes as written, and
// its text with the entities of the export decoded.
struct Element {
    std::string name;
    std::string attributes;
    std::string text;
};

std::string Decoded(std::string text)
{
    static const std::map<std::string, std::string> entities = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}, {"&middot;", "\xC2\xB7"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != text.npos; at = text.find(entity, at + 1))
            text.replace(at, entity.size(), character);
    }
    return text;
}

// Reads the elements of a document in the order they open, failing the
// test when a tag closes out of order, a bare "<" or "&" stands in the text,
// or an element stays open.
std::vector<Element> ParseHtml(const std::string& html)
{
    static const std::regex tag(R"(<(/?)([a-z0-9]+)([^<>]*)>|<!DOCTYPE html>\n)");
    std::vector<Element> elements;
    std::vector<std::size_t> open;
    std::size_t done = 0;
    const auto addText = [&](std::string_view text) {
        EXPECT_EQ(text.find('<'), text.npos) << text;
        EXPECT_EQ(std::regex_search(std::string(text), std::regex("&(?![a-z]+;)")), false) << text;
        for (const std::size_t index : open)
            elements[index].text += Decoded(std::string(text));
    };
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator();
         ++it) {
        const std::smatch& match = *it;
        addText(std::string_view(html).substr(done, match.position() - done));
        done = match.position() + match.length();
        if (!match[2].matched)
            continue;
        if (match[1].length() > 0) {
            EXPECT_FALSE(open.empty());
            if (open.empty())
                return elements;
            EXPECT_EQ(elements[open.back()].name, match[2].str());
            open.pop_back();
        } else {
            elements.push_back({match[2].str(), match[3].str(), {}});
            if (match[2] != "meta")
                open.push_back(elements.size() - 1);
        }
    }
    addText(std::string_view(html).substr(done));
    EXPECT_TRUE(open.empty());
    return elements;
}

std::vector<Element> Named(const std::vector<Element>& elements, std::string_view name)
{
    std::vector<Element> found;
    std::copy_if(elements.begin(), elements.end(), std::back_inserter(found),
                 [name](const Element& element) { return element.name == name; });
    return found;
}

TEST_F(RecipeExportTest, TextIsOneLinePerRecipeLineWithPlainFormulas)
{
    struct Case {
        const std::vector<RecipeLine>* lines;
        std::size_t line;
        std::string text;
    };
    const std::vector<Case> cases = {
        {&kSaline, 1, "0.1000 M (mol/L) sodium chloride NaCl"},
        {&kSaline, 5, "1. Put about 400 mL of water into the flask."},
        {&kHydrate, 1, "0.1000 M (mol/L) copper sulfate CuSO4.5H2O"},
        {&kHydrate, 2, "~10.0 mM (mmol/L) {\xC2\xB5} <sulfate> & co SO42-"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        std::istringstream text(Write(Format::Text, *c.lines));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        ASSERT_EQ(lines.size(), c.lines->size());
        EXPECT_EQ(lines[c.line], c.text);
    }
}

TEST_F(RecipeExportTest, HtmlIsAWellFormedDocumentOfTheRecipe)
{
    const std::vector<Element> saline = ParseHtml(Write(Format::Html, kSaline));
    ASSERT_FALSE(saline.empty());
    EXPECT_EQ(saline.front().name, "html");
    EXPECT_EQ(Named(saline, "meta").at(0).attributes, " charset=\"utf-8\"");
    EXPECT_EQ(Named(saline, "title").at(0).text, "saline");
    EXPECT_NE(Named(saline, "style").at(0).text.find("@media print"), std::string::npos);
    EXPECT_EQ(Named(saline, "h1").at(0).text, "saline");
    const std::vector<Element> paragraphs = Named(saline, "p");
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0].attributes, " class=\"summary\"");
    EXPECT_EQ(paragraphs[0].text, "0.1000 M (mol/L) sodium chloride NaCl");
    EXPECT_EQ(paragraphs[2].text, "Thursday, December 10, 2026");
    // The list numbers the steps, so their texts lose the written numbers.
    EXPECT_EQ(Named(saline, "ol").size(), 1u);
    const std::vector<Element> steps = Named(saline, "li");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].text, "Put about 400 mL of water into the flask.");
    EXPECT_EQ(steps[1].text, "Weigh 2.922 g sodium chloride NaCl and transfer it.");
    EXPECT_TRUE(Named(saline, "sub").empty());

    const std::vector<Element> hydrate = ParseHtml(Write(Format::Html, kHydrate));
    const std::vector<Element> summaries = Named(hydrate, "p");
    EXPECT_EQ(summaries[0].text, "0.1000 M (mol/L) copper sulfate CuSO4\xC2\xB7" "5H2O");
    EXPECT_EQ(summaries[0].attributes, " class=\"summary\"");
    EXPECT_EQ(summaries[1].text, "~10.0 mM (mmol/L) {\xC2\xB5} <sulfate> & co SO42-");
    EXPECT_EQ(summaries[1].attributes, " class=\"summary\" style=\"color: #c0c0c0\"");
    std::vector<std::string> subscripts;
    for (const Element& element : Named(hydrate, "sub"))
        subscripts.push_back(element.text);
    EXPECT_EQ(subscripts, (std::vector<std::string>{"4", "2", "4", "4", "2", "4"}));
    EXPECT_EQ(Named(hydrate, "sup").size(), 2u);
    EXPECT_EQ(Named(hydrate, "sup").at(0).text, "2-");
    EXPECT_EQ(Named(hydrate, "li").size(), 4u);
    EXPECT_EQ(Named(hydrate, "p").back().text,
              "Warning: final volume can be different from the requested one.");
}

TEST_F(RecipeExportTest, MarkdownNumbersTheStepsAndKeepsTheTextLiteral)
{
    const std::string saline = Write(Format::Markdown, kSaline);
    EXPECT_TRUE(saline.starts_with("# saline\n\n"));
    EXPECT_NE(saline.find("\n\n1. Put about 400 mL of water into the flask.\n"
                          "2. Weigh 2.922 g sodium chloride Na"),
              std::string::npos);
    EXPECT_NE(saline.find("\n4. Fill up to 500 mL and mix thoroughly.\n"), std::string::npos);

    const std::string hydrate = Write(Format::Markdown, kHydrate);
    EXPECT_NE(hydrate.find("CuSO<sub>4</sub>&middot;5H<sub>2</sub>O"), std::string::npos);
    EXPECT_NE(hydrate.find("\n<span style=\"color: #c0c0c0\">\\~10.0 mM (mmol/L) \\{\xC2\xB5\\} "
                           "\\<sulfate\\> &amp; co SO<sub>4</sub><sup>2-</sup></span>\n"),
              std::string::npos);
    EXPECT_NE(hydrate.find("\n3. Enter mass (so far: none).\n4. Stir until dissolved.\n\nWarning:"), std::string::npos);
}

TEST_F(RecipeExportTest, MarkdownParagraphsDoNotTurnIntoLists)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1. apart", "1\\. apart"}, {"12) apart", "12\\) apart"}, {"- dash", "\\- dash"},
        {"0.1000 M", "0.1000 M"},   {"2.5 L", "2.5 L"},
        // Characters that Markdown dialects give a meaning stay text.
        {"x^2^ and H~2~O", "x\\^2\\^ and H\\~2\\~O"},
        {"$5 @lab {.red} \"q\" 'q' a==b", "\\$5 \\@lab \\{.red\\} \\\"q\\\" \\'q\\' a\\=\\=b"},
        {"a--b, so...", "a-\\-b, so.\\.\\."},
    };
    for (const auto& [text, written] : cases) {
        const std::vector<RecipeLine> lines = {{Role::Date, text, "", false}};
        EXPECT_EQ(Write(Format::Markdown, lines), written + "\n\n") << text;
    }
}

// The paragraphs of a rich-text document: its text from \pard to \par.
std::vector<std::string> RtfParagraphs(const std::string& rtf)
{
    std::vector<std::string> paragraphs;
    for (std::size_t at = rtf.find("\\pard"); at != rtf.npos; at = rtf.find("\\pard", at + 1))
        paragraphs.push_back(rtf.substr(at, rtf.find("\\par\n", at) - at));
    return paragraphs;
}

TEST_F(RecipeExportTest, RtfIsABalancedSevenBitDocumentOfTheRecipe)
{
    for (const auto* lines : {&kSaline, &kHydrate}) {
        const std::string rtf = Write(Format::Rtf, *lines);
        EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
        int depth = 0;
        for (std::size_t i = 0; i < rtf.size(); ++i) {
            EXPECT_LT(static_cast<unsigned char>(rtf[i]), 0x80u);
            if (rtf[i] == '\\') {
                ++i; // an escaped brace or backslash is text
            } else if (rtf[i] == '{') {
                ++depth;
            } else if (rtf[i] == '}' && --depth == 0) {
                EXPECT_EQ(rtf.substr(i), "}\n");
                break;
            }
        }
        ASSERT_EQ(RtfParagraphs(rtf).size(), lines->size());
    }

    const std::vector<std::string> hydrate = RtfParagraphs(Write(Format::Rtf, kHydrate));
    EXPECT_NE(hydrate[0].find("\\fs30"), std::string::npos);
    EXPECT_NE(hydrate[1].find("\\fs24"), std::string::npos);
    // The hydrate mark is the middle dot, which pastes as itself.
    EXPECT_NE(hydrate[1].find("\\cf1 0.1000 M (mol/L) copper sulfate CuSO{\\sub 4}\\u183\\'b75H{"
                              "\\sub 2}O"),
              std::string::npos);
    EXPECT_NE(hydrate[2].find("\\cf2 ~10.0 mM (mmol/L) \\{\\u181\\'b5\\} <sulfate> & co "
                              "SO{\\sub 4}{\\super 2-}"),
              std::string::npos);
    // The steps are numbered paragraphs whose numbers are written out too.
    for (std::size_t step = 1; step <= 4; ++step) {
        const std::string& paragraph = hydrate[4 + step];
        EXPECT_NE(paragraph.find("{\\*\\pn\\pnlvlbody\\pndec\\pnstart1"), std::string::npos);
        EXPECT_NE(paragraph.find("{\\pntext " + std::to_string(step) + ".\\tab}\\cf1 "),
                  std::string::npos);
        EXPECT_EQ(paragraph.find(std::to_string(step) + ". "), std::string::npos) << paragraph;
    }
    EXPECT_EQ(hydrate[9].find("\\pn"), std::string::npos);
}

} // namespace
} // namespace solvo
