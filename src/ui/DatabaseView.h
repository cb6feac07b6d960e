#pragma once
// State of the membership database view: the model the grid shows the open database's
// table through (the model holds the table, read into memory).

namespace ranvik {

class MembersModel;

struct DatabaseView {
    MembersModel* model = nullptr; // owned by the window
    bool syncing = false;          // the grid is being moved to the current record
};

} // namespace ranvik
