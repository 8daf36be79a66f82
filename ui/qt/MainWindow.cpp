#include "MainWindow.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <vector>

#include "Announcer.h"
#include "Artwork.h"
#include "DemoMark.h"
#include "FormTexts.h"
#include "ProgramIcon.h"
#include "SearchDialog.h"
#include "StatusRegion.h"
#include "WindowPlacement.h"

namespace farb::qt {

namespace {

QColor ToQColor(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

QFont Arial(int pixelSize) {
    QFont font(FromCoreText(MainWindowLayout().fontFamily));
    font.setPixelSize(pixelSize);
    return font;
}

// Name, place, font and accessible name, as the control table has them.
void Place(QWidget* widget, const ControlLayout& entry) {
    widget->setObjectName(FromCoreText(entry.name));
    widget->setGeometry(entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height);
    widget->setFont(Arial(entry.fontPixels));
    widget->setAccessibleName(FromCoreText(entry.accessibleName));
    widget->setEnabled(entry.enabled);
    if (entry.focusOrder == 0) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
}

void StyleLabel(QLabel* label, const ControlLayout& entry) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(entry.textColour));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (entry.centred) {
        label->setAlignment(Qt::AlignCenter);
    }
}

void StyleList(ListBox* list, const ControlLayout& entry) {
    list->SetItemHeight(entry.itemHeight);
    // A palette, not a style sheet: a sheet would wrap the whole style in Qt's style-sheet
    // engine, its code and its caches, for two colours and no frame.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(entry.background));
    palette.setColor(QPalette::Text, ToQColor(entry.textColour));
    list->setPalette(palette);
    list->setFrameShape(QFrame::NoFrame);
}

// A window to the screen reader (a frame), so that its window commands find it; a plain QWidget
// would be a filler.
QAccessibleInterface* CreateAccessibleMainWindow(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

void StyleStatusBox(QComboBox* box) {
    // Disabled, the box would draw its text in a grey the operator can hardly read.
    QPalette legible = box->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText}) {
        legible.setColor(QPalette::Disabled, role, legible.color(QPalette::Active, role));
    }
    box->setPalette(legible);
    box->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

MainWindow::MainWindow(LampLink& lampLink, Edition edition, Dialogs dialogs,
                       TherapyCatalogue catalogue, const DesktopBuses& buses, QWidget* parent)
    : QWidget(parent),
      Image1(new BackgroundImage(this)),
      lbh(new ListBox(this)),
      lbg(new ListBox(this)),
      ComboBox1(new QComboBox(this)),
      Label1(new StatusLabel(this)),
      lt(new StatusLabel(this)),
      Shape1(new HotSpot(this)),
      Shape3(new HotSpot(this)),
      Shape2(new HotSpot(this)),
      LStart(new QLabel(this)),
      LPAUSE(new QLabel(this)),
      LSTOp(new QLabel(this)),
      Shape4(new HotSpot(this)),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)),
      dialogs_(dialogs.confirmNotice ? std::move(dialogs) : ModalDialogs(this)),
      announcer_(new Announcer(this)) {
    QAccessible::installFactory(CreateAccessibleMainWindow);
    LayOutControls(edition);
    form_ = std::make_unique<TForm1>(static_cast<FormFrontEnd&>(*this), lampLink, catalogue);
    TForm1& form = *form_;
    desktop_ = std::make_unique<DesktopSession>(buses, QGuiApplication::desktopFileName(),
                                                [&form] { form.SystemSuspend(); });
    WireEvents();
}

MainWindow::~MainWindow() {
    // The controls outlive the form: QWidget deletes them later, and a list that loses the focus
    // on its way out must not reach the form any more.
    for (const ControlLayout& entry : Controls()) {
        Widget(entry.id)->disconnect(this);
    }
    Timer1->disconnect(this);
    Timer2->disconnect(this);
}

void MainWindow::LayOutControls(Edition edition) {
    const WindowLayout& window = MainWindowLayout();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromCoreText(WindowTitle(edition)));
    if (edition == Edition::Demo) {
        new DemoMark(this);
    }
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(window.clientWidth, window.clientHeight);
    setFont(Arial(window.fontPixels));

    for (const ControlLayout& entry : Controls()) {
        Place(Widget(entry.id), entry);
        if (auto* label = qobject_cast<QLabel*>(Widget(entry.id))) {
            StyleLabel(label, entry);
        } else if (auto* list = qobject_cast<ListBox*>(Widget(entry.id))) {
            StyleList(list, entry);
        }
    }
    // The tooltips tell a programme's steps and the colour now; they are wanted also while the
    // demo's lamp window, or no window at all, is active.
    for (const ControlLayout& entry : Controls()) {
        if (entry.toolTip) {
            auto* list = qobject_cast<ListBox*>(Widget(entry.id));
            (list ? list->viewport() : Widget(entry.id))->setAttribute(Qt::WA_AlwaysShowToolTips);
        }
    }
    Image1->SetPicture(LoadArtwork());
    QPalette plain = Image1->palette();
    plain.setColor(QPalette::Window, ToQColor(window.plainBackground));
    Image1->setPalette(plain);
    StyleStatusBox(ComboBox1);
    new StatusRegion(this, {Label1, lt, ComboBox1});

    const std::vector<ControlId> focusChain = FocusChain();
    for (std::size_t i = 1; i < focusChain.size(); ++i) {
        setTabOrder(Widget(focusChain[i - 1]), Widget(focusChain[i]));
    }

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerPeriod(TimerId::Timer1));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(TimerPeriod(TimerId::Timer2));
}

void MainWindow::WireEvents() {
    for (const ControlLayout& entry : Controls()) {
        if (entry.kind == ControlKind::ListBox) {
            WireList(entry.id);
        } else if (entry.kind == ControlKind::HotSpot) {
            WireHotSpot(entry.id);
        }
    }
    TForm1& form = *form_;
    connect(Image1, &BackgroundImage::MouseMove, this,
            [&form](QPoint at) { form.MouseMove(ControlId::Image1, at.x(), at.y()); });
    auto* search = new QShortcut(QKeySequence::Find, this);
    connect(search, &QShortcut::activated, this, [&form] { form.SearchShortcut(); });
    auto* state = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(state, &QShortcut::activated, this, [&form] { form.StateShortcut(); });
    connect(Timer1, &QTimer::timeout, this, [&form] { form.Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [&form] { form.Timer2Timer(); });
}

void MainWindow::WireList(ControlId id) {
    TForm1& form = *form_;
    auto* list = static_cast<ListBox*>(Widget(id));
    connect(list, &ListBox::MouseDown, this,
            [&form, id](MouseButton button, int item) { form.MouseDown(id, button, item); });
    connect(list, &ListBox::KeyDown, this, [&form, id](KeyStroke key) { form.KeyDown(id, key); });
    connect(list, &ListBox::KeyUp, this,
            [&form, id](int code, bool repeated) { form.KeyUp(id, code, repeated); });
    connect(list, &ListBox::Exit, this, [&form, id] { form.Exit(id); });
}

void MainWindow::WireHotSpot(ControlId id) {
    TForm1& form = *form_;
    auto* spot = static_cast<HotSpot*>(Widget(id));
    connect(spot, &HotSpot::MouseDown, this,
            [&form, id](MouseButton button) { form.MouseDown(id, button); });
    connect(spot, &HotSpot::MouseMove, this, [&form, id] { form.MouseMove(id); });
    connect(spot, &HotSpot::KeyDown, this, [&form, id](KeyStroke key) { form.KeyDown(id, key); });
}

QWidget* MainWindow::Widget(ControlId control) const {
    const std::array<QWidget*, 13> widgets{Image1, lbh,    lbg,    ComboBox1, Label1, lt,    Shape1,
                                           Shape3, Shape2, LStart, LPAUSE,    LSTOp,  Shape4};
    return widgets[static_cast<std::size_t>(control)];
}

void MainWindow::SetText(ControlId control, const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(Widget(control))) {
        label->setText(FromCoreText(text));
    }
}

void MainWindow::SetVisible(ControlId control, bool visible) {
    Widget(control)->setVisible(visible);
}

void MainWindow::SetItems(ControlId control, const std::vector<std::string>& items) {
    QStringList texts;
    for (const std::string& item : items) {
        texts << FromCoreText(item);
    }
    if (auto* list = qobject_cast<ListBox*>(Widget(control))) {
        list->SetItems(texts);
    } else if (control == ControlId::ComboBox1) {
        ComboBox1->clear();
        ComboBox1->addItems(texts);
        ComboBox1->setCurrentIndex(-1);
    }
}

void MainWindow::SetSelection(ControlId control, int index) {
    if (auto* list = qobject_cast<ListBox*>(Widget(control))) {
        list->SetSelection(index);
    } else if (control == ControlId::ComboBox1) {
        ComboBox1->setCurrentIndex(index);
    }
}

void MainWindow::SetToolTip(ControlId control, const std::string& text) {
    Widget(control)->setToolTip(FromCoreText(text));
    Widget(control)->setAccessibleDescription(FromCoreText(text));
}

void MainWindow::SetItemToolTips(ControlId list, const std::vector<ItemTip>& tips) {
    QStringList texts;
    QStringList descriptions;
    for (const ItemTip& tip : tips) {
        texts << FromCoreText(tip.text);
        descriptions << FromCoreText(tip.description);
    }
    static_cast<ListBox*>(Widget(list))->SetItemTips(texts, descriptions);
}

bool MainWindow::ItemNameCut(ControlId list, int item) const {
    return static_cast<ListBox*>(Widget(list))->IsCut(item);
}

void MainWindow::SetTimer(TimerId timer, bool on) {
    QTimer* target = timer == TimerId::Timer1 ? Timer1 : Timer2;
    on ? target->start() : target->stop();
}

bool MainWindow::ConfirmNotice() {
    return dialogs_.confirmNotice();
}

void MainWindow::ShowError(const std::string& title, const std::string& text) {
    dialogs_.showError(FromCoreText(title), FromCoreText(text));
}

int MainWindow::AskForProgramme() {
    return qt::AskForProgramme(
        this, [this](std::string_view query) { return form_->FindProgrammes(query); });
}

void MainWindow::Close() {
    close();
}

void MainWindow::AskForAttention() {
    // No timeout: the task bar keeps the mark until the operator comes back to the window.
    QApplication::alert(this);
}

void MainWindow::PlayNotificationSound() {
    QApplication::beep();
}

void MainWindow::AnnounceEnd(const std::string& programme) {
    if (desktop_) {
        desktop_->AnnounceEnd(FromCoreText(programme));
    }
}

void MainWindow::KeepAwake(bool on) {
    if (desktop_) {
        desktop_->KeepAwake(on);
    }
}

void MainWindow::ShowProgress(const TreatmentProgress& progress) {
    if (desktop_) {
        desktop_->ShowProgress(progress);
    }
}

void MainWindow::Announce(const Announcement& announcement) {
    announcer_->Announce(announcement);
}

void MainWindow::Activate() {
    form_->FormActivate();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        QTimer::singleShot(0, this, &MainWindow::Activate);
    }
    return QWidget::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    if (const QScreen* display = screen()) {
        const QRect area = display->availableGeometry();
        const ScreenPoint at =
            CentredIn({area.x(), area.y(), area.width(), area.height()}, width(), height());
        move(at.x, at.y);
    }
    // Without a window manager the window may never become active; the notice comes up anyway.
    QTimer::singleShot(0, this, &MainWindow::Activate);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_->FormClose();
    event->accept();
}

}  // namespace farb::qt
