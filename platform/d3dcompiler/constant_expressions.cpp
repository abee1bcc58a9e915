#include "constant_expressions.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>

namespace d3dcompiler_standin {
namespace {

// Binary operators by precedence, lowest first; two-character operators are
// two adjacent punctuation tokens.
const std::vector<std::vector<std::string>> kLevels = {
    {"||"},       {"&&"},     {"|"},           {"^"}, {"&"}, {"==", "!="}, {"<=", ">=", "<", ">"},
    {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"},
};

using Operation = int32_t (*)(int32_t, int32_t);

// Wrapping arithmetic on 32 bits; shift counts use their low five bits.
const std::map<std::string, Operation> kOperations = {
    {"+", [](int32_t x, int32_t y) { return int32_t(uint32_t(x) + uint32_t(y)); }},
    {"-", [](int32_t x, int32_t y) { return int32_t(uint32_t(x) - uint32_t(y)); }},
    {"*", [](int32_t x, int32_t y) { return int32_t(uint32_t(x) * uint32_t(y)); }},
    {"<<", [](int32_t x, int32_t y) { return int32_t(uint32_t(x) << (uint32_t(y) & 31)); }},
    {">>", [](int32_t x, int32_t y) { return x >> (uint32_t(y) & 31); }},
    {"&", [](int32_t x, int32_t y) { return x & y; }},
    {"|", [](int32_t x, int32_t y) { return x | y; }},
    {"^", [](int32_t x, int32_t y) { return x ^ y; }},
    {"&&", [](int32_t x, int32_t y) { return int32_t(x != 0 && y != 0); }},
    {"||", [](int32_t x, int32_t y) { return int32_t(x != 0 || y != 0); }},
    {"==", [](int32_t x, int32_t y) { return int32_t(x == y); }},
    {"!=", [](int32_t x, int32_t y) { return int32_t(x != y); }},
    {"<", [](int32_t x, int32_t y) { return int32_t(x < y); }},
    {">", [](int32_t x, int32_t y) { return int32_t(x > y); }},
    {"<=", [](int32_t x, int32_t y) { return int32_t(x <= y); }},
    {">=", [](int32_t x, int32_t y) { return int32_t(x >= y); }},
};

class Evaluator {
public:
    Evaluator(const std::vector<HlslToken>& tokens, size_t begin, size_t end)
        : tokens_(tokens), at_(begin), end_(end) {}

    std::optional<int64_t> Run(bool* divisionByZero) {
        std::optional<int64_t> value = Binary(0);
        if (divisionByZero != nullptr) {
            *divisionByZero = divisionByZero_;
        }
        if (!value || at_ != end_) {
            return std::nullopt;
        }
        return value;
    }

private:
    // The operator of `level` at the cursor, or "". Two adjacent punctuation
    // tokens make one operator when together they spell one ("<<", "<=").
    std::string OperatorAt(size_t level) const {
        if (at_ >= end_ || tokens_[at_].kind != HlslToken::Kind::Punctuation) {
            return "";
        }
        std::string op = tokens_[at_].text;
        if (at_ + 1 < end_ && Adjacent(tokens_[at_], tokens_[at_ + 1]) &&
            kOperations.count(op + tokens_[at_ + 1].text) != 0) {
            op += tokens_[at_ + 1].text;
        }
        const std::vector<std::string>& ops = kLevels[level];
        return std::find(ops.begin(), ops.end(), op) != ops.end() ? op : "";
    }

    std::optional<int64_t> Binary(size_t level) {
        if (level == kLevels.size()) {
            return Unary();
        }
        std::optional<int64_t> left = Binary(level + 1);
        for (std::string op = OperatorAt(level); left && !op.empty(); op = OperatorAt(level)) {
            at_ += op.size();
            std::optional<int64_t> right = Binary(level + 1);
            if (!right) {
                return std::nullopt;
            }
            left = Apply(op, *left, *right);
        }
        return left;
    }

    std::optional<int64_t> Apply(const std::string& op, int64_t a, int64_t b) {
        const int32_t x = int32_t(a);
        const int32_t y = int32_t(b);
        if ((op == "/" || op == "%") && y == 0) {
            divisionByZero_ = true;
            return std::nullopt;
        }
        if (op == "/" || op == "%") {
            if (x == INT32_MIN && y == -1) {
                return op == "/" ? int64_t(INT32_MIN) : 0;
            }
            return op == "/" ? x / y : x % y;
        }
        return kOperations.at(op)(x, y);
    }

    std::optional<int64_t> Unary() {
        if (at_ >= end_) {
            return std::nullopt;
        }
        const std::string& text = tokens_[at_].text;
        if (text == "-" || text == "+" || text == "!" || text == "~") {
            ++at_;
            std::optional<int64_t> value = Unary();
            if (!value) {
                return std::nullopt;
            }
            const int32_t x = int32_t(*value);
            return text == "-"   ? int32_t(0u - uint32_t(x))
                   : text == "+" ? x
                   : text == "!" ? !x
                                 : ~x;
        }
        if (text == "(") {
            size_t close = ClosingBracket(tokens_, at_);
            if (close >= end_) {
                return std::nullopt;
            }
            std::optional<int64_t> value = Evaluator(tokens_, at_ + 1, close).Run(&divisionByZero_);
            at_ = close + 1;
            return value;
        }
        ++at_;
        if (text == "true" || text == "false") {
            return int64_t(text == "true");
        }
        return IntegerLiteralValue(text);
    }

    const std::vector<HlslToken>& tokens_;
    size_t at_;
    size_t end_;
    bool divisionByZero_ = false;
};

} // namespace

std::optional<int64_t> IntegerLiteralValue(const std::string& text) {
    if (text.empty() || !std::isdigit(uint8_t(text[0]))) {
        return std::nullopt;
    }
    std::string digits = text;
    while (!digits.empty() && (digits.back() == 'u' || digits.back() == 'U' ||
                               digits.back() == 'l' || digits.back() == 'L')) {
        digits.pop_back();
    }
    char* end = nullptr;
    unsigned long long value = std::strtoull(digits.c_str(), &end, 0);
    if (digits.empty() || *end != '\0') {
        return std::nullopt; // a float literal, or not a number
    }
    return int64_t(int32_t(uint32_t(value)));
}

std::optional<int64_t> EvaluateIntegerConstant(const std::vector<HlslToken>& tokens, size_t begin,
                                               size_t end, bool* divisionByZero) {
    return Evaluator(tokens, begin, end).Run(divisionByZero);
}

} // namespace d3dcompiler_standin
