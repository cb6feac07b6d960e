#pragma once
// A window with a membership database open from a copy of the shared test files.

#include "TestSupport.h"
#include "UiTestSupport.h"

#include "ui/DatabaseView.h"
#include "ui/MembersModel.h"

#include <QLineEdit>
#include <QTableView>

#include <filesystem>
#include <string>

namespace ranvik::test {

inline std::filesystem::path MembersDataDir() {
    return TestDataDir() / "members";
}

class DatabaseTest : public WindowTest {
  protected:
    void SetUp() override {
        // Every window of the run shares one settings file; start each test without it.
        std::filesystem::remove(SettingsFile());
        WindowTest::SetUp();
    }

    static std::filesystem::path SettingsFile() {
        return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Ranvik.ini";
    }

    // Copies a shared test database into the temporary folder; gives the copy's path.
    QString copyOf(const std::string& name) {
        const std::filesystem::path target = dir_.path() / name;
        std::filesystem::copy_file(MembersDataDir() / name, target,
                                   std::filesystem::copy_options::overwrite_existing);
        return QString::fromStdString(target.string());
    }

    void open(const QString& path) {
        form().DatabaseFileName = path;
        form().InitDBase();
    }
    void openCopyOf(const std::string& name) { open(copyOf(name)); }

    MembersModel& model() { return *form().databaseView()->model; }
    MemberOrdering& shown() { return *model().ordering(); }
    // A field of the shown ordering's current record ("" for NULL).
    std::string current(const char* field) {
        const auto row = shown().currentRow();
        if (!row)
            return "<none>";
        return model().table()->value(*row, field).value_or("");
    }
    // The same, as the grid shows it on its current row.
    QString gridCurrent(const char* field) {
        const auto column = model().table()->findField(field);
        const int row = form().DBGrid1->currentIndex().row();
        return model().index(row, static_cast<int>(*column)).data().toString();
    }
    // Moves the shown ordering to the first record whose name begins with the text.
    void findName(const QString& text) { form().NameLE->setText(text); }

    // Name, number and rating of a chart row, joined by "|".
    std::string row(int r) { return cell(1, r) + "|" + cell(2, r) + "|" + cell(3, r); }

    TempDir dir_;
};

} // namespace ranvik::test
