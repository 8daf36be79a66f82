// The window against stand-ins of the desktop's services (python3-dbusmock) on a private session
// bus and a private system bus; run through with_private_buses.sh, never on the machine's buses.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "FindControl.h"
#include "MainWindow.h"
#include "SimulatedDriver.h"
#include "SingleInstance.h"

using namespace farb;
using namespace farb::qt;

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
constexpr int kDeadlineMs = 10000;

// "Übung", one minute of green, in the catalogue's Latin-1.
constexpr std::string_view kOneMinute[] = {"Gut\t\t",
                                           "\xDC"
                                           "bung\tgr\xFC"
                                           "n\t1"};

// One python3-dbusmock process, on the bus until destroyed; its log has a line per call received.
class StandIn {
  public:
    StandIn(const QDBusConnection& bus, const QString& name, QStringList arguments) {
        log_.open();
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{"-m", "dbusmock", "--logfile", log_.fileName()} + arguments);
        QElapsedTimer waited;
        waited.start();
        while (!bus.interface()->isServiceRegistered(name) && waited.elapsed() < kDeadlineMs) {
            QTest::qWait(20);
        }
        if (!bus.interface()->isServiceRegistered(name)) {
            qFatal("the stand-in for %s did not come up", qPrintable(name));
        }
    }
    ~StandIn() {
        process_.terminate();
        process_.waitForFinished(kDeadlineMs);
    }
    // The calls, "Method arg arg...", without their time stamps.
    QStringList Calls() const {
        QFile file(log_.fileName());
        file.open(QIODevice::ReadOnly);
        QStringList calls;
        for (const QString& line :
             QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            calls << line.section(' ', 1);
        }
        return calls;
    }

  private:
    QTemporaryFile log_;
    QProcess process_;
};

// logind's inhibitors as "what who why mode", one string each.
QStringList Inhibitors() {
    const QDBusMessage reply = QDBusConnection::systemBus().call(
        QDBusMessage::createMethodCall(kLogind, kLogindPath, "org.freedesktop.login1.Manager",
                                       "ListInhibitors"),
        QDBus::Block, kDeadlineMs);
    const auto list = reply.arguments().value(0).value<QDBusArgument>();
    QStringList found;
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint user = 0, process = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> user >> process;
        list.endStructure();
        found << QStringList{what, who, why, mode}.join(' ');
    }
    list.endArray();
    return found;
}

const QString kBlock = QStringLiteral("sleep Farbprogramm Behandlung l\u00e4uft block");
const QString kDelay =
    QStringLiteral("sleep Farbprogramm Lampe vor dem Ruhezustand ausschalten delay");

}  // namespace

// What the launcher entry was told, on a connection of its own, as a dock would hear it.
class LauncherEntryListener : public QObject {
    Q_OBJECT

  public:
    LauncherEntryListener()
        : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "dock")) {
        bus_.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", this,
                     SLOT(Update(QString, QVariantMap)));
    }
    ~LauncherEntryListener() override { QDBusConnection::disconnectFromBus(bus_.name()); }

    QStringList uris;
    std::vector<QVariantMap> updates;

  private slots:
    void Update(const QString& uri, const QVariantMap& properties) {
        uris << uri;
        updates.push_back(properties);
    }

  private:
    QDBusConnection bus_;
};

class DesktopSessionTest : public QObject {
    Q_OBJECT

  private:
    SimulatedDriver driver;
    std::unique_ptr<LampLink> lampLink;
    int lampId = 0;
    std::unique_ptr<MainWindow> form;

    void CreateForm(TherapyCatalogue catalogue = ShippedCatalogue()) {
        Dialogs dialogs{[] { return true; },
                        [](const QString&, const QString& text) {
                            qFatal("unexpected error box: %s", qPrintable(text));
                        }};
        form.reset();
        // Each window gets the lamp link its program would build: a fresh one.
        lampLink = std::make_unique<LampLink>(driver, LampLink::Hooks{});
        form = std::make_unique<MainWindow>(*lampLink, Edition::Program, dialogs, catalogue);
    }
    void Choose(int programme) { form->Form().lbgMouseDown(MouseButton::Left, programme); }
    void Start() { form->Form().Shape1MouseDown(MouseButton::Left); }
    void Pause() { form->Form().Shape3MouseDown(MouseButton::Left); }
    QString Status() { return testing::FindControl<QLabel>(*form, "Label1")->text(); }
    bool Ticking() { return testing::FindControl<QTimer>(*form, "Timer1")->isActive(); }
    static std::unique_ptr<StandIn> Logind() {
        return std::make_unique<StandIn>(QDBusConnection::systemBus(), kLogind,
                                         QStringList{"--system", "--template", "logind"});
    }
    static std::unique_ptr<StandIn> Portal() {
        return std::make_unique<StandIn>(QDBusConnection::sessionBus(),
                                         "org.freedesktop.portal.Desktop",
                                         QStringList{"--template", FARB_PORTAL_STANDIN});
    }
    static void PrepareForSleep(bool sleeping) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kLogind, kLogindPath, "org.freedesktop.DBus.Mock", "EmitSignal");
        call << "org.freedesktop.login1.Manager"
             << "PrepareForSleep"
             << "b" << QVariantList{QVariant::fromValue(QDBusVariant(sleeping))};
        QCOMPARE(QDBusConnection::systemBus().call(call).type(), QDBusMessage::ReplyMessage);
    }

  private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("FARB_PRIVATE_BUSES"),
                 "run through with_private_buses.sh, which gives the test buses of its own");
        QGuiApplication::setDesktopFileName("de.lanvo.farbprogramm");
    }
    void init() {
        driver = SimulatedDriver();
        lampId = driver.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
    }
    void cleanup() { form.reset(); }

    // Start asks the portal to hold off suspend (4) and nothing else, so the screen may still
    // lock; Pause closes the request. A request answered only after the pause is closed then,
    // and a window closed during a treatment lets go too. logind holds only the sleep delay.
    void thePortalHoldsSleepOffWhileTheTreatmentRuns() {
        const auto portal = Portal();
        const auto logind = Logind();
        CreateForm();
        Choose(0);
        Start();
        form->Form().Timer1Timer();  // a tick asks nothing more
        const QString inhibit = QStringLiteral(
            R"(Inhibit "" 4 {"handle_token": "farbprogramm%1", "reason": "Behandlung läuft"})");
        QTRY_COMPARE_WITH_TIMEOUT(portal->Calls(), QStringList{inhibit.arg(1)}, kDeadlineMs);
        Pause();
        QTRY_COMPARE_WITH_TIMEOUT(portal->Calls(), (QStringList{inhibit.arg(1), "Close"}),
                                  kDeadlineMs);
        QCOMPARE(Inhibitors(), QStringList{kDelay});

        Start();
        Pause();  // in the same turn of the event loop, before the answer can be read
        QTRY_COMPARE_WITH_TIMEOUT(portal->Calls().size(), 4, kDeadlineMs);
        QCOMPARE(portal->Calls().mid(2), (QStringList{inhibit.arg(2), "Close"}));

        Start();
        QTRY_COMPARE_WITH_TIMEOUT(portal->Calls().size(), 5, kDeadlineMs);
        form->close();
        QTRY_COMPARE_WITH_TIMEOUT(portal->Calls().mid(4), (QStringList{inhibit.arg(3), "Close"}),
                                  kDeadlineMs);
    }

    // Without a portal, logind's "block" inhibitor holds while the treatment runs; its
    // descriptor is closed, every copy of it, when the treatment pauses or the window goes.
    void withoutAPortalLogindBlocksSleep() {
        const auto logind = Logind();
        CreateForm();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        Choose(0);
        Start();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), (QStringList{kDelay, kBlock}), kDeadlineMs);
        Pause();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        Start();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), (QStringList{kDelay, kBlock}), kDeadlineMs);
        form.reset();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList(), kDeadlineMs);
    }

    // Before a sleep the running treatment pauses as the Pause hot spot pauses it, and the
    // delay goes; after the wake-up the delay is taken again and the treatment stays paused.
    void aSleepPausesTheTreatmentFirst() {
        const auto logind = Logind();
        CreateForm();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        Choose(0);
        Start();
        form->Form().Timer1Timer();
        QCOMPARE(driver.BytesReceivedBy(lampId).back(), 0x42);  // green

        PrepareForSleep(true);
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("Pause"), kDeadlineMs);
        QVERIFY(!Ticking());
        const std::vector<std::uint8_t> bytes = driver.BytesReceivedBy(lampId);
        QCOMPARE(std::vector<std::uint8_t>(bytes.end() - 2, bytes.end()),
                 (std::vector<std::uint8_t>{0xFF, 0x4B}));  // off
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList(), kDeadlineMs);

        PrepareForSleep(false);
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        QCOMPARE(Status(), QStringLiteral("Pause"));
        QCOMPARE(driver.BytesReceivedBy(lampId), bytes);
    }

    // The launcher entry follows the countdown and keeps its place through a pause; at 0:00 the
    // bar goes and one notification names the programme.
    void theTaskBarShowsTheProgressAndTheEnd() {
        const StandIn notifications(QDBusConnection::sessionBus(), "org.freedesktop.Notifications",
                                    {"--template", "notification_daemon"});
        LauncherEntryListener dock;
        CreateForm(kOneMinute);
        Choose(0);
        Start();
        for (int tick = 0; tick < 30; ++tick) {
            form->Form().Timer1Timer();
        }
        Pause();
        QTRY_COMPARE_WITH_TIMEOUT(dock.updates.size(), std::size_t{32}, kDeadlineMs);
        QCOMPARE(dock.uris.front(), QStringLiteral("application://de.lanvo.farbprogramm.desktop"));
        QCOMPARE(dock.updates.front().value("progress").toDouble(), 0.0);
        QCOMPARE(dock.updates[30].value("progress").toDouble(), 0.5);
        QCOMPARE(dock.updates[31].value("progress").toDouble(), 0.5);
        QCOMPARE(dock.updates[31].value("progress-visible").toBool(), true);

        Start();
        for (int tick = 0; tick < 30; ++tick) {
            form->Form().Timer1Timer();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dock.updates.back().value("progress-visible").toBool(),
                                 kDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(
            notifications.Calls().filter("Notify"),
            QStringList{QStringLiteral(R"(Notify "Farbprogramm" 0 "de.lanvo.farbprogramm" )"
                                       R"("Behandlung beendet" "Übung" [] )"
                                       R"({"desktop-entry": "de.lanvo.farbprogramm"} -1)")},
            kDeadlineMs);
    }

    // The running program owns its name on the session bus; a second start, on a connection of
    // its own, finds it taken and knocks with Activate; once the first has left, a start is free.
    void aSecondStartKnocksOverTheSessionBus() {
        const QTemporaryDir session;
        const QString name = QStringLiteral("de.lanvo.farbprogramm");
        const auto connect = [](const QString& as) {
            return QDBusConnection::connectToBus(QDBusConnection::SessionBus, as);
        };
        auto running = std::make_unique<SingleInstance>(connect("running"), name, session.path());
        SingleInstance second(connect("second"), name, session.path());
        QVERIFY(running->Claim());
        QVERIFY(!second.Claim());
        QSignalSpy knocks(running.get(), &SingleInstance::Knocked);
        second.KnockAtRunning();
        QTRY_COMPARE_WITH_TIMEOUT(knocks.count(), 1, kDeadlineMs);
        QVERIFY(!QDir(session.path()).exists(name + ".lock"));  // the bus guards, not a file

        running.reset();
        QDBusConnection::disconnectFromBus("running");
        SingleInstance third(connect("third"), name, session.path());
        QVERIFY(third.Claim());
    }
};

QTEST_MAIN(DesktopSessionTest)
#include "DesktopSessionTest.moc"
