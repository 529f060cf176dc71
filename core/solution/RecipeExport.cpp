#include "solution/RecipeExport.h"

#include "platform/Windows1252.h"
#include "formula/ChemicalFormula.h"
#include "formula/FormulaMarkup.h"
#include "solution/RecipePage.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace solvo {

namespace {

using CharWriter = FormulaMarkup::CharWriter;

constexpr std::string_view kGrey = "#c0c0c0";

static_assert(RecipePage::kApproximateColour == Colour{192, 192, 192},
              "the exports' grey is the page's");

bool IsStep(LineRole role)
{
    return role == LineRole::WaterStep || role == LineRole::ComponentStep ||
           role == LineRole::EnterMassStep || role == LineRole::StirStep ||
           role == LineRole::FinalStep;
}

// The text of step number, without the "number." that a numbered list
// writes itself; a template that words its numbers otherwise keeps them.
std::string_view ListItemText(std::string_view text, int number)
{
    const std::string prefix = std::to_string(number) + '.';
    if (!text.starts_with(prefix))
        return text;
    text.remove_prefix(prefix.size());
    while (text.starts_with(' '))
        text.remove_prefix(1);
    return text;
}

void AppendUtf8(std::string& out, char character)
{
    out += Windows1252::ToUtf8(std::string_view(&character, 1));
}

void AppendHtml(std::string& out, char character)
{
    switch (character) {
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '&':
        out += "&amp;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        AppendUtf8(out, character);
    }
}

void AppendMarkdown(std::string& out, char character)
{
    if (character == '&') {
        out += "&amp;";
        return;
    }
    // Every character that Markdown, or a common dialect of it, gives a
    // meaning: emphasis, code, links, HTML, headings and attributes, tables,
    // sub- and superscripts (~ ^), math ($), citations (@), and the quotes
    // that smart typography would curl; and the second of two hyphens or
    // full stops, which it would join into a dash or an ellipsis.
    const bool repeated = (character == '-' || character == '.') && !out.empty() &&
                          out.back() == character;
    if (repeated || std::string_view("\\`*_[]<>#~|!^${}=@\"'").find(character) !=
                        std::string_view::npos)
        out += '\\';
    AppendUtf8(out, character);
}

void AppendRtf(std::string& out, char character)
{
    const auto byte = static_cast<unsigned char>(character);
    if (character == '\\' || character == '{' || character == '}') {
        out += '\\';
        out += character;
    } else if (byte >= 0x20 && byte < 0x80) {
        out += character;
    } else {
        // Every Windows-1252 character lies below U+8000, so \u needs no sign trick.
        char escape[24];
        std::snprintf(escape, sizeof escape, "\\u%u\\'%02x",
                      static_cast<unsigned>(Windows1252::CodePoint(byte)), byte);
        out += escape;
    }
}

std::string Escaped(std::string_view text, CharWriter writeChar)
{
    std::string out;
    for (const char c : text)
        writeChar(out, c);
    return out;
}

// A formula as markup. The formula markup of rich text raises a full stop
// for the hydrate mark, which pastes as a plain "."; a recipe keeps the
// character the recipe window and the HTML show, the middle dot.
std::string FormulaMarkupOf(FormulaMarkup::Format markup, const ChemicalFormula& formula,
                            CharWriter writeChar)
{
    if (markup != FormulaMarkup::Format::Rtf)
        return FormulaMarkup::Write(markup, formula.DisplayText(), formula.Kinds(), writeChar);
    constexpr char kMiddleDot = '\xB7';
    std::string display;
    std::vector<CharKind> kinds;
    const std::string& text = formula.DisplayText();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const CharKind kind = i < formula.Kinds().size() ? formula.Kinds()[i] : CharKind::Normal;
        if (kind != CharKind::HydrateDot) {
            display += text[i];
            kinds.push_back(kind);
        } else if (display.empty() || display.back() != kMiddleDot) {
            // A run of hydrate marks is one dot, as in HTML.
            display += kMiddleDot;
            kinds.push_back(CharKind::Normal);
        }
    }
    return FormulaMarkup::Write(markup, display, kinds, writeChar);
}

// One line's text with its formula where the recipe window draws it: as
// markup in markup, else as its display text; the text around it goes
// through writeChar.
std::string LineBody(const RecipeLine& line, std::string_view text, const ElementTable& elements,
                     std::optional<FormulaMarkup::Format> markup, CharWriter writeChar)
{
    const std::size_t at = line.DrawsFormula() ? text.find(kFormulaPlaceholder) : text.npos;
    if (at == text.npos)
        return Escaped(text, writeChar);
    const ChemicalFormula formula(elements, line.formula);
    std::string out = Escaped(text.substr(0, at), writeChar);
    out += markup ? FormulaMarkupOf(*markup, formula, writeChar)
                  : Escaped(formula.DisplayText(), writeChar);
    out += Escaped(text.substr(at + kFormulaPlaceholder.size()), writeChar);
    return out;
}

std::string Text(std::span<const RecipeLine> lines, const ElementTable& elements)
{
    std::string out;
    for (const RecipeLine& line : lines)
        out += LineBody(line, line.text, elements, std::nullopt, AppendUtf8) + '\n';
    return out;
}

constexpr std::string_view kStyleSheet =
    "body { font-family: Arial, \"Liberation Sans\", Helvetica, sans-serif; font-size: 10pt;"
    " max-width: 180mm; margin: 10mm auto; }\n"
    "h1 { font-size: 15pt; font-weight: normal; margin: 0 0 5mm; }\n"
    "p { margin: 0 0 2mm; }\n"
    "p.summary { font-size: 12pt; margin-left: 10mm; }\n"
    "p.heading { margin-top: 8mm; }\n"
    "ol { margin: 0 0 2mm 10mm; padding-left: 7mm; }\n"
    "li { margin-bottom: 2mm; }\n"
    "p.footer { text-align: right; margin-top: 10mm; }\n"
    "@media print {\n"
    "  @page { size: A4; margin: 15mm; }\n"
    "  body { max-width: none; margin: 0; }\n"
    "}\n";

std::string_view HtmlClass(LineRole role)
{
    switch (role) {
    case LineRole::Summary:
        return "summary";
    case LineRole::Heading:
        return "heading";
    case LineRole::Footer:
        return "footer";
    default:
        return {};
    }
}

std::string HtmlAttributes(const RecipeLine& line)
{
    std::string out;
    if (const std::string_view name = HtmlClass(line.role); !name.empty())
        out += " class=\"" + std::string(name) + '"';
    if (line.approximate)
        out += " style=\"color: " + std::string(kGrey) + '"';
    return out;
}

std::string Html(std::span<const RecipeLine> lines, const ElementTable& elements)
{
    std::string title = "Recipe";
    if (!lines.empty() && lines.front().role == LineRole::Title)
        title = Escaped(lines.front().text, AppendHtml);
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
                      "</title>\n<style>\n" + std::string(kStyleSheet) + "</style>\n</head>\n<body>\n";
    int step = 0;
    bool inList = false;
    for (const RecipeLine& line : lines) {
        const bool isStep = IsStep(line.role);
        if (isStep && !inList)
            out += step == 0 ? "<ol>\n" : "<ol start=\"" + std::to_string(step + 1) + "\">\n";
        else if (!isStep && inList)
            out += "</ol>\n";
        inList = isStep;
        const std::string_view text = isStep ? ListItemText(line.text, ++step) : line.text;
        const std::string_view tag = isStep                        ? "li"
                                     : line.role == LineRole::Title ? "h1"
                                                                    : "p";
        out += '<' + std::string(tag) + HtmlAttributes(line) + '>' +
               LineBody(line, text, elements, FormulaMarkup::Format::Html, AppendHtml) + "</" +
               std::string(tag) + ">\n";
    }
    if (inList)
        out += "</ol>\n";
    return out + "</body>\n</html>\n";
}

// A paragraph that starts like a list or a rule would become one.
void ShieldLineStart(std::string& paragraph)
{
    if (paragraph.starts_with('-') || paragraph.starts_with('+') || paragraph.starts_with('=')) {
        paragraph.insert(0, 1, '\\');
        return;
    }
    const std::size_t digits = paragraph.find_first_not_of("0123456789");
    const bool marker = digits > 0 && digits != std::string::npos &&
                        (paragraph[digits] == '.' || paragraph[digits] == ')');
    if (marker && (digits + 1 == paragraph.size() || paragraph[digits + 1] == ' '))
        paragraph.insert(digits, 1, '\\');
}

std::string Markdown(std::span<const RecipeLine> lines, const ElementTable& elements)
{
    std::string out;
    int step = 0;
    bool inList = false;
    for (const RecipeLine& line : lines) {
        const bool isStep = IsStep(line.role);
        if (!isStep && inList)
            out += '\n';
        inList = isStep;
        const std::string_view text = isStep ? ListItemText(line.text, ++step) : line.text;
        std::string body =
            LineBody(line, text, elements, FormulaMarkup::Format::Html, AppendMarkdown);
        if (!isStep)
            ShieldLineStart(body);
        if (line.approximate)
            body = "<span style=\"color: " + std::string(kGrey) + "\">" + body + "</span>";
        if (isStep)
            out += std::to_string(step) + ". " + body + '\n';
        else if (line.role == LineRole::Title)
            out += "# " + body + "\n\n";
        else
            out += body + "\n\n";
    }
    return out;
}

// Font sizes in half points and indents in twips, as the recipe page sets them.
std::string RtfParagraph(LineRole role)
{
    switch (role) {
    case LineRole::Title:
        return "\\fs30\\sa240 ";
    case LineRole::Summary:
        return "\\fs24\\li567\\sa120 ";
    case LineRole::Heading:
        return "\\fs20\\sb360\\sa120 ";
    case LineRole::Footer:
        return "\\fs20\\qr\\sb480 ";
    default:
        return "\\fs20\\sa120 ";
    }
}

std::string Rtf(std::span<const RecipeLine> lines, const ElementTable& elements)
{
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                      "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green192\\blue192;}\n";
    int step = 0;
    for (const RecipeLine& line : lines) {
        const bool isStep = IsStep(line.role);
        std::string_view text = line.text;
        out += "\\pard\\plain\\f0";
        if (isStep) {
            text = ListItemText(text, ++step);
            // Paragraph numbering with its number spelled out for readers that
            // do not number.
            out += "\\fs20\\fi-360\\li927\\sa120{\\*\\pn\\pnlvlbody\\pndec\\pnstart1\\pnindent360"
                   "\\pnhang{\\pntxta .}}{\\pntext " +
                   std::to_string(step) + ".\\tab}";
        } else {
            out += RtfParagraph(line.role);
        }
        out += line.approximate ? "\\cf2 " : "\\cf1 ";
        out += LineBody(line, text, elements, FormulaMarkup::Format::Rtf, AppendRtf) + "\\par\n";
    }
    return out + "}\n";
}

} // namespace

std::string RecipeExport::Write(Format format, std::span<const RecipeLine> lines,
                                const ElementTable& elements)
{
    switch (format) {
    case Format::Text:
        return Text(lines, elements);
    case Format::Html:
        return Html(lines, elements);
    case Format::Markdown:
        return Markdown(lines, elements);
    case Format::Rtf:
        break;
    }
    return Rtf(lines, elements);
}

} // namespace solvo
