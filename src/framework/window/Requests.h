#pragma once

#include <QString>
#include <optional>

// The protocol between a browse and the form it calls: the browse sets a request, runs
// the form and reads back the response.
enum Request : int {
    NoRequest = 0,
    InsertRecord = 1,
    ChangeRecord = 2,
    DeleteRecord = 3,
    SelectRecord = 4,
    ProcessRecord = 5, // a browse runs its print procedure with this request
};

enum Response : int {
    NoResponse = 0,
    RequestCompleted = 1,
    RequestCancelled = 2,
};

// Program-wide variables: a procedure started by another reads its request here and
// leaves its response here; its Init clears both once read. `VCRRequest` is the
// navigation request that a form leaves for the browse that called it.
namespace Protocol {
extern int GlobalRequest;
extern int GlobalResponse;
extern long VCRRequest;
} // namespace Protocol

// The toolbar buttons shared by all windows.
enum ToolButton : int {
    ToolInsert = 2000, // insert; in a form: save and add
    ToolChange = 2001,
    ToolDelete = 2002,
    ToolSelect = 2003,
    ToolBottom = 2004, // last
    ToolTop = 2005,    // first
    ToolPageDown = 2006,
    ToolPageUp = 2007,
    ToolDown = 2008, // next record
    ToolUp = 2009,   // previous record
    ToolLocate = 2010,
    ToolHistory = 2011,
    ToolHelp = 2012,
};
constexpr int FirstToolButton = ToolInsert;
constexpr int LastToolButton = ToolHelp;

namespace ToolbarRules {

// The tip of a toolbar button in a form for a request; empty when it has none.
QString FormTip(int request, int button);
// The tip of a toolbar button serving a browse; empty when it has none.
QString BrowseTip(int button);

// Whether a form enables a toolbar button: by its request, and for help and history by
// whether the window has an enabled help button and history fields. Nothing for a button
// the form leaves as it is.
std::optional<bool> FormEnables(int request, int button, bool hasHelp, bool hasHistory);

// Whether a browse enables a toolbar button: insert, change, delete and select follow the
// browse's own buttons, the scrolling buttons always, history never. Nothing for help.
std::optional<bool> BrowseEnables(int button, bool ownButtonEnabled);

// The buttons that store themselves in the navigation request and press OK in a form.
inline bool IsFormNavigation(int button) {
    return button == ToolInsert || (button >= ToolBottom && button <= ToolUp);
}

} // namespace ToolbarRules
