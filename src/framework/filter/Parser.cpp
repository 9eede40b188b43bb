#include "framework/filter/Parser.h"

namespace filter {

namespace {

struct Token {
    enum Type { End, Name, String, Number, Open, Close, Relation, Not } type = End;
    QString text;
    Op op = Op::Eq;
    int at = 0;
};

class Lexer {
public:
    explicit Lexer(const QString& text) : s_(text) {}

    // False with `error` set when the text holds something that is no token.
    bool next(Token& t, QString& error) {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
        t = Token{};
        t.at = int(i_) + 1;
        if (i_ >= s_.size()) return true;
        const QChar c = s_[i_];
        if (c == QLatin1Char('(')) return one(t, Token::Open);
        if (c == QLatin1Char(')')) return one(t, Token::Close);
        if (c == QLatin1Char('\'')) return string(t, error);
        if (c.isDigit() || (c == QLatin1Char('.') && peekDigit(1))) return number(t);
        // There is no arithmetic: a minus before a digit belongs to the number.
        if (c == QLatin1Char('-') && (peekDigit(1) || (peekPoint(1) && peekDigit(2)))) {
            t.text = QStringLiteral("-");
            ++i_;
            return number(t);
        }
        if (c.isLetter() || c == QLatin1Char('_')) return name(t);
        return relation(t, error);
    }

private:
    bool one(Token& t, Token::Type type) {
        t.type = type;
        t.text = s_.mid(i_++, 1);
        return true;
    }
    bool peekDigit(int ahead) const { return i_ + ahead < s_.size() && s_[i_ + ahead].isDigit(); }
    bool peekPoint(int ahead) const {
        return i_ + ahead < s_.size() && s_[i_ + ahead] == QLatin1Char('.');
    }
    bool string(Token& t, QString& error) {
        t.type = Token::String;
        for (++i_; i_ < s_.size(); ++i_) {
            if (s_[i_] != QLatin1Char('\'')) {
                t.text += s_[i_];
            } else if (i_ + 1 < s_.size() && s_[i_ + 1] == QLatin1Char('\'')) {
                t.text += QLatin1Char('\'');
                ++i_;
            } else {
                ++i_;
                return true;
            }
        }
        error = QStringLiteral("a text begun at position %1 is not closed").arg(t.at);
        return false;
    }
    bool number(Token& t) {
        t.type = Token::Number;
        bool point = false;
        while (i_ < s_.size() && (s_[i_].isDigit() || (s_[i_] == QLatin1Char('.') && !point))) {
            point = point || s_[i_] == QLatin1Char('.');
            t.text += s_[i_++];
        }
        return true;
    }
    bool name(Token& t) {
        t.type = Token::Name;
        while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_') ||
                                  s_[i_] == QLatin1Char(':')))
            t.text += s_[i_++];
        return true;
    }
    bool relation(Token& t, QString& error) {
        static const std::pair<const char*, Op> relations[] = {
            {"<>", Op::Ne}, {"~=", Op::Ne}, {"<=", Op::Le}, {"=<", Op::Le}, {">=", Op::Ge},
            {"=>", Op::Ge}, {"=", Op::Eq},  {"<", Op::Lt},  {">", Op::Gt},
        };
        for (const auto& [text, op] : relations) {
            const QLatin1String r(text);
            if (QStringView(s_).mid(i_, r.size()) == r) {
                t.type = Token::Relation;
                t.text = r;
                t.op = op;
                i_ += r.size();
                return true;
            }
        }
        if (s_[i_] == QLatin1Char('~')) return one(t, Token::Not);
        error = QStringLiteral("'%1' at position %2 is not understood").arg(s_[i_]).arg(t.at);
        return false;
    }

    const QString& s_;
    qsizetype i_ = 0;
};

Tree make(Node::Kind kind, std::vector<Tree> args = {}) {
    auto n = std::make_shared<Node>();
    n->kind = kind;
    n->args = std::move(args);
    return n;
}

Tree condition(Tree t) {
    return t->isCondition() ? t : make(Node::Kind::Truth, {std::move(t)});
}

class Parser {
public:
    Parser(const QString& text, const FileDef& file,
           const std::function<bool(const QString&)>& isVariable)
        : lexer_(text), file_(file), isVariable_(isVariable) {}

    Parsed run() {
        Parsed out;
        if (!advance()) return failed();
        if (token_.type == Token::End) return out;
        Tree t = orExpr();
        if (t && token_.type != Token::End)
            fail(token_.type == Token::Close
                     ? QStringLiteral("a parenthesis at position %1 closes nothing").arg(token_.at)
                     : QStringLiteral("unexpected '%1' at position %2")
                           .arg(token_.text)
                           .arg(token_.at));
        if (!error_.isEmpty()) return failed();
        out.tree = condition(std::move(t));
        return out;
    }

private:
    Parsed failed() { return Parsed{nullptr, error_}; }
    bool advance() { return lexer_.next(token_, error_); }
    Tree fail(const QString& why) {
        if (error_.isEmpty()) error_ = why;
        return nullptr;
    }
    bool keyword(const char* word) const {
        return token_.type == Token::Name &&
               token_.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    Tree orExpr() {
        Tree left = andExpr();
        while (left && keyword("OR")) {
            if (!advance()) return nullptr;
            Tree right = andExpr();
            if (!right) return nullptr;
            left = make(Node::Kind::Or, {condition(left), condition(right)});
        }
        return left;
    }
    Tree andExpr() {
        Tree left = notExpr();
        while (left && keyword("AND")) {
            if (!advance()) return nullptr;
            Tree right = notExpr();
            if (!right) return nullptr;
            left = make(Node::Kind::And, {condition(left), condition(right)});
        }
        return left;
    }
    Tree notExpr() {
        if (keyword("NOT") || token_.type == Token::Not) {
            if (!advance()) return nullptr;
            Tree inner = notExpr();
            return inner ? make(Node::Kind::Not, {condition(inner)}) : nullptr;
        }
        return comparison();
    }
    Tree comparison() {
        Tree left = operand();
        if (!left || token_.type != Token::Relation) return left;
        const Op op = token_.op;
        const int at = token_.at;
        if (!advance()) return nullptr;
        Tree right = operand();
        if (!right) return nullptr;
        if (left->isCondition() || right->isCondition())
            return fail(QStringLiteral("a condition cannot be compared (position %1)").arg(at));
        Tree c = make(Node::Kind::Compare, {left, right});
        std::const_pointer_cast<Node>(c)->op = op;
        return c;
    }
    Tree operand() {
        const Token t = token_;
        switch (t.type) {
        case Token::Open: {
            if (!advance()) return nullptr;
            Tree inner = orExpr();
            if (!inner) return nullptr;
            if (token_.type != Token::Close)
                return fail(
                    QStringLiteral("the parenthesis at position %1 is not closed").arg(t.at));
            return advance() ? inner : nullptr;
        }
        case Token::String:
            return advance() ? literal(t.text) : nullptr;
        case Token::Number:
            return advance() ? literal(toDecimal(t.text)) : nullptr;
        case Token::Name:
            return name(t);
        case Token::End:
            return fail(QStringLiteral("the filter ends too soon"));
        default:
            break;
        }
        return fail(QStringLiteral("unexpected '%1' at position %2").arg(t.text).arg(t.at));
    }
    Tree name(const Token& t) {
        if (!advance()) return nullptr;
        if (t.text.compare(QLatin1String("UPPER"), Qt::CaseInsensitive) == 0 &&
            token_.type == Token::Open) {
            if (!advance()) return nullptr;
            Tree inner = orExpr();
            if (!inner) return nullptr;
            if (token_.type != Token::Close)
                return fail(QStringLiteral("UPPER at position %1 is not closed").arg(t.at));
            if (inner->isCondition())
                return fail(QStringLiteral("UPPER at position %1 takes a value").arg(t.at));
            return advance() ? make(Node::Kind::Upper, {inner}) : nullptr;
        }
        for (const char* word : {"AND", "OR", "NOT", "UPPER"})
            if (t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return fail(QStringLiteral("unexpected %1 at position %2").arg(t.text).arg(t.at));
        auto n = std::make_shared<Node>();
        const qsizetype colon = t.text.indexOf(QLatin1Char(':'));
        if (colon > 0 && t.text.left(colon).compare(file_.prefix, Qt::CaseInsensitive) == 0) {
            n->kind = Node::Kind::Field;
            n->field = file_.fieldIndex(t.text);
            if (n->field < 0)
                return fail(QStringLiteral("%1 has no field %2").arg(file_.label, t.text));
            return n;
        }
        if (!isVariable_ || !isVariable_(t.text))
            return fail(QStringLiteral("%1 is not known").arg(t.text));
        n->kind = Node::Kind::Variable;
        n->name = t.text;
        return n;
    }
    static Tree literal(const Value& v) {
        auto n = std::make_shared<Node>();
        n->kind = Node::Kind::Literal;
        n->literal = v;
        return n;
    }

    Lexer lexer_;
    const FileDef& file_;
    const std::function<bool(const QString&)>& isVariable_;
    Token token_;
    QString error_;
};

} // namespace

Parsed parse(const QString& text, const FileDef& file,
             const std::function<bool(const QString&)>& isVariable) {
    return Parser(text, file, isVariable).run();
}

} // namespace filter
