#include "formula/ElementTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace solvo {

namespace {

struct BuiltInElement {
    const char* symbol;
    const char* massText;
};

// The mass texts are kept as texts: the number of digits after the point is
// part of what the moieties editor shows.
constexpr BuiltInElement kBuiltIn[ElementTable::kBuiltInCount] = {
    {"e", "0.0"},           {"H", "1.00794"},       {"He", "4.002602"},    {"Li", "6.941"},
    {"Be", "9.012182"},     {"B", "10.811"},        {"C", "12.0107"},      {"N", "14.0067"},
    {"O", "15.9994"},       {"F", "18.9984032"},    {"Ne", "20.1797"},     {"Na", "22.98976928"},
    {"Mg", "24.3050"},      {"Al", "26.9815386"},   {"Si", "28.0855"},     {"P", "30.973762"},
    {"S", "32.065"},        {"Cl", "35.453"},       {"Ar", "39.948"},      {"K", "39.0983"},
    {"Ca", "40.078"},       {"Sc", "44.955912"},    {"Ti", "47.867"},      {"V", "50.9415"},
    {"Cr", "51.9961"},      {"Mn", "54.938045"},    {"Fe", "55.845"},      {"Co", "58.933195"},
    {"Ni", "58.6934"},      {"Cu", "63.546"},       {"Zn", "65.38"},       {"Ga", "69.723"},
    {"Ge", "72.64"},        {"As", "74.92160"},     {"Se", "78.96"},       {"Br", "79.904"},
    {"Kr", "83.798"},       {"Rb", "85.4678"},      {"Sr", "87.62"},       {"Y", "88.90585"},
    {"Zr", "91.224"},       {"Nb", "92.90638"},     {"Mo", "95.96"},       {"Tc", "98.906365"},
    {"Ru", "101.07"},       {"Rh", "102.90550"},    {"Pd", "106.42"},      {"Ag", "107.8682"},
    {"Cd", "112.411"},      {"In", "114.818"},      {"Sn", "118.710"},     {"Sb", "121.760"},
    {"Te", "127.60"},       {"I", "126.90447"},     {"Xe", "131.293"},     {"Cs", "132.9054519"},
    {"Ba", "137.327"},      {"La", "138.90547"},    {"Ce", "140.116"},     {"Pr", "140.90765"},
    {"Nd", "144.242"},      {"Pm", "145"},          {"Sm", "150.36"},      {"Eu", "151.964"},
    {"Gd", "157.25"},       {"Tb", "158.92535"},    {"Dy", "162.500"},     {"Ho", "164.93032"},
    {"Er", "167.259"},      {"Tm", "168.93421"},    {"Yb", "173.054"},     {"Lu", "174.9668"},
    {"Hf", "178.49"},       {"Ta", "180.94788"},    {"W", "183.84"},       {"Re", "186.207"},
    {"Os", "190.23"},       {"Ir", "192.217"},      {"Pt", "195.084"},     {"Au", "196.966569"},
    {"Hg", "200.59"},       {"Tl", "204.3833"},     {"Pb", "207.2"},       {"Bi", "208.98040"},
    {"Po", "209"},          {"At", "210"},          {"Rn", "222"},         {"Fr", "223"},
    {"Ra", "226"},          {"Ac", "227"},          {"Th", "232.03806"},   {"Pa", "231.03588"},
    {"U", "238.02891"},     {"Np", "237.0482"},     {"Pu", "239.0522"},    {"Am", "239.0522"},
    {"Cm", "244.0627"},     {"Bk", "249.0750"},     {"Cf", "252.0916"},    {"Es", "252.0830"},
    {"Fm", "257.0951"},     {"Md", "256.0941"},     {"No", "259.1011"},    {"Lr", "262.110"},
};

double MassOfText(std::string_view text)
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::int32_t DecimalsOfText(std::string_view text)
{
    const auto point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<std::int32_t>(text.size() - point - 1);
}

} // namespace

ElementTable::ElementTable()
{
    RebuildIndex();
}

void ElementTable::LoadDefaults()
{
    entries_.clear();
    count_ = 0;
    RebuildIndex();
    for (const auto& row : kBuiltIn)
        AddEntry(row.symbol, {}, {}, MassOfText(row.massText), DecimalsOfText(row.massText));
    modified_ = false;
}

std::int32_t ElementTable::FindSymbol(std::string_view symbol) const
{
    const auto it = symbolIndex_.find(symbol);
    return it == symbolIndex_.end() ? -1 : it->second;
}

std::int32_t ElementTable::AddEntry(std::string_view symbol, std::string_view composition,
                                    std::string_view comment, double molarMass,
                                    std::int32_t decimals)
{
    if (FindSymbol(symbol) >= 0)
        return -1;
    Element entry{std::string(symbol), std::string(composition), std::string(comment), molarMass,
                  decimals};
    const auto slot = static_cast<std::size_t>(count_);
    if (slot < entries_.size())
        entries_[slot] = std::move(entry);
    else
        entries_.push_back(std::move(entry));
    ++count_;
    modified_ = true;
    IndexEntry(count_ - 1);
    return count_ - 1;
}

std::int32_t ElementTable::ModifyEntry(std::int32_t index, std::string_view symbol,
                                       std::string_view composition, std::string_view comment,
                                       double molarMass, std::int32_t decimals)
{
    if (index < 0 || index >= count_)
        return -1;
    for (std::int32_t i = 0; i < count_; ++i) {
        if (i != index && entries_[static_cast<std::size_t>(i)].symbol == symbol)
            return -1;
    }
    entries_[static_cast<std::size_t>(index)] = Element{
        std::string(symbol), std::string(composition), std::string(comment), molarMass, decimals};
    modified_ = true;
    RebuildIndex();
    return index;
}

void ElementTable::DeleteEntry(std::int32_t index)
{
    if (index < 0 || index >= count_)
        return;
    for (std::int32_t i = index; i < count_ - 1; ++i)
        entries_[static_cast<std::size_t>(i)] = entries_[static_cast<std::size_t>(i) + 1];
    --count_;
    modified_ = true;
    RebuildIndex();
}

const Element& ElementTable::Entry(std::int32_t index) const
{
    if (index < 0 || index >= count_)
        throw std::out_of_range("element table index " + std::to_string(index));
    return entries_[static_cast<std::size_t>(index)];
}

bool ElementTable::SameEntries(const ElementTable& other) const
{
    return count_ == other.count_ &&
           std::equal(entries_.begin(), entries_.begin() + count_, other.entries_.begin());
}

void ElementTable::Assign(std::vector<Element> slots, std::int32_t count)
{
    entries_ = std::move(slots);
    count_ = std::clamp(count, 0, static_cast<std::int32_t>(entries_.size()));
    RebuildIndex();
}

void ElementTable::RebuildIndex()
{
    symbolIndex_.clear();
    oneByte_.fill(-1);
    twoBytes_.assign(256, -1);
    for (auto& bucket : longer_)
        bucket.clear();
    allMassesFinite_ = true;
    for (std::int32_t i = 0; i < count_; ++i)
        IndexEntry(i);
}

void ElementTable::IndexEntry(std::int32_t index)
{
    // Where two entries in use share a symbol (only a damaged file can do
    // that), a scan in index order finds the first, so the first one stays.
    const Element& entry = entries_[static_cast<std::size_t>(index)];
    const std::string& symbol = entry.symbol;
    symbolIndex_.try_emplace(symbol, index);
    allMassesFinite_ = allMassesFinite_ && std::isfinite(entry.molarMass);
    if (symbol.empty())
        return;
    const auto first = static_cast<unsigned char>(symbol[0]);
    if (symbol.size() == 1) {
        if (oneByte_[first] < 0)
            oneByte_[first] = index;
    } else if (symbol.size() == 2) {
        // A table is made for every file read, so a first byte gets its 256
        // slots only when a symbol needs them.
        std::int32_t page = twoBytes_[first];
        if (page < 0) {
            page = static_cast<std::int32_t>(twoBytes_.size());
            twoBytes_[first] = page;
            twoBytes_.resize(twoBytes_.size() + 256, -1);
        }
        std::int32_t& slot =
            twoBytes_[static_cast<std::size_t>(page) + static_cast<unsigned char>(symbol[1])];
        if (slot < 0)
            slot = index;
    } else {
        auto& bucket = longer_[first];
        const auto position = std::find_if(bucket.begin(), bucket.end(), [&](std::int32_t other) {
            return entries_[static_cast<std::size_t>(other)].symbol.size() < symbol.size();
        });
        bucket.insert(position, index);
    }
}

} // namespace solvo
