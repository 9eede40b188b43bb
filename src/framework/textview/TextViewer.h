#pragma once

#include "framework/textview/TextFile.h"
#include "framework/window/WindowEvent.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class ErrorManager;
class TextLines;
class TextSearcher;
class WindowController;

// Shows a text file in a list control of a window (a TextLines made with C().custom), one
// file line per row: reads only the lines shown, moves by rows, pages and the thumb, offers
// a popup menu with find, print, moves and go to line. The window hands every event to
// TakeEvent first.
class TextViewer {
public:
    TextViewer();
    ~TextViewer();
    TextViewer(const TextViewer&) = delete;
    TextViewer& operator=(const TextViewer&) = delete;

    // Opens the file (a host path, a media path such as "D:\README.TXT", or a name in the
    // current directory) read-only, and takes over the list control. When the file cannot
    // be opened, "File Load Error" is shown and false returned.
    bool Init(WindowController& window, int listControl, const QString& fileName,
              ErrorManager& errors, int lineSize = TextFile::DefaultLineSize);
    // The find dialog, on the popup menu and through Find().
    void AddSearcher();
    // Printing, on the popup menu and through Print(); `print` is handed the viewer.
    void AddPrinter(std::function<void(TextViewer&)> print);
    bool HasSearcher() const { return searcher_ != nullptr; }
    bool HasPrinter() const { return bool(print_); }
    // 5 when the event belonged to the list control.
    int TakeEvent(const WindowEvent& event);
    // Makes a line current, the last line for one beyond the end.
    void SetLine(qint64 line);
    // Closes the file and empties the list.
    void Kill();

    void Find();
    void Print();
    void Goto();

    bool IsOpen() const { return file_->IsOpen(); }
    TextFile& File() { return *file_; }
    const QString& FileName() const { return fileName_; }
    qint64 TopLine() const { return top_; }
    // The line of the selected row; 0 when the file has no lines.
    qint64 CurrentLine() const;
    // The lines shown, as the rows show them.
    const QStringList& DisplayQueue() const { return display_; }
    TextLines* ListBox() const { return list_; }
    ErrorManager* Errors() const { return errors_; }

private:
    void fill();
    void showThumb();
    void move(EventKind kind, bool wheel);
    void dragTo(int thumb);
    void popup();

    ErrorManager* errors_ = nullptr;
    TextLines* list_ = nullptr;
    int control_ = 0;
    std::unique_ptr<TextFile> file_;
    QString fileName_;
    qint64 top_ = 1;
    int selected_ = 0; // row of the current line
    QStringList display_;
    std::vector<qint64> offsets_; // of the rows shown
    std::unique_ptr<TextSearcher> searcher_;
    std::function<void(TextViewer&)> print_;
};
