// Random small patterns are built as trees together with their text, and
// every search is checked against a plain matcher that works on the tree
// directly, by the sets of positions each part can reach.
#include "pattern/Pattern.h"

#include <gtest/gtest.h>

#include <bitset>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace solvo {
namespace {

struct Node {
    enum class Type { Set, Empty, Concat, Alternative, Star, Plus, Optional };
    Type type = Type::Empty;
    std::bitset<256> set;
    std::vector<std::shared_ptr<const Node>> parts;
    std::string text;
    bool isPiece = false; // may take a postfix without parentheses
};

using NodePtr = std::shared_ptr<const Node>;
using Ends = std::set<std::size_t>;

Ends ReachedFrom(const Node& node, std::string_view text, std::size_t from);

Ends Repeated(const Node& part, std::string_view text, Ends reached)
{
    std::vector<std::size_t> pending(reached.begin(), reached.end());
    while (!pending.empty()) {
        const std::size_t at = pending.back();
        pending.pop_back();
        for (const std::size_t end : ReachedFrom(part, text, at)) {
            if (reached.insert(end).second)
                pending.push_back(end);
        }
    }
    return reached;
}

Ends ReachedFrom(const Node& node, std::string_view text, std::size_t from)
{
    switch (node.type) {
    case Node::Type::Set:
        if (from < text.size() && node.set.test(static_cast<unsigned char>(text[from])))
            return {from + 1};
        return {};
    case Node::Type::Empty:
        return {from};
    case Node::Type::Concat: {
        Ends result;
        for (const std::size_t middle : ReachedFrom(*node.parts[0], text, from)) {
            const Ends ends = ReachedFrom(*node.parts[1], text, middle);
            result.insert(ends.begin(), ends.end());
        }
        return result;
    }
    case Node::Type::Alternative: {
        Ends result = ReachedFrom(*node.parts[0], text, from);
        const Ends second = ReachedFrom(*node.parts[1], text, from);
        result.insert(second.begin(), second.end());
        return result;
    }
    case Node::Type::Star:
        return Repeated(*node.parts[0], text, {from});
    case Node::Type::Plus:
        return Repeated(*node.parts[0], text, ReachedFrom(*node.parts[0], text, from));
    case Node::Type::Optional: {
        Ends result = ReachedFrom(*node.parts[0], text, from);
        result.insert(from);
        return result;
    }
    }
    return {};
}

bool ReferenceSearch(const Node& root, std::string_view text)
{
    for (std::size_t from = 0; from <= text.size(); ++from) {
        if (!ReachedFrom(root, text, from).empty())
            return true;
    }
    return false;
}

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    NodePtr Make(int depth)
    {
        const int choice = Pick(depth > 0 ? 9 : 2);
        switch (choice) {
        case 0:
        case 1:
            return Atom();
        case 2:
            return Combine(Node::Type::Concat, Make(depth - 1), Make(depth - 1));
        case 3:
            return Combine(Node::Type::Alternative, Make(depth - 1), Make(depth - 1));
        case 4:
            return Postfix(Node::Type::Star, "*", Make(depth - 1));
        case 5:
            return Postfix(Node::Type::Plus, "+", Make(depth - 1));
        case 6:
            return Postfix(Node::Type::Optional, "?", Make(depth - 1));
        case 7:
            return Folded(Make(depth - 1));
        default: {
            auto empty = std::make_shared<Node>();
            empty->text = "()";
            empty->isPiece = true;
            return empty;
        }
        }
    }

    std::string Text()
    {
        std::string text;
        const int length = Pick(9);
        for (int i = 0; i < length; ++i)
            text += kAlphabet[Pick(sizeof kAlphabet - 1)];
        return text;
    }

private:
    static constexpr char kAlphabet[] = "aAbB-";

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    NodePtr Atom()
    {
        auto atom = std::make_shared<Node>();
        atom->type = Node::Type::Set;
        atom->isPiece = true;
        switch (Pick(5)) {
        case 0: {
            const char c = kAlphabet[Pick(sizeof kAlphabet - 1)];
            atom->set.set(static_cast<unsigned char>(c));
            atom->text = c == '-' ? "\\-" : std::string(1, c);
            break;
        }
        case 1:
            atom->set.set();
            atom->text = ".";
            break;
        case 2:
            atom->set.set('a');
            atom->text = "\\x61";
            break;
        default: {
            const bool complement = Pick(3) == 0;
            atom->text = complement ? "[^" : "[";
            for (int items = 1 + Pick(2); items > 0; --items) {
                static const char* const kItems[] = {"a",   "A",   "b",   "B",
                                                     "-",   "a-b", "A-B", "\\x41"};
                const std::string item = kItems[Pick(8)];
                atom->text += item;
                if (item.size() == 3)
                    for (char c = item[0]; c <= item[2]; ++c)
                        atom->set.set(static_cast<unsigned char>(c));
                else
                    atom->set.set(static_cast<unsigned char>(item == "\\x41" ? 'A' : item[0]));
            }
            atom->text += "]";
            if (complement)
                atom->set.flip();
        }
        }
        return atom;
    }

    static NodePtr Combine(Node::Type type, NodePtr first, NodePtr second)
    {
        auto node = std::make_shared<Node>();
        node->type = type;
        if (type == Node::Type::Concat) {
            node->text = first->text + second->text;
        } else {
            node->text = "(" + first->text + "|" + second->text + ")";
            node->isPiece = true;
        }
        node->parts = {std::move(first), std::move(second)};
        return node;
    }

    static std::string AsPiece(const Node& node)
    {
        return node.isPiece ? node.text : "(" + node.text + ")";
    }

    static NodePtr Postfix(Node::Type type, const char* op, NodePtr part)
    {
        auto node = std::make_shared<Node>();
        node->type = type;
        node->text = AsPiece(*part) + op;
        node->isPiece = true;
        node->parts = {std::move(part)};
        return node;
    }

    // "\i" changes what the sets inside accept, so the tree is copied with
    // every uppercase ASCII member joined by its lowercase form.
    static NodePtr Folded(const NodePtr& part)
    {
        auto node = std::make_shared<Node>(*FoldedCopy(*part));
        node->text = AsPiece(*part) + "\\i";
        node->isPiece = true;
        return node;
    }

    static NodePtr FoldedCopy(const Node& node)
    {
        auto copy = std::make_shared<Node>(node);
        for (unsigned c = 'A'; c <= 'Z'; ++c) {
            if (node.set.test(c))
                copy->set.set(c + 32);
        }
        for (NodePtr& part : copy->parts)
            part = FoldedCopy(*part);
        return copy;
    }

    std::mt19937 random_;
};

TEST(PatternReferenceTest, SearchesLikeAPlainMatcherOnRandomPatterns)
{
    Generator generator(20240607);
    for (int round = 0; round < 3000; ++round) {
        const NodePtr tree = generator.Make(4);
        const Pattern pattern = Pattern::Compile(tree->text);
        ASSERT_FALSE(pattern.Error()) << tree->text << ": " << pattern.Error()->message;
        // A searcher carries its working memory from text to text, which
        // must not change any answer.
        PatternSearcher searcher(pattern);
        for (int i = 0; i < 12; ++i) {
            const std::string text = generator.Text();
            const bool expected = ReferenceSearch(*tree, text);
            ASSERT_EQ(pattern.Search(text), expected) << "pattern " << tree->text << " text " << text;
            ASSERT_EQ(searcher.Search(text), expected) << "pattern " << tree->text << " text " << text;
        }
    }
}

} // namespace
} // namespace solvo
