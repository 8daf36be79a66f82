// The window against stand-ins of the desktop's services (python3-dbusmock) on a private session
// bus and a private system bus; run through with_private_buses.sh, never on the machine's buses.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "FindControl.h"
#include "MainWindow.h"
#include "SimulatedDriver.h"

using namespace farb;
using namespace farb::qt;

namespace {

const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/farb/t");
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
constexpr int kDeadlineMs = 10000;

// "Übung", one minute of green, in the catalogue's Latin-1.
constexpr std::string_view kOneMinute[] = {"Gut\t\t",
                                           "\xDC"
                                           "bung\tgr\xFC"
                                           "n\t1"};

// A method of a stand-in's object: name, in and out signature, python code.
struct MockMethod {
    QString name, in, out, code;
};

QDBusArgument& operator<<(QDBusArgument& to, const MockMethod& method) {
    to.beginStructure();
    to << method.name << method.in << method.out << method.code;
    to.endStructure();
    return to;
}

const QDBusArgument& operator>>(const QDBusArgument& from, MockMethod& method) {
    from.beginStructure();
    from >> method.name >> method.in >> method.out >> method.code;
    from.endStructure();
    return from;
}

// One python3-dbusmock process, on the bus until destroyed.
class StandIn {
  public:
    StandIn(const QDBusConnection& bus, const QString& name, const QStringList& arguments)
        : bus_(bus) {
        // Its log of calls goes to standard output; the test asks for the calls over the bus.
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + arguments);
        QElapsedTimer waited;
        waited.start();
        while (!bus_.interface()->isServiceRegistered(name) && waited.elapsed() < kDeadlineMs &&
               process_.state() != QProcess::NotRunning) {
            QTest::qWait(20);
        }
        if (!bus_.interface()->isServiceRegistered(name)) {
            qFatal("the stand-in for %s did not come up", qPrintable(name));
        }
    }
    ~StandIn() {
        process_.terminate();
        process_.waitForFinished(kDeadlineMs);
    }

  private:
    QDBusConnection bus_;
    QProcess process_;
};

QDBusMessage Call(const QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDeadlineMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qFatal("%s failed: %s", qPrintable(method), qPrintable(reply.errorMessage()));
    }
    return reply;
}

QVariant Plain(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentType() == QDBusArgument::MapType) {
            return qdbus_cast<QVariantMap>(argument);
        }
    }
    return value;
}

// The arguments of each call of `method` a stand-in's object received, in order.
std::vector<QVariantList> CallsOf(const QDBusConnection& bus, const QString& service,
                                  const QString& path, const QString& method) {
    const QDBusMessage reply =
        Call(bus, service, path, kMock, QStringLiteral("GetMethodCalls"), {method});
    const auto calls = reply.arguments().at(0).value<QDBusArgument>();
    std::vector<QVariantList> found;
    calls.beginArray();
    while (!calls.atEnd()) {
        qulonglong when = 0;
        calls.beginStructure();
        calls >> when;
        QVariantList arguments;
        calls.beginArray();
        while (!calls.atEnd()) {
            QDBusVariant argument;
            calls >> argument;
            arguments << Plain(argument.variant());
        }
        calls.endArray();
        calls.endStructure();
        found.push_back(arguments);
    }
    calls.endArray();
    return found;
}

// logind's inhibitors as "what who why mode", one string each.
QStringList Inhibitors() {
    const QDBusMessage reply = Call(QDBusConnection::systemBus(), kLogind, kLogindPath,
                                    QStringLiteral("org.freedesktop.login1.Manager"),
                                    QStringLiteral("ListInhibitors"), {});
    const auto list = reply.arguments().at(0).value<QDBusArgument>();
    QStringList found;
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint user = 0, process = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> user >> process;
        list.endStructure();
        found << QStringList{what, who, why, mode}.join(QLatin1Char(' '));
    }
    list.endArray();
    return found;
}

const QString kBlock = QStringLiteral("sleep Farbprogramm Behandlung l\u00e4uft block");
const QString kDelay =
    QStringLiteral("sleep Farbprogramm Lampe vor dem Ruhezustand ausschalten delay");

}  // namespace

Q_DECLARE_METATYPE(MockMethod)

// What the launcher entry was told, on a connection of its own, as a dock would hear it.
class LauncherEntryListener : public QObject {
    Q_OBJECT

  public:
    LauncherEntryListener()
        : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("dock"))) {
        bus_.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                     QStringLiteral("Update"), this, SLOT(Update(QString, QVariantMap)));
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
    int lampId = 0;
    std::unique_ptr<MainWindow> form;

    void CreateForm(TherapyCatalogue catalogue = ShippedCatalogue()) {
        Dialogs dialogs{[] { return true; },
                        [](const QString&, const QString& text) {
                            qFatal("unexpected error box: %s", qPrintable(text));
                        }};
        form = std::make_unique<MainWindow>(
            driver, [](std::chrono::milliseconds) {}, dialogs, catalogue);
    }
    void Choose(int programme) { form->Form().lbgMouseDown(MouseButton::Left, programme); }
    void Start() { form->Form().Shape1MouseDown(MouseButton::Left); }
    void Pause() { form->Form().Shape3MouseDown(MouseButton::Left); }
    QString Status() { return testing::FindControl<QLabel>(*form, "Label1")->text(); }
    bool Ticking() { return testing::FindControl<QTimer>(*form, "Timer1")->isActive(); }
    std::vector<std::uint8_t> LampBytes() { return driver.BytesReceivedBy(lampId); }
    static std::unique_ptr<StandIn> Logind() {
        return std::make_unique<StandIn>(
            QDBusConnection::systemBus(), kLogind,
            QStringList{QStringLiteral("--system"), QStringLiteral("--template"),
                        QStringLiteral("logind")});
    }
    // A portal whose inhibit requests all get the same handle.
    static std::unique_ptr<StandIn> Portal() {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        auto portal = std::make_unique<StandIn>(
            bus, kPortal,
            QStringList{QStringLiteral("--session"), kPortal, kPortalPath,
                        QStringLiteral("org.freedesktop.portal.Inhibit")});
        Call(bus, kPortal, kPortalPath, kMock, QStringLiteral("AddMethod"),
             {QString(), QStringLiteral("Inhibit"), QStringLiteral("sua{sv}"), QStringLiteral("o"),
              QStringLiteral("ret = dbus.ObjectPath('%1')").arg(kRequestPath)});
        const QList<MockMethod> close{{QStringLiteral("Close"), {}, {}, {}}};
        Call(bus, kPortal, kPortalPath, kMock, QStringLiteral("AddObject"),
             {kRequestPath, QStringLiteral("org.freedesktop.portal.Request"), QVariantMap(),
              QVariant::fromValue(close)});
        return portal;
    }
    std::vector<QVariantList> PortalCalls(const QString& path, const QString& method) {
        return CallsOf(QDBusConnection::sessionBus(), kPortal, path, method);
    }

  private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("FARB_PRIVATE_BUSES"),
                 "run through with_private_buses.sh, which gives the test buses of its own");
        QGuiApplication::setDesktopFileName(QStringLiteral("de.lanvo.farbprogramm"));
        qDBusRegisterMetaType<MockMethod>();
        qDBusRegisterMetaType<QList<MockMethod>>();
    }
    void init() {
        driver = SimulatedDriver();
        lampId = driver.Plug("TTL232R", "FT1", LampKind::BinaryLamp);
    }
    void cleanup() { form.reset(); }

    // Start asks the portal, Pause closes its request; logind holds only the sleep delay.
    void theTreatmentHoldsSleepOffThroughThePortal() {
        const auto portal = Portal();
        const auto logind = Logind();
        CreateForm();
        Choose(0);
        Start();
        QTRY_COMPARE_WITH_TIMEOUT(PortalCalls(kPortalPath, "Inhibit").size(), std::size_t{1},
                                  kDeadlineMs);
        const QVariantList inhibit = PortalCalls(kPortalPath, "Inhibit").front();
        QCOMPARE(inhibit.at(0).toString(), QString());
        QCOMPARE(inhibit.at(1).toUInt(), 4u);  // suspend only: the screen may still lock
        const QVariantMap options = inhibit.at(2).toMap();
        QCOMPARE(options.value("reason").toString(), QStringLiteral("Behandlung l\u00e4uft"));
        QVERIFY(!options.value("handle_token").toString().isEmpty());
        QCOMPARE(Inhibitors(), QStringList{kDelay});

        form->Form().Timer1Timer();  // a tick asks nothing more
        Pause();
        QTRY_COMPARE_WITH_TIMEOUT(PortalCalls(kRequestPath, "Close").size(), std::size_t{1},
                                  kDeadlineMs);
        QCOMPARE(PortalCalls(kPortalPath, "Inhibit").size(), std::size_t{1});
        QCOMPARE(Inhibitors(), QStringList{kDelay});
    }

    // Paused before the portal answered: the request is closed as soon as its handle arrives,
    // and a window closed during a treatment lets go too.
    void aRequestAnsweredAfterThePauseIsClosed() {
        const auto portal = Portal();
        CreateForm();
        Choose(0);
        Start();
        Pause();  // in the same turn of the event loop, before any answer can be read
        QTRY_COMPARE_WITH_TIMEOUT(PortalCalls(kRequestPath, "Close").size(), std::size_t{1},
                                  kDeadlineMs);

        Start();
        QTRY_COMPARE_WITH_TIMEOUT(PortalCalls(kPortalPath, "Inhibit").size(), std::size_t{2},
                                  kDeadlineMs);
        form->close();
        QTRY_COMPARE_WITH_TIMEOUT(PortalCalls(kRequestPath, "Close").size(), std::size_t{2},
                                  kDeadlineMs);
    }

    // Without a portal, logind's "block" inhibitor holds while the treatment runs; its
    // descriptor is closed, every copy of it, when the treatment pauses.
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

    // Before a sleep the running treatment pauses as the Pause hot spot pauses it, and only
    // then the delay is let go; after the wake-up it is taken again and the treatment waits.
    void aSleepPausesTheTreatmentFirst() {
        const auto logind = Logind();
        CreateForm();
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        Choose(0);
        Start();
        form->Form().Timer1Timer();
        QCOMPARE(LampBytes().back(), 0x42);  // green
        QVERIFY(Ticking());

        const auto emitSleep = [](bool sleeping) {
            Call(QDBusConnection::systemBus(), kLogind, kLogindPath, kMock,
                 QStringLiteral("EmitSignal"),
                 {QStringLiteral("org.freedesktop.login1.Manager"),
                  QStringLiteral("PrepareForSleep"), QStringLiteral("b"), QVariantList{sleeping}});
        };
        emitSleep(true);
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("Pause"), kDeadlineMs);
        QVERIFY(!Ticking());
        const std::vector<std::uint8_t> off{0xFF, 0x4B};
        const std::vector<std::uint8_t> bytes = LampBytes();
        QCOMPARE(std::vector<std::uint8_t>(bytes.end() - 2, bytes.end()), off);
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList(), kDeadlineMs);

        const std::size_t sent = LampBytes().size();
        emitSleep(false);
        QTRY_COMPARE_WITH_TIMEOUT(Inhibitors(), QStringList{kDelay}, kDeadlineMs);
        QCOMPARE(Status(), QStringLiteral("Pause"));
        QCOMPARE(LampBytes().size(), sent);
        QVERIFY(!Ticking());
    }

    // The launcher entry follows the countdown; at 0:00 the bar goes and one notification
    // names the programme.
    void theTaskBarShowsTheProgressAndTheEnd() {
        const auto notifications = std::make_unique<StandIn>(
            QDBusConnection::sessionBus(), kNotifications,
            QStringList{QStringLiteral("--session"), QStringLiteral("--template"),
                        QStringLiteral("notification_daemon")});
        LauncherEntryListener dock;
        CreateForm(kOneMinute);
        Choose(0);
        Start();
        for (int tick = 0; tick < 30; ++tick) {
            form->Form().Timer1Timer();
        }
        QTRY_COMPARE_WITH_TIMEOUT(dock.updates.size(), std::size_t{31}, kDeadlineMs);
        QCOMPARE(dock.uris.front(), QStringLiteral("application://de.lanvo.farbprogramm.desktop"));
        QCOMPARE(dock.updates.front().value("progress").toDouble(), 0.0);
        QCOMPARE(dock.updates.back().value("progress").toDouble(), 0.5);
        QCOMPARE(dock.updates.back().value("progress-visible").toBool(), true);

        Pause();  // the bar stays where the pause left it
        QTRY_COMPARE_WITH_TIMEOUT(dock.updates.size(), std::size_t{32}, kDeadlineMs);
        QCOMPARE(dock.updates.back().value("progress").toDouble(), 0.5);
        QCOMPARE(dock.updates.back().value("progress-visible").toBool(), true);

        Start();
        for (int tick = 0; tick < 30; ++tick) {
            form->Form().Timer1Timer();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!dock.updates.back().value("progress-visible").toBool(),
                                 kDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(
            CallsOf(QDBusConnection::sessionBus(), kNotifications,
                    QStringLiteral("/org/freedesktop/Notifications"), "Notify")
                .size(),
            std::size_t{1}, kDeadlineMs);
        const QVariantList notify =
            CallsOf(QDBusConnection::sessionBus(), kNotifications,
                    QStringLiteral("/org/freedesktop/Notifications"), "Notify")
                .front();
        QCOMPARE(notify.at(0).toString(), QStringLiteral("Farbprogramm"));
        QCOMPARE(notify.at(1).toUInt(), 0u);
        QCOMPARE(notify.at(2).toString(), QStringLiteral("de.lanvo.farbprogramm"));
        QCOMPARE(notify.at(3).toString(), QStringLiteral("Behandlung beendet"));
        QCOMPARE(notify.at(4).toString(), QStringLiteral("\u00dc"
                                                         "bung"));
        QCOMPARE(notify.at(6).toMap().value("desktop-entry").toString(),
                 QStringLiteral("de.lanvo.farbprogramm"));
        QCOMPARE(notify.at(7).toInt(), -1);
    }
};

QTEST_MAIN(DesktopSessionTest)
#include "DesktopSessionTest.moc"
