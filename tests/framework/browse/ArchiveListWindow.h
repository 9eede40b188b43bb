#pragma once

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/window/WindowController.h"

#include <functional>

// A list of archive entries for the tests of the browse manager: four orders (file name
// with a step locator and a thumb, CD number with an incremental locator and a thumb, class
// limited to the class in `cls`, record order), five buttons, and a form played by `form`.
class ArchiveListWindow : public WindowController {
public:
    enum Control { List = 1, Insert = 10, Change = 11, Delete = 12, Select = 13, Print = 14 };
    enum Order { ByName = 1, ByCd, ByClass, ByRecord };

    ArchiveListWindow() : WindowController(QStringLiteral("ArchiveList")) {}

    int Init() override {
        if (const int level = WindowController::Init()) return level;
        list = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
        C().custom(List, list).at(0, 0, 1, 5);
        C().button(Insert, QStringLiteral("&Insert")).at(1, 0);
        C().button(Change, QStringLiteral("&Change")).at(1, 1);
        C().button(Delete, QStringLiteral("&Delete")).at(1, 2);
        C().button(Select, QStringLiteral("&Select")).at(1, 3);
        C().button(Print, QStringLiteral("&Print")).at(1, 4);
        SetToolbar(toolbar);
        Relate::Archief().Open();
        browse.Init(*list, *this, Relate::Archief());
        AddToolbarTarget(browse);
        const FileDef& def = Dictionary::Archief();
        nameThumb.Init(StepManager::AllowAlpha | StepManager::AllowNumeric);
        browse.AddSortOrder(&nameThumb, ArcKey::KeyNaam);
        browse.AddLocator(&stepLocator);
        browse.AddSortOrder(&cdThumb, ArcKey::KeyCdNr);
        browse.AddLocator(&incrementalLocator);
        browse.AddSortOrder(nullptr, ArcKey::KeySoort);
        browse.AddRange(def.fieldIndex("ARC:Soort"), [this] { return FieldValue(cls); });
        browse.AddSortOrder(nullptr, 0);
        browse.SetSort(ByName);
        for (const char* f : {"ARC:Naam", "ARC:CdNr", "ARC:Soort", "ARC:NR"})
            browse.AddField(def.fieldIndex(f));
        list->setColumns(
            {{"File Name", 120, Qt::AlignLeft, Qt::AlignLeft, "@s40", def.fieldIndex("ARC:Naam")},
             {"Cd Nr.", 30, Qt::AlignRight, Qt::AlignLeft, "@N_6B", def.fieldIndex("ARC:CdNr")},
             {"Software Class", 80, Qt::AlignLeft, Qt::AlignLeft, "@s20",
              def.fieldIndex("ARC:Soort")}});
        browse.InsertControl = Insert;
        browse.ChangeControl = Change;
        browse.DeleteControl = Delete;
        browse.SelectControl = Select;
        browse.PrintControl = Print;
        browse.PrintProcedure = 2;
        browse.AskProcedure = 1;
        return Open();
    }
    int Kill() override {
        const int level = WindowController::Kill();
        Relate::Archief().Close();
        if (onEnd) onEnd(Response);
        return level;
    }
    int RunProcedure(int procedure, int request) override {
        calls.push_back({procedure, request, ARC.NR});
        return form ? form(request) : RequestCancelled;
    }

    struct Call {
        int procedure;
        int request;
        quint32 nr; // ARC:NR in the record buffer when the procedure was called
    };
    BrowseList* list = nullptr;
    BrowseManager browse;
    StepStringManager nameThumb;
    StepLongManager cdThumb;
    StepLocator stepLocator;
    IncrementalLocator incrementalLocator;
    QString cls = QStringLiteral("Games");
    std::function<int(int request)> form;
    std::function<void(int response)> onEnd;
    ToolbarDispatcher toolbar;
    std::vector<Call> calls;
};
