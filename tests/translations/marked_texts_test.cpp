// Every text a user reads is marked for translation: a scan of the program's sources for
// string literals that read as words (a Cyrillic text, or Latin words with a space) outside
// tr(), translate() and the QT_TR*_NOOP macros. A scan sees every branch, the error paths
// no run reaches included; what is meant to stay the same in every language (listings,
// file formats) is named in allowed_literals.txt.
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Literal {
    QString text; // adjacent literals joined, as the compiler joins them
    int line = 0;
    bool marked = false;
};

QList<Literal> literalsOf(const QString& code)
{
    static const QRegularExpression token(
        QStringLiteral(R"re(//[^\n]*|/\*.*?\*/|(?<![0-9])'(?:[^'\\\n]|\\.)+'|R"([^(\s]*)\((.*?)\)\1"|"((?:[^"\\\n]|\\.)*)")re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression opensText(QStringLiteral(R"(\b(?:tr|QT_TR_NOOP|QT_TR_N_NOOP)\s*\(\s*$)"));
    static const QRegularExpression opensContext(
        QStringLiteral(R"(\b(?:translate|QT_TRANSLATE_NOOP3?|QT_TRANSLATE_N_NOOP)\s*\(\s*$)"));
    QList<Literal> literals;
    QString between; // the code since the last literal, comments left out
    qsizetype end = 0;
    int line = 1;
    bool afterContext = false;
    for (const QRegularExpressionMatch& m : token.globalMatch(code)) {
        between += code.mid(end, m.capturedStart() - end);
        line += int(code.mid(end, m.capturedStart() - end).count(u'\n'));
        end = m.capturedEnd();
        const QChar first = m.captured().at(0);
        if (first == u'\'')
            between += u'c';
        if (first != u'"' && first != u'R') {
            line += int(m.captured().count(u'\n'));
            continue; // a comment or a character
        }
        const QString text = m.captured(2).isNull() ? m.captured(3) : m.captured(2);
        if (!literals.isEmpty() && between.trimmed().isEmpty()) {
            literals.last().text += text;
        } else {
            // The second argument of translate("Context", "text") is the text.
            const bool marked = opensText.match(between).hasMatch()
                || (afterContext && between.trimmed() == QLatin1String(","));
            afterContext = opensContext.match(between).hasMatch();
            literals.append({text, line, marked});
        }
        line += int(m.captured().count(u'\n'));
        between.clear();
    }
    return literals;
}

bool readsAsWords(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    // A lower-case word of two letters or more, not a format's %1 or an escape's \n.
    static const QRegularExpression word(QStringLiteral(R"((?<![A-Za-z%\\])[a-z]{2,}(?![A-Za-z(]))"));
    // Style sheets and SQL statements are for Qt and SQLite.
    static const QRegularExpression styleSheet(QStringLiteral(R"(^([a-z-]+: [^;]+; ?)+$)"));
    static const QRegularExpression sql(QStringLiteral(R"(^(SELECT|INSERT|UPDATE|DELETE|CREATE|ALTER|PRAGMA) )"));
    return text.contains(cyrillic)
        || (text.contains(u' ') && text.contains(word) && !text.contains(styleSheet) && !text.contains(sql));
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n') : QStringList();
}

TEST(MarkedTexts, EveryTextAUserReadsIsMarkedForTranslation)
{
    const QString root = QStringLiteral(TALMERO_SOURCE_DIR) + u'/';
    // path<TAB>"literal as the source has it"; # starts a comment.
    QSet<QString> allowed;
    for (const QString& entry : linesOf(QStringLiteral(TALMERO_ALLOWED_LITERALS)))
        if (!entry.isEmpty() && !entry.startsWith(u'#'))
            allowed.insert(entry);
    const QStringList sources = linesOf(QStringLiteral(TALMERO_TRANSLATED_SOURCE_LIST)).filter(root);
    ASSERT_GT(sources.size(), 50);
    QStringList unmarked;
    QSet<QString> seen;
    for (const QString& path : sources) {
        for (const Literal& literal : literalsOf(linesOf(path).join(u'\n'))) {
            const QString entry = path.mid(root.size()) + QStringLiteral("\t\"") + literal.text + u'"';
            if (literal.marked || !readsAsWords(literal.text))
                continue;
            seen.insert(entry);
            if (!allowed.contains(entry))
                unmarked << QStringLiteral("%1:%2: \"%3\"").arg(path.mid(root.size())).arg(literal.line).arg(literal.text);
        }
    }
    EXPECT_TRUE(unmarked.isEmpty()) << "Texts outside tr()/translate(): mark them, or name them in "
                                       "allowed_literals.txt when they are the same in every language:\n  "
                                    << unmarked.join(QStringLiteral("\n  ")).toStdString();
    // An entry whose literal is gone would let a new one of the same words in unseen.
    allowed.subtract(seen);
    const QStringList stale(allowed.begin(), allowed.end());
    EXPECT_TRUE(stale.isEmpty()) << "allowed_literals.txt names literals the sources no longer have:\n  "
                                 << stale.join(QStringLiteral("\n  ")).toStdString();
}

// The scan itself: what it must take as marked, and what not.
TEST(MarkedTexts, TheScanTellsMarkedFromUnmarkedTexts)
{
    QStringList marked, unmarked;
    for (const Literal& l : literalsOf(QStringLiteral("tr(\"Read the block\");\n"
                                                     "QCoreApplication::translate(\"Cli\", \"нужен --port\");\n"
                                                     "QT_TRANSLATE_NOOP(\"Layout\",\n  \"Heated \" \"mirrors\");\n"
                                                     "// \"a comment is no text\"\n\"not joined\";\n"
                                                     "err << \"saved \" << path; char q = '\"'; int n = 1'000;\n"
                                                     "QStringLiteral(\"no answer\"); x = R\"(raw \"text\")\";\n")))
        (l.marked ? marked : unmarked) << l.text;
    EXPECT_EQ(marked, (QStringList{"Read the block", "нужен --port", "Heated mirrors"}));
    EXPECT_EQ(unmarked, (QStringList{"Cli", "Layout", "not joined", "saved ", "no answer", "raw \"text\""}));
    EXPECT_TRUE(readsAsWords(QStringLiteral("saved ")));
    EXPECT_TRUE(readsAsWords(QStringLiteral("Ошибка")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("ButtonCONFread")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("%1 %2\\n")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("color: #b00000; font-weight: bold;")));
    EXPECT_FALSE(readsAsWords(QStringLiteral("SELECT id, time FROM writes WHERE vin = ?")));
}

} // namespace
