#include "VirtualLampWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace farb {

namespace {

constexpr QSize kFieldSize{300, 180};
// A lamp that has not been told anything yet shows neither a colour nor off.
const QColor kNoCommandColour(128, 128, 128);

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* NamedLabel(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

VirtualLampWindow::VirtualLampWindow(VirtualLamp& lamp, QWidget* parent)
    : QWidget(parent),
      lamp_(lamp),
      field_(new QFrame(this)),
      colourName_(NamedLabel(QStringLiteral("colourName"), QStringLiteral("Farbe"), this)),
      hexCommand_(NamedLabel(QStringLiteral("hexCommand"),
                             QStringLiteral("Letzter Befehl als Bytes"), this)),
      textCommand_(NamedLabel(QStringLiteral("textCommand"),
                              QStringLiteral("Letzter Befehl als Text"), this)),
      commandCount_(
          NamedLabel(QStringLiteral("commandCount"), QStringLiteral("Empfangene Befehle"), this)),
      connection_(NamedLabel(QStringLiteral("connection"), QStringLiteral("Anschluss"), this)),
      serialNumber_(
          NamedLabel(QStringLiteral("serialNumber"), QStringLiteral("Seriennummer"), this)),
      kind_(new QComboBox(this)),
      plug_(new QPushButton(QStringLiteral("&Einstecken"), this)),
      unplug_(new QPushButton(QStringLiteral("&Abziehen"), this)) {
    setObjectName(QStringLiteral("VirtualLampWindow"));
    setWindowTitle(QStringLiteral("Virtuelle Lampe"));
    // The lamp window only accompanies the main window: the program ends with that one.
    setAttribute(Qt::WA_QuitOnClose, false);
    StyleControls();
    LayOutControls();

    connect(plug_, &QPushButton::clicked, this, &VirtualLampWindow::Plug);
    connect(unplug_, &QPushButton::clicked, this, [this] { lamp_.Unplug(); });
    lamp_.SetChangeListener([this] { ShowLamp(); });
    ShowLamp();
}

void VirtualLampWindow::StyleControls() {
    field_->setObjectName(QStringLiteral("lampField"));
    field_->setAccessibleName(QStringLiteral("Lampenfeld"));
    field_->setFixedSize(kFieldSize);
    field_->setAutoFillBackground(true);
    QFont large = colourName_->font();
    large.setPixelSize(24);
    large.setBold(true);
    colourName_->setFont(large);
    colourName_->setAlignment(Qt::AlignCenter);

    kind_->setObjectName(QStringLiteral("lampKind"));
    kind_->setAccessibleName(QStringLiteral("Lampenart"));
    kind_->addItem(QStringLiteral("Textlampe Luma-Glanz"),
                   static_cast<int>(VirtualLampKind::AnsweringTextLamp));
    kind_->addItem(Latin1("Bin\xE4rlampe TTL232R"), static_cast<int>(VirtualLampKind::BinaryLamp));
    kind_->addItem(QStringLiteral("Luma-Glanz ohne Antwort"),
                   static_cast<int>(VirtualLampKind::SilentTextLamp));
    plug_->setObjectName(QStringLiteral("plug"));
    unplug_->setObjectName(QStringLiteral("unplug"));

    // Room for a colour command, the longest the program sends, so the window keeps its size.
    hexCommand_->setMinimumWidth(
        hexCommand_->fontMetrics().horizontalAdvance(QStringLiteral("43 30 30 45 43 30 30 0D 0A")));
}

void VirtualLampWindow::LayOutControls() {
    auto* details = new QFormLayout;
    details->addRow(QStringLiteral("Letzter Befehl (hex):"), hexCommand_);
    details->addRow(QStringLiteral("Letzter Befehl (Text):"), textCommand_);
    details->addRow(QStringLiteral("Empfangene Befehle:"), commandCount_);
    details->addRow(QStringLiteral("Anschluss:"), connection_);
    details->addRow(QStringLiteral("Seriennummer:"), serialNumber_);
    details->addRow(QStringLiteral("Lampenart:"), kind_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(plug_);
    buttons->addWidget(unplug_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(field_, 0, Qt::AlignHCenter);
    layout->addWidget(colourName_);
    layout->addLayout(details);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

VirtualLampWindow::~VirtualLampWindow() {
    lamp_.SetChangeListener({});
}

void VirtualLampWindow::Plug() {
    lamp_.Plug(static_cast<VirtualLampKind>(kind_->currentData().toInt()));
}

void VirtualLampWindow::ShowLamp() {
    const bool plugged = lamp_.Plugged();
    const auto& shown = lamp_.ShownColour();
    if (shown) {
        const RgbColour rgb = shown->colour;
        ShowField(QColor(rgb.red, rgb.green, rgb.blue));
        colourName_->setText(Latin1(GermanColourName(shown->code)));
    } else {
        ShowField(kNoCommandColour);
        colourName_->setText(plugged ? QStringLiteral("noch keine Farbe")
                                     : QStringLiteral("nicht eingesteckt"));
    }

    const auto& command = lamp_.LastCommand();
    hexCommand_->setText(Latin1(HexBytes(command)));
    QString text = Latin1(ReadableBytes(command));
    if (!command.empty() && !lamp_.LastCommandUnderstood()) {
        text += QStringLiteral(" (nicht verstanden)");
    }
    textCommand_->setText(text);
    commandCount_->setText(QString::number(lamp_.CommandCount()));
    connection_->setText(plugged ? QStringLiteral("%1 eingesteckt").arg(Latin1(lamp_.Description()))
                                 : QStringLiteral("nicht eingesteckt"));
    serialNumber_->setText(plugged ? Latin1(lamp_.SerialNumber()) : QString());

    // Another kind of lamp needs the lamp pulled out first, as with a real one.
    kind_->setEnabled(!plugged);
    plug_->setEnabled(!plugged);
    unplug_->setEnabled(plugged);
}

void VirtualLampWindow::ShowField(const QColor& colour) {
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Window, colour);
    field_->setPalette(palette);
}

}  // namespace farb
