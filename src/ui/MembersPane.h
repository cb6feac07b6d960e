#pragma once
// The membership database's side of the window: once a database is open, its search boxes,
// record buttons, load button and members list; before that a note saying how to open one,
// with a button for it. It reads the database file (a file dropped anywhere on it too),
// keeps its path, shows its members in one of three orders and finds a member as the
// director types. Loading a member into the chart is the document's: the pane asks for it.

#include "members/MemberTable.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPushButton;
class QStackedLayout;
class QTableView;

namespace ranvik {

class MembersModel;

class MembersPane : public QWidget {
    Q_OBJECT
  public:
    explicit MembersPane(QWidget* parent = nullptr);

    // The membership database file shown (or last chosen) and its table's name.
    QString databasePath() const { return databasePath_; }
    QString membersTableName() const { return membersTable_; }
    // The table and the ordering whose current member a load takes; null while none is open.
    const MemberTable* table() const;
    const MemberOrdering* ordering() const;
    // The order the members show in, where the search looks.
    MemberOrder order() const;

    // Opens a membership database file and shows it; a file that does not open is named in
    // an error and the shown database stays.
    void openDatabaseFile(const QString& path);
    // At the start: the file the settings remember (`stored`, empty when none), else the
    // default one in `programFolder`; a remembered file that fails is named once and the
    // default stands in when it is there.
    void openAtStart(const QString& stored, const QString& programFolder);

    // Shows one ordering at its own current record; the search then looks in its field.
    void showOrder(MemberOrder order);
    // Database > Sort's three orders, checked as the pane shows them.
    void addOrderActions(QMenu& menu);
    // Shows or hides the pane with its search note.
    void setShown(bool shown);
    // Puts the focus in the Name box with its text selected.
    void focusNameSearch();

    bool databaseOpen() const;
    // The width at which the search boxes, the load button and the record buttons show whole
    // (narrower, they scroll sideways).
    int wholeControlsWidth() const;

    // The local membership database file a drag carries (.mdb, .mde, .sqlite, .db), or an
    // empty string when it carries anything else: several files, a web address, a chart.
    static QString DroppedDatabase(const QMimeData* data);

  signals:
    void openRequested();
    void fileDropped(const QString& path);
    // The ordering's current member should go into the chart (double-click, the load
    // button, Enter in a search box that found one).
    void loadRequested();
    void orderShown(MemberOrder order);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The search boxes, the record buttons and the load button above the list.
    QLayout* buildControls(QWidget* holder);
    void connectControls();
    void setUpView();
    // Shows the list, or the note when no database is open.
    void setDatabaseOpen(bool open);
    // Reads a membership file and shows it; false (with the error shown when tellFailure)
    // when it cannot be read, the shown database staying.
    bool readDatabase(const QString& path, bool tellFailure);
    void applyColumnWidths();
    // Puts the view's current row, selection and record indicator on the shown ordering's
    // current record.
    void showCurrentMember();
    void search(QLineEdit* box, MemberOrder order, const QString& text);
    void loadFoundMember(QLineEdit* search);

    MembersModel* model_ = nullptr;
    bool syncing_ = false; // the view is being moved to the current record
    QString databasePath_;
    QString membersTable_;

    QStackedLayout* pages_ = nullptr;
    QLineEdit* nameSearch_ = nullptr;
    QLineEdit* numberSearch_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QWidget* navigator_ = nullptr;
    QWidget* notePage_ = nullptr;
    QWidget* controls_ = nullptr;
    QWidget* listPage_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QLabel* noMatchLabel_ = nullptr;
    QTableView* view_ = nullptr;
};

} // namespace ranvik
