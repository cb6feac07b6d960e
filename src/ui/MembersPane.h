#pragma once
// The membership database's side of the window: once a database is open, its search boxes,
// record buttons, load button and members list; before that a note saying how to open one,
// with a button for it. A database file dropped anywhere on it is offered to the window,
// which opens it as Database > Open does.

#include <QWidget>

class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QStackedLayout;
class QTableView;

namespace ranvik {

class MembersPane : public QWidget {
    Q_OBJECT
  public:
    explicit MembersPane(QWidget* parent = nullptr);

    // The members list, shown while a database is open.
    QTableView* view() const { return view_; }
    // The line that says a search found nothing, above the list.
    QLabel* noMatchLabel() const { return noMatchLabel_; }
    QLineEdit* nameSearch() const { return nameSearch_; }
    QLineEdit* numberSearch() const { return numberSearch_; }
    QPushButton* loadButton() const { return loadButton_; }
    // The first, prior, next and last record buttons.
    QWidget* navigator() const { return navigator_; }

    // Shows the list, or the note when no database is open.
    void setDatabaseOpen(bool open);
    bool databaseOpen() const;

    // The local membership database file a drag carries (.mdb, .mde, .sqlite, .db), or an
    // empty string when it carries anything else: several files, a web address, a chart.
    static QString DroppedDatabase(const QMimeData* data);

  signals:
    void openRequested();
    void fileDropped(const QString& path);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The search boxes, the record buttons and the load button above the list.
    QLayout* buildControls(QWidget* holder);

    QStackedLayout* pages_ = nullptr;
    QLineEdit* nameSearch_ = nullptr;
    QLineEdit* numberSearch_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QWidget* navigator_ = nullptr;
    QWidget* notePage_ = nullptr;
    QWidget* listPage_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QLabel* noMatchLabel_ = nullptr;
    QTableView* view_ = nullptr;
};

} // namespace ranvik
