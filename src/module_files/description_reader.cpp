#include "module_files/description_reader.h"

#include "link/printable_text.h"
#include "module_files/json_fields.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>


namespace talmero::module_files {

using car::BlockLayout;
using car::ControlKind;
using car::EnableRule;
using car::Option;
using car::OptionKind;
using car::PageControl;
using car::PageInfo;
using car::PatternItem;
using car::Positions;

namespace {

constexpr int kLongestText = 300;
constexpr int kLargestBlock = 512; // characters: 64 bytes of bits
constexpr int kMostKeptBlocks = 16; // a backup reads each module's blocks one by one

class Reader {
public:
    Reader(ReadFile& out, const car::DescriptionFile* file, bool russian) : m_out(out), m_file(file), m_russian(russian) {}

    void readTop(const QJsonValue& top);

private:
    std::string_view localText(const Fields& f, const QString& key, bool required);
    std::string_view localTextAt(const QJsonValue& v, const QString& path);
    std::string_view name(const Fields& f, const QString& key, bool required);
    std::string_view pattern(const QJsonValue& v, const QString& path);
    Positions positions(const Fields& f, const QString& key);
    int blockNumber(const Fields& f, const QString& key);
    QString address(const Fields& f, const QString& key);
    Option option(const QJsonValue& v, const QString& path);
    std::vector<Option>& options(const Fields& f);
    QList<Sample> samples(const Fields& f);
    ReadBlock block(const QJsonValue& v, const QString& path);
    ReadModule module(const QJsonValue& v, const QString& path);
    void page(const Fields& f);

    ReadFile& m_out;
    const car::DescriptionFile* m_file;
    bool m_russian;
};

std::string_view Reader::localTextAt(const QJsonValue& v, const QString& path)
{
    const Fields f(v, path);
    f.onlyThese({QStringLiteral("en"), QStringLiteral("ru")});
    const QString english = f.text(QStringLiteral("en"));
    const QString russian = f.optionalText(QStringLiteral("ru")).value_or(QString());
    for (const QString* t : {&english, &russian}) {
        if (t->size() > kLongestText)
            f.fail(t == &english ? QStringLiteral("en") : QStringLiteral("ru"), Rules::tr("текст длиннее %1 знаков").arg(kLongestText));
        // Shown as it stands: what the terminal or the window would take for a command is refused.
        if (link::printableText(*t) != *t)
            f.fail(t == &english ? QStringLiteral("en") : QStringLiteral("ru"), Rules::tr("управляющий символ в тексте"));
    }
    if (english.trimmed().isEmpty())
        f.fail(QStringLiteral("en"), Rules::tr("пустой текст"));
    return m_out.kept.text(m_russian && !russian.trimmed().isEmpty() ? russian : english);
}

std::string_view Reader::localText(const Fields& f, const QString& key, bool required)
{
    if (!f.has(key)) {
        if (required)
            f.fail(key, Rules::tr("поле обязательно"));
        return {};
    }
    return localTextAt(f.value(key), f.at(key));
}

std::string_view Reader::name(const Fields& f, const QString& key, bool required)
{
    static const QRegularExpression kName(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,63}$"));
    const std::optional<QString> n = f.optionalText(key);
    if (!n) {
        if (required)
            f.fail(key, Rules::tr("поле обязательно"));
        return {};
    }
    if (!kName.match(*n).hasMatch())
        f.fail(key, Rules::tr("имя элемента: латинская буква, затем до 63 латинских букв, цифр или «_»"));
    return m_out.kept.text(*n);
}

std::string_view Reader::pattern(const QJsonValue& v, const QString& path)
{
    if (!v.isString())
        throw FieldProblem{path, Rules::tr("ожидается строка")};
    if (v.toString().size() > kLargestBlock)
        throw FieldProblem{path, Rules::tr("образец длиннее блока")};
    return m_out.kept.text(v.toString());
}

Positions Reader::positions(const Fields& f, const QString& key)
{
    Positions p;
    for (int position : f.numbers(key, 1, kLargestBlock, int(p.at.size()),
                                  Rules::tr("позиция - целое число от 1 до %1").arg(kLargestBlock),
                                  Rules::tr("больше %1 позиций").arg(p.at.size())))
        p.at[std::size_t(p.count++)] = position;
    return p;
}

int Reader::blockNumber(const Fields& f, const QString& key)
{
    static const QRegularExpression kBlock(QStringLiteral("^[0-9A-F]{2}$"));
    const QString n = f.text(key);
    if (!kBlock.match(n).hasMatch())
        f.fail(key, Rules::tr("номер блока - две шестнадцатеричные цифры (заглавные), например \"03\""));
    return n.toInt(nullptr, 16);
}

QString Reader::address(const Fields& f, const QString& key)
{
    static const QRegularExpression kAddress(QStringLiteral("^7[0-9A-F]{2}$"));
    const QString a = f.text(key);
    if (!kAddress.match(a).hasMatch())
        f.fail(key, Rules::tr("адрес модуля - три шестнадцатеричные цифры от 700 до 7FF (заглавные)"));
    return a;
}

Option Reader::option(const QJsonValue& v, const QString& path)
{
    const Fields f(v, path);
    f.onlyThese({QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("positions"), QStringLiteral("caption"),
                 QStringLiteral("hint"), QStringLiteral("items"), QStringLiteral("decode"), QStringLiteral("encode"),
                 QStringLiteral("otherItem"), QStringLiteral("noItemPattern"), QStringLiteral("otherEdit"),
                 QStringLiteral("blocksWriteItem"), QStringLiteral("onlyLength"), QStringLiteral("byLength"),
                 QStringLiteral("enable"), QStringLiteral("enablePosition"), QStringLiteral("untickWhenOff"),
                 QStringLiteral("tickOnShow"), QStringLiteral("hidden"), QStringLiteral("columns")});
    Option o;
    o.name = name(f, QStringLiteral("name"), true);
    const int kind = f.choice(QStringLiteral("kind"), optionKindNames(), -1);
    if (kind < 0)
        f.fail(QStringLiteral("kind"), Rules::tr("поле обязательно"));
    o.kind = OptionKind(kind);
    o.pos = positions(f, QStringLiteral("positions"));
    o.caption = localText(f, QStringLiteral("caption"), true);
    o.hint = localText(f, QStringLiteral("hint"), false);

    auto& items = m_out.kept.keep(std::vector<std::string_view>());
    const QJsonArray itemList = f.list(QStringLiteral("items"));
    for (qsizetype i = 0; i < itemList.size(); ++i)
        items.push_back(localTextAt(itemList[i], f.at(QStringLiteral("items"), i)));
    o.items = items;

    auto& decode = m_out.kept.keep(std::vector<PatternItem>());
    const QJsonArray decodeList = f.list(QStringLiteral("decode"));
    for (qsizetype i = 0; i < decodeList.size(); ++i) {
        const Fields d(decodeList[i], f.at(QStringLiteral("decode"), i));
        d.onlyThese({QStringLiteral("pattern"), QStringLiteral("item")});
        decode.push_back({pattern(d.value(QStringLiteral("pattern")), d.at(QStringLiteral("pattern"))),
                          d.number(QStringLiteral("item"), -1, 63)});
    }
    o.decode = decode;

    auto& encode = m_out.kept.keep(std::vector<std::string_view>());
    const QJsonArray encodeList = f.list(QStringLiteral("encode"));
    for (qsizetype i = 0; i < encodeList.size(); ++i)
        encode.push_back(pattern(encodeList[i], f.at(QStringLiteral("encode"), i)));
    o.encode = encode;

    o.otherItem = f.optionalNumber(QStringLiteral("otherItem"), -1, 63, -1);
    if (f.has(QStringLiteral("noItemPattern")))
        o.noItemPattern = pattern(f.value(QStringLiteral("noItemPattern")), f.at(QStringLiteral("noItemPattern")));
    o.otherEdit = name(f, QStringLiteral("otherEdit"), false);
    o.blocksWriteItem = f.optionalNumber(QStringLiteral("blocksWriteItem"), -1, 63, -1);
    o.onlyLength = f.optionalNumber(QStringLiteral("onlyLength"), 0, kLargestBlock, 0);
    o.byLength = f.flag(QStringLiteral("byLength"), false);
    o.enable = EnableRule(f.choice(QStringLiteral("enable"), enableRuleNames(), 0));
    o.enablePos = f.optionalNumber(QStringLiteral("enablePosition"), 0, kLargestBlock, 0);
    o.untickWhenOff = f.flag(QStringLiteral("untickWhenOff"), false);
    o.tickOnShow = f.flag(QStringLiteral("tickOnShow"), false);
    o.hidden = f.flag(QStringLiteral("hidden"), false);
    o.columns = f.optionalNumber(QStringLiteral("columns"), 1, 8, 1);
    o.file = m_file;
    return o;
}

std::vector<Option>& Reader::options(const Fields& f)
{
    auto& options = m_out.kept.keep(std::vector<Option>());
    const QJsonArray list = f.list(QStringLiteral("options"));
    for (qsizetype i = 0; i < list.size(); ++i)
        options.push_back(option(list[i], f.at(QStringLiteral("options"), i)));
    return options;
}

QList<Sample> Reader::samples(const Fields& f)
{
    QList<Sample> out;
    const QJsonArray list = f.list(QStringLiteral("samples"));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Fields s(list[i], f.at(QStringLiteral("samples"), i));
        s.onlyThese({QStringLiteral("hex"), QStringLiteral("options")});
        Sample sample;
        sample.path = s.path();
        sample.hex = s.text(QStringLiteral("hex"));
        const Fields states(s.value(QStringLiteral("options")), s.at(QStringLiteral("options")));
        const QJsonObject object = s.value(QStringLiteral("options")).toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            sample.states.insert(it.key(), states.number(it.key(), -1, 63));
            sample.statePaths.insert(it.key(), states.at(it.key()));
        }
        out.append(sample);
    }
    return out;
}

ReadBlock Reader::block(const QJsonValue& v, const QString& path)
{
    const Fields f(v, path);
    ReadBlock b;
    b.path = path;
    b.number = blockNumber(f, QStringLiteral("number"));
    if (f.has(QStringLiteral("sameAs"))) {
        f.onlyThese({QStringLiteral("number"), QStringLiteral("sameAs")});
        b.sameAs = address(f, QStringLiteral("sameAs"));
        return b;
    }
    f.onlyThese({QStringLiteral("number"), QStringLiteral("text"), QStringLiteral("capacity"), QStringLiteral("zero"),
                 QStringLiteral("minLength"), QStringLiteral("shortLength"), QStringLiteral("exactLengths"), QStringLiteral("refuse"),
                 QStringLiteral("known"), QStringLiteral("unknownMessage"), QStringLiteral("alsoEnabled"),
                 QStringLiteral("asBuiltLine"), QStringLiteral("options"), QStringLiteral("samples")});
    BlockLayout layout{};
    layout.number = b.number;
    layout.hexText = f.choice(QStringLiteral("text"), {QStringLiteral("bits"), QStringLiteral("hex")}, 0) == 1;
    layout.capacity = f.number(QStringLiteral("capacity"), 1, kLargestBlock);
    layout.zero = pattern(f.value(QStringLiteral("zero")), f.at(QStringLiteral("zero")));
    layout.minLength = f.optionalNumber(QStringLiteral("minLength"), 0, kLargestBlock, 0);
    layout.shortLength = f.optionalNumber(QStringLiteral("shortLength"), 0, kLargestBlock, 0);
    const QList<int> exact = f.numbers(QStringLiteral("exactLengths"), 1, kLargestBlock, 2,
                                       Rules::tr("длина - целое число от 1 до %1").arg(kLargestBlock),
                                       Rules::tr("не больше двух длин"));
    for (qsizetype i = 0; i < exact.size(); ++i)
        layout.exactLengths[std::size_t(i)] = exact[i];
    if (exact.size() == 1)
        layout.exactLengths[1] = layout.exactLengths[0];
    if (f.has(QStringLiteral("refuse"))) {
        const Fields r(f.value(QStringLiteral("refuse")), f.at(QStringLiteral("refuse")));
        r.onlyThese({QStringLiteral("position"), QStringLiteral("pattern"), QStringLiteral("message")});
        layout.refusePos = r.number(QStringLiteral("position"), 1, kLargestBlock);
        layout.refusePattern = pattern(r.value(QStringLiteral("pattern")), r.at(QStringLiteral("pattern")));
        layout.refuseMessage = localText(r, QStringLiteral("message"), false);
    }
    layout.known = positions(f, QStringLiteral("known"));
    layout.unknownMessage = localText(f, QStringLiteral("unknownMessage"), false);
    layout.alsoEnabled = name(f, QStringLiteral("alsoEnabled"), false);
    layout.asBuiltLine = f.optionalNumber(QStringLiteral("asBuiltLine"), 0, 15, 0);
    layout.options = options(f);
    b.layout = &m_out.kept.keep(layout);
    b.samples = samples(f);
    return b;
}

ReadModule Reader::module(const QJsonValue& v, const QString& path)
{
    const Fields f(v, path);
    f.onlyThese({QStringLiteral("name"), QStringLiteral("address"), QStringLiteral("bus"), QStringLiteral("title"),
                 QStringLiteral("session"), QStringLiteral("sessionForCodes"), QStringLiteral("troubleCodes"),
                 QStringLiteral("restart"), QStringLiteral("manualBlock"), QStringLiteral("vinBlock"),
                 QStringLiteral("backupBlocks"), QStringLiteral("blocks")});
    static const QRegularExpression kModuleName(QStringLiteral("^[A-Z][A-Z0-9]{1,7}$"));
    ReadModule read;
    read.path = path;
    car::Module m;
    const QString moduleName = f.text(QStringLiteral("name"));
    if (!kModuleName.match(moduleName).hasMatch())
        f.fail(QStringLiteral("name"), Rules::tr("имя модуля: 2-8 заглавных латинских букв и цифр, с буквы"));
    m.name = m_out.kept.text(moduleName);
    m.address = m_out.kept.text(address(f, QStringLiteral("address")));
    const int bus = f.choice(QStringLiteral("bus"), {QStringLiteral("high"), QStringLiteral("medium")}, -1);
    if (bus < 0)
        f.fail(QStringLiteral("bus"), Rules::tr("поле обязательно"));
    m.bus = bus == 0 ? car::Bus::High : car::Bus::Medium;
    m.title = localText(f, QStringLiteral("title"), true);
    m.session = f.flag(QStringLiteral("session"), true);
    m.sessionForCodes = f.flag(QStringLiteral("sessionForCodes"), m.session);
    // The service functions, the trouble codes and the backup take a module only where its
    // file says so; its VIN never names the car.
    m.codes = f.flag(QStringLiteral("troubleCodes"), false);
    m.restart = f.flag(QStringLiteral("restart"), false);
    m.manualBlock = f.has(QStringLiteral("manualBlock")) ? blockNumber(f, QStringLiteral("manualBlock")) : -1;
    m.vinBlock = f.has(QStringLiteral("vinBlock")) ? blockNumber(f, QStringLiteral("vinBlock")) : -1;
    if (f.has(QStringLiteral("backupBlocks"))) {
        const Fields kept(f.value(QStringLiteral("backupBlocks")), f.at(QStringLiteral("backupBlocks")));
        kept.onlyThese({QStringLiteral("first"), QStringLiteral("last")});
        m.backupBlocks = {blockNumber(kept, QStringLiteral("first")), blockNumber(kept, QStringLiteral("last"))};
        if (m.backupBlocks.empty())
            kept.fail(QStringLiteral("last"), Rules::tr("последний блок копии раньше первого"));
        if (m.backupBlocks.last - m.backupBlocks.first >= kMostKeptBlocks)
            kept.fail(QString(), Rules::tr("копия хранит не больше %1 блоков модуля").arg(kMostKeptBlocks));
    }
    // The scan learns of a module without a session from its VIN block alone.
    if (m.codes && !m.session && m.vinBlock < 0)
        f.fail(QStringLiteral("troubleCodes"),
               Rules::tr("модулю без диагностического сеанса, отвечающему на запрос кодов ошибок, нужен vinBlock: иначе опрос не узнает, есть ли он"));
    m.file = m_file;
    const QJsonArray blocks = f.list(QStringLiteral("blocks"));
    for (qsizetype i = 0; i < blocks.size(); ++i)
        read.blocks.append(block(blocks[i], f.at(QStringLiteral("blocks"), i)));
    read.module = &m_out.kept.keep(m);
    return read;
}

void Reader::page(const Fields& top)
{
    const Fields f(top.value(QStringLiteral("page")), top.at(QStringLiteral("page")));
    f.onlyThese({QStringLiteral("caption"), QStringLiteral("title"), QStringLiteral("sideGroup"), QStringLiteral("sides"),
                 QStringLiteral("controls")});
    static const QRegularExpression kCaption(QStringLiteral("^[A-Za-z0-9+_-]{1,16}$"));
    PageInfo p;
    const QString caption = f.text(QStringLiteral("caption"));
    if (!kCaption.match(caption).hasMatch())
        f.fail(QStringLiteral("caption"), Rules::tr("имя страницы: 1-16 латинских букв, цифр или знаков + _ -"));
    p.caption = m_out.kept.text(caption);
    p.title = localText(f, QStringLiteral("title"), true);
    p.sideGroup = name(f, QStringLiteral("sideGroup"), false);

    const QJsonArray sides = f.list(QStringLiteral("sides"));
    if (sides.isEmpty() || sides.size() > 2)
        f.fail(QStringLiteral("sides"), Rules::tr("у страницы одна или две стороны"));
    for (qsizetype i = 0; i < sides.size(); ++i) {
        const Fields s(sides[i], f.at(QStringLiteral("sides"), i));
        s.onlyThese({QStringLiteral("address"), QStringLiteral("block"), QStringLiteral("suffix")});
        const QString a = address(s, QStringLiteral("address"));
        const int number = blockNumber(s, QStringLiteral("block"));
        const BlockLayout* layout = nullptr;
        for (const ReadModule& m : m_out.modules) {
            for (const ReadBlock& b : m.blocks) {
                if (car::qs(m.module->address) == a && b.number == number)
                    layout = b.layout;
            }
        }
        if (!layout)
            s.fail(QString(), Rules::tr("сторона страницы называет блок, которого в файле нет"));
        p.sides[std::size_t(i)] = {m_out.kept.text(a), layout, localText(s, QStringLiteral("suffix"), false)};
    }
    p.sideCount = int(sides.size());

    auto& controls = m_out.kept.keep(std::vector<PageControl>());
    const QJsonArray list = f.list(QStringLiteral("controls"));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Fields c(list[i], f.at(QStringLiteral("controls"), i));
        c.onlyThese({QStringLiteral("name"), QStringLiteral("kind"), QStringLiteral("caption"), QStringLiteral("items"),
                     QStringLiteral("startItem"), QStringLiteral("startEnabled"), QStringLiteral("columns")});
        PageControl control{};
        control.name = name(c, QStringLiteral("name"), true);
        const int kind = c.choice(QStringLiteral("kind"), controlKindNames(), -1);
        if (kind < 0)
            c.fail(QStringLiteral("kind"), Rules::tr("поле обязательно"));
        control.kind = ControlKind(kind);
        control.caption = localText(c, QStringLiteral("caption"), false);
        auto& items = m_out.kept.keep(std::vector<std::string_view>());
        const QJsonArray itemList = c.list(QStringLiteral("items"));
        for (qsizetype k = 0; k < itemList.size(); ++k)
            items.push_back(localTextAt(itemList[k], c.at(QStringLiteral("items"), k)));
        control.items = items;
        control.startItem = c.optionalNumber(QStringLiteral("startItem"), -1, 63, -1);
        control.startEnabled = c.flag(QStringLiteral("startEnabled"), false);
        control.columns = c.optionalNumber(QStringLiteral("columns"), 1, 8, 1);
        controls.push_back(control);
    }
    p.controls = controls;
    m_out.page = &m_out.kept.keep(p);
}

void Reader::readTop(const QJsonValue& value)
{
    const Fields top(value, QString());
    top.onlyThese({QStringLiteral("format"), QStringLiteral("title"), QStringLiteral("modules"), QStringLiteral("page"),
                   QStringLiteral("extends"), QStringLiteral("options"), QStringLiteral("samples")});
    if (top.number(QStringLiteral("format"), 0, 1 << 30) != kFormat)
        top.fail(QStringLiteral("format"), Rules::tr("формат %1 этой программе неизвестен: она читает формат %2")
                                               .arg(top.value(QStringLiteral("format")).toInt()).arg(kFormat));
    m_out.title = car::qs(localText(top, QStringLiteral("title"), true));
    m_out.extension = top.has(QStringLiteral("extends"));
    if (m_out.extension == top.has(QStringLiteral("modules")))
        top.fail(QString(), Rules::tr("файл описывает либо новые модули (\"modules\" и \"page\"), либо дополнение блока (\"extends\")"));
    if (m_out.extension) {
        for (const char* key : {"page"}) {
            if (top.has(QLatin1String(key)))
                top.fail(QLatin1String(key), Rules::tr("у дополнения блока нет своей страницы"));
        }
        const Fields e(top.value(QStringLiteral("extends")), top.at(QStringLiteral("extends")));
        e.onlyThese({QStringLiteral("address"), QStringLiteral("block")});
        m_out.extendsAddress = address(e, QStringLiteral("address"));
        m_out.extendsBlock = blockNumber(e, QStringLiteral("block"));
        m_out.options = &options(top);
        m_out.samples = samples(top);
        return;
    }
    for (const char* key : {"options", "samples"}) {
        if (top.has(QLatin1String(key)))
            top.fail(QLatin1String(key), Rules::tr("параметры нового модуля стоят в его блоках"));
    }
    const QJsonArray modules = top.list(QStringLiteral("modules"));
    if (modules.isEmpty())
        top.fail(QStringLiteral("modules"), Rules::tr("нет ни одного модуля"));
    for (qsizetype i = 0; i < modules.size(); ++i)
        m_out.modules.append(module(modules[i], top.at(QStringLiteral("modules"), i)));
    // A block the same as another module's of this file (the two doors) takes its layout.
    for (ReadModule& m : m_out.modules) {
        for (ReadBlock& b : m.blocks) {
            if (b.sameAs.isEmpty())
                continue;
            for (const ReadModule& other : m_out.modules) {
                for (const ReadBlock& ob : other.blocks) {
                    if (car::qs(other.module->address) == b.sameAs && ob.number == b.number && ob.layout)
                        b.layout = ob.layout;
                }
            }
            if (!b.layout)
                throw FieldProblem{b.path + QStringLiteral(".sameAs"), Rules::tr("в файле нет такого блока у модуля с этим адресом")};
        }
    }
    if (!top.has(QStringLiteral("page")))
        top.fail(QStringLiteral("page"), Rules::tr("поле обязательно"));
    page(top);
}

} // namespace

const QStringList& optionKindNames()
{
    static const QStringList names = {QStringLiteral("flag"), QStringLiteral("joint-flag"), QStringLiteral("choice"),
                                      QStringLiteral("whole-block-choice"), QStringLiteral("indicator")};
    return names;
}

const QStringList& enableRuleNames()
{
    static const QStringList names = {QStringLiteral("always"), QStringLiteral("full-block"), QStringLiteral("when-set"),
                                      QStringLiteral("when-writable"), QStringLiteral("never")};
    return names;
}

const QStringList& controlKindNames()
{
    static const QStringList names = {QStringLiteral("radio-group"), QStringLiteral("edit"), QStringLiteral("note"),
                                      QStringLiteral("group-box"), QStringLiteral("divider"), QStringLiteral("button")};
    return names;
}

ReadFile readDescription(const QByteArray& bytes, const car::DescriptionFile* file, bool russian)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw FieldProblem{QString(), Rules::tr("не JSON: %1 (байт %2)").arg(error.errorString()).arg(error.offset)};
    // Which of two equal keys would count is nowhere said: neither does.
    if (const std::optional<QString> repeated = repeatedKeyPath(bytes))
        throw FieldProblem{*repeated, Rules::tr("ключ повторяется")};
    ReadFile out;
    Reader(out, file, russian).readTop(document.isObject() ? QJsonValue(document.object()) : QJsonValue());
    return out;
}

} // namespace talmero::module_files
