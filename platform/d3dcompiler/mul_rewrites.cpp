#include "mul_rewrites.h"
#include "expression_types.h"
#include "numeric_type_names.h"

#include <map>
#include <optional>

namespace d3dcompiler_standin {
namespace {

using Tokens = std::vector<HlslToken>;

enum class Form { OneComponent, Matrix, Other, NotAType };

Form FormOfType(const std::string& type) {
    NumericTypeName parsed;
    if (!ReadNumericTypeName(type, &parsed)) {
        return Form::NotAType;
    }
    if (parsed.columns > 0) {
        return Form::Matrix;
    }
    return parsed.size == 1 ? Form::OneComponent : Form::Other;
}

// The form of each name declared "type name" with a numeric type; a name
// declared with forms that differ is Other.
std::map<std::string, Form> DeclaredForms(const Tokens& tokens) {
    std::map<std::string, Form> forms;
    for (size_t at = 0; at + 2 < tokens.size(); ++at) {
        const Form form = FormOfType(tokens[at].text);
        if (form == Form::NotAType || !IsIdentifier(tokens, at + 1) ||
            IsToken(tokens, at + 2, "(")) {
            continue;
        }
        auto [found, inserted] = forms.insert({tokens[at + 1].text, form});
        if (!inserted && found->second != form) {
            found->second = Form::Other;
        }
    }
    return forms;
}

// The form of the argument in [begin, end): a declared name, a constructor
// "float1(...)" or a cast "(float1)...".
Form FormOfArgument(const Tokens& tokens, size_t begin, size_t end,
                    const std::map<std::string, Form>& declared) {
    if (end == begin + 1) {
        auto found = declared.find(tokens[begin].text);
        return found != declared.end() ? found->second : Form::Other;
    }
    if (IsToken(tokens, begin + 1, "(") && ClosingBracket(tokens, begin + 1) == end - 1) {
        return FormOfType(tokens[begin].text);
    }
    if (tokens[begin].text == "(" && IsToken(tokens, begin + 2, ")")) {
        return FormOfType(tokens[begin + 1].text);
    }
    return Form::Other;
}

// FormOfArgument, or where the tokens do not tell, the form of the
// argument's type as the declarations give it.
Form TypedForm(const Tokens& tokens, size_t begin, size_t end,
               const std::map<std::string, Form>& declared, LazyExpressionTypes* types) {
    const Form form = FormOfArgument(tokens, begin, end, declared);
    const bool constructed = IsToken(tokens, begin + 1, "(") &&
                             ClosingBracket(tokens, begin + 1) == end - 1 &&
                             FormOfType(tokens[begin].text) != Form::NotAType;
    const bool cast = tokens[begin].text == "(" && IsToken(tokens, begin + 2, ")") &&
                      FormOfType(tokens[begin + 1].text) != Form::NotAType;
    if (form != Form::Other || constructed || cast ||
        (end == begin + 1 && declared.count(tokens[begin].text) != 0)) {
        return form; // the tokens tell
    }
    std::optional<ExpressionType> type = types->Get().TypeOf(begin, end);
    if (!type || type->IsArray() || type->structure) {
        return Form::Other;
    }
    return type->IsMatrix() ? Form::Matrix : type->rows == 1 ? Form::OneComponent : Form::Other;
}

// Whether a token names a one-component vector type ("float1",
// "vector<int, 1>") or could under another name (a typedef): without one no
// expression is such a vector.
bool NamesAOneComponentType(const Tokens& tokens) {
    for (const HlslToken& token : tokens) {
        NumericTypeName type;
        if (token.kind == HlslToken::Kind::Identifier &&
            (token.text == "vector" || token.text == "typedef" ||
             (token.text.back() == '1' && ReadNumericTypeName(token.text, &type) &&
              type.size == 1 && type.columns == 0))) {
            return true;
        }
    }
    return false;
}

std::string Text(const std::string& source, const Tokens& tokens, size_t begin, size_t end) {
    const size_t from = tokens[begin].offset;
    return source.substr(from, tokens[end - 1].offset + tokens[end - 1].text.size() - from);
}

} // namespace

// A one-component vector times a matrix is the vector overload with the
// matrix truncated to its first row: x * m[0], a vector of m's columns; a
// matrix times one is the matrix truncated to its first column times x.
void RewriteOneComponentMul(const std::string& source, const std::vector<HlslToken>& tokens,
                            std::vector<TextEdit>* edits) {
    if (!NamesAOneComponentType(tokens)) {
        return;
    }
    std::map<std::string, Form> declared;
    bool scanned = false;
    LazyExpressionTypes types(tokens); // built at the first argument the tokens do not tell
    for (size_t at = 0; at + 1 < tokens.size(); ++at) {
        if (tokens[at].text != "mul" || tokens[at + 1].text != "(" ||
            (at > 0 && tokens[at - 1].text == ".")) {
            continue;
        }
        const size_t close = ClosingBracket(tokens, at + 1);
        size_t comma = at + 2;
        while (comma < close && tokens[comma].text != ",") {
            const std::string& text = tokens[comma].text;
            comma = (text == "(" || text == "[") ? ClosingBracket(tokens, comma) + 1 : comma + 1;
        }
        if (close >= tokens.size() || comma >= close || comma == at + 2 || comma + 1 == close) {
            continue;
        }
        if (!scanned) {
            declared = DeclaredForms(tokens);
            scanned = true;
        }
        const Form first = TypedForm(tokens, at + 2, comma, declared, &types);
        const Form second = first == Form::OneComponent || first == Form::Matrix
                                ? TypedForm(tokens, comma + 1, close, declared, &types)
                                : Form::Other;
        std::string replacement;
        if (first == Form::OneComponent && second == Form::Matrix) {
            replacement = "((" + Text(source, tokens, at + 2, comma) + ").x * (" +
                          Text(source, tokens, comma + 1, close) + ")[0])";
        } else if (first == Form::Matrix && second == Form::OneComponent) {
            // The matrix truncated to its first column, times the component.
            replacement = "(transpose(" + Text(source, tokens, at + 2, comma) + ")[0] * (" +
                          Text(source, tokens, comma + 1, close) + ").x)";
        } else {
            continue;
        }
        const size_t end = tokens[close].offset + 1;
        edits->push_back({tokens[at].offset, end - tokens[at].offset, replacement});
    }
}

} // namespace d3dcompiler_standin
