#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "LampLink.h"
#include "VirtualLampWindow.h"
#include "ui/FindControl.h"

using namespace farb;
using namespace farb::qt;

class VirtualLampWindowTest : public QObject {
    Q_OBJECT

  private:
    SimulatedDriver driver;
    VirtualLamp lamp{driver};
    LampLink link{driver, {}};
    LampDiscovery& discovery = link.discovery;
    LampCommands& commands = link.commands;
    std::unique_ptr<VirtualLampWindow> window;

    template <class T>
    T* Control(const char* name) {
        return farb::testing::FindControl<T>(*window, name);
    }
    QString Text(const char* label) { return Control<QLabel>(label)->text(); }
    QColor FieldColour() { return Control<QFrame>("lampField")->palette().color(QPalette::Window); }

  private slots:
    void init() {
        window.reset();
        lamp.Unplug();
        // As the program's poll would between two lamps: it forgets the command set.
        discovery.ScanForLamp();
        window = std::make_unique<VirtualLampWindow>(lamp);
    }

    void startsUnpluggedWithTheAnsweringTextLampChosen() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Virtuelle Lampe"));
        QCOMPARE(Text("colourName"), QStringLiteral("nicht eingesteckt"));
        QCOMPARE(Text("commandCount"), QStringLiteral("0"));
        QVERIFY(Control<QPushButton>("plug")->isEnabled());
        QVERIFY(!Control<QPushButton>("unplug")->isEnabled());
        QTest::mouseClick(Control<QPushButton>("plug"), Qt::LeftButton);
        QVERIFY(lamp.Plugged());
        QCOMPARE(lamp.Kind(), VirtualLampKind::AnsweringTextLamp);
    }

    void eachChoiceOfKindPlugsThatKind() {
        const VirtualLampKind kinds[] = {VirtualLampKind::AnsweringTextLamp,
                                         VirtualLampKind::BinaryLamp,
                                         VirtualLampKind::SilentTextLamp};
        auto* kind = Control<QComboBox>("lampKind");
        QCOMPARE(kind->count(), 3);
        for (int item = 0; item < kind->count(); ++item) {
            kind->setCurrentIndex(item);
            QTest::mouseClick(Control<QPushButton>("plug"), Qt::LeftButton);
            QCOMPARE(lamp.Kind(), kinds[item]);
            QVERIFY(!kind->isEnabled());
            QVERIFY(!Control<QPushButton>("plug")->isEnabled());
            QCOMPARE(Text("serialNumber"), QString::fromLatin1(lamp.SerialNumber()));
            QTest::mouseClick(Control<QPushButton>("unplug"), Qt::LeftButton);
            QVERIFY(!lamp.Plugged());
            QVERIFY(kind->isEnabled());
        }
    }

    void showsTheLastColourCommandAsColourNameHexAndText() {
        QTest::mouseClick(Control<QPushButton>("plug"), Qt::LeftButton);
        commands.SetLampColour(kColourGreen);
        QCOMPARE(FieldColour(), QColor(0x00, 0xEC, 0x00));
        QCOMPARE(Text("colourName"), QString::fromUtf8("grün"));
        QCOMPARE(Text("hexCommand"), QStringLiteral("43 30 30 45 43 30 30 0D 0A"));
        QCOMPARE(Text("textCommand"), QStringLiteral("C00EC00<CR><LF>"));
        QCOMPARE(Text("commandCount"), QStringLiteral("2"));

        commands.LampOff();
        QCOMPARE(FieldColour(), QColor(Qt::black));
        QCOMPARE(Text("colourName"), QStringLiteral("aus"));
        QCOMPARE(Text("commandCount"), QStringLiteral("3"));
    }

    void marksACommandTheLampDidNotUnderstand() {
        Control<QComboBox>("lampKind")->setCurrentIndex(2);
        QTest::mouseClick(Control<QPushButton>("plug"), Qt::LeftButton);
        commands.SetLampColour(kColourGreen);
        QCOMPARE(Text("textCommand"), QStringLiteral("<FF>B (nicht verstanden)"));
        QCOMPARE(Text("colourName"), QStringLiteral("noch keine Farbe"));
    }
};

QTEST_MAIN(VirtualLampWindowTest)
#include "VirtualLampWindowTest.moc"
