#include "MainWindowParts.h"

#include <stdexcept>
#include <string>

namespace ranvik::test {

namespace {
template <class T> T* Find(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("the main window has no ") + name);
    return found;
}
} // namespace

MainWindowParts::MainWindowParts(QWidget& w)
    : settingsStrip(Find<QFrame>(w, "settingsStrip")), playersBox(Find<QSpinBox>(w, "playersBox")),
      playersLabel(Find<QLabel>(w, "playersLabel")), roundsBox(Find<QSpinBox>(w, "roundsBox")),
      roundsLabel(Find<QLabel>(w, "roundsLabel")),
      reportButton(Find<QPushButton>(w, "reportButton")),
      typeGroup(Find<QGroupBox>(w, "typeGroup")), typeButtons(Find<QButtonGroup>(w, "typeButtons")),
      showMembersBox(Find<QCheckBox>(w, "showMembersBox")),
      loadMemberButton(Find<QPushButton>(w, "loadMemberButton")),
      memberNameLabel(Find<QLabel>(w, "memberNameLabel")),
      memberNameSearch(Find<QLineEdit>(w, "memberNameSearch")),
      memberNumberLabel(Find<QLabel>(w, "memberNumberLabel")),
      memberNumberSearch(Find<QLineEdit>(w, "memberNumberSearch")),
      memberNavigator(Find<QWidget>(w, "memberNavigator")),
      firstMemberButton(Find<QToolButton>(w, "firstMemberButton")),
      previousMemberButton(Find<QToolButton>(w, "previousMemberButton")),
      nextMemberButton(Find<QToolButton>(w, "nextMemberButton")),
      lastMemberButton(Find<QToolButton>(w, "lastMemberButton")),
      splitter(Find<QSplitter>(w, "splitter")), chartView(Find<ChartView>(w, "chartView")),
      membersView(Find<QTableView>(w, "membersView")), newAction(Find<QAction>(w, "newAction")),
      openAction(Find<QAction>(w, "openAction")), saveAction(Find<QAction>(w, "saveAction")),
      saveAsAction(Find<QAction>(w, "saveAsAction")), quitAction(Find<QAction>(w, "quitAction")),
      deleteRowAction(Find<QAction>(w, "deleteRowAction")),
      clearResultsAction(Find<QAction>(w, "clearResultsAction")),
      reportAction(Find<QAction>(w, "reportAction")),
      sortByRatingAction(Find<QAction>(w, "sortByRatingAction")),
      updateOpponentsAction(Find<QAction>(w, "updateOpponentsAction")),
      openDatabaseAction(Find<QAction>(w, "openDatabaseAction")),
      memberOrderMenu(Find<QMenu>(w, "memberOrderMenu")),
      orderByNameAction(Find<QAction>(w, "orderByNameAction")),
      orderByNumberAction(Find<QAction>(w, "orderByNumberAction")),
      orderByProvinceAction(Find<QAction>(w, "orderByProvinceAction")),
      showMembersAction(Find<QAction>(w, "showMembersAction")),
      loadMemberAction(Find<QAction>(w, "loadMemberAction")),
      helpAction(Find<QAction>(w, "helpAction")), aboutAction(Find<QAction>(w, "aboutAction")),
      importTrfAction(Find<QAction>(w, "importTrfAction")),
      matchPlayersAction(Find<QAction>(w, "matchPlayersAction")),
      standingsAction(Find<QAction>(w, "standingsAction")),
      problemsDock(Find<QDockWidget>(w, "problemsDock")),
      problemsView(Find<QTableView>(w, "problemsView")),
      warningsView(Find<QTableView>(w, "warningsView")),
      scoresView(Find<QTableView>(w, "scoresView")),
      problemsSummaryLabel(Find<QLabel>(w, "problemsSummaryLabel")),
      showProblemsAction(Find<QAction>(w, "showProblemsAction")) {}

} // namespace ranvik::test
