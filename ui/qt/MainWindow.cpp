#include "Unit1.h"

#include <QCloseEvent>
#include <QScreen>

#include "Artwork.h"
#include "CategoryList.h"
#include "OpenFailure.h"
#include "ProgramIcon.h"

namespace farb {

namespace {

constexpr std::chrono::milliseconds kTickInterval{1000};
constexpr std::chrono::milliseconds kPollInterval{2000};
const QColor kListBackground(160, 158, 205);

QFont Arial(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

void StyleWhiteLabel(QLabel* label, const QString& name, const QRect& geometry,
                     const QString& text) {
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(Arial(19));
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StyleList(ListBox* list, const QString& name, const QString& accessibleName,
               const QRect& geometry) {
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setGeometry(geometry);
    list->setFont(Arial(16));
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; color: white; border: none; }")
            .arg(kListBackground.name()));
}

void StyleHotSpot(HotSpot* spot, const QString& name, const QString& accessibleName,
                  const QRect& geometry) {
    spot->setObjectName(name);
    spot->setAccessibleName(accessibleName);
    spot->setGeometry(geometry);
}

}  // namespace

TForm1::TForm1(FtDriver& driver, LampCommands::Sleep sleep, Dialogs dialogs,
               TherapyCatalogue catalogue, QWidget* parent)
    : QWidget(parent),
      Image1(new BackgroundImage(this)),
      lbh(new ListBox(this)),
      lbg(new ListBox(this)),
      ComboBox1(new QComboBox(this)),
      Label1(new QLabel(this)),
      lt(new QLabel(this)),
      Shape1(new HotSpot(this)),
      Shape3(new HotSpot(this)),
      Shape2(new HotSpot(this)),
      LStart(new QLabel(this)),
      LPAUSE(new QLabel(this)),
      LSTOp(new QLabel(this)),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)),
      dialogs_(dialogs.confirmNotice ? std::move(dialogs) : ModalDialogs(this)),
      lampLink_(driver, {.onDriverError =
                             [this](const std::string& text) {
                                 dialogs_.showDriverError(QString::fromLatin1(text));
                             },
                         .onStatusItem =
                             [this](int item) {
                                 ComboBox1->setCurrentIndex(item);
                                 ShowOpenFailure();
                             },
                         .sleep = std::move(sleep),
                         .pollTimer = [this](bool on) { on ? Timer2->start() : Timer2->stop(); }}),
      lamp_(lampLink_.commands),
      view_(*lbh, *lbg, *Label1, *lt),
      treatmentTimer_(*Timer1),
      control_(catalogue, view_, treatmentTimer_, lamp_),
      catalogue_(catalogue) {
    LayOutControls();
    WireEvents();
    FormCreate();
}

void TForm1::LayOutControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lanvo Farbprogram  V1.15"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    setFont(Arial(13));

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(0, 0), kClientSize));
    Image1->SetPicture(LoadArtwork());
    QPalette plain = Image1->palette();
    plain.setColor(QPalette::Window, QColor(70, 66, 130));
    Image1->setPalette(plain);

    StyleList(lbh, QStringLiteral("lbh"), QStringLiteral("Hauptgruppen"), {32, 168, 265, 391});
    StyleList(lbg, QStringLiteral("lbg"), QStringLiteral("Beschwerden"), {330, 168, 263, 391});
    setTabOrder(lbh, lbg);

    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Verbindung"));
    ComboBox1->setGeometry(635, 166, 155, 24);
    // Discovery selects item 0 without a lamp and item LampProtocol + 1 with one.
    ComboBox1->addItems({QStringLiteral("keine Verbindung"), QStringLiteral("USB"),
                         QStringLiteral("USB"), QStringLiteral("USB")});
    ComboBox1->setCurrentIndex(kStatusItemNotSelected);
    ComboBox1->setEnabled(false);
    // Disabled, the box would draw its text in a grey the operator can hardly read.
    QPalette legible = ComboBox1->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText}) {
        legible.setColor(QPalette::Disabled, role, legible.color(QPalette::Active, role));
    }
    ComboBox1->setPalette(legible);
    ComboBox1->setFocusPolicy(Qt::NoFocus);

    StyleWhiteLabel(Label1, QStringLiteral("Label1"), {608, 224, 201, 22},
                    QString::fromLatin1(kStatusChoose));
    StyleWhiteLabel(lt, QStringLiteral("lt"), {608, 256, 201, 22}, QString());
    Label1->setAlignment(Qt::AlignCenter);
    lt->setAlignment(Qt::AlignCenter);

    StyleHotSpot(Shape1, QStringLiteral("Shape1"), QStringLiteral("Start"), {680, 296, 65, 73});
    StyleHotSpot(Shape3, QStringLiteral("Shape3"), QStringLiteral("Pause"), {672, 376, 73, 73});
    StyleHotSpot(Shape2, QStringLiteral("Shape2"), QStringLiteral("Stop"), {672, 448, 73, 73});

    StyleWhiteLabel(LStart, QStringLiteral("LStart"), {744, 320, 39, 22}, QStringLiteral("Start"));
    StyleWhiteLabel(LPAUSE, QStringLiteral("LPAUSE"), {736, 397, 54, 22}, QStringLiteral("Pause"));
    StyleWhiteLabel(LSTOp, QStringLiteral("LSTOp"), {744, 472, 40, 22}, QStringLiteral("Stop"));
    for (QLabel* hover : {LStart, LPAUSE, LSTOp}) {
        // A move over the label must not reach the picture behind it, which hides the labels;
        // the label takes the move and any press and does nothing with them.
        hover->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        hover->setAttribute(Qt::WA_NoMousePropagation);
        hover->hide();
    }

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickInterval);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kPollInterval);
    Timer2->start();
}

void TForm1::WireEvents() {
    connect(lbh, &ListBox::MouseDown, this, &TForm1::lbhMouseDown);
    connect(lbh, &ListBox::KeyUp, this, &TForm1::lbhKeyUp);
    connect(lbg, &ListBox::MouseDown, this, &TForm1::lbgMouseDown);
    connect(lbg, &ListBox::KeyUp, this, &TForm1::lbgKeyUp);
    connect(Shape1, &HotSpot::MouseDown, this, &TForm1::Shape1MouseDown);
    connect(Shape2, &HotSpot::MouseDown, this, &TForm1::Shape2MouseDown);
    connect(Shape3, &HotSpot::MouseDown, this, &TForm1::Shape3MouseDown);
    connect(Shape1, &HotSpot::MouseMove, this, &TForm1::Shape1MouseMove);
    connect(Shape2, &HotSpot::MouseMove, this, &TForm1::Shape2MouseMove);
    connect(Shape3, &HotSpot::MouseMove, this, &TForm1::Shape3MouseMove);
    connect(Image1, &BackgroundImage::MouseMove, this, &TForm1::Image1MouseMove);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

void TForm1::FormCreate() {
    // Qt lays the window out in device-independent pixels and scales it as a whole, so the
    // controls stay over the artwork at any screen resolution without scaling of our own.
    LineFields fields;
    lbh->SetItems(FromLatin1(FillCategoryList(catalogue_, fields)));
    lbh->setCurrentRow(0);
    RunEvent([this] { control_.FillProgramList(0); });
    lt->clear();
}

void TForm1::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    if (!dialogs_.confirmNotice()) {
        close();
    }
    lampLink_.discovery.ScanForLamp();
}

// A lamp that is found but does not open still shows "USB"; the tooltip says why it stays dark.
void TForm1::ShowOpenFailure() {
    const std::string_view hint = OpenFailureHint(lampLink_.link.LastOpenFailure());
    ComboBox1->setToolTip(QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size())));
}

void TForm1::Timer1Timer() {
    RunEvent([this] { control_.Tick(); });
}

void TForm1::Timer2Timer() {
    if (!Timer1->isActive()) {
        lampLink_.discovery.ScanForLamp();
    }
}

void TForm1::lbhMouseDown() {
    RunEvent([this] { control_.SelectCategory(); });
}

void TForm1::lbhKeyUp() {
    RunEvent([this] { control_.SelectCategory(); });
}

void TForm1::lbgMouseDown() {
    RunEvent([this] { control_.SelectProgram(); });
}

void TForm1::lbgKeyUp() {
    RunEvent([this] { control_.SelectProgram(); });
}

void TForm1::Shape1MouseDown() {
    RunEvent([this] { control_.StartTreatment(); });
}

void TForm1::Shape2MouseDown() {
    RunEvent([this] { control_.StopTreatment(); });
}

void TForm1::Shape3MouseDown() {
    RunEvent([this] { control_.PauseTreatment(); });
}

void TForm1::Shape1MouseMove() {
    ShowOnlyHoverLabel(LStart);
}

void TForm1::Shape2MouseMove() {
    ShowOnlyHoverLabel(LSTOp);
}

void TForm1::Shape3MouseMove() {
    ShowOnlyHoverLabel(LPAUSE);
}

void TForm1::Image1MouseMove() {
    ShowOnlyHoverLabel(nullptr);
}

void TForm1::ShowOnlyHoverLabel(QLabel* label) {
    for (QLabel* hover : {LStart, LPAUSE, LSTOp}) {
        hover->setVisible(hover == label);
    }
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !activated_) {
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    if (const QScreen* display = screen()) {
        move(display->availableGeometry().center() - rect().center());
    }
    // Without a window manager the window may never become active; the notice comes up anyway.
    QTimer::singleShot(0, this, &TForm1::FormActivate);
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunEvent([this] { control_.CloseTreatment(); });
    event->accept();
}

}  // namespace farb
