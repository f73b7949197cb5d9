// Every text a user reads is marked for translation: a scan of the program's sources for
// string literals that read as words (a Cyrillic text, or Latin words with a space) outside
// tr(), translate() and the QT_TR*_NOOP macros. A scan sees every branch, the error paths
// no run reaches included; what is meant to stay the same in every language (listings,
// file formats, SQL) is named in allowed_literals.txt with the reason.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Literal {
    QString text;
    int line = 0;
    bool marked = false;
};

// The literals of a C++ source, each with whether it is the text of a translation call.
QList<Literal> literalsOf(const QString& code)
{
    static const QRegularExpression opensText(QStringLiteral(R"((?:\btr|\bQT_TR_NOOP|\bQT_TR_N_NOOP)\s*\(\s*$)"));
    static const QRegularExpression opensContext(
        QStringLiteral(R"((?:\btranslate|\bQT_TRANSLATE_NOOP3?|\bQT_TRANSLATE_N_NOOP)\s*\(\s*$)"));
    QList<Literal> literals;
    QString between; // the code since the last literal, comments left out
    bool afterContext = false;
    int line = 1;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        const QChar next = i + 1 < code.size() ? code[i + 1] : QChar();
        if (c == u'\n')
            ++line;
        if (c == u'/' && next == u'/') {
            while (i < code.size() && code[i] != u'\n')
                ++i;
            --i;
            continue;
        }
        if (c == u'/' && next == u'*') {
            const qsizetype end = code.indexOf(QLatin1String("*/"), i + 2);
            line += int(code.mid(i, end - i).count(u'\n'));
            i = end + 1;
            continue;
        }
        if (c == u'\'' && i > 0 && code[i - 1].isDigit() && next.isLetterOrNumber()) {
            between += c; // a digit separator: 1'000
            continue;
        }
        if (c == u'\'') {
            for (++i; i < code.size() && code[i] != u'\''; ++i)
                if (code[i] == u'\\')
                    ++i;
            continue;
        }
        if (c != u'"') {
            between += c;
            continue;
        }
        Literal literal;
        literal.line = line;
        if (between.endsWith(u'R')) { // R"delimiter( ... )delimiter"
            const qsizetype open = code.indexOf(u'(', i);
            const QString close = u')' + code.mid(i + 1, open - i - 1) + u'"';
            const qsizetype end = code.indexOf(close, open);
            literal.text = code.mid(open + 1, end - open - 1);
            line += int(literal.text.count(u'\n'));
            i = end + close.size() - 1;
        } else {
            for (++i; i < code.size() && code[i] != u'"'; ++i) {
                if (code[i] == u'\\')
                    literal.text += code[i++];
                literal.text += code[i];
            }
        }
        // "a" "b" is one text; "context", "text" is a translation's second argument.
        const bool continues = !literals.isEmpty() && between.trimmed().isEmpty();
        if (continues)
            literal.marked = literals.last().marked;
        else if (afterContext && between.trimmed() == QLatin1String(","))
            literal.marked = true;
        else
            literal.marked = opensText.match(between).hasMatch();
        afterContext = opensContext.match(between).hasMatch() || (continues && afterContext);
        literals.append(literal);
        between.clear();
    }
    return literals;
}

bool readsAsWords(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    // A lower-case word of two letters or more, not a format's %1 or an escape's \n.
    static const QRegularExpression word(QStringLiteral(R"((?<![A-Za-z%\\])[a-z]{2,}(?![A-Za-z(]))"));
    // A style sheet: "color: #b00000; font-weight: bold;".
    static const QRegularExpression styleSheet(QStringLiteral(R"(^([a-z-]+: [^;]+; ?)+$)"));
    return text.contains(cyrillic) || (text.contains(u' ') && text.contains(word) && !text.contains(styleSheet));
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

TEST(MarkedTexts, EveryTextAUserReadsIsMarkedForTranslation)
{
    const QString root = QStringLiteral(TALMERO_SOURCE_DIR) + u'/';
    // path<TAB>"literal as written in the source"; # starts a comment line.
    QSet<QString> allowed;
    for (const QString& entry : linesOf(QStringLiteral(TALMERO_ALLOWED_LITERALS))) {
        if (!entry.isEmpty() && !entry.startsWith(u'#'))
            allowed.insert(entry);
    }
    const QStringList sources = linesOf(QStringLiteral(TALMERO_TRANSLATED_SOURCE_LIST));
    ASSERT_GT(sources.size(), 50);
    QStringList unmarked;
    QSet<QString> seen;
    for (const QString& path : sources) {
        if (path.isEmpty())
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString relative = path.startsWith(root) ? path.mid(root.size()) : path;
        for (const Literal& literal : literalsOf(QString::fromUtf8(file.readAll()))) {
            if (literal.marked || !readsAsWords(literal.text))
                continue;
            const QString entry = relative + QStringLiteral("\t\"") + literal.text + u'"';
            seen.insert(entry);
            if (!allowed.contains(entry))
                unmarked << QStringLiteral("%1:%2: \"%3\"").arg(relative).arg(literal.line).arg(literal.text);
        }
    }
    EXPECT_TRUE(unmarked.isEmpty())
        << "Texts outside tr()/translate() (mark them, or name them in allowed_literals.txt "
           "when they are the same in every language):\n  "
        << unmarked.join(QStringLiteral("\n  ")).toStdString();
    // An entry whose literal is gone would let a new one of the same words in unseen.
    QStringList stale;
    for (const QString& entry : allowed) {
        if (!seen.contains(entry))
            stale << entry;
    }
    EXPECT_TRUE(stale.isEmpty()) << "allowed_literals.txt names literals the sources no longer have:\n  "
                                 << stale.join(QStringLiteral("\n  ")).toStdString();
}

// The scan itself: what it must see as marked, and what not.
TEST(MarkedTexts, TheScanTellsMarkedFromUnmarkedTexts)
{
    const QList<Literal> found = literalsOf(QStringLiteral(
        "tr(\"Read the block\");\n"
        "QCoreApplication::translate(\"Cli\", \"нужен --port\");\n"
        "QT_TRANSLATE_NOOP(\"Layout\",\n  \"Heated \" \"mirrors\");\n"
        "// \"a comment is no text\"\n"
        "err << \"saved \" << path; char q = '\"'; int n = 1'000;\n"
        "QStringLiteral(\"no answer\"); x = R\"(raw \"text\")\";\n"));
    QStringList marked, unmarked;
    for (const Literal& l : found)
        (l.marked ? marked : unmarked) << l.text;
    EXPECT_EQ(marked, (QStringList{"Read the block", "нужен --port", "Heated ", "mirrors"}));
    EXPECT_EQ(unmarked, (QStringList{"Cli", "Layout", "saved ", "no answer", "raw \"text\""}));
    EXPECT_TRUE(readsAsWords(QStringLiteral("saved ")));
    EXPECT_TRUE(readsAsWords(QStringLiteral("Ошибка")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("ButtonCONFread")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("%1 %2\\n")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("color: #b00000; font-weight: bold;")));
}

} // namespace
