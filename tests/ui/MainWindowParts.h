#pragma once
// The main window's widgets and actions, found by their object names as a user's tools
// (and accessibility) would find them: the window keeps them private.

#include "ui/ChartView.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDockWidget>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>

namespace ranvik::test {

struct MainWindowParts {
    explicit MainWindowParts(QWidget& window);

    QFrame* settingsStrip;
    QSpinBox* playersBox;
    QLabel* playersLabel;
    QSpinBox* roundsBox;
    QLabel* roundsLabel;
    QPushButton* reportButton;
    QGroupBox* typeGroup;
    QButtonGroup* typeButtons; // ids 0 Swiss, 1 round robin, 2 double round robin
    QCheckBox* showMembersBox;
    QPushButton* loadMemberButton;
    QLabel* memberNameLabel;
    QLineEdit* memberNameSearch;
    QLabel* memberNumberLabel;
    QLineEdit* memberNumberSearch;
    QWidget* memberNavigator;
    QToolButton* firstMemberButton;
    QToolButton* previousMemberButton;
    QToolButton* nextMemberButton;
    QToolButton* lastMemberButton;
    QSplitter* splitter;
    ChartView* chartView;
    QTableView* membersView;

    QAction* newAction;
    QAction* openAction;
    QAction* saveAction;
    QAction* saveAsAction;
    QAction* quitAction;
    QAction* deleteRowAction;
    QAction* clearResultsAction;
    QAction* reportAction;
    QAction* sortByRatingAction;
    QAction* updateOpponentsAction;
    QAction* openDatabaseAction;
    QMenu* memberOrderMenu;
    QAction* orderByNameAction;
    QAction* orderByNumberAction;
    QAction* orderByProvinceAction;
    QAction* showMembersAction;
    QAction* loadMemberAction;
    QAction* helpAction;
    QAction* aboutAction;
    QAction* importTrfAction;
    QAction* matchPlayersAction;
    QAction* standingsAction;
    QDockWidget* problemsDock;
    QTableView* problemsView;
    QTableView* warningsView;
    QTableView* scoresView;
    QLabel* problemsSummaryLabel;
    QAction* showProblemsAction;
};

} // namespace ranvik::test
