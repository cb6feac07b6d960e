#pragma once
// The live check's place in the main window: the problems panel in the bottom dock, its
// points column at the chart's right, its summary in the status bar and its switch in the
// Tools menu, shown as the director left it.

class QMainWindow;
class QMenu;
class QSplitter;

namespace ranvik {

class ChartModel;
class ChartProblems;
class ChartView;
class ProblemsPanel;
class Settings;

struct ProblemsDockPlace {
    QMainWindow& window;
    QSplitter& splitter; // holds the chart view
    ChartView& view;
    ChartModel& model;
    QMenu& tools;
};

ProblemsPanel* AddProblemsDock(const ProblemsDockPlace& place, ChartProblems& problems,
                               Settings& settings);

} // namespace ranvik
