#pragma once
// The membership database panel's state: the model its table view shows the open
// database's table through (the model holds the table, read into memory).

namespace ranvik {

class MembersModel;

struct MembersPanel {
    MembersModel* model = nullptr; // owned by the window
    bool syncing = false;          // the view is being moved to the current record
};

} // namespace ranvik
