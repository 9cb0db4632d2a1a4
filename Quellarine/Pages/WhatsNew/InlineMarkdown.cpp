#include "Quellarine/Pages/WhatsNew/InlineMarkdown.h"

#include "QuellarineKit/Support/WebAddress.h"

#include <limits>
#include <vector>

namespace quellarine {

namespace {

enum class Kind { text, code, bold, open, close };

struct Token {
    Kind kind;
    // The characters as shown; for markup, as written, in case it ends up shown as text.
    QString text;
    // A closing bracket's address.
    QString link;
};

bool isAsciiPunctuation(QChar c)
{
    return QStringView(u"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~").contains(c);
}

class Tokens {
public:
    void appendText(const QString& text)
    {
        if (!tokens_.empty() && tokens_.back().kind == Kind::text) {
            tokens_.back().text += text;
        } else {
            tokens_.push_back(Token{Kind::text, text, {}});
        }
    }
    void append(Kind kind, const QString& text, const QString& link = {})
    {
        tokens_.push_back(Token{kind, text, link});
    }

    std::vector<Token>& all() { return tokens_; }

private:
    std::vector<Token> tokens_;
};

int backtickRun(const QString& text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end] == u'`') {
        ++end;
    }
    return static_cast<int>(end - from);
}

// Where the next run of exactly `length` backticks after `from` starts, or -1.
qsizetype closingBackticks(const QString& text, qsizetype from, int length)
{
    for (qsizetype at = text.indexOf(u'`', from); at >= 0; at = text.indexOf(u'`', at)) {
        const int run = backtickRun(text, at);
        if (run == length) {
            return at;
        }
        at += run;
    }
    return -1;
}

std::vector<Token> tokenize(const QString& markdown)
{
    Tokens tokens;
    const qsizetype size = markdown.size();
    qsizetype at = 0;
    while (at < size) {
        const QChar c = markdown[at];
        if (c == u'\\' && at + 1 < size && isAsciiPunctuation(markdown[at + 1])) {
            tokens.appendText(markdown[at + 1]);
            at += 2;
        } else if (c == u'`') {
            const int length = backtickRun(markdown, at);
            const qsizetype close = closingBackticks(markdown, at + length, length);
            if (close < 0) {
                tokens.appendText(markdown.mid(at, length));
                at += length;
            } else {
                tokens.append(Kind::code, markdown.mid(at + length, close - at - length));
                at = close + length;
            }
        } else if (c == u'*' && at + 1 < size && markdown[at + 1] == u'*') {
            tokens.append(Kind::bold, QStringLiteral("**"));
            at += 2;
        } else if (c == u'[') {
            tokens.append(Kind::open, QStringLiteral("["));
            ++at;
        } else if (c == u']' && at + 1 < size && markdown[at + 1] == u'(') {
            const qsizetype end = markdown.indexOf(u')', at + 2);
            const QString address = end < 0 ? QString() : markdown.mid(at + 2, end - at - 2);
            if (end >= 0 && WebAddress::parse(address.toStdString())) {
                tokens.append(Kind::close, markdown.mid(at, end + 1 - at), address);
                at = end + 1;
            } else {
                tokens.appendText(c);
                ++at;
            }
        } else {
            tokens.appendText(c);
            ++at;
        }
    }
    return std::move(tokens.all());
}

void showAsWritten(Token& token)
{
    token.kind = Kind::text;
    token.link.clear();
}

// A closing bracket links the nearest opening one before it; links never nest, so a link makes every opening
// bracket before it plain text.
void pairLinks(std::vector<Token>& tokens)
{
    std::vector<std::size_t> openings;
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        Token& token = tokens[index];
        if (token.kind == Kind::open) {
            openings.push_back(index);
        } else if (token.kind == Kind::close) {
            if (openings.empty()) {
                showAsWritten(token);
                continue;
            }
            tokens[openings.back()].link = token.link;
            openings.pop_back();
            for (std::size_t earlier : openings) {
                showAsWritten(tokens[earlier]);
            }
            openings.clear();
        }
    }
    for (std::size_t unpaired : openings) {
        showAsWritten(tokens[unpaired]);
    }
}

// "**" pairs with the next "**" at the same level (inside one link's text, or outside links) when something lies
// between them; any other "**" is plain text. Links are paired by now, so every opening has its closing.
void pairBold(std::vector<Token>& tokens)
{
    constexpr std::size_t none = std::numeric_limits<std::size_t>::max();
    // The unpaired "**" of each level, the innermost last.
    std::vector<std::size_t> pending{none};
    const auto dropPending = [&] {
        if (pending.back() != none) {
            showAsWritten(tokens[pending.back()]);
            pending.back() = none;
        }
    };
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        Token& token = tokens[index];
        if (token.kind == Kind::open) {
            pending.push_back(none);
        } else if (token.kind == Kind::close) {
            dropPending();
            pending.pop_back();
        } else if (token.kind == Kind::bold) {
            if (pending.back() == none) {
                pending.back() = index;
            } else if (pending.back() + 1 == index) {
                showAsWritten(token);
                dropPending();
            } else {
                pending.back() = none;
            }
        }
    }
    dropPending();
}

} // namespace

QList<InlineMarkdown::Run> InlineMarkdown::runs(const QString& markdown)
{
    std::vector<Token> tokens = tokenize(markdown);
    pairLinks(tokens);
    pairBold(tokens);

    QList<Run> runs;
    bool bold = false;
    QString link;
    const auto append = [&](const QString& text, bool code) {
        if (text.isEmpty()) {
            return;
        }
        if (!runs.isEmpty() && runs.back().bold == bold && runs.back().code == code && runs.back().link == link) {
            runs.back().text += text;
        } else {
            runs.append(Run{text, bold, code, link});
        }
    };
    for (const Token& token : tokens) {
        switch (token.kind) {
        case Kind::text:
            append(token.text, false);
            break;
        case Kind::code:
            append(token.text, true);
            break;
        case Kind::bold:
            bold = !bold;
            break;
        case Kind::open:
            link = token.link;
            break;
        case Kind::close:
            link.clear();
            break;
        }
    }
    return runs;
}

QString InlineMarkdown::plainText(const QList<Run>& runs)
{
    QString text;
    for (const Run& run : runs) {
        text += run.text;
    }
    return text;
}

} // namespace quellarine
