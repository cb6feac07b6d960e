#pragma once
// A window with a membership database open from a copy of the shared test files.

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "platform/Paths.h"
#include "settings/Settings.h"

#include "ui/MembersModel.h"

#include <QAction>
#include <QLineEdit>
#include <QStringList>
#include <QTableView>

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
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
        return ranvik::platform::PathFromUtf8(ranvik::DefaultSettingsPath());
    }

    // Copies a shared test database into the temporary folder; gives the copy's path.
    QString copyOf(const std::string& name) {
        const std::filesystem::path target = dir_.path() / name;
        std::filesystem::copy_file(MembersDataDir() / name, target,
                                   std::filesystem::copy_options::overwrite_existing);
        return QString::fromStdString(target.string());
    }

    // Makes an SQLite membership file in the temporary folder by running sql; gives its path.
    QString writeSqlite(const std::string& name, const char* sql) {
        const std::string path = dir_.file(name);
        sqlite3* db = nullptr;
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
            sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot make " << path << ": " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return QString::fromStdString(path);
    }

    void open(const QString& path) { form().openDatabaseFile(path); }
    void openCopyOf(const std::string& name) { open(copyOf(name)); }

    MembersModel& model() {
        auto* members = qobject_cast<MembersModel*>(ui().membersView->model());
        if (!members)
            throw std::logic_error("the members view does not show a members model");
        return *members;
    }
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
        const int row = ui().membersView->currentIndex().row();
        return model().index(row, static_cast<int>(*column)).data().toString();
    }
    // The checked items of the Sort submenu ("name", "number", "province"), joined by "+",
    // followed by the order the grid really shows when that is another.
    QString checkedOrder() {
        const QAction* items[] = {ui().orderByNameAction, ui().orderByNumberAction,
                                  ui().orderByProvinceAction};
        const QString names[] = {QStringLiteral("name"), QStringLiteral("number"),
                                 QStringLiteral("province")};
        QStringList checked;
        for (int i = 0; i < 3; ++i) {
            if (items[i]->isChecked())
                checked << names[i];
        }
        const QString shown = names[static_cast<int>(model().order())];
        if (checked != QStringList{shown})
            checked << QStringLiteral("(shown in %1 order)").arg(shown);
        return checked.join(QLatin1Char('+'));
    }
    // Moves the shown ordering to the first record whose name begins with the text.
    void findName(const QString& text) { ui().memberNameSearch->setText(text); }

    // Name, number and rating of a chart row, joined by "|".
    std::string row(int r) { return cell(1, r) + "|" + cell(2, r) + "|" + cell(3, r); }

    TempDir dir_;
};

} // namespace ranvik::test
