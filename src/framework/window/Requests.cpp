#include "framework/window/Requests.h"

int Protocol::GlobalRequest = NoRequest;
int Protocol::GlobalResponse = NoResponse;
long Protocol::VCRRequest = 0;

QString ToolbarRules::FormTip(int request, int button) {
    if (request == InsertRecord) {
        if (button == ToolInsert || button == ToolDown)
            return QStringLiteral("Save record and add another");
        return {};
    }
    if (request != ChangeRecord) return {};
    switch (button) {
    case ToolBottom:
        return QStringLiteral("Save changes and go to last record");
    case ToolTop:
        return QStringLiteral("Save changes and go to first record");
    case ToolPageDown:
        return QStringLiteral("Save changes and page down to record");
    case ToolPageUp:
        return QStringLiteral("Save changes and page up to record");
    case ToolDown:
        return QStringLiteral("Save changes and go to next record");
    case ToolUp:
        return QStringLiteral("Save changes and go to previous record");
    case ToolInsert:
        return QStringLiteral("Save this record and add a new one");
    default:
        return {};
    }
}

QString ToolbarRules::BrowseTip(int button) {
    switch (button) {
    case ToolBottom:
        return QStringLiteral("Go to the Last Page");
    case ToolTop:
        return QStringLiteral("Go to the First Page");
    case ToolPageDown:
        return QStringLiteral("Go to the Next Page");
    case ToolPageUp:
        return QStringLiteral("Go to the Prior Page");
    case ToolDown:
        return QStringLiteral("Go to the Next Record");
    case ToolUp:
        return QStringLiteral("Go to the Prior Record");
    case ToolInsert:
        return QStringLiteral("Insert a new Record");
    default:
        return {};
    }
}

std::optional<bool> ToolbarRules::FormEnables(int request, int button, bool hasHelp,
                                              bool hasHistory) {
    if (request != InsertRecord && request != ChangeRecord) {
        if (button >= ToolInsert && button <= ToolHistory) return false;
        return std::nullopt;
    }
    if (button == ToolHelp) return hasHelp;
    if (button == ToolHistory) return hasHistory;
    if (request == InsertRecord) return button == ToolInsert || button == ToolDown;
    if (button == ToolLocate) return std::nullopt;
    return button == ToolInsert || (button >= ToolBottom && button <= ToolUp);
}

std::optional<bool> ToolbarRules::BrowseEnables(int button, bool ownButtonEnabled) {
    if (button >= ToolInsert && button <= ToolSelect) return ownButtonEnabled;
    if (button >= ToolBottom && button <= ToolLocate) return true;
    if (button == ToolHistory) return false;
    return std::nullopt;
}
