#pragma once
// File > Open recent: the charts last opened or saved, newest first, kept in the settings.

#include <QMenu>

#include <string>

namespace ranvik {

class Settings;

class RecentChartsMenu : public QMenu {
    Q_OBJECT
  public:
    RecentChartsMenu(Settings& settings, QWidget* parent);

    // The chart now open, remembered when it is not the one remembered last.
    void remember(const std::string& path);
    // A new chart: the next file saved or opened is remembered even when it is the last one.
    void forgetLast() { last_.clear(); }

  signals:
    void chosen(const QString& path);

  private:
    void fill();

    Settings& settings_;
    std::string last_;
};

} // namespace ranvik
