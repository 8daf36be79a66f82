#pragma once

#include <QDialog>
#include <functional>
#include <string_view>
#include <vector>

#include "ProgrammeFinder.h"
#include "SearchChoice.h"

class QLineEdit;
class QListView;
class QPushButton;
class QStandardItemModel;

namespace farb::qt {

// "Programm suchen", drawn from SearchChoice: a text field and below it the programmes found for
// what it holds, updated as the operator types. Up, Down and the page keys in the field move
// through the list; Enter, a double click or "Auswählen" choose, Escape or "Abbrechen" change
// nothing.
class SearchDialog : public QDialog {
    Q_OBJECT

  public:
    using Finder = SearchChoice::Finder;

    SearchDialog(Finder find, QWidget* parent = nullptr);

    // The chosen programme's entry once the dialog was accepted; -1 before, or when cancelled.
    int ChosenEntry() const { return chosen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowFound(const QString& query);
    void ShowChoice();
    void Choose();

    SearchChoice choice_;
    QLineEdit* query_;
    QListView* found_;
    QStandardItemModel* model_;
    QPushButton* choose_;
    int chosen_ = -1;
};

// Shows the dialog modally; the chosen entry, or -1.
int AskForProgramme(QWidget* parent, SearchDialog::Finder find);

}  // namespace farb::qt
