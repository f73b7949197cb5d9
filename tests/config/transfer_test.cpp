#include "asbuilt_dialog_double.h"
#include "config/asbuilt_conversion.h"
#include "config/config_panel.h"
#include "config/config_transfer.h"
#include "config/map_option_view.h"
#include "config/pages.h"
#include "link/adapter.h"
#include "link/codecs.h"
#include "link/session.h"
#include "module_files/description_file.h"
#include "sim/car.h"
#include "sim/demo_channel.h"
#include "support/recording_host.h"
#include "support/test_gate.h"

#include "../config/qt_print.h"
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include "support/blocks.h"

using namespace talmero;
using namespace talmero::config;

namespace {

const QString kWritten = QStringLiteral("* Успешно записано");
const QString kVerified = QStringLiteral("* Запись проверена: модуль содержит записанные данные");

// The configuration logic against the virtual car, as the window would drive it.
class TransferTest : public ::testing::Test {
protected:
    void SetUp() override { demo.open(); }

    void goTo(blocks::Page page) { ASSERT_TRUE(panel.TabbedCONFChange(page, true)); }
    QByteArray carBlock(const char* adr, int blockNo)
    {
        return demo.car().block(QString::fromLatin1(adr), blockNo).value_or(QByteArray()).toHex().toUpper();
    }
    void setCarBlock(const char* adr, int blockNo, const char* hex)
    {
        demo.car().setBlock(QString::fromLatin1(adr), blockNo, QByteArray::fromHex(hex));
    }
    bool logged(const QString& line) const { return host.lines.contains(line); }

    struct SeenChannel : sim::DemoChannel { // the virtual car, keeping what was sent to it
        QByteArrayList sent;
        void send(const QByteArray& bytes) override { sent.append(bytes), DemoChannel::send(bytes); }
    } demo;
    RecordingHost host;
    link::Adapter adapter{demo, host};
    link::Session session{adapter, host};
    MapOptionView view;
    ConfigPanel panel{view, host};
    TestGate gate{session, host};
    ConfigTransfer transfer{panel, gate.gate, host};
};

struct PageCase {
    const char* what;
    blocks::Page page;
    const char* sideGroup; // set to item 1 when not null
    const char* adr;
    int blockNo;
    const char* before;
    const char* option;
    int state; // tick or item the user gives it
    const char* after;
    const char* logLine;
};

// Each block holds bits its page cannot show as read (half-set joint flags, an odd
// climate byte); they must come back unchanged beside the one option changed.
const PageCase kPageCases[] = {
    {"IPC", blocks::page("IPC"), nullptr, "720", 0, "CD424010C0", "CheckBoxIPC07", 0, "4D424010C0",
     "* Чтение конфигурации из модуля IPC (Панель приборов)"},
    {"ACM", blocks::page("ACM"), nullptr, "727", 0, "020210", "RadioGroupACMbody", 3, "020310",
     "* Чтение конфигурации из модуля ACM (Аудиомодуль)"},
    {"BCM part 1", blocks::page("BCM"), nullptr, "726", 3, "E3D0D4F4", "CheckBox1BCM07", 0, "63D0D4F4",
     "* Чтение конфигурации из модуля BCM (GEM модуль) [Часть 1]"},
    {"BCM part 2", blocks::page("BCM"), "RadioGroupBCMrd", "726", 4, "4F1C02", "CheckBox2BCM20", 1, "4F1C03",
     "* Чтение конфигурации из модуля BCM (GEM модуль) [Часть 2]"},
    {"passenger door", blocks::page("DDM+PDM"), "RadioGroupDDMr", "741", 1, "3D", "CheckBoxDDM7", 1, "BD",
     "* Чтение конфигурации из модуля DDM+PDM (Дверные CAN-модули) [Пассажирский]"},
    {"HVAC left unedited", blocks::page("HVAC"), nullptr, "733", 1, "04", "CheckBoxNone", 0, "04",
     "* Чтение конфигурации из модуля HVAC (Модуль климат-контроля)"},
    {"HVAC item", blocks::page("HVAC"), nullptr, "733", 1, "04", "RadioGroupHVAC", 2, "C0",
     "* Чтение конфигурации из модуля HVAC (Модуль климат-контроля)"},
    {"RCM", blocks::page("RCM"), nullptr, "737", 0, "46FE0C80", "CheckBoxRCM10", 1, "46FF0C80",
     "* Чтение конфигурации из модуля RCM (Модуль подушек/ремней без-ти)"},
    {"ABS", blocks::page("ABS"), nullptr, "760", 1, "4F", "CheckBoxABS6", 0, "0F",
     "* Чтение конфигурации из модуля ABS (Модуль ABS/ESP)"},
    {"HCM", blocks::page("HCM"), nullptr, "734", 0, "05", "RadioGroupHCM1", 1, "03",
     "* Чтение конфигурации из модуля HCM (Модуль упр-я головным светом)"},
};

TEST_F(TransferTest, ReadChangeWriteTouchesOnlyTheChangedOption)
{
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE(c.what);
        host.lines.clear();
        view.setItem(QStringLiteral("RadioGroupBCMrd"), 0);
        view.setItem(QStringLiteral("RadioGroupDDMr"), 0);
        if (c.sideGroup)
            view.setItem(QString::fromLatin1(c.sideGroup), 1);
        goTo(c.page);
        setCarBlock(c.adr, c.blockNo, c.before);

        transfer.ButtonCONFreadClick(c.page);
        EXPECT_TRUE(logged(QString::fromUtf8(c.logLine)));
        ASSERT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite"))) << host.lines.join(u'\n').toStdString();
        const QString option = QString::fromLatin1(c.option);
        if (option.startsWith(QLatin1String("RadioGroup")))
            view.setItem(option, c.state);
        else
            view.setChecked(option, c.state == 1);
        if (c.page == blocks::page("DDM+PDM"))
            view.setItem(QStringLiteral("RadioGroupDDMw"), 2); // the door read

        EXPECT_TRUE(transfer.ButtonCONFwriteClick(c.page).outcome.ok());
        EXPECT_EQ(carBlock(c.adr, c.blockNo), QByteArray(c.after));
        EXPECT_EQ(host.lines.last(), c.before == QByteArray(c.after) ? QStringLiteral("* Модуль уже содержит эти данные: запись не нужна") : kVerified);
        EXPECT_TRUE(logged(QString::fromUtf8(c.logLine).replace(QStringLiteral("Чтение конфигурации из модуля"),
                                                                QStringLiteral("Запись конфигурации в модуль"))));
        // the page shows what the module holds afterwards, as read back
        EXPECT_EQ(panel.writeData(panel.pageBlock(c.page)).toLatin1(), QByteArray(c.after));
    }
    EXPECT_TRUE(host.notices.contains(QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: Аудиомодуль (ACM)")));
}

// A module of its own put in the middle of the module table, its page in the middle of
// the pages: every page still reads and writes the block of its own module, the new one's
// too, and no other.
constexpr car::Option kPamOptions[] = {
    {.name = "CheckBoxPAMfront", .pos = car::pos({1}), .caption = "Front sensors"},
    {.name = "CheckBoxPAMrear", .pos = car::pos({2}), .caption = "Rear sensors"},
    {.name = "CheckBoxPAMtrailer", .pos = car::pos({3}), .caption = "Trailer"},
};
constexpr car::BlockLayout kPamLayout{.number = 0x01, .capacity = 16, .zero = "0000000000000000", .minLength = 2,
                                      .options = kPamOptions};
constexpr const car::BlockLayout* kPamBlocks[] = {&kPamLayout};
constexpr car::PageInfo kPamPage{.caption = "PAM", .title = "Parking aid", .sides = {{{"736", &kPamLayout}}}};
constexpr car::Module kPam{.name = "PAM", .address = "736", .bus = car::Bus::Medium, .title = "Parking aid",
                           .blocks = kPamBlocks, .page = &kPamPage};

TEST_F(TransferTest, AModuleInTheMiddleOfTheTableLeavesEveryPageItsOwnBlock)
{
    car::Catalog withPam = car::ownCatalog();
    withPam.modules.insert(withPam.modules.begin() + 3, &kPam);
    withPam.pages.insert(withPam.pages.begin() + 3, &kPamPage);
    withPam.layouts.insert(withPam.layouts.begin() + 3, &kPamLayout);
    car::installCatalog(withPam);
    const auto ownAgain = qScopeGuard([] { car::installCatalog(car::ownCatalog()); });
    // The virtual car has the module too, declared in its state file.
    QTemporaryDir dir;
    QFile state(dir.filePath(QStringLiteral("car.json")));
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    state.write(R"({"modules": [{"address": "736", "bus": "medium", "blocks": {"01": "A000"}}]})");
    state.close();
    demo.car().load(state.fileName());
    const auto everyBlock = [this] {
        QMap<QString, QByteArray> blocks;
        for (const car::Module* m : car::catalog().modules) {
            for (int no = 0; no < 8; ++no)
                blocks.insert(car::qs(m->address) + u' ' + car::blockText(no), carBlock(m->address.data(), no));
        }
        return blocks;
    };

    int written = 0;
    for (const PageInfo* page : pageInfos()) {
        for (int side = 0; side < page->sideCount; ++side) {
            SCOPED_TRACE(car::qs(page->caption).toStdString() + " side " + std::to_string(side));
            if (!page->sideGroup.empty())
                view.setItem(car::qs(page->sideGroup), side);
            goTo(*page);
            ASSERT_TRUE(transfer.ButtonCONFreadClick(*page).ok()) << host.lines.join(u'\n').toStdString();
            // The first option the user may change, changed.
            for (const Option& o : panel.pageBlock(*page).options) {
                const QString name = car::qs(o.name);
                if (!o.writes() || !view.enabled(name))
                    continue;
                if (o.isRadioGroup())
                    view.setItem(name, (view.item(name) + 1) % int(o.encode.size()));
                else
                    view.setChecked(name, !view.checked(name));
                break;
            }
            if (page->twoModules())
                view.setItem(QStringLiteral("RadioGroupDDMw"), side + 1); // the door read
            const QMap<QString, QByteArray> before = everyBlock();
            ASSERT_TRUE(transfer.ButtonCONFwriteClick(*page).outcome.ok()) << host.lines.join(u'\n').toStdString();
            QStringList changed;
            const QMap<QString, QByteArray> after = everyBlock();
            for (auto it = after.begin(); it != after.end(); ++it) {
                if (before.value(it.key()) != it.value())
                    changed << it.key();
            }
            const PageSide& own = page->sides[std::size_t(side)];
            EXPECT_EQ(changed, QStringList{car::qs(own.address) + u' ' + car::blockText(own.layout->number)});
            ++written;
        }
    }
    EXPECT_EQ(written, 11); // nine pages, two of them with two sides
    EXPECT_EQ(carBlock("736", 1), "2000");
}

TEST_F(TransferTest, BothDoorsAreWrittenOverOneSession)
{
    goTo(blocks::page("DDM+PDM"));
    transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
    view.setChecked(QStringLiteral("CheckBoxDDM7"), true);
    ASSERT_EQ(view.item(QStringLiteral("RadioGroupDDMw")), 0);
    host.lines.clear();
    transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM"));
    EXPECT_EQ(carBlock("740", 1), QByteArray("BD"));
    EXPECT_EQ(carBlock("741", 1), QByteArray("BD"));
    // The car's VIN once, from the instrument panel; the operation's one reset; each door
    // read (with its own VIN); the battery; one question; then each door opened again (no
    // reset), read again, written, read back; the passenger's door with a battery reading
    // of its own, the driver's on the one the question showed.
    EXPECT_EQ(host.lines.filter(QStringLiteral("> ")),
              (QStringList{"> ATSP6",   "> ATSH720", "> 1087",    "> 2102",    "> ATZ",   "> ATSPB",
                           "> ATSH740", "> 1087",   "> 2101",    "> 2100",    "> ATSH741", "> 1087",  "> 2101",
                           "> 2100",   "> ATRV",    "> ATSH740", "> 1087",
                           "> 2101",   "> 3B01BD",  "> 2101",    "> ATSH741", "> 1087",    "> ATRV",  "> 2101",
                           "> 3B01BD", "> 2101"}));
    EXPECT_EQ(host.lines.count(kVerified), 2);
    ASSERT_EQ(host.confirmations.size(), 1);
    ASSERT_EQ(host.confirmations[0].parts.size(), 2);
    EXPECT_EQ(host.confirmations[0].parts[1].subject, QStringLiteral("DDM+PDM (Дверные CAN-модули), адрес 741, блок 01"));
    EXPECT_EQ(host.confirmations[0].parts[1].changes, QStringList{QStringLiteral("Without module (facelift): нет → да")});
    EXPECT_EQ(host.confirmations[0].battery, QStringLiteral("12.6"));
    const auto rows = gate.gate.journal().entries();
    ASSERT_TRUE(rows && rows->size() == 2);
    EXPECT_TRUE((*rows)[0].batch > 0 && (*rows)[0].batch == (*rows)[1].batch);
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBoxDDM7"))); // as read back

    // Cancelling the one question writes neither door.
    transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
    view.setChecked(QStringLiteral("CheckBoxDDM7"), false);
    host.confirmAnswers = {false};
    host.lines.clear();
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM")).outcome.ok());
    EXPECT_EQ(host.lines.filter(QStringLiteral("> 3B")), QStringList());
    EXPECT_EQ(carBlock("740", 1) + carBlock("741", 1), QByteArray("BDBD"));
    EXPECT_EQ(gate.gate.journal().entries()->first().outcome, QStringLiteral("cancelled"));
    EXPECT_FALSE(view.checked(QStringLiteral("CheckBoxDDM7")));
}

TEST_F(TransferTest, DriverRefusingDoesNotStopThePassengerNorClearThePanel)
{
    goTo(blocks::page("DDM+PDM"));
    view.setItem(QStringLiteral("RadioGroupDDMr"), 1);
    transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
    setCarBlock("740", 1, "3D00"); // a block the one-byte write does not fit
    view.setChecked(QStringLiteral("CheckBoxDDM7"), true);
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM")).outcome.ok());
    EXPECT_EQ(carBlock("740", 1), QByteArray("3D00"));
    EXPECT_EQ(carBlock("741", 1), QByteArray("BD"));
    EXPECT_TRUE(host.notices.contains(
        QStringLiteral("! Блок для записи длиной 1 байт, а модуль содержит 2 байт: запись не выполнена")));
    EXPECT_EQ(host.lines.last(),
              QStringLiteral("! Водительский модуль (740) не записан; пассажирский модуль (741) содержит блок страницы"));
    EXPECT_EQ(host.lines.filter(QStringLiteral("> 3B01")).size(), 1); // the passenger's only
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBoxDDM7")));
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
}

TEST_F(TransferTest, PassengerDoorNotAnsweringTheSessionIsAnError)
{
    goTo(blocks::page("DDM+PDM"));
    transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
    demo.car().setPresent(QStringLiteral("741"), false);
    view.setChecked(QStringLiteral("CheckBoxDDM7"), true);
    transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM"));
    EXPECT_EQ(carBlock("740", 1), QByteArray("BD"));
    EXPECT_TRUE(logged(QStringLiteral("! Ошибка")));
    // Which door took it and which did not.
    EXPECT_EQ(host.lines.last(),
              QStringLiteral("! Водительский модуль (740) содержит блок страницы; пассажирский модуль (741) не записан"));
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
}

TEST_F(TransferTest, SingleDoorTargetsOpenOnlyThatDoor)
{
    for (int target : {1, 2}) {
        view.setItem(QStringLiteral("RadioGroupDDMr"), target - 1);
        goTo(blocks::page("DDM+PDM"));
        transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
        // 3D: the driver's door gets position 2 set, the passenger's position 3 cleared.
        if (target == 1)
            view.setChecked(QStringLiteral("CheckBoxDDM6"), true);
        else
            view.setChecked(QStringLiteral("CheckBoxDDM5"), false);
        view.setItem(QStringLiteral("RadioGroupDDMw"), target);
        host.lines.clear();
        transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM"));
        EXPECT_TRUE(logged(target == 1 ? "> ATSH740" : "> ATSH741"));
        EXPECT_FALSE(logged(target == 1 ? "> ATSH741" : "> ATSH740"));
        EXPECT_EQ(host.lines.last(), kVerified);
        EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite"))); // the block read back
    }
    EXPECT_EQ(carBlock("740", 1), QByteArray("7D"));
    EXPECT_EQ(carBlock("741", 1), QByteArray("1D"));
}

TEST_F(TransferTest, AbsentModuleIsReportedAndNothingIsRequested)
{
    demo.car().setPresent(QStringLiteral("720"), false);
    goTo(blocks::page("IPC"));
    transfer.ButtonCONFreadClick(blocks::page("IPC"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Модуль не ответил или отсутствует"));
    EXPECT_FALSE(logged("> 2100"));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));

    // Without a session request the read itself goes unanswered.
    demo.car().setPresent(QStringLiteral("737"), false);
    goTo(blocks::page("RCM"));
    transfer.ButtonCONFreadClick(blocks::page("RCM"));
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Адаптер сообщил NO DATA при чтении блока 00 модуля RCM (737)"));
    EXPECT_FALSE(view.enabled(QStringLiteral("ButtonCONFwrite")));
}

TEST_F(TransferTest, RefusedWriteKeepsThePanelLoaded)
{
    goTo(blocks::page("RCM"));
    transfer.ButtonCONFreadClick(blocks::page("RCM"));
    const QByteArray before = carBlock("737", 0);
    demo.car().setFault(QStringLiteral("737"), sim::FaultKind::Negative);
    view.setChecked(QStringLiteral("CheckBoxRCM02"), !view.checked(QStringLiteral("CheckBoxRCM02")));
    transfer.ButtonCONFwriteClick(blocks::page("RCM"));
    // A module that refuses even to tell what it holds gets no write.
    EXPECT_EQ(host.lines.last(), QStringLiteral("! Блок модуля не прочитан: запись не выполнена"));
    EXPECT_TRUE(host.lines.filter(QStringLiteral("> 3B")).isEmpty());
    EXPECT_EQ(carBlock("737", 0), before);
    EXPECT_TRUE(view.enabled(QStringLiteral("ButtonCONFwrite")));
    EXPECT_TRUE(view.enabled(QStringLiteral("CheckBoxRCM02")));
}

TEST_F(TransferTest, NothingIsWrittenWithoutAWritableBlock)
{
    setCarBlock("760", 1, "0F"); // pre-facelift brakes: shown, never written
    goTo(blocks::page("ABS"));
    transfer.ButtonCONFreadClick(blocks::page("ABS"));
    host.lines.clear();
    transfer.ButtonCONFwriteClick(blocks::page("ABS"));
    goTo(blocks::page("IPC"));
    transfer.ButtonCONFwriteClick(blocks::page("IPC")); // a cleared panel holds zeros
    EXPECT_EQ(host.lines, QStringList());
    EXPECT_EQ(carBlock("760", 1), QByteArray("0F"));
}

TEST_F(TransferTest, ReadAnswerOverSeveralFramesIsJoined)
{
    setCarBlock("720", 0, "CD421010C0AABB"); // longer than one CAN frame carries
    goTo(blocks::page("IPC"));
    transfer.ButtonCONFreadClick(blocks::page("IPC"));
    EXPECT_EQ(panel.conf(blocks::IPC()), link::HEX2BIN(QStringLiteral("CD421010C0")));
    EXPECT_EQ(view.item(QStringLiteral("RadioGroupIPCrd")), 0);
}

TEST_F(TransferTest, RefusedBlockGivesTheNotConfiguredNoticeThenTheMark)
{
    setCarBlock("727", 0, "0202F0");
    goTo(blocks::page("ACM"));
    transfer.ButtonCONFreadClick(blocks::page("ACM"));
    EXPECT_EQ(host.notices.mid(host.notices.size() - 2),
              (QStringList{QStringLiteral("Несконфигурирована"), QStringLiteral("!")}));
}

TEST_F(TransferTest, PreFaceliftDashboardSendsFourBytes)
{
    panel.clearCONF();
    panel.decode(blocks::IPC(), link::HEX2BIN(QStringLiteral("123456789A")));
    EXPECT_EQ(panel.writeData(blocks::IPC()), QStringLiteral("123456789A"));
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 1);
    EXPECT_EQ(panel.writeData(blocks::IPC()), QStringLiteral("12345678"));
}

} // namespace

namespace {

// After a write that left the page loaded, putting an option back and writing again
// sends what the page shows, not the bits of the attempt before.
TEST_F(TransferTest, RetriedWriteSendsWhatThePageShows)
{
    const auto writesSent = [this] { return host.lines.filter(QRegularExpression(QStringLiteral("^> 3B"))); };

    // Airbags refusing everything: tick the occupancy sensor, fail, untick, write.
    goTo(blocks::page("RCM"));
    setCarBlock("737", 0, "46FE0C80");
    transfer.ButtonCONFreadClick(blocks::page("RCM"));
    view.setChecked(QStringLiteral("CheckBoxRCM10"), true);
    demo.car().setFault(QStringLiteral("737"), sim::FaultKind::Negative);
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("RCM")).outcome.ok());
    demo.car().setFault(QStringLiteral("737"), sim::FaultKind::None);
    view.setChecked(QStringLiteral("CheckBoxRCM10"), false);
    view.setChecked(QStringLiteral("CheckBoxRCM02"), false); // a change of its own
    EXPECT_TRUE(transfer.ButtonCONFwriteClick(blocks::page("RCM")).outcome.ok());
    EXPECT_EQ(carBlock("737", 0), QByteArray("42FE0C80"));

    // Climate module absent: reflective glass, fail, ordinary glass again, write.
    host.lines.clear();
    goTo(blocks::page("HVAC"));
    setCarBlock("733", 1, "04");
    transfer.ButtonCONFreadClick(blocks::page("HVAC"));
    view.setItem(QStringLiteral("RadioGroupHVAC"), 2);
    demo.car().setPresent(QStringLiteral("733"), false);
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("HVAC")).outcome.ok());
    demo.car().setPresent(QStringLiteral("733"), true);
    view.setItem(QStringLiteral("RadioGroupHVAC"), 1);
    EXPECT_TRUE(transfer.ButtonCONFwriteClick(blocks::page("HVAC")).outcome.ok());
    EXPECT_EQ(carBlock("733", 1), QByteArray("04"));
    EXPECT_TRUE(writesSent().isEmpty());

    // Body module: untick the alarm, fail, tick it again; the AS-BUILT line is the read one.
    AsBuiltDialogDouble dialog;
    QString generated;
    dialog.onShow = [&] { generated = view.text(QStringLiteral("Edit1")); };
    AsBuiltConversion conversion(panel, dialog, host);
    goTo(blocks::page("BCM"));
    setCarBlock("726", 3, "E3D0D4FC");
    transfer.ButtonCONFreadClick(blocks::page("BCM"));
    conversion.ButtonCONFgetASBUILTClick(blocks::page("BCM"));
    const QString asRead = generated;
    transfer.ButtonCONFreadClick(blocks::page("BCM"));
    view.setChecked(QStringLiteral("CheckBox1BCM07"), false);
    demo.car().setPresent(QStringLiteral("726"), false);
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("BCM")).outcome.ok());
    view.setChecked(QStringLiteral("CheckBox1BCM07"), true);
    conversion.ButtonCONFgetASBUILTClick(blocks::page("BCM"));
    EXPECT_EQ(generated, asRead);
    demo.car().setPresent(QStringLiteral("726"), true);

    // Both doors, passenger absent: the driver takes BD; untick and write again.
    host.lines.clear();
    goTo(blocks::page("DDM+PDM"));
    setCarBlock("740", 1, "3D");
    setCarBlock("741", 1, "3D");
    transfer.ButtonCONFreadClick(blocks::page("DDM+PDM"));
    view.setChecked(QStringLiteral("CheckBoxDDM7"), true);
    demo.car().setPresent(QStringLiteral("741"), false);
    EXPECT_FALSE(transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM")).outcome.ok());
    EXPECT_EQ(carBlock("740", 1), QByteArray("BD"));
    demo.car().setPresent(QStringLiteral("741"), true);
    view.setChecked(QStringLiteral("CheckBoxDDM7"), false);
    EXPECT_TRUE(transfer.ButtonCONFwriteClick(blocks::page("DDM+PDM")).outcome.ok());
    EXPECT_EQ(carBlock("740", 1), QByteArray("3D"));
    EXPECT_EQ(carBlock("741", 1), QByteArray("3D"));

    // The dashboard type: facelift, untick the clock, encode, pre-facelift, facelift.
    panel.clearCONF();
    panel.decode(blocks::IPC(), link::HEX2BIN(QStringLiteral("CD421010")));
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 0);
    panel.onUserChange(QStringLiteral("RadioGroupIPCrd"));
    view.setChecked(QStringLiteral("CheckBoxIPC47"), false);
    panel.encode(blocks::IPC());
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 1);
    panel.onUserChange(QStringLiteral("RadioGroupIPCrd"));
    view.setItem(QStringLiteral("RadioGroupIPCrd"), 0);
    panel.onUserChange(QStringLiteral("RadioGroupIPCrd"));
    EXPECT_TRUE(view.checked(QStringLiteral("CheckBoxIPC47")));
    panel.encode(blocks::IPC());
    EXPECT_EQ(panel.writeData(blocks::IPC()), QStringLiteral("CD42101080"));
}

// A write to a medium-speed module reads the car's VIN from the instrument panel first, the
// prompt saying why; the next write of the connection uses that VIN and asks for no switch.
TEST_F(TransferTest, TheCarsVinIsReadOncePerConnection)
{
    const QStringList prompts{QStringLiteral("Переключите адаптер на высокую шину (HSCAN)\nСледующий модуль: Панель приборов (IPC)\n"
                                             "Это нужно, чтобы перед записью прочитать VIN автомобиля из этого модуля (один раз за подключение)"),
                              QStringLiteral("Переключите адаптер на среднюю шину (MSCAN)\nСледующий модуль: GEM модуль (BCM)")};
    goTo(blocks::page("BCM"));
    for (const bool alarm : {false, true}) {
        transfer.ButtonCONFreadClick(blocks::page("BCM"));
        host.notices.clear();
        view.setChecked(QStringLiteral("CheckBox1BCM07"), alarm);
        EXPECT_TRUE(transfer.ButtonCONFwriteClick(blocks::page("BCM")).outcome.ok());
        EXPECT_EQ(host.notices, alarm ? QStringList() : prompts);
    }
}

// An option of a description file nobody trusts is refused from the page as read: no bus
// prompt, nothing sent; the notice says where to trust the file.
TEST_F(TransferTest, AnUntrustedFilesOptionIsRefusedBeforeAnythingIsSent)
{
    car::Catalog catalog = car::ownCatalog();
    const QByteArray extension = R"json({"format": 1, "title": {"en": "Example"}, "extends": {"address": "726", "block": "03"},
        "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32], "caption": {"en": "Example flag"}}],
        "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]})json";
    QTemporaryDir dir;
    ASSERT_TRUE(module_files::addDescriptionFile(catalog, extension, dir.filePath(QStringLiteral("example.json")), true).loaded());
    car::installCatalog(std::move(catalog));
    const auto own = qScopeGuard([] { car::installCatalog(car::ownCatalog()); });
    goTo(blocks::page("BCM"));
    transfer.ButtonCONFreadClick(blocks::page("BCM"));
    view.setChecked(QStringLiteral("CheckBoxExample32"), true);
    demo.sent.clear();
    host.notices.clear();
    EXPECT_EQ(transfer.ButtonCONFwriteClick(blocks::page("BCM")).outcome.kind, link::Outcome::Kind::Refused);
    EXPECT_EQ(demo.sent, QByteArrayList());
    EXPECT_EQ(host.notices, QStringList{QStringLiteral(
        "! Запись меняет параметры из файла описания example.json, которому нет доверия: ничего не записано. Доверие файлу "
        "даётся галочкой в окне «Файлы описаний…» (кнопка на вкладке «Конфигурация» и в окне настроек подключения; "
        "в командной строке: talmero-cli modules trust ФАЙЛ, или --trust ФАЙЛ для одной команды)")});
}

} // namespace
