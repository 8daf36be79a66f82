#include "VirtualLampWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "CoreText.h"
#include "VirtualLampReadout.h"

namespace farb::qt {

namespace {

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
      colourName_(DetailLabel(QStringLiteral("colourName"), kLampWindow.colourNameName, this)),
      kind_(new QComboBox(this)),
      plug_(new QPushButton(FromCoreText(kPlugButton), this)),
      unplug_(new QPushButton(FromCoreText(kUnplugButton), this)) {
    for (const LampReadoutRow& row : ReadOut(lamp_).Rows()) {
        details_.push_back(DetailLabel(FromCoreText(row.objectName), row.accessibleName, this));
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
    field_->setAccessibleName(FromCoreText(kLampWindow.fieldName));
    field_->setFixedSize(kLampWindow.fieldWidth, kLampWindow.fieldHeight);
    field_->setAutoFillBackground(true);
    QFont large = colourName_->font();
    large.setPixelSize(kLampWindow.colourNamePixels);
    large.setBold(true);
    colourName_->setFont(large);
    colourName_->setAlignment(Qt::AlignCenter);

    kind_->setObjectName(QStringLiteral("lampKind"));
    kind_->setAccessibleName(FromCoreText(kLampWindow.kindName));
    for (const LampKindChoice& choice : LampKindChoices()) {
        kind_->addItem(FromCoreText(choice.label), static_cast<int>(choice.kind));
    }
    plug_->setObjectName(QStringLiteral("plug"));
    unplug_->setObjectName(QStringLiteral("unplug"));

    // Room for the widest value, so the window keeps its size.
    int widest = 0;
    for (const std::string_view value : kLampWindow.widestValues) {
        widest = std::max(widest,
                          details_.front()->fontMetrics().horizontalAdvance(FromCoreText(value)));
    }
    details_.front()->setMinimumWidth(widest);
}

void VirtualLampWindow::LayOutControls() {
    auto* details = new QFormLayout;
    const auto rows = ReadOut(lamp_).Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        details->addRow(FromCoreText(rows[i].label), details_[i]);
    }
    details->addRow(FromCoreText(kLampWindow.kindLabel), kind_);
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
