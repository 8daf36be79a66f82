#include "VirtualLampWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "CoreText.h"
#include "VirtualLampReadout.h"

namespace farb::qt {

namespace {

constexpr QSize kFieldSize{300, 180};

QLabel* DetailLabel(const QString& name, std::string_view accessibleName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(FromCoreText(accessibleName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

VirtualLampWindow::VirtualLampWindow(VirtualLamp& lamp, QWidget* parent)
    : QWidget(parent),
      lamp_(lamp),
      field_(new QFrame(this)),
      colourName_(DetailLabel(QStringLiteral("colourName"), "Farbe", this)),
      kind_(new QComboBox(this)),
      plug_(new QPushButton(FromCoreText(kPlugButton), this)),
      unplug_(new QPushButton(FromCoreText(kUnplugButton), this)) {
    const QString names[] = {QStringLiteral("hexCommand"), QStringLiteral("textCommand"),
                             QStringLiteral("commandCount"), QStringLiteral("connection"),
                             QStringLiteral("serialNumber")};
    const auto rows = ReadOut(lamp_).Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        details_.push_back(DetailLabel(names[i], rows[i].accessibleName, this));
    }
    setObjectName(QStringLiteral("VirtualLampWindow"));
    setWindowTitle(FromCoreText(kLampWindowTitle));
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
    for (const LampKindChoice& choice : LampKindChoices()) {
        kind_->addItem(FromCoreText(choice.label), static_cast<int>(choice.kind));
    }
    plug_->setObjectName(QStringLiteral("plug"));
    unplug_->setObjectName(QStringLiteral("unplug"));

    // Room for a colour command, the longest the program sends, so the window keeps its size.
    details_.front()->setMinimumWidth(
        details_.front()->fontMetrics().horizontalAdvance(FromCoreText(kWidestHexCommand)));
}

void VirtualLampWindow::LayOutControls() {
    auto* details = new QFormLayout;
    const auto rows = ReadOut(lamp_).Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        details->addRow(FromCoreText(rows[i].label), details_[i]);
    }
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
    const VirtualLampReadout readout = ReadOut(lamp_);
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Window,
                     QColor(readout.field.red, readout.field.green, readout.field.blue));
    field_->setPalette(palette);
    colourName_->setText(FromCoreText(readout.colourName));
    const auto rows = readout.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        details_[i]->setText(FromCoreText(rows[i].text));
    }
    kind_->setEnabled(readout.kindChoosable);
    plug_->setEnabled(readout.plugEnabled);
    unplug_->setEnabled(readout.unplugEnabled);
}

}  // namespace farb::qt
