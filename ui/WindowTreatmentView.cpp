#include "WindowTreatmentView.h"

namespace farb {

WindowTreatmentView::WindowTreatmentView(ListBox& categories, ListBox& programmes, QLabel& status,
                                         QLabel& time)
    : categories_(categories), programmes_(programmes), status_(status), time_(time) {}

void WindowTreatmentView::SetTimeText(const std::string& text) {
    time_.setText(QString::fromLatin1(text));
}

std::string WindowTreatmentView::TimeText() const {
    return time_.text().toLatin1().toStdString();
}

void WindowTreatmentView::SetStatusText(const std::string& text) {
    status_.setText(QString::fromLatin1(text));
}

std::string WindowTreatmentView::StatusText() const {
    return status_.text().toLatin1().toStdString();
}

int WindowTreatmentView::SelectedCategory() const {
    return categories_.SelectedIndex();
}

int WindowTreatmentView::SelectedProgram() const {
    return programmes_.SelectedIndex();
}

void WindowTreatmentView::ShowProgramList(const std::vector<std::string>& names) {
    programmes_.SetItems(FromLatin1(names));
}

void WindowTreatmentTimer::SetTreatmentTimer(bool on) {
    if (!on) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

QStringList FromLatin1(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        list << QString::fromLatin1(text);
    }
    return list;
}

}  // namespace farb
